<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <extracomment>The program&apos;s name in the about panel.</extracomment>
        <translation>TAVO storage calculator</translation>
    </message>
    <message>
        <source>User Help</source>
        <extracomment>Button: opens the user manual.</extracomment>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
        <extracomment>Button: opens the file of the licences of the open-source software the program uses.</extracomment>
        <translation>Open-source licences</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>No user manual found.</translation>
    </message>
    <message>
        <source>Open Open Source Software Licenses file failed.</source>
        <translation>The open-source licences file could not be opened.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The about panel&apos;s version line: %1 is the version number (&quot;4.0.0.50&quot;).</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <extracomment>Caption under the number of network-camera (IPC) channels.</extracomment>
        <translation>IPCs</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <extracomment>Caption under the number of recorder (DVR) channels.</extracomment>
        <translation>DVRs</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <extracomment>Caption under the number of channels watched live.</extracomment>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <extracomment>Caption under the big bandwidth figure; %1 is its unit (Kbps, Mbps or Gbps).</extracomment>
        <translation>Total bandwidth (%1)</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>The %1 camera table has no %2.</source>
        <extracomment>A group left out of a change: %1 the encoding&apos;s table, %2 the resolution it lacks.</extracomment>
        <translation>The %1 camera table has no %2.</translation>
    </message>
    <message>
        <source>The %1 recorder table has no %2.</source>
        <extracomment>A group left out of a change: %1 the encoding&apos;s table, %2 the resolution it lacks.</extracomment>
        <translation>The %1 recorder table has no %2.</translation>
    </message>
    <message>
        <source>A frame rate is a number of frames per second above 0.</source>
        <translation>A frame rate is a number of frames per second above 0.</translation>
    </message>
    <message>
        <source>Recording on motion takes from %1 to %2 % of the time.</source>
        <extracomment>A change to recording on motion refused: %1 and %2 the lowest and highest share of the time, in percent.</extracomment>
        <translation>Recording on motion takes from %1 to %2 % of the time.</translation>
    </message>
    <message>
        <source>Video is kept from 1 to %1 days.</source>
        <extracomment>A change of the calculator&apos;s retention refused: %1 the longest it may be, in days.</extracomment>
        <translation>Video is kept from 1 to %1 days.</translation>
    </message>
    <message>
        <source>Its rate comes from the scene &quot;%1&quot;; change it in the editor.</source>
        <extracomment>A group left out of a change of its video: %1 the scene its rate was set up from.</extracomment>
        <translation>Its rate comes from the scene &quot;%1&quot;; change it in the editor.</translation>
    </message>
    <message>
        <source>There are no tables for the device type &quot;%1&quot;.</source>
        <extracomment>A group left out of a change of its video: %1 its device type, which has no tables.</extracomment>
        <translation>There are no tables for the device type &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The %1 table recommends no rate for %2 at %3 fps.</source>
        <extracomment>A group left out of a change: %1 the encoding, %2 the resolution, %3 the frames per second.</extracomment>
        <translation>The %1 table recommends no rate for %2 at %3 fps.</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <extracomment>Caption over the calculator column.</extracomment>
        <translation>Capacity calculation:</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button: writes the plan into a PDF report (a verb).</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: removes every channel group from the list, after asking (a verb).</extracomment>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>GB</source>
        <extracomment>Unit choice beside the disk size field: gigabytes.
----------
Unit beside the big figure of the disk space a retention needs: gigabytes.</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <extracomment>Unit choice beside the disk size field: terabytes (1 TB = 1000 GB).
----------
Unit beside the big figure of the disk space a retention needs: terabytes (1 TB = 1000 GB).</extracomment>
        <translation>TB</translation>
    </message>
    <message>
        <source>CalTime</source>
        <extracomment>Mode button of the calculator: how long a given disk keeps video (a short noun, &quot;Retention&quot;).</extracomment>
        <translation>Retention</translation>
    </message>
    <message>
        <source>CalDisk</source>
        <extracomment>Mode button of the calculator: the disk a wanted retention needs (a short noun, &quot;Disk needed&quot;).</extracomment>
        <translation>Disk needed</translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <extracomment>Mode button of the calculator: the network bandwidth of the channels watched live (a short noun).</extracomment>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <extracomment>Caption of the field for the size of the disk (a number in TB or GB follows).</extracomment>
        <translation>Disk size: </translation>
    </message>
    <message>
        <source>record time :</source>
        <extracomment>Caption of the hours recorded each day, set by a slider from 0 to 24.
----------
What a screen reader says for the slider of the hours recorded each day.</extracomment>
        <translation>Recording hours per day:</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Unit after the hours recorded each day: hours (an abbreviation).</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>set save time:</source>
        <extracomment>Caption of the field for how long video must be kept (a number of days, weeks or months follows).</extracomment>
        <translation>Retention period:</translation>
    </message>
    <message>
        <source>DAY</source>
        <extracomment>Unit choice for the wanted retention: days.</extracomment>
        <translation>Days</translation>
    </message>
    <message>
        <source>WEEK</source>
        <extracomment>Unit choice for the wanted retention: weeks.</extracomment>
        <translation>Weeks</translation>
    </message>
    <message>
        <source>MONTH</source>
        <extracomment>Unit choice for the wanted retention: months of 30 days.</extracomment>
        <translation>Months</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <extracomment>Caption of the hours recorded each day, set by a slider from 0 to 24.
----------
What a screen reader says for the slider of the hours recorded each day.</extracomment>
        <translation>Recording hours per day:</translation>
    </message>
    <message>
        <source>Disk Array</source>
        <extracomment>Mode button of the calculator: drives in a RAID array (a short noun).</extracomment>
        <translation>Array</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <extracomment>The retention the planner wants, also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <extracomment>The retention the planner wants (a month of 30 days), also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>The retention the planner wants, also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A network bandwidth in the report: %1 the figure with one decimal, %2 its unit (Kbps, Mbps or Gbps).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 day(s)</source>
        <extracomment>How long the disk keeps video, in the report: %1 is a whole number of days as the calculator shows it (large ones in exponent form, &quot;7e+05&quot;); the plural follows that number.</extracomment>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>How long the disk keeps video, in the report: %1 is a whole number of weeks; the plural follows it.</extracomment>
        <translation>
            <numerusform>%1 week</numerusform>
            <numerusform>%1 weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>How long the disk keeps video, in the report: %1 is a whole number of 30-day months; the plural follows it.</extracomment>
        <translation>
            <numerusform>%1 month</numerusform>
            <numerusform>%1 months</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>A disk size in the report: %1 whole or decimal gigabytes.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <extracomment>A disk size in the report: %1 whole or decimal terabytes (1 TB = 1000 GB).</extracomment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 and each group&apos;s own retention</source>
        <extracomment>The retention the drives of &quot;For %1: %n drive(s)&quot; are for when some groups keep their own: %1 the plan&apos;s wanted retention (&quot;30 days&quot;).</extracomment>
        <translation>%1 and each group&apos;s own retention</translation>
    </message>
    <message>
        <source>%1 The days above are what the groups that follow the plan keep; the answer counts them at %2.</source>
        <extracomment>Under the days a disk keeps when some groups keep their own retention: %1 whether the disk holds every retention, %2 the plan&apos;s wanted retention (&quot;30 days&quot;).</extracomment>
        <translation>%1 The days above are what the groups that follow the plan keep; the answer counts them at %2.</translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <extracomment>Caption over the figures of how long the disk keeps video.</extracomment>
        <translation>Video is kept for:</translation>
    </message>
    <message>
        <source>By Day</source>
        <extracomment>Short caption left of the figure: the retention counted in days (about 64 px wide).</extracomment>
        <translation>In days</translation>
    </message>
    <message>
        <source>By Week</source>
        <extracomment>Short caption left of the figure: the retention counted in weeks (about 64 px wide).</extracomment>
        <translation>In weeks</translation>
    </message>
    <message>
        <source>By Month</source>
        <extracomment>Short caption left of the figure: the retention counted in months (about 64 px wide).</extracomment>
        <translation>In months</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>Unit under the big figure of the days the disk keeps video; no number in the text, but its plural form follows that figure (&quot;1 day&quot;, &quot;21 days&quot;).</extracomment>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <extracomment>Unit under the big figure of the weeks the disk keeps video; the plural form follows that figure.</extracomment>
        <translation>
            <numerusform>week</numerusform>
            <numerusform>weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <extracomment>Unit under the big figure of the (30-day) months the disk keeps video; the plural form follows that figure.</extracomment>
        <translation>
            <numerusform>month</numerusform>
            <numerusform>months</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Gpbs</source>
        <extracomment>Unit of a network bandwidth: gigabits per second (shown under the figure and after it).</extracomment>
        <translation>Gbps</translation>
    </message>
    <message>
        <source>Mpbs</source>
        <extracomment>Unit of a network bandwidth: megabits per second (shown under the figure and after it).</extracomment>
        <translation>Mbps</translation>
    </message>
    <message>
        <source>Kpbs</source>
        <extracomment>Unit of a network bandwidth: kilobits per second (shown under the figure and after it).</extracomment>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Title of the question before every channel group is removed (the Clear button&apos;s action).</extracomment>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <extracomment>Asked before every channel group is removed; the answer is Confirm or Cancel.</extracomment>
        <translation>Clear all channels?</translation>
    </message>
    <message>
        <source>Save File</source>
        <extracomment>Title of the file dialog that saves the PDF report.</extracomment>
        <translation>Save file</translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <extracomment>File-type filter of the dialog that saves the report; keep &quot;(*.pdf )&quot; as it is.</extracomment>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Title of the message that says where the report went or why it could not be written.</extracomment>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Devices</source>
        <extracomment>Title of the report&apos;s section listing the channel groups.</extracomment>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <extracomment>Column caption in the report&apos;s device table: the number of channels in a group.</extracomment>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <extracomment>Column caption in the report&apos;s device table: the frame rate in frames per second.</extracomment>
        <translation>Frame rate (fps)</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <extracomment>Column caption in the report&apos;s device table: a group&apos;s bitrate per channel in kilobits per second.</extracomment>
        <translation>Recommended bitrate (kbps)</translation>
    </message>
    <message>
        <source>Space Given</source>
        <extracomment>Title of the report&apos;s section on how long a given disk keeps video.</extracomment>
        <translation>Retention for a given disk size</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <extracomment>Column caption in the report: the size of the given disk.</extracomment>
        <translation>Disk size</translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <extracomment>Column caption in the report: the hours recorded each day.</extracomment>
        <translation>Recording hours per day</translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole days.</extracomment>
        <translation>Retention in days</translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole weeks.</extracomment>
        <translation>Retention in weeks</translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole months.</extracomment>
        <translation>Retention in months</translation>
    </message>
    <message>
        <source>Time Given</source>
        <extracomment>Title of the report&apos;s section on how much disk a wanted retention needs.</extracomment>
        <translation>Disk space for a given retention period</translation>
    </message>
    <message>
        <source>Recording Time</source>
        <extracomment>Column caption in the report: the retention the planner wants.</extracomment>
        <translation>Retention period</translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <extracomment>Column caption in the report: the disk space the wanted retention needs.</extracomment>
        <translation>Required disk space</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the network bandwidth of the live-view groups.
----------
Title of the report&apos;s section on the network bandwidth (a noun).</extracomment>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Total device number</source>
        <extracomment>Column caption in the report&apos;s bandwidth section: the number of channels watched live.</extracomment>
        <translation>Total channels</translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <extracomment>Column caption in the report&apos;s bandwidth section: the network bandwidth of those channels.</extracomment>
        <translation>Total bandwidth</translation>
    </message>
    <message>
        <source>Add a device first.</source>
        <translation>Add a device first.</translation>
    </message>
    <message>
        <source>Exact</source>
        <extracomment>Column caption in the report: the same figure unrounded, with one decimal (an adjective: &quot;exact figure&quot;).</extracomment>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <extracomment>What a screen reader says for the list of channel groups.</extracomment>
        <translation>Channel groups</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A group&apos;s share of the storage in the report&apos;s chart: %1 percent with one decimal.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <extracomment>The report&apos;s heading.
----------
The file name offered for a report of a plan without a name (no extension; keep it short).</extracomment>
        <translation>Storage plan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The program&apos;s version in the report&apos;s title block.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the number of channels.</extracomment>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Storage bitrate</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the bitrate written to disk.</extracomment>
        <translation>Storage bitrate</translation>
    </message>
    <message>
        <source>Disk for %1</source>
        <translation>Disk for %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The report&apos;s page numbers: page %1 of %2 pages.</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>First cell of the row under the device table that adds the channels and bitrates up.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Storage by channel group</source>
        <extracomment>Title of the report&apos;s chart of each channel group&apos;s share of the storage.</extracomment>
        <translation>Storage by channel group</translation>
    </message>
    <message>
        <source>No channel group is recorded.</source>
        <extracomment>Said in place of the report&apos;s chart when no channel group is written to disk.</extracomment>
        <translation>No channel group is recorded.</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n groups)</source>
        <extracomment>Label of the chart&apos;s last bar, which adds up the smallest %n channel groups.</extracomment>
        <translation>
            <numerusform>Others (%n group)</numerusform>
            <numerusform>Others (%n groups)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is a folder. Choose a file name.</source>
        <translation>%1 is a folder. Choose a file name.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1. Is it read-only?</source>
        <translation>No file can be created in the folder %1. Is it read-only?</translation>
    </message>
    <message>
        <source>%1 could not be written to its end. Is the disk full?</source>
        <translation>%1 could not be written to its end. Is the disk full?</translation>
    </message>
    <message>
        <source>The earlier %1 could not be replaced and is left as it was.</source>
        <translation>The earlier %1 could not be replaced and is left as it was.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the report just written (a verb).</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <extracomment>Button: opens the folder the report was written to.</extracomment>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: watched live only, never written to disk.</extracomment>
        <translation>Not recorded</translation>
    </message>
    <message>
        <source>Continuous</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: it records all the time.</extracomment>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>On motion, %1 %</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: it records on motion, %1 percent of the time.</extracomment>
        <translation>On motion, %1 %</translation>
    </message>
    <message>
        <source>Recording</source>
        <extracomment>Column caption in the report&apos;s device table: how a group records (all the time, on motion, not at all).</extracomment>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Scene Activity</source>
        <extracomment>Column caption in the report: what calmer or busier scenes would make of the figure.</extracomment>
        <translation>Scene activity</translation>
    </message>
    <message>
        <source>%1 × %2 TB</source>
        <extracomment>The drives of a disk array in the report: %1 drives of %2 terabytes each (&quot;6 × 8 TB&quot;).</extracomment>
        <translation>%1 × %2 TB</translation>
    </message>
    <message numerus="yes">
        <source>%1 + %n spare(s)</source>
        <extracomment>A disk array&apos;s RAID level (%1, &quot;RAID 6&quot;) and its %n hot-spare drives, in the report.</extracomment>
        <translation>
            <numerusform>%1 + %n spare</numerusform>
            <numerusform>%1 + %n spares</numerusform>
        </translation>
    </message>
    <message>
        <source>Disk Array</source>
        <extracomment>Title of the report&apos;s section on the disk array.</extracomment>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Column caption over the reason a disk array cannot be built.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <extracomment>A disk array&apos;s usable capacity: %1 in terabytes (1000 GB), %2 the same in tebibytes (1024⁴ bytes).</extracomment>
        <translation>%1 TB (%2 TiB)</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <extracomment>A disk array&apos;s capacity in terabytes (1000 GB).</extracomment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Drives</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the drives and their size (a noun).</extracomment>
        <translation>Drives</translation>
    </message>
    <message>
        <source>RAID Level</source>
        <translation>RAID level</translation>
    </message>
    <message>
        <source>Hot Spares</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the number of hot-spare drives.</extracomment>
        <translation>Hot spares</translation>
    </message>
    <message>
        <source>Raw Capacity</source>
        <translation>Raw capacity</translation>
    </message>
    <message>
        <source>Usable Capacity</source>
        <translation>Usable capacity</translation>
    </message>
    <message>
        <source>Kept at %1 h/day</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the days the array keeps video when %1 hours are recorded a day.</extracomment>
        <translation>Kept at %1 h a day</translation>
    </message>
    <message>
        <source>Drives for %1</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the drives the wanted retention needs; %1 is that retention (&quot;30 days&quot;, &quot;1 week&quot;).</extracomment>
        <translation>Drives for %1</translation>
    </message>
    <message>
        <source>Disk array</source>
        <extracomment>Caption of the disk array&apos;s line in the report&apos;s title block.</extracomment>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>Cannot be built</source>
        <extracomment>The disk array&apos;s line in the report&apos;s title block when the planner&apos;s drives cannot make the array.</extracomment>
        <translation>Cannot be built</translation>
    </message>
    <message>
        <source>%1, keeps %2</source>
        <extracomment>A disk array in the report&apos;s title block: %1 the array, %2 the days it keeps video (&quot;31.4 days&quot;).</extracomment>
        <translation>%1, keeps %2</translation>
    </message>
    <message>
        <source>Add group</source>
        <extracomment>Undo history: the command that added one channel group (&quot;Undo Add group&quot;).</extracomment>
        <translation>Add group</translation>
    </message>
    <message numerus="yes">
        <source>Import %n group(s)</source>
        <extracomment>Undo history: groups read from a CSV file (&quot;Undo Import 3 groups&quot;).</extracomment>
        <translation>
            <numerusform>Import %n group</numerusform>
            <numerusform>Import %n groups</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete group</source>
        <extracomment>Undo history: the command that deleted one channel group (&quot;Undo Delete group&quot;).</extracomment>
        <translation>Delete group</translation>
    </message>
    <message>
        <source>Edit group</source>
        <extracomment>Undo history: the command that changed one channel group (&quot;Undo Edit group&quot;).</extracomment>
        <translation>Edit group</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <extracomment>Undo history: the command that copied a channel group (&quot;Undo Duplicate group&quot;).</extracomment>
        <translation>Duplicate group</translation>
    </message>
    <message>
        <source>Clear all groups</source>
        <extracomment>Undo history: the command that removed every channel group (&quot;Undo Clear&quot;).</extracomment>
        <translation>Clear all groups</translation>
    </message>
    <message>
        <source>Switch to PAL</source>
        <extracomment>Undo history: the switch of every group to the PAL video standard (&quot;Undo Switch to PAL&quot;).</extracomment>
        <translation>Switch to PAL</translation>
    </message>
    <message>
        <source>Switch to NTSC</source>
        <extracomment>Undo history: the switch of every group to the NTSC video standard (&quot;Undo Switch to NTSC&quot;).</extracomment>
        <translation>Switch to NTSC</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Hours recorded a day, in the report&apos;s tables: %1 a whole number of hours (&quot;24 h&quot;).</extracomment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>&lt;%1%</source>
        <extracomment>A group&apos;s share of the storage in the report&apos;s chart when it is below %1 percent (0.1).</extracomment>
        <translation>&lt;%1%</translation>
    </message>
    <message>
        <source>TAVO storage calculator %1</source>
        <extracomment>The report&apos;s footer: the program&apos;s name and %1 its version.</extracomment>
        <translation>TAVO storage calculator %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>disk array</comment>
        <extracomment>A disk array in the report&apos;s title block: %1 its drives (&quot;6 × 8 TB&quot;), %2 its RAID level with any spares (&quot;RAID 6 + 1 spare&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Saved to:
%1</source>
        <extracomment>The report was written: %1 is the file&apos;s path on the next line.</extracomment>
        <translation>Saved to:
%1</translation>
    </message>
    <message>
        <source>Failed to save the file.
%1</source>
        <extracomment>The report was not written: %1 is the reason on the next line (a sentence naming the file or folder).</extracomment>
        <translation>The report could not be saved.
%1</translation>
    </message>
    <message numerus="yes">
        <source>Replace with %n imported group(s)</source>
        <extracomment>Undo history: the groups of a CSV file took the place of every channel group (&quot;Undo Replace with 3 imported groups&quot;).</extracomment>
        <translation>
            <numerusform>Replace with %n imported group</numerusform>
            <numerusform>Replace with %n imported groups</numerusform>
        </translation>
    </message>
    <message>
        <source>Topic</source>
        <extracomment>Column caption in the report&apos;s section on what the figures assume: the topic of each line.</extracomment>
        <translation>Topic</translation>
    </message>
    <message>
        <source>Assumption</source>
        <extracomment>Column caption in the report&apos;s section on what the figures assume: what is taken for granted.</extracomment>
        <translation>Assumption</translation>
    </message>
    <message>
        <source>Retention policies</source>
        <extracomment>Title of the report&apos;s section listing the groups that keep their video their own way.</extracomment>
        <translation>Retention policies</translation>
    </message>
    <message>
        <source>Retention</source>
        <extracomment>Column caption in the report&apos;s retention section: how long a group keeps its video.</extracomment>
        <translation>Retention</translation>
    </message>
    <message>
        <source>Schedule</source>
        <extracomment>Column caption in the report&apos;s retention section: the hours a group records.</extracomment>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>Column caption in the report&apos;s retention section: the motion events kept after the video.</extracomment>
        <translation>Events</translation>
    </message>
    <message>
        <source>Sub-stream</source>
        <extracomment>Column caption in the report&apos;s retention section: the sub-stream kept after the main stream.</extracomment>
        <translation>Sub-stream</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Column caption in the report&apos;s retention section: the audio recorded with the video.</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>The groups not listed keep the plan&apos;s retention.</source>
        <extracomment>Under the report&apos;s retention section: the groups it does not list.</extracomment>
        <translation>The groups not listed keep the plan&apos;s retention.</translation>
    </message>
    <message>
        <source>The groups not listed keep the plan&apos;s retention of %1.</source>
        <translation>The groups not listed keep the plan&apos;s retention of %1.</translation>
    </message>
    <message>
        <source>Disk for every retention</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the disk the wanted retention needs; %1 is that retention (&quot;30 days&quot;, &quot;1 week&quot;). Caption of a key figure in the report&apos;s title block when some groups keep their own retention: the disk every retention needs.</extracomment>
        <translation>Disk for every retention</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>PAL</source>
        <extracomment>The two video standards of the switch; names, usually left as they are.</extracomment>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Scene complexity: how busy the picture is; Low, Medium and High scale the recommended bitrate.</extracomment>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Low: scenarios with limited details, limited movement, e.g. stairway, warehouse, meeting room.</source>
        <translation>Low: scenes with little detail and little movement, e.g. stairways, warehouses, meeting rooms.</translation>
    </message>
    <message>
        <source>Medium: scenarios with medium details, medium movements, e.g. reception, schoolyard parking lot.</source>
        <translation>Medium: scenes with moderate detail and movement, e.g. reception areas, school parking lots.</translation>
    </message>
    <message>
        <source>High: scenarios with lots of details, lots of movements, or low light, e.g. station, intersection, square.</source>
        <translation>High: scenes with a lot of detail or movement, or with low light, e.g. stations, intersections, squares.</translation>
    </message>
    <message>
        <source>Notes: For some extremely complex scenarios with lots of details and movements, the bitrate is likely to be far higher than recommended value.</source>
        <translation>Note: in extremely complex scenes with a lot of detail and movement, the bitrate can be far higher than the recommended value.</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>Recommended bitrate:</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add device</translation>
    </message>
    <message>
        <source>Video standard</source>
        <translation>Video standard</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>Device type:</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>Channel name:</translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <extracomment>Choice of how the bitrate is given: one fixed rate per channel.</extracomment>
        <translation>Fixed rate</translation>
    </message>
    <message>
        <source>VarRate</source>
        <extracomment>Choice of how the bitrate is given: a variable rate taken from a recording scene.</extracomment>
        <translation>Variable rate</translation>
    </message>
    <message>
        <source>Encode Section :</source>
        <translation>Bitrate type:</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Frame Rate :</source>
        <translation>Frame rate:</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>Scene Complexity :</source>
        <translation>Scene complexity:</translation>
    </message>
    <message>
        <source>Live view &amp; Recording</source>
        <translation>Live view &amp; recording</translation>
    </message>
    <message>
        <source>Live view</source>
        <translation>Live view</translation>
    </message>
    <message>
        <source>Recording</source>
        <extracomment>One of the live-view and recording choices: the group is recorded only (a noun).
----------
Screen-reader name of the recording choice (a noun, as the caption beside it).</extracomment>
        <translation>Recording</translation>
    </message>
    <message>
        <source>View/Recording</source>
        <translation>Live view/recording</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>Channels:</translation>
    </message>
    <message>
        <source>Collapse panel</source>
        <translation>Collapse panel</translation>
    </message>
    <message>
        <source>+ Add</source>
        <extracomment>Button that adds the described channel group to the list (a verb).</extracomment>
        <translation>+ Add</translation>
    </message>
    <message>
        <source>Enter the number of channels, 1 to %1</source>
        <translation>Enter the number of channels, 1 to %1</translation>
    </message>
    <message>
        <source>Enter the bitrate, 1 to %1 kbps</source>
        <translation>Enter the bitrate, 1 to %1 kbps</translation>
    </message>
    <message>
        <source>Enter the share of time, 1 to %1 %</source>
        <translation>Enter the share of time, 1 to %1 %</translation>
    </message>
    <message>
        <source>Continuous</source>
        <extracomment>How the group records: all the time, or only when something moves.</extracomment>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>On motion</source>
        <translation>On motion</translation>
    </message>
    <message>
        <source>Recording :</source>
        <translation>Recording:</translation>
    </message>
    <message>
        <source>Share of recording time in percent</source>
        <translation>Share of recording time in percent</translation>
    </message>
    <message>
        <source>Share of time (%) :</source>
        <translation>Share of time (%):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button beside &quot;Save changes&quot; while a channel group is edited.</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>Cancel editing</translation>
    </message>
    <message>
        <source>Leave the group as it is and go back to adding groups</source>
        <translation>Leave the group as it is and go back to adding groups</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <extracomment>Title of the panel while it shows a channel group of the list to change.</extracomment>
        <translation>Edit device</translation>
    </message>
    <message>
        <source>Save changes</source>
        <extracomment>Button that puts the edited channel group back into the list, changed.</extracomment>
        <translation>Save changes</translation>
    </message>
    <message numerus="yes">
        <source>A name has at most %n character(s)</source>
        <extracomment>Shown at the name field when a key would make the name longer than it may be.</extracomment>
        <translation>
            <numerusform>A name has at most %n character</numerusform>
            <numerusform>A name has at most %n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <extracomment>Device type: a network camera. Keep it exactly as it is: the program tells the types apart by name.</extracomment>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <extracomment>Device type: a recorder. Keep it exactly as it is: the program tells the types apart by name.</extracomment>
        <translation>DVR</translation>
    </message>
</context>
<context>
    <name>DeviceListView</name>
    <message>
        <source>Edit group</source>
        <extracomment>Context-menu entry: loads the channel group into the editor (a verb).</extracomment>
        <translation>Edit group</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <extracomment>Context-menu entry: puts a copy of the channel group below it (a verb).</extracomment>
        <translation>Duplicate group</translation>
    </message>
    <message>
        <source>Delete group</source>
        <extracomment>Context-menu entry: removes the channel group (a verb).</extracomment>
        <translation>Delete group</translation>
    </message>
</context>
<context>
    <name>DiskArray</name>
    <message>
        <source>A drive holds from %1 to %2 TB.</source>
        <extracomment>Why the array cannot be built: %1 and %2 are the least and greatest drive sizes in terabytes.</extracomment>
        <translation>A drive holds from %1 to %2 TB.</translation>
    </message>
    <message>
        <source>An array has from 1 to %1 drives.</source>
        <translation>An array has from 1 to %1 drives.</translation>
    </message>
    <message>
        <source>The spares must leave drives for the data.</source>
        <translation>The spares must leave drives for the data.</translation>
    </message>
    <message numerus="yes">
        <source>This RAID level needs at least %n drive(s) besides the spares.</source>
        <extracomment>Why the array cannot be built: the level needs %n drives that are not hot spares.</extracomment>
        <translation>
            <numerusform>This RAID level needs at least %n drive besides the spares.</numerusform>
            <numerusform>This RAID level needs at least %n drives besides the spares.</numerusform>
        </translation>
    </message>
    <message>
        <source>RAID 10 needs an even number of drives besides the spares.</source>
        <translation>RAID 10 needs an even number of drives besides the spares.</translation>
    </message>
    <message>
        <source>RAID 1 holds one drive&apos;s capacity: choose larger drives or another level.</source>
        <translation>RAID 1 holds one drive&apos;s capacity: choose larger drives or another level.</translation>
    </message>
    <message>
        <source>RAID 1</source>
        <extracomment>Name of a RAID level; translate only if the language writes it otherwise.</extracomment>
        <translation>RAID 1</translation>
    </message>
    <message>
        <source>RAID 5</source>
        <extracomment>Name of a RAID level; translate only if the language writes it otherwise.</extracomment>
        <translation>RAID 5</translation>
    </message>
    <message>
        <source>RAID 6</source>
        <extracomment>Name of a RAID level; translate only if the language writes it otherwise.</extracomment>
        <translation>RAID 6</translation>
    </message>
    <message>
        <source>RAID 10</source>
        <extracomment>Name of a RAID level; translate only if the language writes it otherwise.</extracomment>
        <translation>RAID 10</translation>
    </message>
    <message>
        <source>No RAID</source>
        <extracomment>The drives used one by one, without RAID (a choice in the list of levels).</extracomment>
        <translation>No RAID</translation>
    </message>
    <message numerus="yes">
        <source>More than %n drive(s) would be needed.</source>
        <extracomment>Why no drive count is given for the wanted retention: it would take more drives than an array holds (%n, 512).</extracomment>
        <translation>
            <numerusform>More than %n drive would be needed.</numerusform>
            <numerusform>More than %n drives would be needed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiskArrayPage</name>
    <message>
        <source>Drive size (TB) :</source>
        <extracomment>Caption of the field for the size of one drive of the array, in terabytes.</extracomment>
        <translation>Drive size (TB):</translation>
    </message>
    <message>
        <source>Drives :</source>
        <extracomment>Caption of the field for the number of drives in the array.</extracomment>
        <translation>Drives:</translation>
    </message>
    <message>
        <source>RAID level :</source>
        <extracomment>Caption of the choice of the array&apos;s RAID level.</extracomment>
        <translation>RAID level:</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <extracomment>Caption of the field for the number of hot-spare drives (idle drives that stand in for a failed one).</extracomment>
        <translation>Hot spares:</translation>
    </message>
    <message>
        <source>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</source>
        <extracomment>The array&apos;s capacity on two lines: %1 all drives together, %2 what is left for video after the RAID level and spares, in terabytes (1000 GB), %3 the same in tebibytes (1024⁴ bytes).</extracomment>
        <translation>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</translation>
    </message>
    <message>
        <source>Add a device to see how long the array keeps video.</source>
        <translation>Add a device to see how long the array keeps video.</translation>
    </message>
    <message>
        <source>Records no hours a day.</source>
        <translation>Records no hours a day.</translation>
    </message>
    <message numerus="yes">
        <source>For %1: %n drive(s)</source>
        <extracomment>The drives the wanted retention needs: %1 that retention (&quot;30 days&quot;, &quot;1 week&quot;), %n the drives.</extracomment>
        <translation>
            <numerusform>For %1: %n drive</numerusform>
            <numerusform>For %1: %n drives</numerusform>
        </translation>
    </message>
    <message>
        <source>Keeps %1 at %2 h a day</source>
        <translation>Keeps %1 at %2 h a day</translation>
    </message>
</context>
<context>
    <name>FigureAssumptions</name>
    <message>
        <source>How these figures are worked out</source>
        <extracomment>Heading over what the capacity figures assume, on the calculator&apos;s info tip and in the report.</extracomment>
        <translation>How these figures are worked out</translation>
    </message>
    <message>
        <source>Recording overhead</source>
        <extracomment>Topic of a line on what the capacity figures assume: the space a recorder needs beside the video.</extracomment>
        <translation>Recording overhead</translation>
    </message>
    <message>
        <source>Every disk figure adds about 2.7 % to the video itself for the recorder&apos;s own records (a factor of 1/0.997 and one of 1.024).</source>
        <extracomment>The two factors (1/0.997 and 1.024) of the capacity formulas, in words.</extracomment>
        <translation>Every disk figure adds about 2.7 % to the video itself for the recorder&apos;s own records (a factor of 1/0.997 and one of 1.024).</translation>
    </message>
    <message>
        <source>Disk sizes</source>
        <extracomment>Topic of a line on what the capacity figures assume: the units of disk sizes.</extracomment>
        <translation>Disk sizes</translation>
    </message>
    <message>
        <source>Sizes are decimal, as printed on drives: 1 TB is 1000 GB, 10¹² bytes. An operating system shows the same disk in TiB, about 9 % less.</source>
        <translation>Sizes are decimal, as printed on drives: 1 TB is 1000 GB, 10¹² bytes. An operating system shows the same disk in TiB, about 9 % less.</translation>
    </message>
    <message>
        <source>Disk arrays</source>
        <extracomment>Topic of a line on what the capacity figures assume: the usable space of a RAID array.</extracomment>
        <translation>Disk arrays</translation>
    </message>
    <message>
        <source>The usable capacity of an array is before any file system, which takes a little more.</source>
        <translation>The usable capacity of an array is before any file system, which takes a little more.</translation>
    </message>
    <message>
        <source>Rounding</source>
        <extracomment>Topic of a line on what the capacity figures assume: how the figures are rounded.</extracomment>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>Days kept are rounded down and disk needed is rounded up; a week counts 7 days and a month 30.</source>
        <translation>Days kept are rounded down and disk needed is rounded up; a week counts 7 days and a month 30.</translation>
    </message>
    <message>
        <source>Scene activity</source>
        <extracomment>Topic of a line on what the capacity figures assume: the ranges for calm and busy scenes.</extracomment>
        <translation>Scene activity</translation>
    </message>
    <message>
        <source>Ranges take every group whose bitrate came from the tables as recording calm (Low) to busy (High) scenes; a typed bitrate stays as typed.</source>
        <translation>Ranges take every group whose bitrate came from the tables as recording calm (Low) to busy (High) scenes; a typed bitrate stays as typed.</translation>
    </message>
</context>
<context>
    <name>FigureFormat</name>
    <message>
        <source>&gt;%1</source>
        <extracomment>A bitrate past the largest figure shown: more than %1 (999.9) gigabits per second.</extracomment>
        <translation>&gt;%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>bitrate</comment>
        <extracomment>A bitrate as one phrase: %1 the figure with one decimal, %2 its unit (Kbps, Mbps or Gbps).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 days · %2 weeks · %3 months</source>
        <extracomment>The unrounded retention under the calculator&apos;s whole figures: %1 days, %2 weeks and %3 months, each with one decimal. Decimals take no plural of their own: use the form that fits any fraction.</extracomment>
        <translation>%1 days · %2 weeks · %3 months</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <extracomment>A disk size in terabytes with one decimal (1 TB = 1000 GB).</extracomment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>A disk size in gigabytes with one decimal.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>Days a disk or array keeps video: %1 with one decimal. Decimals take no plural of their own: use the form that fits any fraction.</extracomment>
        <translation>%1 days</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s)</source>
        <extracomment>Drives of the planner&apos;s size a disk array needs for the wanted retention.</extracomment>
        <translation>
            <numerusform>%n drive</numerusform>
            <numerusform>%n drives</numerusform>
        </translation>
    </message>
    <message>
        <source>%1–%2 days depending on scene activity</source>
        <extracomment>How long the disk keeps video from busy (%1) to calm (%2) scenes, in days with one decimal.</extracomment>
        <translation>%1–%2 days depending on scene activity</translation>
    </message>
    <message>
        <source>%1–%2 TB depending on scene activity</source>
        <extracomment>The disk space calm (%1) to busy (%2) scenes need, in terabytes with one decimal.</extracomment>
        <translation>%1–%2 TB depending on scene activity</translation>
    </message>
    <message>
        <source>%1–%2 GB depending on scene activity</source>
        <extracomment>The disk space calm (%1) to busy (%2) scenes need, in gigabytes with one decimal.</extracomment>
        <translation>%1–%2 GB depending on scene activity</translation>
    </message>
    <message numerus="yes">
        <source>%1 to more than %2 drive(s) depending on scene activity</source>
        <extracomment>The drives calm (%1) to busy scenes need when busy scenes would need more than the largest array holds (%2, 512 drives); the plural follows %2.</extracomment>
        <translation>
            <numerusform>%1 to more than %2 drive depending on scene activity</numerusform>
            <numerusform>%1 to more than %2 drives depending on scene activity</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1–%2 drive(s) depending on scene activity</source>
        <extracomment>The drives calm (%1) to busy (%2) scenes need; the plural follows the larger count, %2.</extracomment>
        <translation>
            <numerusform>%1–%2 drives depending on scene activity</numerusform>
            <numerusform>%1–%2 drives depending on scene activity</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds every retention with %1 % to spare; all retentions × %2 would still fit.</source>
        <extracomment>Whether a disk holds every group&apos;s retention: %1 the whole per cent of the disk left over, %2 the factor every retention could be multiplied by and still fit (&quot;1.23&quot;).</extracomment>
        <translation>Holds every retention with %1 % to spare; all retentions × %2 would still fit.</translation>
    </message>
    <message>
        <source>Falls short by %1; all retentions × %2 would fit.</source>
        <extracomment>A disk too small for every group&apos;s retention: %1 what is missing with its unit (&quot;4.1 TB&quot;), %2 the factor every retention would have to be multiplied by to fit (&quot;0.87&quot;).</extracomment>
        <translation>Falls short by %1; all retentions × %2 would fit.</translation>
    </message>
    <message>
        <source>%1 %2 %</source>
        <extracomment>One group in the list of those that need the most disk: %1 its name, %2 its whole per cent of the disk the plan needs.</extracomment>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separator between the groups of &quot;Largest: %1&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Largest: %1</source>
        <extracomment>The groups that need the most disk and their shares of the whole: %1 the list (&quot;Plates (4) 38 %, Lobby (1) 21 %&quot;).</extracomment>
        <translation>Largest: %1</translation>
    </message>
    <message>
        <source>0 %</source>
        <extracomment>A variant&apos;s figure against the first variant&apos;s: no difference, to the whole per cent.</extracomment>
        <translation>0 %</translation>
    </message>
    <message>
        <source>+%1 %</source>
        <translation>+%1 %</translation>
    </message>
    <message>
        <source>−%1 %</source>
        <extracomment>A variant&apos;s figure against the first variant&apos;s: lower by %1 whole per cent (&quot;−38 %&quot;); the sign is a minus sign (U+2212), not a hyphen.</extracomment>
        <translation>−%1 %</translation>
    </message>
</context>
<context>
    <name>FileRefusal</name>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>Said when a folder was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a named pipe (FIFO) was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 is a pipe, not a file stored on a disk, and is not read.</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a socket was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 is a socket, not a file stored on a disk, and is not read.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a device (such as /dev/zero) was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 is a device, not a file stored on a disk, and is not read.</translation>
    </message>
    <message>
        <source>The file %1 is too large to open (%2 MB; at most %3 MB).</source>
        <translation>The file %1 is too large to open (%2 MB; at most %3 MB).</translation>
    </message>
</context>
<context>
    <name>GroupCsv</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>A quoted field is not closed.</translation>
    </message>
    <message>
        <source>The column “%1” is missing.</source>
        <extracomment>Why a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.</extracomment>
        <translation>The column “%1” is missing.</translation>
    </message>
    <message>
        <source>The device type must be IPC or DVR.</source>
        <translation>The device type must be IPC or DVR.</translation>
    </message>
    <message>
        <source>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</source>
        <translation>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</translation>
    </message>
    <message>
        <source>The column “%1” must hold Low, Medium or High.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and Low, Medium and High the values it may hold, all kept in English.</extracomment>
        <translation>The column “%1” must hold Low, Medium or High.</translation>
    </message>
    <message>
        <source>The column “%1” must hold yes or no.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and no the values it may hold, all kept in English.</extracomment>
        <translation>The column “%1” must hold yes or no.</translation>
    </message>
</context>
<context>
    <name>GroupLimits</name>
    <message>
        <source>A group has from %1 to %2 channels.</source>
        <extracomment>Why a channel group read from a file was refused.</extracomment>
        <translation>A group has from %1 to %2 channels.</translation>
    </message>
    <message>
        <source>A bitrate is from %1 to %2 kbps.</source>
        <extracomment>Why a channel group read from a file was refused; the bitrate is per channel.</extracomment>
        <translation>A bitrate is from %1 to %2 kbps per channel.</translation>
    </message>
    <message>
        <source>A recording share is from %1 to %2 %.</source>
        <extracomment>Why a channel group read from a file was refused: the share of the time a group records.</extracomment>
        <translation>A recording share is from %1 to %2 %.</translation>
    </message>
    <message numerus="yes">
        <source>A name has at most %n character(s).</source>
        <extracomment>Why a channel group read from a file was refused.</extracomment>
        <translation>
            <numerusform>A name has at most %n character.</numerusform>
            <numerusform>A name has at most %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A text of the group is longer than %n character(s).</source>
        <extracomment>Why a channel group read from a file was refused: its encoding, resolution, frame rate, scene or extra text is far longer than any the program knows.</extracomment>
        <translation>
            <numerusform>A text of the group is longer than %n character.</numerusform>
            <numerusform>A text of the group is longer than %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A plan holds at most %n channel group(s); this one would have %1.</source>
        <extracomment>Why a plan or a CSV file was refused as a whole: %1 is how many channel groups it would have.</extracomment>
        <translation>
            <numerusform>A plan holds at most %n channel group; this one would have %1.</numerusform>
            <numerusform>A plan holds at most %n channel groups; this one would have %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportGroupsDialog</name>
    <message>
        <source>Import Groups</source>
        <extracomment>Title of the question whether channel groups read from a CSV file join the plan or take its place.</extracomment>
        <translation>Import Groups</translation>
    </message>
    <message numerus="yes">
        <source>The plan already holds %n channel group(s). Add the groups from the file to them, or replace them?</source>
        <extracomment>Asked before channel groups read from a CSV file go into the plan; %n is how many groups the plan holds.</extracomment>
        <translation>
            <numerusform>The plan already holds %n channel group. Add the groups from the file to it, or replace it?</numerusform>
            <numerusform>The plan already holds %n channel groups. Add the groups from the file to them, or replace them?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add to the plan</source>
        <extracomment>Button: the groups read from the file go after the plan&apos;s own (a verb phrase).</extracomment>
        <translation>Add to the plan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leave the plan&apos;s groups as they are and import nothing (a verb).</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Replace the plan</source>
        <extracomment>Button: the groups read from the file take the place of every group of the plan (a verb phrase).</extracomment>
        <translation>Replace the plan</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::DeviceItemWidget</name>
    <message>
        <source>Delete group</source>
        <translation>Delete group</translation>
    </message>
    <message>
        <source>Counts :</source>
        <extracomment>A card&apos;s channel-count caption before its group is set.</extracomment>
        <translation>Channels:</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <extracomment>A card&apos;s bitrate caption before its group is set.</extracomment>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation>Channels: %1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <extracomment>A card&apos;s fixed per-channel bitrate (sic: the source text is kept as the program has always used it).
----------
A card&apos;s fixed per-channel bitrate.</extracomment>
        <translation>Fixed rate: %1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>Frame rate: %1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>Resolution: %1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>Variable rate: %1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>Scene: %1</translation>
    </message>
    <message>
        <source>On motion %1 %</source>
        <extracomment>Beside a group&apos;s name: it records only on motion, %1 percent of the time.</extracomment>
        <translation>On motion %1 %</translation>
    </message>
    <message>
        <source>Records on motion, %1 % of the time</source>
        <translation>Records on motion, %1 % of the time</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <extracomment>Short form of &quot;Frame Rate : %1&quot; on a narrow card: frames per second.</extracomment>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <comment>short bitrate</comment>
        <extracomment>Short form of a card&apos;s bitrate on a narrow card, per channel.</extracomment>
        <translation>%1 kbps</translation>
    </message>
    <message numerus="yes">
        <source>%n ch.</source>
        <comment>short channel count</comment>
        <extracomment>Short form of &quot;Counts : %n&quot; on a narrow card: the number of channels.</extracomment>
        <translation>
            <numerusform>%n ch.</numerusform>
            <numerusform>%n ch.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>short recording share</comment>
        <extracomment>Short form of &quot;On motion %1 %&quot; beside a long group name.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <extracomment>Placeholder of a question dialog&apos;s text until its caller sets the question (&quot;Are you sure?&quot;).</extracomment>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>Title of a dialog that asks the user to confirm or cancel (a noun).</extracomment>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <extracomment>Button (an icon) that closes the message box: a verb.</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Success</source>
        <extracomment>Title and picture name of a message box that reports a success.</extracomment>
        <translation>Success</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>Title and picture name of a message box that informs.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title and picture name of a message box that reports an error.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a small message box (read by screen readers and the task bar).</extracomment>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>The plan %1 cannot be read.</source>
        <translation>The plan %1 cannot be read.</translation>
    </message>
    <message>
        <source>The file is not a storage plan.</source>
        <translation>The file is not a storage plan.</translation>
    </message>
    <message>
        <source>This plan was saved in format version %1 by a newer version of the program; this version reads format version %2 and older. Please update the program to open it.</source>
        <translation>This plan was saved in format version %1 by a newer version of the program; this version reads format version %2 and older. Please update the program to open it.</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” is missing.</source>
        <translation>The plan is damaged: the field “%1” is missing.</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” has an invalid value.</source>
        <translation>The plan is damaged: the field “%1” has an invalid value.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) had no number or one used twice, and were numbered anew.</source>
        <extracomment>Said after a plan was opened whose groups had no number, or numbers used twice.</extracomment>
        <translation>
            <numerusform>%n channel group had no number, or one another group used, and was numbered anew.</numerusform>
            <numerusform>%n channel groups had no number, or one another group used, and were numbered anew.</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan is too large (%1 MB; at most %2 MB).</source>
        <extracomment>Why a plan file was not read or written: %1 is its size and %2 the largest size read, both in MB.</extracomment>
        <translation>The plan is too large (%1 MB; at most %2 MB).</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <extracomment>System menu: start a new, empty plan (a verb).</extracomment>
        <translation>New</translation>
    </message>
    <message>
        <source>Open…</source>
        <extracomment>System menu: open a plan file (a verb; the dots mean a file question follows).</extracomment>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>Recent plans</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>System menu: save the plan to its file (a verb).</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As…</source>
        <extracomment>System menu: save the plan to another file (a verb).</extracomment>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Export Groups to CSV…</source>
        <translation>Export groups to CSV…</translation>
    </message>
    <message>
        <source>Import Groups from CSV…</source>
        <translation>Import groups from CSV…</translation>
    </message>
    <message>
        <source>No Recent Plans</source>
        <translation>No recent plans</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>Menu entry; %1 is the step it takes back, e.g. &quot;Undo Delete group&quot;.</extracomment>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>Menu entry; %1 is the step it does again, e.g. &quot;Redo Delete group&quot;.</extracomment>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>PlanReader</name>
    <message>
        <source>Opening %1 …</source>
        <extracomment>Shown in the main window while a plan file is still being read; %1 is the file&apos;s name.</extracomment>
        <translation>Opening %1 …</translation>
    </message>
</context>
<context>
    <name>PlanSession</name>
    <message>
        <source>TAVO storage plans (*.tavoplan)</source>
        <translation>TAVO storage plans (*.tavoplan)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Name of a plan that was never saved, shown in the title bar.</extracomment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Open plan</translation>
    </message>
    <message>
        <source>The plan %1 was not opened. %2</source>
        <translation>The plan %1 was not opened. %2</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Save plan as</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. The file there is as it was before, and the plan keeps its unsaved changes.</source>
        <translation>The plan could not be saved to %1. The file there is as it was before, and the plan keeps its unsaved changes.</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. It keeps its unsaved changes.</source>
        <translation>The plan could not be saved to %1. It keeps its unsaved changes.</translation>
    </message>
    <message>
        <source>The plan has no channel groups to export.</source>
        <translation>The plan has no channel groups to export.</translation>
    </message>
    <message>
        <source>Export Groups to CSV</source>
        <translation>Export groups to CSV</translation>
    </message>
    <message>
        <source>The groups could not be written to %1. Any file there is as it was before.</source>
        <translation>The groups could not be written to %1. Any file there is as it was before.</translation>
    </message>
    <message>
        <source>Import Groups from CSV</source>
        <translation>Import groups from CSV</translation>
    </message>
    <message>
        <source>%1 separates its columns with semicolons. Save it from the spreadsheet as CSV with commas and import it again.</source>
        <translation>%1 separates its columns with semicolons. Save it from the spreadsheet as CSV with commas and import it again.</translation>
    </message>
    <message>
        <source>No groups were imported from %1. Line %2: %3</source>
        <translation>No groups were imported from %1. Line %2: %3</translation>
    </message>
    <message>
        <source>%1 holds no channel groups.</source>
        <translation>%1 holds no channel groups.</translation>
    </message>
    <message>
        <source>Restore Plan</source>
        <translation>Restore plan</translation>
    </message>
    <message>
        <source>The program did not end normally. Restore the plan you were working on?</source>
        <translation>The program did not end normally. Restore the plan you were working on?</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button: bring back the plan left by a program that did not end normally (a verb).</extracomment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: throw the left-behind plan away (a verb).</extracomment>
        <translation>Discard</translation>
    </message>
    <message>
        <source>The plan could not be restored. %1</source>
        <translation>The plan could not be restored. %1</translation>
    </message>
    <message>
        <source>Change calculator input</source>
        <extracomment>Undo history: a change of the disk size, retention, hours or disk array (&quot;Undo Change calculator input&quot;).</extracomment>
        <translation>Change calculator input</translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) written to %1.</source>
        <extracomment>Said after an export: %n is how many channel groups were written, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>%n channel group written to %1.</numerusform>
            <numerusform>%n channel groups written to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No groups were imported from %1.</source>
        <extracomment>Said when every row of a CSV file of channel groups was refused; the refused rows follow.</extracomment>
        <translation>No groups were imported from %1.</translation>
    </message>
    <message numerus="yes">
        <source>The plan&apos;s groups were replaced by %n channel group(s) read from %1.</source>
        <extracomment>Said after an import that replaced the plan&apos;s groups: %n is how many were read, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>The plan&apos;s groups were replaced by %n channel group read from %1.</numerusform>
            <numerusform>The plan&apos;s groups were replaced by %n channel groups read from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) read from %1 and added to the plan.</source>
        <extracomment>Said after an import: %n is how many channel groups were read and added to the plan, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>%n channel group read from %1 and added to the plan.</numerusform>
            <numerusform>%n channel groups read from %1 and added to the plan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) refused:</source>
        <extracomment>Heads the rows of an imported CSV file that were not read, listed one a line below; %n is how many.</extracomment>
        <translation>
            <numerusform>%n row refused:</numerusform>
            <numerusform>%n rows refused:</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>One refused row of an imported CSV file: %1 is its line number, %2 why it was refused.</extracomment>
        <translation>Line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends the list of refused rows of an imported CSV file: %n is how many more were refused than listed.</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan %1 cannot be read.</source>
        <extracomment>%1 is the path of a plan file that does not exist or may not be read.</extracomment>
        <translation>The plan %1 cannot be read.</translation>
    </message>
    <message>
        <source>The plan was not saved to %1. %2</source>
        <extracomment>%1 is the path the plan was to be saved to, %2 why a plan that large is not written.</extracomment>
        <translation>The plan was not saved to %1. %2</translation>
    </message>
</context>
<context>
    <name>RecoveryWriteHint</name>
    <message>
        <source>Your unsaved changes are not protected against a crash: %1 could not be written. Save the plan to keep them.</source>
        <extracomment>Said once when the copy that keeps unsaved changes safe against a crash cannot be written; %1 is its file.</extracomment>
        <translation>Your unsaved changes are not protected against a crash: %1 could not be written. Save the plan to keep them.</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Writing the report…</source>
        <extracomment>Shown under the device list while the PDF report is being written.</extracomment>
        <translation>Writing the report…</translation>
    </message>
    <message>
        <source>Report progress</source>
        <extracomment>What a screen reader says for the progress bar of the report being written.</extracomment>
        <translation>Report progress</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops writing the report (a verb).</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop writing the report</source>
        <extracomment>What a screen reader says for the button that stops writing the report.</extracomment>
        <translation>Stop writing the report</translation>
    </message>
</context>
<context>
    <name>RetentionPolicy</name>
    <message>
        <source>A group keeps its video from 1 to %1 days.</source>
        <extracomment>A group&apos;s own retention refused: %1 the longest a tier may be kept, in days.</extracomment>
        <translation>A group keeps its video for 1 to %1 days.</translation>
    </message>
    <message>
        <source>A day has from 0 to %1 recording hours.</source>
        <extracomment>A group&apos;s recording schedule refused: %1 the hours of a whole day.</extracomment>
        <translation>A day has 0 to %1 recording hours.</translation>
    </message>
    <message>
        <source>The group records no hours at all.</source>
        <translation>The group records no hours at all.</translation>
    </message>
    <message>
        <source>Events are kept from 0 to %1 days more.</source>
        <extracomment>The days motion events are kept after continuous video, refused: %1 the longest.</extracomment>
        <translation>Events are kept for 0 to %1 more days.</translation>
    </message>
    <message>
        <source>Motion takes from 1 to 99 % of the time.</source>
        <translation>Motion takes 1 to 99 % of the time.</translation>
    </message>
    <message>
        <source>Say how much of the time has motion, so that the events kept can be counted.</source>
        <translation>Enter how much of the time has motion, so that the events kept can be counted.</translation>
    </message>
    <message>
        <source>A group recorded on motion keeps its events as long as its retention says.</source>
        <translation>A group recorded on motion keeps its events for as long as its retention says.</translation>
    </message>
    <message>
        <source>The sub-stream is kept from 0 to %1 days more.</source>
        <extracomment>The days the sub-stream is kept after the main stream, refused: %1 the longest.</extracomment>
        <translation>The sub-stream is kept for 0 to %1 more days.</translation>
    </message>
    <message>
        <source>The sub-stream needs a rate of at least 1 kbps.</source>
        <translation>The sub-stream needs a rate of at least 1 kbps.</translation>
    </message>
    <message>
        <source>The sub-stream&apos;s rate cannot pass the main stream&apos;s.</source>
        <translation>The sub-stream&apos;s rate cannot exceed the main stream&apos;s.</translation>
    </message>
    <message>
        <source>AAC audio takes from %1 to %2 kbps.</source>
        <extracomment>The rate of AAC audio refused: %1 and %2 the lowest and highest rate in kbps.</extracomment>
        <translation>AAC audio takes %1 to %2 kbps.</translation>
    </message>
</context>
<context>
    <name>RetentionPolicyCsv</name>
    <message>
        <source>The column “%1” must hold a number.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.</extracomment>
        <translation>The column “%1” must hold a number.</translation>
    </message>
    <message>
        <source>The column “%1” must hold yes or no.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and no the values it may hold, all kept in English.</extracomment>
        <translation>The column “%1” must hold yes or no.</translation>
    </message>
    <message>
        <source>The column “%1” must hold days, weeks or months.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and days, weeks and months the values it may hold, all kept in English.</extracomment>
        <translation>The column “%1” must hold days, weeks or months.</translation>
    </message>
    <message>
        <source>The column “%1” must hold none, G.711, G.726-16, G.726-32 or AAC.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and the audio names after it the values it may hold, all kept in English.</extracomment>
        <translation>The column “%1” must hold none, G.711, G.726-16, G.726-32 or AAC.</translation>
    </message>
</context>
<context>
    <name>RetentionPolicyText</name>
    <message numerus="yes">
        <source>%n d</source>
        <comment>retention badge</comment>
        <extracomment>Badge on a group&apos;s card: it keeps its video %n days (&quot;90 d&quot;). Keep it very short.</extracomment>
        <translation>
            <numerusform>%n d</numerusform>
            <numerusform>%n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>events %n d</source>
        <extracomment>Badge on a group&apos;s card: its motion events are kept %n days after its video. Keep it very short.</extracomment>
        <translation>
            <numerusform>events %n d</numerusform>
            <numerusform>events %n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sub %n d</source>
        <extracomment>Badge on a group&apos;s card: its sub-stream is kept %n days after its main stream. Keep it very short.</extracomment>
        <translation>
            <numerusform>sub %n d</numerusform>
            <numerusform>sub %n d</numerusform>
        </translation>
    </message>
    <message>
        <source>audio</source>
        <comment>badge</comment>
        <extracomment>Badge on a group&apos;s card: it records audio with its video. Keep it very short.</extracomment>
        <translation>audio</translation>
    </message>
    <message numerus="yes">
        <source>kept %n day(s)</source>
        <extracomment>Read out for a group&apos;s card: it keeps its video %n days.</extracomment>
        <translation>
            <numerusform>kept %n day</numerusform>
            <numerusform>kept %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>events kept %n more day(s)</source>
        <extracomment>Read out for a group&apos;s card: its motion events are kept %n days longer than its video.</extracomment>
        <translation>
            <numerusform>events kept %n more day</numerusform>
            <numerusform>events kept %n more days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sub-stream kept %n more day(s)</source>
        <extracomment>Read out for a group&apos;s card: its sub-stream is kept %n days longer than its main stream.</extracomment>
        <translation>
            <numerusform>sub-stream kept %n more day</numerusform>
            <numerusform>sub-stream kept %n more days</numerusform>
        </translation>
    </message>
    <message>
        <source>audio %1</source>
        <extracomment>Read out for a group&apos;s card: it records audio with this codec (%1, &quot;G.711&quot;).</extracomment>
        <translation>audio %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list separator</comment>
        <extracomment>Between the phrases of a group&apos;s retention read out for its card.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>retention</comment>
        <extracomment>A group&apos;s own retention in the report: %n days.</extracomment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h a day</source>
        <extracomment>A group&apos;s recording schedule in the report: %1 hours every day.</extracomment>
        <translation>%1 h a day</translation>
    </message>
    <message>
        <source>%1 h on weekdays, %2 h at weekends</source>
        <extracomment>A group&apos;s recording schedule in the report: %1 hours on each weekday, %2 hours on each day of the weekend.</extracomment>
        <translation>%1 h on weekdays, %2 h at weekends</translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 % motion</source>
        <extracomment>A group&apos;s motion events in the report: kept %n days after its video; %1 the percentage of the time with motion.</extracomment>
        <translation>
            <numerusform>%n more day at %1 % motion</numerusform>
            <numerusform>%n more days at %1 % motion</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 fps</source>
        <comment>sub-stream</comment>
        <extracomment>A sub-stream&apos;s frame rate in the report: %1 frames per second.</extracomment>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>%1, %2 fps</source>
        <comment>sub-stream</comment>
        <extracomment>A sub-stream&apos;s resolution (%1, &quot;720P&quot;) and frame rate (%2 frames per second) in the report.</extracomment>
        <translation>%1, %2 fps</translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 kbps</source>
        <extracomment>A group&apos;s sub-stream in the report: kept %n days after the main stream at %1 kbps per channel.</extracomment>
        <translation>
            <numerusform>%n more day at %1 kbps</numerusform>
            <numerusform>%n more days at %1 kbps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 kbps (%2)</source>
        <extracomment>A group&apos;s sub-stream in the report: kept %n days after the main stream at %1 kbps per channel; %2 its resolution and frame rate (&quot;720P, 15 fps&quot;).</extracomment>
        <translation>
            <numerusform>%n more day at %1 kbps (%2)</numerusform>
            <numerusform>%n more days at %1 kbps (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <comment>audio</comment>
        <extracomment>A group&apos;s audio in the report: it records none.</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <source>%1, %2 kbps</source>
        <comment>audio</comment>
        <extracomment>A group&apos;s audio in the report: %1 the codec (&quot;G.711&quot;), %2 its rate per channel in kbps.</extracomment>
        <translation>%1, %2 kbps</translation>
    </message>
</context>
<context>
    <name>RetentionSection</name>
    <message>
        <source>Retention</source>
        <extracomment>Heading of the editor&apos;s section that opens a channel group&apos;s own retention; closed, the plan&apos;s counts.</extracomment>
        <translation>Retention</translation>
    </message>
    <message>
        <source>Open to give this group a retention of its own; closed, it follows the plan</source>
        <translation>Open to give this group a retention of its own; closed, it follows the plan</translation>
    </message>
    <message numerus="yes">
        <source>How long the group keeps its video, from 1 to %n day(s) in all</source>
        <extracomment>Tool tip of a group&apos;s own retention; %n the longest, in days.</extracomment>
        <translation>
            <numerusform>How long the group keeps its video, from 1 to %n day in all</numerusform>
            <numerusform>How long the group keeps its video, from 1 to %n days in all</numerusform>
        </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>days</translation>
    </message>
    <message>
        <source>weeks</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>weeks</translation>
    </message>
    <message>
        <source>months</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>months</translation>
    </message>
    <message>
        <source>A week counts 7 days, a month 30</source>
        <translation>A week counts 7 days, a month 30</translation>
    </message>
    <message>
        <source>Retention unit</source>
        <translation>Retention unit</translation>
    </message>
    <message>
        <source>Keep video for :</source>
        <extracomment>Caption of the retention count of a group&apos;s own policy.</extracomment>
        <translation>Keep video for:</translation>
    </message>
    <message>
        <source>Recording hours a day, from 0 to %1</source>
        <extracomment>Tool tip of a recording-hours field: %1 the hours of a whole day.</extracomment>
        <translation>Recording hours a day, from 0 to %1</translation>
    </message>
    <message>
        <source>Hours a day :</source>
        <translation>Hours a day:</translation>
    </message>
    <message>
        <source>Separate weekday and weekend hours</source>
        <translation>Separate weekday and weekend hours</translation>
    </message>
    <message>
        <source>Recording hours on each of the five weekdays, from 0 to %1</source>
        <extracomment>Tool tip: %1 the hours of a whole day.</extracomment>
        <translation>Recording hours on each of the five weekdays, from 0 to %1</translation>
    </message>
    <message>
        <source>Weekday hours :</source>
        <translation>Weekday hours:</translation>
    </message>
    <message>
        <source>Recording hours on each day of the weekend, from 0 to %1</source>
        <extracomment>Tool tip: %1 the hours of a whole day.</extracomment>
        <translation>Recording hours on each day of the weekend, from 0 to %1</translation>
    </message>
    <message>
        <source>Weekend hours :</source>
        <translation>Weekend hours:</translation>
    </message>
    <message numerus="yes">
        <source>Days motion events are kept after the video, from 0 to %n; 0 keeps none</source>
        <extracomment>Tool tip: motion events of a continuous group kept after its video; %n the most days.</extracomment>
        <translation>
            <numerusform>Days motion events are kept after the video, from 0 to %n; 0 keeps none</numerusform>
            <numerusform>Days motion events are kept after the video, from 0 to %n; 0 keeps none</numerusform>
        </translation>
    </message>
    <message>
        <source>Events kept (days) :</source>
        <extracomment>Caption: days motion events are kept after the group&apos;s video.</extracomment>
        <translation>Events kept (days):</translation>
    </message>
    <message>
        <source>Share of the time with motion, from 1 to 99 %</source>
        <translation>Share of the time with motion, from 1 to 99 %</translation>
    </message>
    <message>
        <source>Motion share (%) :</source>
        <extracomment>Caption: the share of a continuous group&apos;s time that has motion, in percent.</extracomment>
        <translation>Motion share (%):</translation>
    </message>
    <message>
        <source>Recorded on motion: the retention above is how long its events are kept.</source>
        <translation>Recorded on motion: the retention above is how long its events are kept.</translation>
    </message>
    <message numerus="yes">
        <source>Days the sub-stream is kept after the main stream, from 0 to %n; 0 keeps none</source>
        <extracomment>Tool tip; %n the most days.</extracomment>
        <translation>
            <numerusform>Days the sub-stream is kept after the main stream, from 0 to %n; 0 keeps none</numerusform>
            <numerusform>Days the sub-stream is kept after the main stream, from 0 to %n; 0 keeps none</numerusform>
        </translation>
    </message>
    <message>
        <source>Sub-stream kept (days) :</source>
        <extracomment>Caption: days the sub-stream is kept after the main stream.</extracomment>
        <translation>Sub-stream kept (days):</translation>
    </message>
    <message>
        <source>Resolution of the sub-stream</source>
        <translation>Resolution of the sub-stream</translation>
    </message>
    <message>
        <source>Sub-stream resolution :</source>
        <translation>Sub-stream resolution:</translation>
    </message>
    <message>
        <source>Frames per second of the sub-stream</source>
        <translation>Frames per second of the sub-stream</translation>
    </message>
    <message>
        <source>Sub-stream frame rate :</source>
        <translation>Sub-stream frame rate:</translation>
    </message>
    <message>
        <source>Rate of the sub-stream per channel, from 1 kbps up to the main stream&apos;s; recommended from the tables unless typed</source>
        <translation>Rate of the sub-stream per channel, from 1 kbps up to the main stream&apos;s; recommended from the tables unless typed</translation>
    </message>
    <message>
        <source>Sub-stream rate (kbps) :</source>
        <translation>Sub-stream rate (kbps):</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Audio recorded with a group&apos;s video: no audio at all.</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <source>G.711 (64 kbps)</source>
        <extracomment>Audio codecs with their rate per channel; names, usually left as they are.</extracomment>
        <translation>G.711 (64 kbps)</translation>
    </message>
    <message>
        <source>G.726 (16 kbps)</source>
        <translation>G.726 (16 kbps)</translation>
    </message>
    <message>
        <source>G.726 (32 kbps)</source>
        <translation>G.726 (32 kbps)</translation>
    </message>
    <message>
        <source>AAC</source>
        <translation>AAC</translation>
    </message>
    <message>
        <source>Audio recorded with the video</source>
        <translation>Audio recorded with the video</translation>
    </message>
    <message>
        <source>Audio :</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>Rate of the AAC audio per channel, from %1 to %2 kbps</source>
        <extracomment>Tool tip: %1 and %2 the lowest and highest rate of AAC audio.</extracomment>
        <translation>Rate of the AAC audio per channel, from %1 to %2 kbps</translation>
    </message>
    <message>
        <source>AAC rate (kbps) :</source>
        <translation>AAC rate (kbps):</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save Changes</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button of the question about unsaved changes (a verb).</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: keep the plan open and do nothing (a verb).</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: go on without saving the changes (a verb).</extracomment>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <extracomment>Caption over the list of recording scenes (kinds of place: hospital, street…) in the editor.</extracomment>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <extracomment>Shown in place of a scene&apos;s picture that could not be loaded.</extracomment>
        <translation>The picture could not be loaded.</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <extracomment>Caption over the figure of the disk space the wanted retention needs.</extracomment>
        <translation>Required disk space:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The disk space a retention needs, in rich text: %1 the big whole figure, %2 its unit (&quot;GB&quot; or &quot;TB&quot;). Keep the tags; the order of %1 and %2 and the blank between them may change.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>GB</source>
        <extracomment>Unit beside the figure of the disk space needed before anything is computed: gigabytes.</extracomment>
        <translation>GB</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Update Data</source>
        <extracomment>Title of the dialog that replaces the program&apos;s recording scenes by imported ones.</extracomment>
        <translation>Update data</translation>
    </message>
    <message>
        <source>Export Data</source>
        <extracomment>Button: writes the template of the scene file (a verb).</extracomment>
        <translation>Export template</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <extracomment>Button: reads a filled-in scene template (a verb; the source&apos;s spelling is &quot;Template&quot;).</extracomment>
        <translation>Import template</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <extracomment>Placeholder of a small status icon; never shown once the dialog has reported anything.</extracomment>
        <translation>Status icon</translation>
    </message>
    <message>
        <source>tip text</source>
        <extracomment>Placeholder of the status line; never shown once the dialog has reported anything.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <extracomment>Note: imported scenes apply after the program is started again.</extracomment>
        <translation>Note: restart required</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <extracomment>Status after writing the scene template: it was written.</extracomment>
        <translation>Template exported.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <extracomment>Status after writing the scene template: it was not written.</extracomment>
        <translation>Export failed.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <extracomment>Status after reading a scene file: it was taken and applies after the program is started again.</extracomment>
        <translation>Import done. Restart the program to use the new scenes.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <extracomment>Status after reading a scene file: it was refused (the reason follows).</extracomment>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
        <extracomment>The scene template&apos;s rows: comma-separated columns, each row ending in a line break. Translate the column names and the sample scene name (Hospital); keep the commas, codec, resolution, numbers and path.</extracomment>
        <translation>Scene,Encoding,Resolution,Recommended bitrate (kbps),Picture path
</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png
</source>
        <translation>Hospital,H.265,720P,1204,D:\scene\hospital1.png
</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png
</source>
        <translation>Hospital,H.264,1080P,2048,D:\scene\hospital2.png
</translation>
    </message>
    <message>
        <source>Save File</source>
        <extracomment>Title of the file dialog that saves the scene template.</extracomment>
        <translation>Save file</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The first line must be the column header of the template.</source>
        <translation>The first line must be the column header of the template.</translation>
    </message>
    <message>
        <source>A row needs at least scene, encoding, resolution and bitrate.</source>
        <translation>A row needs at least scene, encoding, resolution and bitrate.</translation>
    </message>
    <message>
        <source>The scene name is empty.</source>
        <translation>The scene name is empty.</translation>
    </message>
    <message>
        <source>The encoding is not one of the program&apos;s encodings.</source>
        <translation>The encoding is not one of the program&apos;s encodings.</translation>
    </message>
    <message>
        <source>The resolution is not one of that encoding&apos;s resolutions.</source>
        <translation>The resolution is not one of that encoding&apos;s resolutions.</translation>
    </message>
    <message>
        <source>The bitrate must be a whole number from 1 to 204800.</source>
        <translation>The bitrate must be a whole number from 1 to 204800.</translation>
    </message>
    <message>
        <source>The file holds no scenes.</source>
        <translation>The file holds no scenes.</translation>
    </message>
    <message>
        <source>The scene file could not be written; nothing was changed.</source>
        <translation>The scene file could not be written; nothing was changed.</translation>
    </message>
    <message>
        <source>Open File</source>
        <extracomment>Title of the file dialog that picks a scene file to import.</extracomment>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a scene file was refused: %1 the line number in the file, %2 the reason (a sentence).</extracomment>
        <translation>Line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <extracomment>After an import: %n scene pictures could not be copied; %1 lists their file names.</extracomment>
        <translation>
            <numerusform>%n picture could not be copied: %1</numerusform>
            <numerusform>%n pictures could not be copied: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <extracomment>Status after writing the scene template: %1 is the file&apos;s path.</extracomment>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The scene file and the pictures it names are copied to your data folder, %1. The new scenes are used after a restart.</source>
        <extracomment>%1 is the user&apos;s data folder, where the imported scene file and its pictures are copied to.</extracomment>
        <translation>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The scene file and the pictures it names are copied to your data folder, %1. The new scenes are used after a restart.</translation>
    </message>
    <message>
        <source>Import Incomplete.</source>
        <extracomment>Status after reading a scene file: its scenes were taken, but not every picture it names could be copied (what was taken and what failed follows).</extracomment>
        <translation>Import Incomplete.</translation>
    </message>
    <message numerus="yes">
        <source>%n scene row(s) imported; the scenes are used after a restart.</source>
        <extracomment>After an import that was not complete: %n rows of the scene file were taken.</extracomment>
        <translation>
            <numerusform>%n scene row imported; the scenes are used after a restart.</numerusform>
            <numerusform>%n scene rows imported; the scenes are used after a restart.</numerusform>
        </translation>
    </message>
    <message>
        <source>The picture must lie beside the imported file or in a folder below it.</source>
        <extracomment>Why a scene row was refused: its picture path leaves the folder of the imported file (absolute, &quot;..&quot;, or a link leading elsewhere); pictures are only copied from that folder or its subfolders.</extracomment>
        <translation>The picture must lie beside the imported file or in a folder below it.</translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <extracomment>Button: opens the download page of the newer version (a verb).
----------
Title of the dialog that offers a newer version of the program (a noun).</extracomment>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Update</source>
        <extracomment>What a screen reader says for the icon of the dialog that offers a newer version (a noun).</extracomment>
        <translation>Update</translation>
    </message>
    <message>
        <source>New version found</source>
        <extracomment>Followed by the newer version&apos;s number (&quot;4.1.0.2&quot;).</extracomment>
        <translation>New version found</translation>
    </message>
    <message>
        <source>No Prompt</source>
        <extracomment>Check box: do not offer newer versions at start any more.</extracomment>
        <translation>Don&apos;t remind me</translation>
    </message>
    <message>
        <source>Could not check for updates: no update server is set up.</source>
        <translation>Could not check for updates: no update server is set up.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server address is not valid.</source>
        <translation>Could not check for updates: the update server address is not valid.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server could not be reached.</source>
        <translation>Could not check for updates: the update server could not be reached.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server&apos;s answer was not understood.</source>
        <translation>Could not check for updates: the update server&apos;s answer was not understood.</translation>
    </message>
    <message>
        <source>The download page could not be opened: %1</source>
        <translation>The download page could not be opened: %1</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <extracomment>Under the newer version&apos;s number: the site the &quot;Upgrade&quot; button opens (a host name, e.g. example.com).</extracomment>
        <translation>Download from %1</translation>
    </message>
    <message>
        <source>The update server named no download page.</source>
        <extracomment>Under the newer version&apos;s number when the update server named no page to download it from.</extracomment>
        <translation>The update server named no download page.</translation>
    </message>
    <message>
        <source>Not opened: the download address is not https.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because its address is not https.</extracomment>
        <translation>Not opened: the download address is not https.</translation>
    </message>
    <message>
        <source>Not opened: the download address holds a user name.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because a user name or password stands before its site in the address (&quot;https://name@site/&quot;), which can disguise the site.</extracomment>
        <translation>Not opened: the download address holds a user name.</translation>
    </message>
    <message numerus="yes">
        <source>Not opened: the download address is over %n characters.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because its address is too long.</extracomment>
        <translation>
            <numerusform>Not opened: the download address is over %n character.</numerusform>
            <numerusform>Not opened: the download address is over %n characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO storage calculator</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Title of the question before the program closes (a verb).</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Exit the TAVO storage calculator software?</source>
        <translation>Exit the TAVO storage calculator?</translation>
    </message>
    <message>
        <source>Update Data…</source>
        <translation>Update data…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for updates…</translation>
    </message>
    <message>
        <source>Currently the latest version.</source>
        <translation>You have the latest version.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>System menu: the submenu choosing the program&apos;s language.
----------
Title of the question whether to restart in the language just chosen.</extracomment>
        <translation>Language</translation>
    </message>
    <message>
        <source>The language could not be saved: %1 could not be written.</source>
        <translation>The language could not be saved: %1 could not be written.</translation>
    </message>
    <message>
        <source>The new language applies when the program starts again. Restart now?</source>
        <translation>The new language applies when the program starts again. Restart now?</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restart the program now (a verb).</extracomment>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button: keep working and use the new language from the next start.</extracomment>
        <translation>Later</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>plan name, program name</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>System menu</source>
        <extracomment>The menu behind the title bar&apos;s menu button, as a screen reader names it.</extracomment>
        <translation>System menu</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <extracomment>Name of the frame around the list of channel groups (read by screen readers): &quot;Device list&quot;.</extracomment>
        <translation>Device list</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>Shown in place of the empty list of channel groups: the list is empty, add a group. Keep the tags.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;No devices yet. &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Add a device to begin.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>TAVO storage calculator is already running.</source>
        <translation>TAVO storage calculator is already running.</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Title of the question asked at start on a small screen.</extracomment>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <extracomment>Asked at start when the screen is smaller than 1024 × 768 pixels; the answer is yes (Confirm) or no.</extracomment>
        <translation>The display resolution is below 1024*768. Start the program anyway?</translation>
    </message>
    <message>
        <source>The program could not be restarted. Please start it again yourself.</source>
        <translation>The program could not be restarted. Please start it again yourself.</translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <source>null content</source>
        <extracomment>Placeholder of a dialog&apos;s text until its caller sets one; hardly ever seen.</extracomment>
        <translation>No content</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>Button of a dialog: accepts (a verb).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of a dialog: closes it without doing anything (a verb).</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Title of a short message with a close button only.</extracomment>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <extracomment>Name and tooltip of the program-icon button at the left of a title bar, which opens the system menu.</extracomment>
        <translation>Application menu</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Name and tooltip of a title-bar button (an icon) that opens the options.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <extracomment>Title of the about panel (the program&apos;s name, version and licences).</extracomment>
        <translation>About</translation>
    </message>
    <message>
        <source>Program icon</source>
        <extracomment>What a screen reader says for the program&apos;s icon in the about panel.</extracomment>
        <translation>Program icon</translation>
    </message>
    <message>
        <source>Version %1, build %2</source>
        <extracomment>The about panel&apos;s version line until the program sets its own: %1 the version number, %2 the build date as yyyymmdd.</extracomment>
        <translation>Version %1, build %2</translation>
    </message>
</context>
<context>
    <name>aptui::InputTip</name>
    <message>
        <source>Whole numbers from %1 to %2</source>
        <extracomment>Tip under a field that takes whole numbers: %1 the least, %2 the greatest it takes.</extracomment>
        <translation>Whole numbers from %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>Numbers from %1 to %2, up to %n decimal place(s)</source>
        <extracomment>Tip under a field that takes decimals: %1 the least, %2 the greatest, %n the decimals it takes. The field takes a point as the decimal sign in every language: %1 and %2 are written with one.</extracomment>
        <translation>
            <numerusform>Numbers from %1 to %2, up to %n decimal place</numerusform>
            <numerusform>Numbers from %1 to %2, up to %n decimal places</numerusform>
        </translation>
    </message>
    <message>
        <source>This input is not accepted here</source>
        <extracomment>Tip under a field when a key or paste was refused.</extracomment>
        <translation>This input is not accepted here</translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <extracomment>State text on a toggle switch (on, as opposed to off); keep it very short.</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>State text on a toggle switch (off, as opposed to on); keep it very short.</extracomment>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>aptui::WindowTitle</name>
    <message>
        <source>Application icon</source>
        <translation>Application icon</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Title-bar button that shrinks the window to the taskbar (a verb).
----------
Tool tip of the same title-bar button (a verb).</extracomment>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Title-bar button that closes the window (a verb).
----------
Tool tip of the same title-bar button (a verb).</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>System menu</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Title-bar button: &quot;Restore&quot; brings a maximised window back to its size, &quot;Maximize&quot; fills the screen (verbs).</extracomment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>TAVO storage calculator</source>
        <extracomment>The program&apos;s name, as the key of its single running instance (read before any translation is loaded).</extracomment>
        <translation>TAVO storage calculator</translation>
    </message>
</context>
</TS>
