<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO 存储计算器</translation>
    </message>
    <message>
        <source>v4.0.0.50build</source>
        <translation>v4.0.0.50build</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>用户帮助</translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
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
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <translation>IPC 数量</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation>DVR 数量</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation>总带宽(%1)</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <translation>容量计算：</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
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
        <translation>天</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>个月</translation>
    </message>
    <message>
        <source>Months(s)</source>
        <translation>个月</translation>
    </message>
    <message>
        <source> Day(s)</source>
        <translation> 天</translation>
    </message>
    <message>
        <source> Week(s)</source>
        <translation> 周</translation>
    </message>
    <message>
        <source> Month(s)</source>
        <translation> 个月</translation>
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
        <translation>时间计算</translation>
    </message>
    <message>
        <source>CalDisk</source>
        <translation>容量计算</translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <translation>带宽计算</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>硬盘容量： </translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>每天录像：</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>保存时间：</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>天</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>周</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>月</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>每天录像：</translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>磁盘阵列</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n 周</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n 个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <translation>录像可保存：</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>按天</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>天</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>按周</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>周</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>个月</translation>
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
        <translation>清空</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>确定清空所有通道吗？</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Failed to save the file.</source>
        <translation>保存文件失败。</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <translation>帧率(fps)</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码类型</translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <translation>推荐码率(kbps)</translation>
    </message>
    <message>
        <source>Space Given</source>
        <translation>按硬盘容量</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <translation>每天录像时长</translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <translation>录像天数</translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <translation>录像周数</translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <translation>录像月数</translation>
    </message>
    <message>
        <source>Time Given</source>
        <translation>按录像时长</translation>
    </message>
    <message>
        <source>Recording Time</source>
        <translation>录像时长</translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <translation>所需硬盘容量</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Total device number</source>
        <translation>设备总数</translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <translation>总带宽</translation>
    </message>
    <message>
        <source>Add a device first.</source>
        <translation>请先添加设备。</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>精确值</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>通道组</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>存储方案</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Storage bitrate</source>
        <translation>存储码率</translation>
    </message>
    <message>
        <source>Disk for %1</source>
        <translation>保存 %1 所需硬盘</translation>
    </message>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO 存储计算器</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Storage by channel group</source>
        <translation>各通道组的存储占比</translation>
    </message>
    <message>
        <source>No channel group is recorded.</source>
        <translation>没有录像的通道组。</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n groups)</source>
        <translation>
            <numerusform>其他（%n 组）</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to:</source>
        <translation>已保存到：</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>不录像</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>On motion, %1 %</source>
        <translation>移动侦测，%1 %</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Scene Activity</source>
        <translation>场景活跃度</translation>
    </message>
    <message>
        <source>%1 × %2 TB</source>
        <translation>%1 × %2 TB</translation>
    </message>
    <message numerus="yes">
        <source>%1 + %n spare(s)</source>
        <translation>
            <numerusform>%1 + %n 块热备盘</numerusform>
        </translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <translation>%1 TB（%2 TiB）</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>RAID Level</source>
        <translation>RAID 级别</translation>
    </message>
    <message>
        <source>Hot Spares</source>
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
        <translation>每天 %1 小时可保存</translation>
    </message>
    <message>
        <source>Drives for %1</source>
        <translation>%1 所需硬盘</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>Cannot be built</source>
        <translation>无法组建</translation>
    </message>
    <message>
        <source>%1, keeps %2</source>
        <translation>%1，可保存 %2</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s)</source>
        <translation>
            <numerusform>%n 块硬盘</numerusform>
        </translation>
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
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation>通道名称</translation>
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
        <translation>定码率</translation>
    </message>
    <message>
        <source>VarRate</source>
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
        <translation>编辑通道组</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <translation>复制通道组</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>删除通道组</translation>
    </message>
</context>
<context>
    <name>DiskArray</name>
    <message>
        <source>A drive holds from %1 to %2 TB.</source>
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
        <translation>无 RAID</translation>
    </message>
</context>
<context>
    <name>DiskArrayPage</name>
    <message>
        <source>Drive size (TB) :</source>
        <translation>单盘容量（TB）：</translation>
    </message>
    <message>
        <source>Drives :</source>
        <translation>硬盘数量：</translation>
    </message>
    <message>
        <source>RAID level :</source>
        <translation>RAID 级别：</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>热备盘：</translation>
    </message>
    <message>
        <source>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</source>
        <translation>原始容量：%1 TB
可用容量：%2 TB（%3 TiB）</translation>
    </message>
    <message>
        <source>Add a device to see how long the array keeps video.</source>
        <translation>添加设备后即可查看阵列可保存录像的时长。</translation>
    </message>
    <message>
        <source>Keeps %1 days at %2 h a day</source>
        <translation>每天录像 %2 小时可保存 %1 天</translation>
    </message>
    <message>
        <source>Records no hours a day.</source>
        <translation>每天录像 0 小时。</translation>
    </message>
    <message numerus="yes">
        <source>For %1: %n drive(s)</source>
        <translation>
            <numerusform>保存 %1：%n 块硬盘</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExactFigures</name>
    <message>
        <source>%1 days · %2 weeks · %3 months</source>
        <translation>%1 天 · %2 周 · %3 月</translation>
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
        <translation>视场景活跃度为 %1–%2 天</translation>
    </message>
    <message>
        <source>%1–%2 TB depending on scene activity</source>
        <translation>视场景活跃度为 %1–%2 TB</translation>
    </message>
    <message>
        <source>%1–%2 GB depending on scene activity</source>
        <translation>视场景活跃度为 %1–%2 GB</translation>
    </message>
    <message>
        <source>%1–%2 drives depending on scene activity</source>
        <translation>视场景活跃度为 %1–%2 块硬盘</translation>
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
        <translation>缺少“%1”列。</translation>
    </message>
    <message>
        <source>The number of channels must be a whole number of at least 1.</source>
        <translation>通道数必须是不小于 1 的整数。</translation>
    </message>
    <message>
        <source>The device type must be IPC or DVR.</source>
        <translation>设备类型必须是 IPC 或 DVR。</translation>
    </message>
    <message>
        <source>The bitrate must be a number greater than 0 and at most 204800 kbps.</source>
        <translation>码率必须是大于 0 且不超过 204800 kbps 的数字。</translation>
    </message>
    <message>
        <source>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</source>
        <translation>用途必须是 1（预览）、2（录像）或 3（预览和录像）。</translation>
    </message>
    <message>
        <source>The recording share must be a whole number from 1 to 100 (percent).</source>
        <translation>录像占比必须是 1 到 100 之间的整数（百分比）。</translation>
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
        <translation>数量：</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
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
        <translation>移动侦测 %1 %</translation>
    </message>
    <message>
        <source>Records on motion, %1 % of the time</source>
        <translation>移动侦测录像，占 %1 % 时间</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <translation>确定吗？</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
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
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>最近的方案</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As…</source>
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
        <translation>未命名</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>The file %1 is too large to open (%2 MB; at most %3 MB).</source>
        <translation>文件 %1 太大，无法打开（%2 MB；最大 %3 MB）。</translation>
    </message>
    <message>
        <source>The plan %1 was not opened. %2</source>
        <translation>未打开方案 %1。%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件 %1。</translation>
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
        <translation>恢复</translation>
    </message>
    <message>
        <source>Discard</source>
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
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Writing the report…</source>
        <translation>正在生成报告…</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>报告进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop writing the report</source>
        <translation>停止生成报告</translation>
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
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <translation>场景：</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>获取图片失败</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>所需硬盘容量：</translation>
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
        <translation>更新数据</translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The pictures it names are copied beside the program. The new scenes are used after a restart.</source>
        <translation>替换可变码率模式的录像场景：导出模板，按场景、编码和分辨率每行填写一条，然后导入。模板中列出的图片会复制到程序旁。新场景在重启后生效。</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出模板</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>导入模板</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>tip text</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>提示：需要重启</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>导出成功。</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>导入成功，重启软件后生效。</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>导入失败。</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
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
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <translation>
            <numerusform>%n 张图片无法复制：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>New version found</source>
        <translation>发现新版本</translation>
    </message>
    <message>
        <source>No Prompt</source>
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
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>TAVO 存储计算器</translation>
    </message>
    <message>
        <source>Exit</source>
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
        <translation>重新启动</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
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
        <translation>设备列表</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;暂无设备，&lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;请添加设备！&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>TAVO storage calculator is already running.</source>
        <translation>TAVO 存储计算器已在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
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
        <translation>无内容</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <translation>应用程序菜单</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation> v2.0.0.3</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>程序图标</translation>
    </message>
</context>
<context>
    <name>aptui::InputTip</name>
    <message>
        <source>Whole numbers from %1 to %2</source>
        <translation>可输入 %1 到 %2 的整数</translation>
    </message>
    <message numerus="yes">
        <source>Numbers from %1 to %2, up to %n decimal place(s)</source>
        <translation>
            <numerusform>可输入 %1 到 %2 的数字，最多 %n 位小数</numerusform>
        </translation>
    </message>
    <message>
        <source>This input is not accepted here</source>
        <translation>此处不接受该输入</translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
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
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>系统菜单</translation>
    </message>
    <message>
        <source>Restore</source>
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
        <translation>TAVO 存储计算器</translation>
    </message>
</context>
</TS>
