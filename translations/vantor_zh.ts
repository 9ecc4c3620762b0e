<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <extracomment>The program&apos;s name in the about panel.</extracomment>
        <translation>TAVO 存储计算器</translation>
    </message>
    <message>
        <source>User Help</source>
        <extracomment>Button: opens the user manual.</extracomment>
        <translation>用户帮助</translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
        <extracomment>Button: opens the file of the licences of the open-source software the program uses.</extracomment>
        <translation>开源软件许可</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>未找到用户手册。</translation>
    </message>
    <message>
        <source>Open Open Source Software Licenses file failed.</source>
        <translation>打开开源软件许可文件失败。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The about panel&apos;s version line: %1 is the version number (&quot;4.0.0.50&quot;).</extracomment>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <extracomment>Caption under the number of network-camera (IPC) channels.</extracomment>
        <translation>IPC 数量</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <extracomment>Caption under the number of recorder (DVR) channels.</extracomment>
        <translation>DVR 数量</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <extracomment>Caption under the number of channels watched live.</extracomment>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <extracomment>Caption under the big bandwidth figure; %1 is its unit (Kbps, Mbps or Gbps).</extracomment>
        <translation>总带宽(%1)</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>The %1 camera table has no %2.</source>
        <extracomment>A group left out of a change: %1 the encoding&apos;s table, %2 the resolution it lacks.</extracomment>
        <translation>%1 摄像机码率表中没有 %2。</translation>
    </message>
    <message>
        <source>The %1 recorder table has no %2.</source>
        <extracomment>A group left out of a change: %1 the encoding&apos;s table, %2 the resolution it lacks.</extracomment>
        <translation>%1 录像机码率表中没有 %2。</translation>
    </message>
    <message>
        <source>A frame rate is a number of frames per second above 0.</source>
        <translation>帧率须为大于 0 的每秒帧数。</translation>
    </message>
    <message>
        <source>Recording on motion takes from %1 to %2 % of the time.</source>
        <extracomment>A change to recording on motion refused: %1 and %2 the lowest and highest share of the time, in percent.</extracomment>
        <translation>按运动录像占时间的 %1 至 %2 %。</translation>
    </message>
    <message>
        <source>Video is kept from 1 to %1 days.</source>
        <extracomment>A change of the calculator&apos;s retention refused: %1 the longest it may be, in days.</extracomment>
        <translation>视频保存 1 至 %1 天。</translation>
    </message>
    <message>
        <source>Its rate comes from the scene &quot;%1&quot;; change it in the editor.</source>
        <extracomment>A group left out of a change of its video: %1 the scene its rate was set up from.</extracomment>
        <translation>其码率来自场景“%1”；请在编辑器中修改。</translation>
    </message>
    <message>
        <source>There are no tables for the device type &quot;%1&quot;.</source>
        <extracomment>A group left out of a change of its video: %1 its device type, which has no tables.</extracomment>
        <translation>设备类型“%1”没有码率表。</translation>
    </message>
    <message>
        <source>The %1 table recommends no rate for %2 at %3 fps.</source>
        <extracomment>A group left out of a change: %1 the encoding, %2 the resolution, %3 the frames per second.</extracomment>
        <translation>%1 码率表没有 %2、%3 帧/秒的推荐码率。</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <extracomment>Caption over the calculator column.</extracomment>
        <translation>容量计算：</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button: writes the plan into a PDF report (a verb).</extracomment>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: removes every channel group from the list, after asking (a verb).</extracomment>
        <translation>清空</translation>
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
        <translation>时间计算</translation>
    </message>
    <message>
        <source>CalDisk</source>
        <extracomment>Mode button of the calculator: the disk a wanted retention needs (a short noun, &quot;Disk needed&quot;).</extracomment>
        <translation>容量计算</translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <extracomment>Mode button of the calculator: the network bandwidth of the channels watched live (a short noun).</extracomment>
        <translation>带宽计算</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <extracomment>Caption of the field for the size of the disk (a number in TB or GB follows).</extracomment>
        <translation>硬盘容量： </translation>
    </message>
    <message>
        <source>record time :</source>
        <extracomment>Caption of the hours recorded each day, set by a slider from 0 to 24.
----------
What a screen reader says for the slider of the hours recorded each day.</extracomment>
        <translation>每天录像：</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Unit after the hours recorded each day: hours (an abbreviation).</extracomment>
        <translation>小时</translation>
    </message>
    <message>
        <source>set save time:</source>
        <extracomment>Caption of the field for how long video must be kept (a number of days, weeks or months follows).</extracomment>
        <translation>保存时间：</translation>
    </message>
    <message>
        <source>DAY</source>
        <extracomment>Unit choice for the wanted retention: days.</extracomment>
        <translation>天</translation>
    </message>
    <message>
        <source>WEEK</source>
        <extracomment>Unit choice for the wanted retention: weeks.</extracomment>
        <translation>周</translation>
    </message>
    <message>
        <source>MONTH</source>
        <extracomment>Unit choice for the wanted retention: months of 30 days.</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <extracomment>Caption of the hours recorded each day, set by a slider from 0 to 24.
----------
What a screen reader says for the slider of the hours recorded each day.</extracomment>
        <translation>每天录像：</translation>
    </message>
    <message>
        <source>Disk Array</source>
        <extracomment>Mode button of the calculator: drives in a RAID array (a short noun).</extracomment>
        <translation>磁盘阵列</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <extracomment>The retention the planner wants, also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n 周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <extracomment>The retention the planner wants (a month of 30 days), also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n 个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>The retention the planner wants, also filled into &quot;Disk for %1&quot; and &quot;For %1: %n drive(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n 天</numerusform>
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
            <numerusform>%1 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>How long the disk keeps video, in the report: %1 is a whole number of weeks; the plural follows it.</extracomment>
        <translation>
            <numerusform>%1 周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>How long the disk keeps video, in the report: %1 is a whole number of 30-day months; the plural follows it.</extracomment>
        <translation>
            <numerusform>%1 个月</numerusform>
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
        <translation>%1 及各组自己的保存期</translation>
    </message>
    <message>
        <source>%1 The days above are what the groups that follow the plan keep; the answer counts them at %2.</source>
        <extracomment>Under the days a disk keeps when some groups keep their own retention: %1 whether the disk holds every retention, %2 the plan&apos;s wanted retention (&quot;30 days&quot;).</extracomment>
        <translation>%1 上方天数为沿用方案设置的组可保存的天数；结论按 %2 计算这些组。</translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <extracomment>Caption over the figures of how long the disk keeps video.</extracomment>
        <translation>录像可保存：</translation>
    </message>
    <message>
        <source>By Day</source>
        <extracomment>Short caption left of the figure: the retention counted in days (about 64 px wide).</extracomment>
        <translation>按天</translation>
    </message>
    <message>
        <source>By Week</source>
        <extracomment>Short caption left of the figure: the retention counted in weeks (about 64 px wide).</extracomment>
        <translation>按周</translation>
    </message>
    <message>
        <source>By Month</source>
        <extracomment>Short caption left of the figure: the retention counted in months (about 64 px wide).</extracomment>
        <translation>按月</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>Unit under the big figure of the days the disk keeps video; no number in the text, but its plural form follows that figure (&quot;1 day&quot;, &quot;21 days&quot;).</extracomment>
        <translation>
            <numerusform>天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <extracomment>Unit under the big figure of the weeks the disk keeps video; the plural form follows that figure.</extracomment>
        <translation>
            <numerusform>周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <extracomment>Unit under the big figure of the (30-day) months the disk keeps video; the plural form follows that figure.</extracomment>
        <translation>
            <numerusform>个月</numerusform>
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
        <translation>清空</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <extracomment>Asked before every channel group is removed; the answer is Confirm or Cancel.</extracomment>
        <translation>确定清空所有通道吗？</translation>
    </message>
    <message>
        <source>Save File</source>
        <extracomment>Title of the file dialog that saves the PDF report.</extracomment>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <extracomment>File-type filter of the dialog that saves the report; keep &quot;(*.pdf )&quot; as it is.</extracomment>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Title of the message that says where the report went or why it could not be written.</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <source>Devices</source>
        <extracomment>Title of the report&apos;s section listing the channel groups.</extracomment>
        <translation>设备</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <extracomment>Column caption in the report&apos;s device table: the number of channels in a group.</extracomment>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <extracomment>Column caption in the report&apos;s device table: the frame rate in frames per second.</extracomment>
        <translation>帧率(fps)</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码类型</translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <extracomment>Column caption in the report&apos;s device table: a group&apos;s bitrate per channel in kilobits per second.</extracomment>
        <translation>推荐码率(kbps)</translation>
    </message>
    <message>
        <source>Space Given</source>
        <extracomment>Title of the report&apos;s section on how long a given disk keeps video.</extracomment>
        <translation>按硬盘容量</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <extracomment>Column caption in the report: the size of the given disk.</extracomment>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <extracomment>Column caption in the report: the hours recorded each day.</extracomment>
        <translation>每天录像时长</translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole days.</extracomment>
        <translation>录像天数</translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole weeks.</extracomment>
        <translation>录像周数</translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <extracomment>Column caption in the report: how long the disk keeps video, in whole months.</extracomment>
        <translation>录像月数</translation>
    </message>
    <message>
        <source>Time Given</source>
        <extracomment>Title of the report&apos;s section on how much disk a wanted retention needs.</extracomment>
        <translation>按录像时长</translation>
    </message>
    <message>
        <source>Recording Time</source>
        <extracomment>Column caption in the report: the retention the planner wants.</extracomment>
        <translation>录像时长</translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <extracomment>Column caption in the report: the disk space the wanted retention needs.</extracomment>
        <translation>所需硬盘容量</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the network bandwidth of the live-view groups.
----------
Title of the report&apos;s section on the network bandwidth (a noun).</extracomment>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Total device number</source>
        <extracomment>Column caption in the report&apos;s bandwidth section: the number of channels watched live.</extracomment>
        <translation>设备总数</translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <extracomment>Column caption in the report&apos;s bandwidth section: the network bandwidth of those channels.</extracomment>
        <translation>总带宽</translation>
    </message>
    <message>
        <source>Add a device first.</source>
        <translation>请先添加设备。</translation>
    </message>
    <message>
        <source>Exact</source>
        <extracomment>Column caption in the report: the same figure unrounded, with one decimal (an adjective: &quot;exact figure&quot;).</extracomment>
        <translation>精确值</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <extracomment>What a screen reader says for the list of channel groups.</extracomment>
        <translation>通道组</translation>
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
        <translation>存储方案</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The program&apos;s version in the report&apos;s title block.</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the number of channels.</extracomment>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Storage bitrate</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the bitrate written to disk.</extracomment>
        <translation>存储码率</translation>
    </message>
    <message>
        <source>Disk for %1</source>
        <translation>保存 %1 所需硬盘</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The report&apos;s page numbers: page %1 of %2 pages.</extracomment>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>First cell of the row under the device table that adds the channels and bitrates up.</extracomment>
        <translation>合计</translation>
    </message>
    <message>
        <source>Storage by channel group</source>
        <extracomment>Title of the report&apos;s chart of each channel group&apos;s share of the storage.</extracomment>
        <translation>各通道组的存储占比</translation>
    </message>
    <message>
        <source>No channel group is recorded.</source>
        <extracomment>Said in place of the report&apos;s chart when no channel group is written to disk.</extracomment>
        <translation>没有录像的通道组。</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n groups)</source>
        <extracomment>Label of the chart&apos;s last bar, which adds up the smallest %n channel groups.</extracomment>
        <translation>
            <numerusform>其他（%n 组）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is a folder. Choose a file name.</source>
        <translation>%1 是文件夹。请选择文件名。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1. Is it read-only?</source>
        <translation>无法在文件夹 %1 中创建文件。它是否为只读？</translation>
    </message>
    <message>
        <source>%1 could not be written to its end. Is the disk full?</source>
        <translation>%1 未能完整写入。磁盘是否已满？</translation>
    </message>
    <message>
        <source>The earlier %1 could not be replaced and is left as it was.</source>
        <translation>无法替换原有的 %1，它保持不变。</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the report just written (a verb).</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <extracomment>Button: opens the folder the report was written to.</extracomment>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: watched live only, never written to disk.</extracomment>
        <translation>不录像</translation>
    </message>
    <message>
        <source>Continuous</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: it records all the time.</extracomment>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>On motion, %1 %</source>
        <extracomment>A group&apos;s recording in the report&apos;s device table: it records on motion, %1 percent of the time.</extracomment>
        <translation>移动侦测，%1 %</translation>
    </message>
    <message>
        <source>Recording</source>
        <extracomment>Column caption in the report&apos;s device table: how a group records (all the time, on motion, not at all).</extracomment>
        <translation>录像</translation>
    </message>
    <message>
        <source>Scene Activity</source>
        <extracomment>Column caption in the report: what calmer or busier scenes would make of the figure.</extracomment>
        <translation>场景活跃度</translation>
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
            <numerusform>%1 + %n 块热备盘</numerusform>
        </translation>
    </message>
    <message>
        <source>Disk Array</source>
        <extracomment>Title of the report&apos;s section on the disk array.</extracomment>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Column caption over the reason a disk array cannot be built.</extracomment>
        <translation>问题</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <extracomment>A disk array&apos;s usable capacity: %1 in terabytes (1000 GB), %2 the same in tebibytes (1024⁴ bytes).</extracomment>
        <translation>%1 TB（%2 TiB）</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <extracomment>A disk array&apos;s capacity in terabytes (1000 GB).</extracomment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Drives</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the drives and their size (a noun).</extracomment>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>RAID Level</source>
        <translation>RAID 级别</translation>
    </message>
    <message>
        <source>Hot Spares</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the number of hot-spare drives.</extracomment>
        <translation>热备盘</translation>
    </message>
    <message>
        <source>Raw Capacity</source>
        <translation>原始容量</translation>
    </message>
    <message>
        <source>Usable Capacity</source>
        <translation>可用容量</translation>
    </message>
    <message>
        <source>Kept at %1 h/day</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the days the array keeps video when %1 hours are recorded a day.</extracomment>
        <translation>每天 %1 小时可保存</translation>
    </message>
    <message>
        <source>Drives for %1</source>
        <extracomment>Column caption in the report&apos;s disk-array section: the drives the wanted retention needs; %1 is that retention (&quot;30 days&quot;, &quot;1 week&quot;).</extracomment>
        <translation>%1 所需硬盘</translation>
    </message>
    <message>
        <source>Disk array</source>
        <extracomment>Caption of the disk array&apos;s line in the report&apos;s title block.</extracomment>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>Cannot be built</source>
        <extracomment>The disk array&apos;s line in the report&apos;s title block when the planner&apos;s drives cannot make the array.</extracomment>
        <translation>无法组建</translation>
    </message>
    <message>
        <source>%1, keeps %2</source>
        <extracomment>A disk array in the report&apos;s title block: %1 the array, %2 the days it keeps video (&quot;31.4 days&quot;).</extracomment>
        <translation>%1，可保存 %2</translation>
    </message>
    <message>
        <source>Add group</source>
        <extracomment>Undo history: the command that added one channel group (&quot;Undo Add group&quot;).</extracomment>
        <translation>添加通道组</translation>
    </message>
    <message numerus="yes">
        <source>Import %n group(s)</source>
        <extracomment>Undo history: groups read from a CSV file (&quot;Undo Import 3 groups&quot;).</extracomment>
        <translation>
            <numerusform>导入 %n 个通道组</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete group</source>
        <extracomment>Undo history: the command that deleted one channel group (&quot;Undo Delete group&quot;).</extracomment>
        <translation>删除通道组</translation>
    </message>
    <message>
        <source>Edit group</source>
        <extracomment>Undo history: the command that changed one channel group (&quot;Undo Edit group&quot;).</extracomment>
        <translation>编辑通道组</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <extracomment>Undo history: the command that copied a channel group (&quot;Undo Duplicate group&quot;).</extracomment>
        <translation>复制通道组</translation>
    </message>
    <message>
        <source>Clear all groups</source>
        <extracomment>Undo history: the command that removed every channel group (&quot;Undo Clear&quot;).</extracomment>
        <translation>清空所有通道组</translation>
    </message>
    <message>
        <source>Switch to PAL</source>
        <extracomment>Undo history: the switch of every group to the PAL video standard (&quot;Undo Switch to PAL&quot;).</extracomment>
        <translation>切换到 PAL</translation>
    </message>
    <message>
        <source>Switch to NTSC</source>
        <extracomment>Undo history: the switch of every group to the NTSC video standard (&quot;Undo Switch to NTSC&quot;).</extracomment>
        <translation>切换到 NTSC</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Hours recorded a day, in the report&apos;s tables: %1 a whole number of hours (&quot;24 h&quot;).</extracomment>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>&lt;%1%</source>
        <extracomment>A group&apos;s share of the storage in the report&apos;s chart when it is below %1 percent (0.1).</extracomment>
        <translation>&lt;%1%</translation>
    </message>
    <message>
        <source>TAVO storage calculator %1</source>
        <extracomment>The report&apos;s footer: the program&apos;s name and %1 its version.</extracomment>
        <translation>TAVO 存储计算器 %1</translation>
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
        <translation>已保存到：
%1</translation>
    </message>
    <message>
        <source>Failed to save the file.
%1</source>
        <extracomment>The report was not written: %1 is the reason on the next line (a sentence naming the file or folder).</extracomment>
        <translation>保存文件失败。
%1</translation>
    </message>
    <message numerus="yes">
        <source>Replace with %n imported group(s)</source>
        <extracomment>Undo history: the groups of a CSV file took the place of every channel group (&quot;Undo Replace with 3 imported groups&quot;).</extracomment>
        <translation>
            <numerusform>替换为导入的 %n 个分组</numerusform>
        </translation>
    </message>
    <message>
        <source>Topic</source>
        <extracomment>Column caption in the report&apos;s section on what the figures assume: the topic of each line.</extracomment>
        <translation>项目</translation>
    </message>
    <message>
        <source>Assumption</source>
        <extracomment>Column caption in the report&apos;s section on what the figures assume: what is taken for granted.</extracomment>
        <translation>假定</translation>
    </message>
    <message>
        <source>Retention policies</source>
        <extracomment>Title of the report&apos;s section listing the groups that keep their video their own way.</extracomment>
        <translation>保存策略</translation>
    </message>
    <message>
        <source>Retention</source>
        <extracomment>Column caption in the report&apos;s retention section: how long a group keeps its video.</extracomment>
        <translation>保存期</translation>
    </message>
    <message>
        <source>Schedule</source>
        <extracomment>Column caption in the report&apos;s retention section: the hours a group records.</extracomment>
        <translation>录像时间</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>Column caption in the report&apos;s retention section: the motion events kept after the video.</extracomment>
        <translation>事件</translation>
    </message>
    <message>
        <source>Sub-stream</source>
        <extracomment>Column caption in the report&apos;s retention section: the sub-stream kept after the main stream.</extracomment>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Column caption in the report&apos;s retention section: the audio recorded with the video.</extracomment>
        <translation>音频</translation>
    </message>
    <message>
        <source>The groups not listed keep the plan&apos;s retention.</source>
        <extracomment>Under the report&apos;s retention section: the groups it does not list.</extracomment>
        <translation>未列出的组沿用方案的保存期。</translation>
    </message>
    <message>
        <source>The groups not listed keep the plan&apos;s retention of %1.</source>
        <translation>未列出的组沿用方案的保存期 %1。</translation>
    </message>
    <message>
        <source>Disk for every retention</source>
        <extracomment>Caption of a key figure in the report&apos;s title block: the disk the wanted retention needs; %1 is that retention (&quot;30 days&quot;, &quot;1 week&quot;). Caption of a key figure in the report&apos;s title block when some groups keep their own retention: the disk every retention needs.</extracomment>
        <translation>满足所有保存期的硬盘</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation>通道名称</translation>
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
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low: scenarios with limited details, limited movement, e.g. stairway, warehouse, meeting room.</source>
        <translation>低：细节少、运动少的场景，如楼梯间、仓库、会议室。</translation>
    </message>
    <message>
        <source>Medium: scenarios with medium details, medium movements, e.g. reception, schoolyard parking lot.</source>
        <translation>中：细节和运动适中的场景，如前台、校园停车场。</translation>
    </message>
    <message>
        <source>High: scenarios with lots of details, lots of movements, or low light, e.g. station, intersection, square.</source>
        <translation>高：细节多、运动多或光照不足的场景，如车站、路口、广场。</translation>
    </message>
    <message>
        <source>Notes: For some extremely complex scenarios with lots of details and movements, the bitrate is likely to be far higher than recommended value.</source>
        <translation>注：对于细节和运动极多的复杂场景，实际码率可能远高于推荐值。</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>推荐码率：</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Video standard</source>
        <translation>视频制式</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>通道名称：</translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <extracomment>Choice of how the bitrate is given: one fixed rate per channel.</extracomment>
        <translation>定码率</translation>
    </message>
    <message>
        <source>VarRate</source>
        <extracomment>Choice of how the bitrate is given: a variable rate taken from a recording scene.</extracomment>
        <translation>变码率</translation>
    </message>
    <message>
        <source>Encode Section :</source>
        <translation>码率类型：</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate :</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Scene Complexity :</source>
        <translation>场景复杂度：</translation>
    </message>
    <message>
        <source>Live view &amp; Recording</source>
        <translation>预览和录像</translation>
    </message>
    <message>
        <source>Live view</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Recording</source>
        <extracomment>One of the live-view and recording choices: the group is recorded only (a noun).
----------
Screen-reader name of the recording choice (a noun, as the caption beside it).</extracomment>
        <translation>录像</translation>
    </message>
    <message>
        <source>View/Recording</source>
        <translation>预览/录像</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Collapse panel</source>
        <translation>收起面板</translation>
    </message>
    <message>
        <source>+ Add</source>
        <extracomment>Button that adds the described channel group to the list (a verb).</extracomment>
        <translation>+ 添加</translation>
    </message>
    <message>
        <source>Enter the number of channels, 1 to %1</source>
        <translation>请输入通道数，1 到 %1</translation>
    </message>
    <message>
        <source>Enter the bitrate, 1 to %1 kbps</source>
        <translation>请输入码率，1 到 %1 kbps</translation>
    </message>
    <message>
        <source>Enter the share of time, 1 to %1 %</source>
        <translation>请输入录像时间占比，1 至 %1 %</translation>
    </message>
    <message>
        <source>Continuous</source>
        <extracomment>How the group records: all the time, or only when something moves.</extracomment>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>On motion</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Recording :</source>
        <translation>录像方式：</translation>
    </message>
    <message>
        <source>Share of recording time in percent</source>
        <translation>录像时间占比（百分比）</translation>
    </message>
    <message>
        <source>Share of time (%) :</source>
        <translation>时间占比（%）：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button beside &quot;Save changes&quot; while a channel group is edited.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>取消编辑</translation>
    </message>
    <message>
        <source>Leave the group as it is and go back to adding groups</source>
        <translation>不修改此通道组，返回添加通道组</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <extracomment>Title of the panel while it shows a channel group of the list to change.</extracomment>
        <translation>编辑设备</translation>
    </message>
    <message>
        <source>Save changes</source>
        <extracomment>Button that puts the edited channel group back into the list, changed.</extracomment>
        <translation>保存修改</translation>
    </message>
    <message numerus="yes">
        <source>A name has at most %n character(s)</source>
        <extracomment>Shown at the name field when a key would make the name longer than it may be.</extracomment>
        <translation>
            <numerusform>名称最多 %n 个字符</numerusform>
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
        <translation>编辑通道组</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <extracomment>Context-menu entry: puts a copy of the channel group below it (a verb).</extracomment>
        <translation>复制通道组</translation>
    </message>
    <message>
        <source>Delete group</source>
        <extracomment>Context-menu entry: removes the channel group (a verb).</extracomment>
        <translation>删除通道组</translation>
    </message>
</context>
<context>
    <name>DiskArray</name>
    <message>
        <source>A drive holds from %1 to %2 TB.</source>
        <extracomment>Why the array cannot be built: %1 and %2 are the least and greatest drive sizes in terabytes.</extracomment>
        <translation>硬盘容量为 %1 到 %2 TB。</translation>
    </message>
    <message>
        <source>An array has from 1 to %1 drives.</source>
        <translation>阵列包含 1 到 %1 块硬盘。</translation>
    </message>
    <message>
        <source>The spares must leave drives for the data.</source>
        <translation>热备盘之外必须留有存放数据的硬盘。</translation>
    </message>
    <message numerus="yes">
        <source>This RAID level needs at least %n drive(s) besides the spares.</source>
        <extracomment>Why the array cannot be built: the level needs %n drives that are not hot spares.</extracomment>
        <translation>
            <numerusform>此 RAID 级别除热备盘外至少需要 %n 块硬盘。</numerusform>
        </translation>
    </message>
    <message>
        <source>RAID 10 needs an even number of drives besides the spares.</source>
        <translation>RAID 10 除热备盘外需要偶数块硬盘。</translation>
    </message>
    <message>
        <source>RAID 1 holds one drive&apos;s capacity: choose larger drives or another level.</source>
        <translation>RAID 1 只提供一块硬盘的容量：请选择更大的硬盘或其他级别。</translation>
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
        <translation>无 RAID</translation>
    </message>
    <message numerus="yes">
        <source>More than %n drive(s) would be needed.</source>
        <extracomment>Why no drive count is given for the wanted retention: it would take more drives than an array holds (%n, 512).</extracomment>
        <translation>
            <numerusform>需要超过 %n 块硬盘。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiskArrayPage</name>
    <message>
        <source>Drive size (TB) :</source>
        <extracomment>Caption of the field for the size of one drive of the array, in terabytes.</extracomment>
        <translation>单盘容量（TB）：</translation>
    </message>
    <message>
        <source>Drives :</source>
        <extracomment>Caption of the field for the number of drives in the array.</extracomment>
        <translation>硬盘数量：</translation>
    </message>
    <message>
        <source>RAID level :</source>
        <extracomment>Caption of the choice of the array&apos;s RAID level.</extracomment>
        <translation>RAID 级别：</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <extracomment>Caption of the field for the number of hot-spare drives (idle drives that stand in for a failed one).</extracomment>
        <translation>热备盘：</translation>
    </message>
    <message>
        <source>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</source>
        <extracomment>The array&apos;s capacity on two lines: %1 all drives together, %2 what is left for video after the RAID level and spares, in terabytes (1000 GB), %3 the same in tebibytes (1024⁴ bytes).</extracomment>
        <translation>原始容量：%1 TB
可用容量：%2 TB（%3 TiB）</translation>
    </message>
    <message>
        <source>Add a device to see how long the array keeps video.</source>
        <translation>添加设备后即可查看阵列可保存录像的时长。</translation>
    </message>
    <message>
        <source>Records no hours a day.</source>
        <translation>每天录像 0 小时。</translation>
    </message>
    <message numerus="yes">
        <source>For %1: %n drive(s)</source>
        <extracomment>The drives the wanted retention needs: %1 that retention (&quot;30 days&quot;, &quot;1 week&quot;), %n the drives.</extracomment>
        <translation>
            <numerusform>保存 %1：%n 块硬盘</numerusform>
        </translation>
    </message>
    <message>
        <source>Keeps %1 at %2 h a day</source>
        <translation>每天录像 %2 小时可保存 %1</translation>
    </message>
</context>
<context>
    <name>FigureAssumptions</name>
    <message>
        <source>How these figures are worked out</source>
        <extracomment>Heading over what the capacity figures assume, on the calculator&apos;s info tip and in the report.</extracomment>
        <translation>这些数字如何得出</translation>
    </message>
    <message>
        <source>Recording overhead</source>
        <extracomment>Topic of a line on what the capacity figures assume: the space a recorder needs beside the video.</extracomment>
        <translation>录像开销</translation>
    </message>
    <message>
        <source>Every disk figure adds about 2.7 % to the video itself for the recorder&apos;s own records (a factor of 1/0.997 and one of 1.024).</source>
        <extracomment>The two factors (1/0.997 and 1.024) of the capacity formulas, in words.</extracomment>
        <translation>每个磁盘数字都在视频本身之外另加约 2.7 %，用于录像机自身的记录（系数 1/0.997 与 1.024）。</translation>
    </message>
    <message>
        <source>Disk sizes</source>
        <extracomment>Topic of a line on what the capacity figures assume: the units of disk sizes.</extracomment>
        <translation>磁盘容量</translation>
    </message>
    <message>
        <source>Sizes are decimal, as printed on drives: 1 TB is 1000 GB, 10¹² bytes. An operating system shows the same disk in TiB, about 9 % less.</source>
        <translation>容量按十进制计算，与硬盘标注一致：1 TB = 1000 GB = 10¹² 字节。操作系统以 TiB 显示同一块盘，约少 9 %。</translation>
    </message>
    <message>
        <source>Disk arrays</source>
        <extracomment>Topic of a line on what the capacity figures assume: the usable space of a RAID array.</extracomment>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>The usable capacity of an array is before any file system, which takes a little more.</source>
        <translation>阵列可用容量未扣除文件系统，文件系统还会占用少量空间。</translation>
    </message>
    <message>
        <source>Rounding</source>
        <extracomment>Topic of a line on what the capacity figures assume: how the figures are rounded.</extracomment>
        <translation>取整</translation>
    </message>
    <message>
        <source>Days kept are rounded down and disk needed is rounded up; a week counts 7 days and a month 30.</source>
        <translation>保存天数向下取整，所需磁盘向上取整；一周按 7 天、一个月按 30 天计。</translation>
    </message>
    <message>
        <source>Scene activity</source>
        <extracomment>Topic of a line on what the capacity figures assume: the ranges for calm and busy scenes.</extracomment>
        <translation>场景活跃度</translation>
    </message>
    <message>
        <source>Ranges take every group whose bitrate came from the tables as recording calm (Low) to busy (High) scenes; a typed bitrate stays as typed.</source>
        <translation>范围假定每个码率取自码率表的分组拍摄从平静（低）到繁忙（高）的场景；手动输入的码率保持不变。</translation>
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
        <translation>%1 天 · %2 周 · %3 月</translation>
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
        <translation>%1 天</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s)</source>
        <extracomment>Drives of the planner&apos;s size a disk array needs for the wanted retention.</extracomment>
        <translation>
            <numerusform>%n 块硬盘</numerusform>
        </translation>
    </message>
    <message>
        <source>%1–%2 days depending on scene activity</source>
        <extracomment>How long the disk keeps video from busy (%1) to calm (%2) scenes, in days with one decimal.</extracomment>
        <translation>视场景活跃度为 %1–%2 天</translation>
    </message>
    <message>
        <source>%1–%2 TB depending on scene activity</source>
        <extracomment>The disk space calm (%1) to busy (%2) scenes need, in terabytes with one decimal.</extracomment>
        <translation>视场景活跃度为 %1–%2 TB</translation>
    </message>
    <message>
        <source>%1–%2 GB depending on scene activity</source>
        <extracomment>The disk space calm (%1) to busy (%2) scenes need, in gigabytes with one decimal.</extracomment>
        <translation>视场景活跃度为 %1–%2 GB</translation>
    </message>
    <message numerus="yes">
        <source>%1 to more than %2 drive(s) depending on scene activity</source>
        <extracomment>The drives calm (%1) to busy scenes need when busy scenes would need more than the largest array holds (%2, 512 drives); the plural follows %2.</extracomment>
        <translation>
            <numerusform>视场景活跃度为 %1 至超过 %2 块硬盘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1–%2 drive(s) depending on scene activity</source>
        <extracomment>The drives calm (%1) to busy (%2) scenes need; the plural follows the larger count, %2.</extracomment>
        <translation>
            <numerusform>视场景活跃度为 %1–%2 块硬盘</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds every retention with %1 % to spare; all retentions × %2 would still fit.</source>
        <extracomment>Whether a disk holds every group&apos;s retention: %1 the whole per cent of the disk left over, %2 the factor every retention could be multiplied by and still fit (&quot;1.23&quot;).</extracomment>
        <translation>可满足所有保存期，余量 %1 %；所有保存期 × %2 仍可容纳。</translation>
    </message>
    <message>
        <source>Falls short by %1; all retentions × %2 would fit.</source>
        <extracomment>A disk too small for every group&apos;s retention: %1 what is missing with its unit (&quot;4.1 TB&quot;), %2 the factor every retention would have to be multiplied by to fit (&quot;0.87&quot;).</extracomment>
        <translation>容量不足 %1；所有保存期 × %2 才可容纳。</translation>
    </message>
    <message>
        <source>%1 %2 %</source>
        <extracomment>One group in the list of those that need the most disk: %1 its name, %2 its whole per cent of the disk the plan needs.</extracomment>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separator between the groups of &quot;Largest: %1&quot;.</extracomment>
        <translation>， </translation>
    </message>
    <message>
        <source>Largest: %1</source>
        <extracomment>The groups that need the most disk and their shares of the whole: %1 the list (&quot;Plates (4) 38 %, Lobby (1) 21 %&quot;).</extracomment>
        <translation>占用最多：%1</translation>
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
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>Said when a folder was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a named pipe (FIFO) was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 是管道，不是磁盘上的文件，不予读取。</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a socket was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 是套接字，不是磁盘上的文件，不予读取。</translation>
    </message>
    <message>
        <source>%1 is a device, not a file stored on a disk, and is not read.</source>
        <extracomment>Said when a device (such as /dev/zero) was given where a plan or CSV file was expected; %1 is its path.</extracomment>
        <translation>%1 是设备，不是磁盘上的文件，不予读取。</translation>
    </message>
    <message>
        <source>The file %1 is too large to open (%2 MB; at most %3 MB).</source>
        <translation>文件 %1 太大，无法打开（%2 MB；最大 %3 MB）。</translation>
    </message>
</context>
<context>
    <name>GroupCsv</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>带引号的字段没有结束。</translation>
    </message>
    <message>
        <source>The column “%1” is missing.</source>
        <extracomment>Why a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.</extracomment>
        <translation>缺少“%1”列。</translation>
    </message>
    <message>
        <source>The device type must be IPC or DVR.</source>
        <translation>设备类型必须是 IPC 或 DVR。</translation>
    </message>
    <message>
        <source>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</source>
        <translation>用途必须是 1（预览）、2（录像）或 3（预览和录像）。</translation>
    </message>
    <message>
        <source>The column “%1” must hold Low, Medium or High.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and Low, Medium and High the values it may hold, all kept in English.</extracomment>
        <translation>列“%1”必须为 Low、Medium 或 High。</translation>
    </message>
    <message>
        <source>The column “%1” must hold yes or no.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and no the values it may hold, all kept in English.</extracomment>
        <translation>列“%1”必须为 yes 或 no。</translation>
    </message>
</context>
<context>
    <name>GroupLimits</name>
    <message>
        <source>A group has from %1 to %2 channels.</source>
        <extracomment>Why a channel group read from a file was refused.</extracomment>
        <translation>每组通道数为 %1 到 %2。</translation>
    </message>
    <message>
        <source>A bitrate is from %1 to %2 kbps.</source>
        <extracomment>Why a channel group read from a file was refused; the bitrate is per channel.</extracomment>
        <translation>每通道码率为 %1 到 %2 kbps。</translation>
    </message>
    <message>
        <source>A recording share is from %1 to %2 %.</source>
        <extracomment>Why a channel group read from a file was refused: the share of the time a group records.</extracomment>
        <translation>录像比例为 %1 到 %2 %。</translation>
    </message>
    <message numerus="yes">
        <source>A name has at most %n character(s).</source>
        <extracomment>Why a channel group read from a file was refused.</extracomment>
        <translation>
            <numerusform>名称最多 %n 个字符。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A text of the group is longer than %n character(s).</source>
        <extracomment>Why a channel group read from a file was refused: its encoding, resolution, frame rate, scene or extra text is far longer than any the program knows.</extracomment>
        <translation>
            <numerusform>该组的某项文字超过 %n 个字符。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A plan holds at most %n channel group(s); this one would have %1.</source>
        <extracomment>Why a plan or a CSV file was refused as a whole: %1 is how many channel groups it would have.</extracomment>
        <translation>
            <numerusform>一个方案最多 %n 个通道组；此处将有 %1 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportGroupsDialog</name>
    <message>
        <source>Import Groups</source>
        <extracomment>Title of the question whether channel groups read from a CSV file join the plan or take its place.</extracomment>
        <translation>导入分组</translation>
    </message>
    <message numerus="yes">
        <source>The plan already holds %n channel group(s). Add the groups from the file to them, or replace them?</source>
        <extracomment>Asked before channel groups read from a CSV file go into the plan; %n is how many groups the plan holds.</extracomment>
        <translation>
            <numerusform>方案中已有 %n 个通道分组。是将文件中的分组添加进去，还是替换它们？</numerusform>
        </translation>
    </message>
    <message>
        <source>Add to the plan</source>
        <extracomment>Button: the groups read from the file go after the plan&apos;s own (a verb phrase).</extracomment>
        <translation>添加到方案</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leave the plan&apos;s groups as they are and import nothing (a verb).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Replace the plan</source>
        <extracomment>Button: the groups read from the file take the place of every group of the plan (a verb phrase).</extracomment>
        <translation>替换方案</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::DeviceItemWidget</name>
    <message>
        <source>Delete group</source>
        <translation>删除通道组</translation>
    </message>
    <message>
        <source>Counts :</source>
        <extracomment>A card&apos;s channel-count caption before its group is set.</extracomment>
        <translation>数量：</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <extracomment>A card&apos;s bitrate caption before its group is set.</extracomment>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>场景名称：</translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation>数量：%1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <extracomment>A card&apos;s fixed per-channel bitrate (sic: the source text is kept as the program has always used it).
----------
A card&apos;s fixed per-channel bitrate.</extracomment>
        <translation>定码率：%1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>帧率：%1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>分辨率：%1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>编码类型：%1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>变码率：%1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>场景类型：%1</translation>
    </message>
    <message>
        <source>On motion %1 %</source>
        <extracomment>Beside a group&apos;s name: it records only on motion, %1 percent of the time.</extracomment>
        <translation>移动侦测 %1 %</translation>
    </message>
    <message>
        <source>Records on motion, %1 % of the time</source>
        <translation>移动侦测录像，占 %1 % 时间</translation>
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
            <numerusform>%n 通道</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>short recording share</comment>
        <extracomment>Short form of &quot;On motion %1 %&quot; beside a long group name.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <extracomment>Placeholder of a question dialog&apos;s text until its caller sets the question (&quot;Are you sure?&quot;).</extracomment>
        <translation>确定吗？</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>Title of a dialog that asks the user to confirm or cancel (a noun).</extracomment>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <extracomment>Button (an icon) that closes the message box: a verb.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Success</source>
        <extracomment>Title and picture name of a message box that reports a success.</extracomment>
        <translation>成功</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>Title and picture name of a message box that informs.</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title and picture name of a message box that reports an error.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a small message box (read by screen readers and the task bar).</extracomment>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>The plan %1 cannot be read.</source>
        <translation>无法读取方案 %1。</translation>
    </message>
    <message>
        <source>The file is not a storage plan.</source>
        <translation>该文件不是存储方案。</translation>
    </message>
    <message>
        <source>This plan was saved in format version %1 by a newer version of the program; this version reads format version %2 and older. Please update the program to open it.</source>
        <translation>此方案由较新版本的程序以格式版本 %1 保存；本版本只能读取格式版本 %2 及更早版本。请更新程序后再打开。</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” is missing.</source>
        <translation>方案已损坏：缺少字段“%1”。</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” has an invalid value.</source>
        <translation>方案已损坏：字段“%1”的值无效。</translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) had no number or one used twice, and were numbered anew.</source>
        <extracomment>Said after a plan was opened whose groups had no number, or numbers used twice.</extracomment>
        <translation>
            <numerusform>%n 个通道组没有编号或编号重复，已重新编号。</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan is too large (%1 MB; at most %2 MB).</source>
        <extracomment>Why a plan file was not read or written: %1 is its size and %2 the largest size read, both in MB.</extracomment>
        <translation>方案文件过大（%1 MB；最多 %2 MB）。</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <extracomment>System menu: start a new, empty plan (a verb).</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open…</source>
        <extracomment>System menu: open a plan file (a verb; the dots mean a file question follows).</extracomment>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>最近的方案</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>System menu: save the plan to its file (a verb).</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As…</source>
        <extracomment>System menu: save the plan to another file (a verb).</extracomment>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Export Groups to CSV…</source>
        <translation>导出通道组到 CSV…</translation>
    </message>
    <message>
        <source>Import Groups from CSV…</source>
        <translation>从 CSV 导入通道组…</translation>
    </message>
    <message>
        <source>No Recent Plans</source>
        <translation>没有最近的方案</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>Menu entry; %1 is the step it takes back, e.g. &quot;Undo Delete group&quot;.</extracomment>
        <translation>撤销%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>Menu entry; %1 is the step it does again, e.g. &quot;Redo Delete group&quot;.</extracomment>
        <translation>重做%1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>PlanReader</name>
    <message>
        <source>Opening %1 …</source>
        <extracomment>Shown in the main window while a plan file is still being read; %1 is the file&apos;s name.</extracomment>
        <translation>正在打开 %1 …</translation>
    </message>
</context>
<context>
    <name>PlanSession</name>
    <message>
        <source>TAVO storage plans (*.tavoplan)</source>
        <translation>TAVO 存储方案 (*.tavoplan)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Name of a plan that was never saved, shown in the title bar.</extracomment>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>The plan %1 was not opened. %2</source>
        <translation>未打开方案 %1。%2</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>方案另存为</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. The file there is as it was before, and the plan keeps its unsaved changes.</source>
        <translation>无法将方案保存到 %1。该处文件保持原样，方案中未保存的更改仍然保留。</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. It keeps its unsaved changes.</source>
        <translation>无法将方案保存到 %1。未保存的更改仍然保留。</translation>
    </message>
    <message>
        <source>The plan has no channel groups to export.</source>
        <translation>方案中没有可导出的通道组。</translation>
    </message>
    <message>
        <source>Export Groups to CSV</source>
        <translation>导出通道组到 CSV</translation>
    </message>
    <message>
        <source>The groups could not be written to %1. Any file there is as it was before.</source>
        <translation>无法将通道组写入 %1。该处已有的文件保持原样。</translation>
    </message>
    <message>
        <source>Import Groups from CSV</source>
        <translation>从 CSV 导入通道组</translation>
    </message>
    <message>
        <source>%1 separates its columns with semicolons. Save it from the spreadsheet as CSV with commas and import it again.</source>
        <translation>%1 用分号分隔各列。请在电子表格中另存为以逗号分隔的 CSV 后再导入。</translation>
    </message>
    <message>
        <source>No groups were imported from %1. Line %2: %3</source>
        <translation>未从 %1 导入任何通道组。第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1 holds no channel groups.</source>
        <translation>%1 中没有通道组。</translation>
    </message>
    <message>
        <source>Restore Plan</source>
        <translation>恢复方案</translation>
    </message>
    <message>
        <source>The program did not end normally. Restore the plan you were working on?</source>
        <translation>程序上次没有正常退出。要恢复您正在编辑的方案吗？</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button: bring back the plan left by a program that did not end normally (a verb).</extracomment>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: throw the left-behind plan away (a verb).</extracomment>
        <translation>放弃</translation>
    </message>
    <message>
        <source>The plan could not be restored. %1</source>
        <translation>无法恢复方案。%1</translation>
    </message>
    <message>
        <source>Change calculator input</source>
        <extracomment>Undo history: a change of the disk size, retention, hours or disk array (&quot;Undo Change calculator input&quot;).</extracomment>
        <translation>修改计算参数</translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) written to %1.</source>
        <extracomment>Said after an export: %n is how many channel groups were written, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>已将 %n 个通道分组写入 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>No groups were imported from %1.</source>
        <extracomment>Said when every row of a CSV file of channel groups was refused; the refused rows follow.</extracomment>
        <translation>未从 %1 导入任何分组。</translation>
    </message>
    <message numerus="yes">
        <source>The plan&apos;s groups were replaced by %n channel group(s) read from %1.</source>
        <extracomment>Said after an import that replaced the plan&apos;s groups: %n is how many were read, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>方案的分组已替换为从 %1 读取的 %n 个通道分组。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel group(s) read from %1 and added to the plan.</source>
        <extracomment>Said after an import: %n is how many channel groups were read and added to the plan, %1 the CSV file.</extracomment>
        <translation>
            <numerusform>已从 %1 读取 %n 个通道分组并添加到方案。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) refused:</source>
        <extracomment>Heads the rows of an imported CSV file that were not read, listed one a line below; %n is how many.</extracomment>
        <translation>
            <numerusform>%n 行被拒绝：</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>One refused row of an imported CSV file: %1 is its line number, %2 why it was refused.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends the list of refused rows of an imported CSV file: %n is how many more were refused than listed.</extracomment>
        <translation>
            <numerusform>另有 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan %1 cannot be read.</source>
        <extracomment>%1 is the path of a plan file that does not exist or may not be read.</extracomment>
        <translation>无法读取方案 %1。</translation>
    </message>
    <message>
        <source>The plan was not saved to %1. %2</source>
        <extracomment>%1 is the path the plan was to be saved to, %2 why a plan that large is not written.</extracomment>
        <translation>方案未保存到 %1。%2</translation>
    </message>
</context>
<context>
    <name>RecoveryWriteHint</name>
    <message>
        <source>Your unsaved changes are not protected against a crash: %1 could not be written. Save the plan to keep them.</source>
        <extracomment>Said once when the copy that keeps unsaved changes safe against a crash cannot be written; %1 is its file.</extracomment>
        <translation>未保存的更改无法防止崩溃丢失：无法写入 %1。请保存方案以保留更改。</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Writing the report…</source>
        <extracomment>Shown under the device list while the PDF report is being written.</extracomment>
        <translation>正在生成报告…</translation>
    </message>
    <message>
        <source>Report progress</source>
        <extracomment>What a screen reader says for the progress bar of the report being written.</extracomment>
        <translation>报告进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops writing the report (a verb).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop writing the report</source>
        <extracomment>What a screen reader says for the button that stops writing the report.</extracomment>
        <translation>停止生成报告</translation>
    </message>
</context>
<context>
    <name>RetentionPolicy</name>
    <message>
        <source>A group keeps its video from 1 to %1 days.</source>
        <extracomment>A group&apos;s own retention refused: %1 the longest a tier may be kept, in days.</extracomment>
        <translation>通道组的录像保存时间为 1 到 %1 天。</translation>
    </message>
    <message>
        <source>A day has from 0 to %1 recording hours.</source>
        <extracomment>A group&apos;s recording schedule refused: %1 the hours of a whole day.</extracomment>
        <translation>每天录像时长为 0 到 %1 小时。</translation>
    </message>
    <message>
        <source>The group records no hours at all.</source>
        <translation>该通道组没有任何录像时间。</translation>
    </message>
    <message>
        <source>Events are kept from 0 to %1 days more.</source>
        <extracomment>The days motion events are kept after continuous video, refused: %1 the longest.</extracomment>
        <translation>事件录像可再保存 0 到 %1 天。</translation>
    </message>
    <message>
        <source>Motion takes from 1 to 99 % of the time.</source>
        <translation>移动侦测占用时间为 1 到 99 %。</translation>
    </message>
    <message>
        <source>Say how much of the time has motion, so that the events kept can be counted.</source>
        <translation>请填写有移动的时间比例，以便计算保存的事件录像。</translation>
    </message>
    <message>
        <source>A group recorded on motion keeps its events as long as its retention says.</source>
        <translation>移动侦测录像的通道组按其保存时间保存事件录像。</translation>
    </message>
    <message>
        <source>The sub-stream is kept from 0 to %1 days more.</source>
        <extracomment>The days the sub-stream is kept after the main stream, refused: %1 the longest.</extracomment>
        <translation>子码流可再保存 0 到 %1 天。</translation>
    </message>
    <message>
        <source>The sub-stream needs a rate of at least 1 kbps.</source>
        <translation>子码流码率至少为 1 kbps。</translation>
    </message>
    <message>
        <source>The sub-stream&apos;s rate cannot pass the main stream&apos;s.</source>
        <translation>子码流码率不能超过主码流码率。</translation>
    </message>
    <message>
        <source>AAC audio takes from %1 to %2 kbps.</source>
        <extracomment>The rate of AAC audio refused: %1 and %2 the lowest and highest rate in kbps.</extracomment>
        <translation>AAC 音频码率为 %1 到 %2 kbps。</translation>
    </message>
</context>
<context>
    <name>RetentionPolicyCsv</name>
    <message>
        <source>The column “%1” must hold a number.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.</extracomment>
        <translation>列“%1”必须为数字。</translation>
    </message>
    <message>
        <source>The column “%1” must hold yes or no.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and no the values it may hold, all kept in English.</extracomment>
        <translation>列“%1”必须为 yes 或 no。</translation>
    </message>
    <message>
        <source>The column “%1” must hold days, weeks or months.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and days, weeks and months the values it may hold, all kept in English.</extracomment>
        <translation>列“%1”必须为 days、weeks 或 months。</translation>
    </message>
    <message>
        <source>The column “%1” must hold none, G.711, G.726-16, G.726-32 or AAC.</source>
        <extracomment>Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and the audio names after it the values it may hold, all kept in English.</extracomment>
        <translation>列“%1”必须为 none、G.711、G.726-16、G.726-32 或 AAC。</translation>
    </message>
</context>
<context>
    <name>RetentionPolicyText</name>
    <message numerus="yes">
        <source>%n d</source>
        <comment>retention badge</comment>
        <extracomment>Badge on a group&apos;s card: it keeps its video %n days (&quot;90 d&quot;). Keep it very short.</extracomment>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>events %n d</source>
        <extracomment>Badge on a group&apos;s card: its motion events are kept %n days after its video. Keep it very short.</extracomment>
        <translation>
            <numerusform>事件 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sub %n d</source>
        <extracomment>Badge on a group&apos;s card: its sub-stream is kept %n days after its main stream. Keep it very short.</extracomment>
        <translation>
            <numerusform>子码流 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>audio</source>
        <comment>badge</comment>
        <extracomment>Badge on a group&apos;s card: it records audio with its video. Keep it very short.</extracomment>
        <translation>音频</translation>
    </message>
    <message numerus="yes">
        <source>kept %n day(s)</source>
        <extracomment>Read out for a group&apos;s card: it keeps its video %n days.</extracomment>
        <translation>
            <numerusform>保存 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>events kept %n more day(s)</source>
        <extracomment>Read out for a group&apos;s card: its motion events are kept %n days longer than its video.</extracomment>
        <translation>
            <numerusform>事件再保存 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sub-stream kept %n more day(s)</source>
        <extracomment>Read out for a group&apos;s card: its sub-stream is kept %n days longer than its main stream.</extracomment>
        <translation>
            <numerusform>子码流再保存 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>audio %1</source>
        <extracomment>Read out for a group&apos;s card: it records audio with this codec (%1, &quot;G.711&quot;).</extracomment>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list separator</comment>
        <extracomment>Between the phrases of a group&apos;s retention read out for its card.</extracomment>
        <translation>， </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>retention</comment>
        <extracomment>A group&apos;s own retention in the report: %n days.</extracomment>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h a day</source>
        <extracomment>A group&apos;s recording schedule in the report: %1 hours every day.</extracomment>
        <translation>每天 %1 小时</translation>
    </message>
    <message>
        <source>%1 h on weekdays, %2 h at weekends</source>
        <extracomment>A group&apos;s recording schedule in the report: %1 hours on each weekday, %2 hours on each day of the weekend.</extracomment>
        <translation>工作日 %1 小时，周末 %2 小时</translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 % motion</source>
        <extracomment>A group&apos;s motion events in the report: kept %n days after its video; %1 the percentage of the time with motion.</extracomment>
        <translation>
            <numerusform>再保存 %n 天，运动占比 %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 fps</source>
        <comment>sub-stream</comment>
        <extracomment>A sub-stream&apos;s frame rate in the report: %1 frames per second.</extracomment>
        <translation>%1 帧/秒</translation>
    </message>
    <message>
        <source>%1, %2 fps</source>
        <comment>sub-stream</comment>
        <extracomment>A sub-stream&apos;s resolution (%1, &quot;720P&quot;) and frame rate (%2 frames per second) in the report.</extracomment>
        <translation>%1，%2 帧/秒</translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 kbps</source>
        <extracomment>A group&apos;s sub-stream in the report: kept %n days after the main stream at %1 kbps per channel.</extracomment>
        <translation>
            <numerusform>再保存 %n 天，%1 kbps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more day(s) at %1 kbps (%2)</source>
        <extracomment>A group&apos;s sub-stream in the report: kept %n days after the main stream at %1 kbps per channel; %2 its resolution and frame rate (&quot;720P, 15 fps&quot;).</extracomment>
        <translation>
            <numerusform>再保存 %n 天，%1 kbps（%2）</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <comment>audio</comment>
        <extracomment>A group&apos;s audio in the report: it records none.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>%1, %2 kbps</source>
        <comment>audio</comment>
        <extracomment>A group&apos;s audio in the report: %1 the codec (&quot;G.711&quot;), %2 its rate per channel in kbps.</extracomment>
        <translation>%1，%2 kbps</translation>
    </message>
</context>
<context>
    <name>RetentionSection</name>
    <message>
        <source>Retention</source>
        <extracomment>Heading of the editor&apos;s section that opens a channel group&apos;s own retention; closed, the plan&apos;s counts.</extracomment>
        <translation>保存期</translation>
    </message>
    <message>
        <source>Open to give this group a retention of its own; closed, it follows the plan</source>
        <translation>展开可为本组设置自己的保存期；收起则沿用方案设置</translation>
    </message>
    <message numerus="yes">
        <source>How long the group keeps its video, from 1 to %n day(s) in all</source>
        <extracomment>Tool tip of a group&apos;s own retention; %n the longest, in days.</extracomment>
        <translation>
            <numerusform>本组视频的保存时长，共 1 至 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>天</translation>
    </message>
    <message>
        <source>weeks</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>周</translation>
    </message>
    <message>
        <source>months</source>
        <extracomment>Unit of a group&apos;s own retention, chosen beside its count.</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>A week counts 7 days, a month 30</source>
        <translation>一周按 7 天，一个月按 30 天计</translation>
    </message>
    <message>
        <source>Retention unit</source>
        <translation>保存期单位</translation>
    </message>
    <message>
        <source>Keep video for :</source>
        <extracomment>Caption of the retention count of a group&apos;s own policy.</extracomment>
        <translation>保存时长：</translation>
    </message>
    <message>
        <source>Recording hours a day, from 0 to %1</source>
        <extracomment>Tool tip of a recording-hours field: %1 the hours of a whole day.</extracomment>
        <translation>每天录像小时数，0 至 %1</translation>
    </message>
    <message>
        <source>Hours a day :</source>
        <translation>每天小时数：</translation>
    </message>
    <message>
        <source>Separate weekday and weekend hours</source>
        <translation>工作日与周末分别设置</translation>
    </message>
    <message>
        <source>Recording hours on each of the five weekdays, from 0 to %1</source>
        <extracomment>Tool tip: %1 the hours of a whole day.</extracomment>
        <translation>五个工作日每天的录像小时数，0 至 %1</translation>
    </message>
    <message>
        <source>Weekday hours :</source>
        <translation>工作日小时数：</translation>
    </message>
    <message>
        <source>Recording hours on each day of the weekend, from 0 to %1</source>
        <extracomment>Tool tip: %1 the hours of a whole day.</extracomment>
        <translation>周末每天的录像小时数，0 至 %1</translation>
    </message>
    <message>
        <source>Weekend hours :</source>
        <translation>周末小时数：</translation>
    </message>
    <message numerus="yes">
        <source>Days motion events are kept after the video, from 0 to %n; 0 keeps none</source>
        <extracomment>Tool tip: motion events of a continuous group kept after its video; %n the most days.</extracomment>
        <translation>
            <numerusform>视频之后运动事件再保存的天数，0 至 %n；0 表示不保存</numerusform>
        </translation>
    </message>
    <message>
        <source>Events kept (days) :</source>
        <extracomment>Caption: days motion events are kept after the group&apos;s video.</extracomment>
        <translation>事件保存（天）：</translation>
    </message>
    <message>
        <source>Share of the time with motion, from 1 to 99 %</source>
        <translation>有运动的时间占比，1 至 99 %</translation>
    </message>
    <message>
        <source>Motion share (%) :</source>
        <extracomment>Caption: the share of a continuous group&apos;s time that has motion, in percent.</extracomment>
        <translation>运动占比（%）：</translation>
    </message>
    <message>
        <source>Recorded on motion: the retention above is how long its events are kept.</source>
        <translation>按运动录像：上方保存期即事件的保存时长。</translation>
    </message>
    <message numerus="yes">
        <source>Days the sub-stream is kept after the main stream, from 0 to %n; 0 keeps none</source>
        <extracomment>Tool tip; %n the most days.</extracomment>
        <translation>
            <numerusform>主码流之后子码流再保存的天数，0 至 %n；0 表示不保存</numerusform>
        </translation>
    </message>
    <message>
        <source>Sub-stream kept (days) :</source>
        <extracomment>Caption: days the sub-stream is kept after the main stream.</extracomment>
        <translation>子码流保存（天）：</translation>
    </message>
    <message>
        <source>Resolution of the sub-stream</source>
        <translation>子码流分辨率</translation>
    </message>
    <message>
        <source>Sub-stream resolution :</source>
        <translation>子码流分辨率：</translation>
    </message>
    <message>
        <source>Frames per second of the sub-stream</source>
        <translation>子码流每秒帧数</translation>
    </message>
    <message>
        <source>Sub-stream frame rate :</source>
        <translation>子码流帧率：</translation>
    </message>
    <message>
        <source>Rate of the sub-stream per channel, from 1 kbps up to the main stream&apos;s; recommended from the tables unless typed</source>
        <translation>每通道子码流码率，1 kbps 至主码流码率；未手动输入时按码率表推荐</translation>
    </message>
    <message>
        <source>Sub-stream rate (kbps) :</source>
        <translation>子码流码率（kbps）：</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Audio recorded with a group&apos;s video: no audio at all.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>G.711 (64 kbps)</source>
        <extracomment>Audio codecs with their rate per channel; names, usually left as they are.</extracomment>
        <translation>G.711（64 kbps）</translation>
    </message>
    <message>
        <source>G.726 (16 kbps)</source>
        <translation>G.726（16 kbps）</translation>
    </message>
    <message>
        <source>G.726 (32 kbps)</source>
        <translation>G.726（32 kbps）</translation>
    </message>
    <message>
        <source>AAC</source>
        <translation>AAC</translation>
    </message>
    <message>
        <source>Audio recorded with the video</source>
        <translation>随视频录制的音频</translation>
    </message>
    <message>
        <source>Audio :</source>
        <translation>音频：</translation>
    </message>
    <message>
        <source>Rate of the AAC audio per channel, from %1 to %2 kbps</source>
        <extracomment>Tool tip: %1 and %2 the lowest and highest rate of AAC audio.</extracomment>
        <translation>每通道 AAC 音频码率，%1 至 %2 kbps</translation>
    </message>
    <message>
        <source>AAC rate (kbps) :</source>
        <translation>AAC 码率（kbps）：</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save Changes</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>要保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button of the question about unsaved changes (a verb).</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: keep the plan open and do nothing (a verb).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: go on without saving the changes (a verb).</extracomment>
        <translation>不保存</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <extracomment>Caption over the list of recording scenes (kinds of place: hospital, street…) in the editor.</extracomment>
        <translation>场景：</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <extracomment>Shown in place of a scene&apos;s picture that could not be loaded.</extracomment>
        <translation>获取图片失败</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <extracomment>Caption over the figure of the disk space the wanted retention needs.</extracomment>
        <translation>所需硬盘容量：</translation>
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
        <translation>更新数据</translation>
    </message>
    <message>
        <source>Export Data</source>
        <extracomment>Button: writes the template of the scene file (a verb).</extracomment>
        <translation>导出模板</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <extracomment>Button: reads a filled-in scene template (a verb; the source&apos;s spelling is &quot;Template&quot;).</extracomment>
        <translation>导入模板</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <extracomment>Placeholder of a small status icon; never shown once the dialog has reported anything.</extracomment>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <extracomment>Placeholder of the status line; never shown once the dialog has reported anything.</extracomment>
        <translation>tip text</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <extracomment>Note: imported scenes apply after the program is started again.</extracomment>
        <translation>提示：需要重启</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <extracomment>Status after writing the scene template: it was written.</extracomment>
        <translation>导出成功。</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <extracomment>Status after writing the scene template: it was not written.</extracomment>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <extracomment>Status after reading a scene file: it was taken and applies after the program is started again.</extracomment>
        <translation>导入成功，重启软件后生效。</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <extracomment>Status after reading a scene file: it was refused (the reason follows).</extracomment>
        <translation>导入失败。</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
        <extracomment>The scene template&apos;s rows: comma-separated columns, each row ending in a line break. Translate the column names and the sample scene name (Hospital); keep the commas, codec, resolution, numbers and path.</extracomment>
        <translation>场景,编码,分辨率,推荐码率(kbps),图片路径
</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png
</source>
        <translation>医院,H.265,720P,1204,D:\scene\hospital1.png
</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png
</source>
        <translation>医院,H.264,1080P,2048,D:\scene\hospital2.png
</translation>
    </message>
    <message>
        <source>Save File</source>
        <extracomment>Title of the file dialog that saves the scene template.</extracomment>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>文件受写保护。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The first line must be the column header of the template.</source>
        <translation>第一行必须是模板的列标题。</translation>
    </message>
    <message>
        <source>A row needs at least scene, encoding, resolution and bitrate.</source>
        <translation>每行至少需要场景、编码、分辨率和码率。</translation>
    </message>
    <message>
        <source>The scene name is empty.</source>
        <translation>场景名称为空。</translation>
    </message>
    <message>
        <source>The encoding is not one of the program&apos;s encodings.</source>
        <translation>该编码不是本程序支持的编码。</translation>
    </message>
    <message>
        <source>The resolution is not one of that encoding&apos;s resolutions.</source>
        <translation>该分辨率不属于此编码的分辨率。</translation>
    </message>
    <message>
        <source>The bitrate must be a whole number from 1 to 204800.</source>
        <translation>码率必须是 1 到 204800 之间的整数。</translation>
    </message>
    <message>
        <source>The file holds no scenes.</source>
        <translation>文件中没有场景。</translation>
    </message>
    <message>
        <source>The scene file could not be written; nothing was changed.</source>
        <translation>无法写入场景文件，未做任何更改。</translation>
    </message>
    <message>
        <source>Open File</source>
        <extracomment>Title of the file dialog that picks a scene file to import.</extracomment>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a scene file was refused: %1 the line number in the file, %2 the reason (a sentence).</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <extracomment>After an import: %n scene pictures could not be copied; %1 lists their file names.</extracomment>
        <translation>
            <numerusform>%n 张图片无法复制：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <extracomment>Status after writing the scene template: %1 is the file&apos;s path.</extracomment>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The scene file and the pictures it names are copied to your data folder, %1. The new scenes are used after a restart.</source>
        <extracomment>%1 is the user&apos;s data folder, where the imported scene file and its pictures are copied to.</extracomment>
        <translation>替换可变码率模式的录像场景：导出模板，按每个场景、编码和分辨率各填一行，然后导入。场景文件及其中引用的图片会复制到您的数据文件夹 %1。新场景在重启后生效。</translation>
    </message>
    <message>
        <source>Import Incomplete.</source>
        <extracomment>Status after reading a scene file: its scenes were taken, but not every picture it names could be copied (what was taken and what failed follows).</extracomment>
        <translation>导入未完成。</translation>
    </message>
    <message numerus="yes">
        <source>%n scene row(s) imported; the scenes are used after a restart.</source>
        <extracomment>After an import that was not complete: %n rows of the scene file were taken.</extracomment>
        <translation>
            <numerusform>已导入 %n 行场景；场景在重启后生效。</numerusform>
        </translation>
    </message>
    <message>
        <source>The picture must lie beside the imported file or in a folder below it.</source>
        <extracomment>Why a scene row was refused: its picture path leaves the folder of the imported file (absolute, &quot;..&quot;, or a link leading elsewhere); pictures are only copied from that folder or its subfolders.</extracomment>
        <translation>图片必须位于导入文件所在的文件夹或其子文件夹中。</translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <extracomment>Button: opens the download page of the newer version (a verb).
----------
Title of the dialog that offers a newer version of the program (a noun).</extracomment>
        <translation>升级</translation>
    </message>
    <message>
        <source>Update</source>
        <extracomment>What a screen reader says for the icon of the dialog that offers a newer version (a noun).</extracomment>
        <translation>更新</translation>
    </message>
    <message>
        <source>New version found</source>
        <extracomment>Followed by the newer version&apos;s number (&quot;4.1.0.2&quot;).</extracomment>
        <translation>发现新版本</translation>
    </message>
    <message>
        <source>No Prompt</source>
        <extracomment>Check box: do not offer newer versions at start any more.</extracomment>
        <translation>不再提示</translation>
    </message>
    <message>
        <source>Could not check for updates: no update server is set up.</source>
        <translation>无法检查更新：未设置更新服务器。</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server address is not valid.</source>
        <translation>无法检查更新：更新服务器地址无效。</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server could not be reached.</source>
        <translation>无法检查更新：无法连接更新服务器。</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server&apos;s answer was not understood.</source>
        <translation>无法检查更新：无法识别更新服务器的应答。</translation>
    </message>
    <message>
        <source>The download page could not be opened: %1</source>
        <translation>无法打开下载页面：%1</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <extracomment>Under the newer version&apos;s number: the site the &quot;Upgrade&quot; button opens (a host name, e.g. example.com).</extracomment>
        <translation>从 %1 下载</translation>
    </message>
    <message>
        <source>The update server named no download page.</source>
        <extracomment>Under the newer version&apos;s number when the update server named no page to download it from.</extracomment>
        <translation>更新服务器未提供下载页面。</translation>
    </message>
    <message>
        <source>Not opened: the download address is not https.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because its address is not https.</extracomment>
        <translation>未打开：下载地址不是 https。</translation>
    </message>
    <message>
        <source>Not opened: the download address holds a user name.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because a user name or password stands before its site in the address (&quot;https://name@site/&quot;), which can disguise the site.</extracomment>
        <translation>未打开：下载地址中含有用户名。</translation>
    </message>
    <message numerus="yes">
        <source>Not opened: the download address is over %n characters.</source>
        <extracomment>Under the newer version&apos;s number: the download page is refused because its address is too long.</extracomment>
        <translation>
            <numerusform>未打开：下载地址超过 %n 个字符。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO 存储计算器</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Title of the question before the program closes (a verb).</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit the TAVO storage calculator software?</source>
        <translation>确定退出 TAVO 存储计算器吗？</translation>
    </message>
    <message>
        <source>Update Data…</source>
        <translation>更新数据…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Currently the latest version.</source>
        <translation>当前已是最新版本。</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>System menu: the submenu choosing the program&apos;s language.
----------
Title of the question whether to restart in the language just chosen.</extracomment>
        <translation>语言</translation>
    </message>
    <message>
        <source>The language could not be saved: %1 could not be written.</source>
        <translation>无法保存语言：无法写入 %1。</translation>
    </message>
    <message>
        <source>The new language applies when the program starts again. Restart now?</source>
        <translation>新语言将在程序重新启动后生效。现在重新启动吗？</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restart the program now (a verb).</extracomment>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button: keep working and use the new language from the next start.</extracomment>
        <translation>稍后</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>plan name, program name</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>System menu</source>
        <extracomment>The menu behind the title bar&apos;s menu button, as a screen reader names it.</extracomment>
        <translation>系统菜单</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <extracomment>Name of the frame around the list of channel groups (read by screen readers): &quot;Device list&quot;.</extracomment>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>Shown in place of the empty list of channel groups: the list is empty, add a group. Keep the tags.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;暂无设备，&lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;请添加设备！&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <extracomment>Title of the question asked at start on a small screen.</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <source>TAVO storage calculator is already running.</source>
        <translation>TAVO 存储计算器已在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <extracomment>Asked at start when the screen is smaller than 1024 × 768 pixels; the answer is yes (Confirm) or no.</extracomment>
        <translation>显示器分辨率低于 1024*768，确定要启动程序吗？</translation>
    </message>
    <message>
        <source>The program could not be restarted. Please start it again yourself.</source>
        <translation>无法重新启动程序。请手动重新启动。</translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <source>null content</source>
        <extracomment>Placeholder of a dialog&apos;s text until its caller sets one; hardly ever seen.</extracomment>
        <translation>无内容</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>Button of a dialog: accepts (a verb).</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of a dialog: closes it without doing anything (a verb).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Title of a short message with a close button only.</extracomment>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <extracomment>Name and tooltip of the program-icon button at the left of a title bar, which opens the system menu.</extracomment>
        <translation>应用程序菜单</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Name and tooltip of a title-bar button (an icon) that opens the options.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Name and tooltip of a title-bar button (an icon): a verb.</extracomment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <extracomment>Title of the about panel (the program&apos;s name, version and licences).</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Program icon</source>
        <extracomment>What a screen reader says for the program&apos;s icon in the about panel.</extracomment>
        <translation>程序图标</translation>
    </message>
    <message>
        <source>Version %1, build %2</source>
        <extracomment>The about panel&apos;s version line until the program sets its own: %1 the version number, %2 the build date as yyyymmdd.</extracomment>
        <translation>版本 %1，构建 %2</translation>
    </message>
</context>
<context>
    <name>aptui::InputTip</name>
    <message>
        <source>Whole numbers from %1 to %2</source>
        <extracomment>Tip under a field that takes whole numbers: %1 the least, %2 the greatest it takes.</extracomment>
        <translation>可输入 %1 到 %2 的整数</translation>
    </message>
    <message numerus="yes">
        <source>Numbers from %1 to %2, up to %n decimal place(s)</source>
        <extracomment>Tip under a field that takes decimals: %1 the least, %2 the greatest, %n the decimals it takes. The field takes a point as the decimal sign in every language: %1 and %2 are written with one.</extracomment>
        <translation>
            <numerusform>可输入 %1 到 %2 的数字，最多 %n 位小数</numerusform>
        </translation>
    </message>
    <message>
        <source>This input is not accepted here</source>
        <extracomment>Tip under a field when a key or paste was refused.</extracomment>
        <translation>此处不接受该输入</translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <extracomment>State text on a toggle switch (on, as opposed to off); keep it very short.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>State text on a toggle switch (off, as opposed to on); keep it very short.</extracomment>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>aptui::WindowTitle</name>
    <message>
        <source>Application icon</source>
        <translation>应用程序图标</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Title-bar button that shrinks the window to the taskbar (a verb).
----------
Tool tip of the same title-bar button (a verb).</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Title-bar button that closes the window (a verb).
----------
Tool tip of the same title-bar button (a verb).</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>系统菜单</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Title-bar button: &quot;Restore&quot; brings a maximised window back to its size, &quot;Maximize&quot; fills the screen (verbs).</extracomment>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>TAVO storage calculator</source>
        <extracomment>The program&apos;s name, as the key of its single running instance (read before any translation is loaded).</extracomment>
        <translation>TAVO 存储计算器</translation>
    </message>
</context>
</TS>
