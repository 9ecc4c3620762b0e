<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO storage calculator</translation>
    </message>
    <message>
        <source>v4.0.0.50build</source>
        <translation>V4.0.0.50 build</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
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
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <translation>IPCs</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation>DVRs</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation>Total bandwidth (%1)</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <translation>Capacity calculation:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Day(s)</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>Week(s)</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Month(s)</translation>
    </message>
    <message>
        <source>Months(s)</source>
        <translation>Month(s)</translation>
    </message>
    <message>
        <source> Day(s)</source>
        <translation> Day(s)</translation>
    </message>
    <message>
        <source> Week(s)</source>
        <translation> Week(s)</translation>
    </message>
    <message>
        <source> Month(s)</source>
        <translation> Month(s)</translation>
    </message>
    <message>
        <source> GB</source>
        <translation> GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source> TB</source>
        <translation> TB</translation>
    </message>
    <message>
        <source>CalTime</source>
        <translation>Retention</translation>
    </message>
    <message>
        <source>CalDisk</source>
        <translation>Disk needed</translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>Disk size: </translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>Recording hours per day:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>Retention period:</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>Weeks</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>Recording hours per day:</translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>Array</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <translation>Video is kept for:</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>In days</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Day(s)</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>In weeks</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>Week(s)</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>In months</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Month(s)</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Gpbs</source>
        <translation>Gbps</translation>
    </message>
    <message>
        <source>Mpbs</source>
        <translation>Mbps</translation>
    </message>
    <message>
        <source>Kpbs</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>Clear all channels?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Failed to save the file.</source>
        <translation>The report could not be saved.</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <translation>Frame rate (fps)</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <translation>Recommended bitrate (kbps)</translation>
    </message>
    <message>
        <source>Space Given</source>
        <translation>Retention for a given disk size</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Disk size</translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <translation>Recording hours per day</translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <translation>Retention in days</translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <translation>Retention in weeks</translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <translation>Retention in months</translation>
    </message>
    <message>
        <source>Time Given</source>
        <translation>Disk space for a given retention period</translation>
    </message>
    <message>
        <source>Recording Time</source>
        <translation>Retention period</translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <translation>Required disk space</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Total device number</source>
        <translation>Total channels</translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <translation>Total bandwidth</translation>
    </message>
    <message>
        <source>Add a device first.</source>
        <translation>Add a device first.</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>Channel groups</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>Storage plan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Storage bitrate</source>
        <translation>Storage bitrate</translation>
    </message>
    <message>
        <source>Disk for %1</source>
        <translation>Disk for %1</translation>
    </message>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO storage calculator</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Storage by channel group</source>
        <translation>Storage by channel group</translation>
    </message>
    <message>
        <source>No channel group is recorded.</source>
        <translation>No channel group is recorded.</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n groups)</source>
        <translation>
            <numerusform>Others (%n group)</numerusform>
            <numerusform>Others (%n groups)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to:</source>
        <translation>Saved to:</translation>
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
        <translation>Open</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Not recorded</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>On motion, %1 %</source>
        <translation>On motion, %1 %</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Scene Activity</source>
        <translation>Scene activity</translation>
    </message>
    <message>
        <source>%1 × %2 TB</source>
        <translation>%1 × %2 TB</translation>
    </message>
    <message numerus="yes">
        <source>%1 + %n spare(s)</source>
        <translation>
            <numerusform>%1 + %n spare</numerusform>
            <numerusform>%1 + %n spares</numerusform>
        </translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <translation>%1 TB (%2 TiB)</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Drives</translation>
    </message>
    <message>
        <source>RAID Level</source>
        <translation>RAID level</translation>
    </message>
    <message>
        <source>Hot Spares</source>
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
        <translation>Kept at %1 h a day</translation>
    </message>
    <message>
        <source>Drives for %1</source>
        <translation>Drives for %1</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>Cannot be built</source>
        <translation>Cannot be built</translation>
    </message>
    <message>
        <source>%1, keeps %2</source>
        <translation>%1, keeps %2</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 days</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s)</source>
        <translation>
            <numerusform>%n drive</numerusform>
            <numerusform>%n drives</numerusform>
        </translation>
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
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Low</source>
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
        <translation>Fixed rate</translation>
    </message>
    <message>
        <source>VarRate</source>
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
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
</context>
<context>
    <name>DeviceListView</name>
    <message>
        <source>Edit group</source>
        <translation>Edit group</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <translation>Duplicate group</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Delete group</translation>
    </message>
</context>
<context>
    <name>DiskArray</name>
    <message>
        <source>A drive holds from %1 to %2 TB.</source>
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
        <translation>RAID 1</translation>
    </message>
    <message>
        <source>RAID 5</source>
        <translation>RAID 5</translation>
    </message>
    <message>
        <source>RAID 6</source>
        <translation>RAID 6</translation>
    </message>
    <message>
        <source>RAID 10</source>
        <translation>RAID 10</translation>
    </message>
    <message>
        <source>No RAID</source>
        <translation>No RAID</translation>
    </message>
</context>
<context>
    <name>DiskArrayPage</name>
    <message>
        <source>Drive size (TB) :</source>
        <translation>Drive size (TB):</translation>
    </message>
    <message>
        <source>Drives :</source>
        <translation>Drives:</translation>
    </message>
    <message>
        <source>RAID level :</source>
        <translation>RAID level:</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>Hot spares:</translation>
    </message>
    <message>
        <source>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</source>
        <translation>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</translation>
    </message>
    <message>
        <source>Add a device to see how long the array keeps video.</source>
        <translation>Add a device to see how long the array keeps video.</translation>
    </message>
    <message>
        <source>Keeps %1 days at %2 h a day</source>
        <translation>Keeps %1 days at %2 h a day</translation>
    </message>
    <message>
        <source>Records no hours a day.</source>
        <translation>Records no hours a day.</translation>
    </message>
    <message numerus="yes">
        <source>For %1: %n drive(s)</source>
        <translation>
            <numerusform>For %1: %n drive</numerusform>
            <numerusform>For %1: %n drives</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExactFigures</name>
    <message>
        <source>%1 days · %2 weeks · %3 months</source>
        <translation>%1 days · %2 weeks · %3 months</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1–%2 days depending on scene activity</source>
        <translation>%1–%2 days depending on scene activity</translation>
    </message>
    <message>
        <source>%1–%2 TB depending on scene activity</source>
        <translation>%1–%2 TB depending on scene activity</translation>
    </message>
    <message>
        <source>%1–%2 GB depending on scene activity</source>
        <translation>%1–%2 GB depending on scene activity</translation>
    </message>
    <message>
        <source>%1–%2 drives depending on scene activity</source>
        <translation>%1–%2 drives depending on scene activity</translation>
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
        <translation>The column “%1” is missing.</translation>
    </message>
    <message>
        <source>The number of channels must be a whole number of at least 1.</source>
        <translation>The number of channels must be a whole number of at least 1.</translation>
    </message>
    <message>
        <source>The device type must be IPC or DVR.</source>
        <translation>The device type must be IPC or DVR.</translation>
    </message>
    <message>
        <source>The bitrate must be a number greater than 0 and at most 204800 kbps.</source>
        <translation>The bitrate must be a number greater than 0 and at most 204800 kbps.</translation>
    </message>
    <message>
        <source>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</source>
        <translation>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</translation>
    </message>
    <message>
        <source>The recording share must be a whole number from 1 to 100 (percent).</source>
        <translation>The recording share must be a whole number from 1 to 100 (percent).</translation>
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
        <translation>Channels:</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
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
        <translation>On motion %1 %</translation>
    </message>
    <message>
        <source>Records on motion, %1 % of the time</source>
        <translation>Records on motion, %1 % of the time</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <translation>Are you sure?</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>Recent plans</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As…</source>
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
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Open plan</translation>
    </message>
    <message>
        <source>The file %1 is too large to open (%2 MB; at most %3 MB).</source>
        <translation>The file %1 is too large to open (%2 MB; at most %3 MB).</translation>
    </message>
    <message>
        <source>The plan %1 was not opened. %2</source>
        <translation>The plan %1 was not opened. %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>The file %1 cannot be read.</translation>
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
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard</source>
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
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Writing the report…</source>
        <translation>Writing the report…</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Report progress</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop writing the report</source>
        <translation>Stop writing the report</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>The picture could not be loaded.</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>Required disk space:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Update Data</source>
        <translation>Update data</translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The pictures it names are copied beside the program. The new scenes are used after a restart.</source>
        <translation>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The pictures it names are copied beside the program. The new scenes are used after a restart.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export template</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Import template</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Status icon</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>Note: restart required</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>Template exported.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>Export failed.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>Import done. Restart the program to use the new scenes.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
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
        <translation>Open file</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <translation>
            <numerusform>%n picture could not be copied: %1</numerusform>
            <numerusform>%n pictures could not be copied: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>New version found</source>
        <translation>New version found</translation>
    </message>
    <message>
        <source>No Prompt</source>
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
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO storage calculator</translation>
    </message>
    <message>
        <source>Exit</source>
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
        <translation>Restart</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>plan name, program name</comment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>Device list</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
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
        <translation>Notice</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
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
        <translation>No content</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <translation>Application menu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation> V2.0.0.3</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Program icon</translation>
    </message>
</context>
<context>
    <name>aptui::InputTip</name>
    <message>
        <source>Whole numbers from %1 to %2</source>
        <translation>Whole numbers from %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>Numbers from %1 to %2, up to %n decimal place(s)</source>
        <translation>
            <numerusform>Numbers from %1 to %2, up to %n decimal place</numerusform>
            <numerusform>Numbers from %1 to %2, up to %n decimal places</numerusform>
        </translation>
    </message>
    <message>
        <source>This input is not accepted here</source>
        <translation>This input is not accepted here</translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <translation>On</translation>
    </message>
    <message>
        <source>OFF</source>
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
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>System menu</translation>
    </message>
    <message>
        <source>Restore</source>
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
        <translation>TAVO storage calculator</translation>
    </message>
</context>
</TS>
