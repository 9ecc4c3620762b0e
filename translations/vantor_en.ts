<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v4.0.0.50build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Open Source Software Licenses file failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CalTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CalDisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Gpbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mpbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kpbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total device number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low: scenarios with limited details, limited movement, e.g. stairway, warehouse, meeting room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium: scenarios with medium details, medium movements, e.g. reception, schoolyard parking lot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High: scenarios with lots of details, lots of movements, or low light, e.g. station, intersection, square.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: For some extremely complex scenarios with lots of details and movements, the bitrate is likely to be far higher than recommended value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Section :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Complexity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live view &amp; Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NM_Vantor::DeviceItemWidget</name>
    <message>
        <source>Delete group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Update Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The pictures it names are copied beside the program. The new scenes are used after a restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export Template</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Import Template</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tip text</source>
        <translation type="unfinished"></translation>
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
        <translation>Scene,Encoding,Resolution,Recommended Bitrate (kbps),Picture Path
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line must be the column header of the template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row needs at least scene, encoding, resolution and bitrate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scene name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoding is not one of the program&apos;s encodings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resolution is not one of that encoding&apos;s resolutions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bitrate must be a whole number from 1 to 204800.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no scenes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scene file could not be written; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <translation>
            <numerusform>%n picture could not be copied: %1</numerusform>
            <numerusform>%n pictures could not be copied: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Prompt</source>
        <translation>Don't remind me</translation>
    </message>
    <message>
        <source>Could not check for updates: no update server is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not check for updates: the update server address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not check for updates: the update server could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not check for updates: the update server&apos;s answer was not understood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download page could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the TAVO storage calculator software?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently the latest version.</source>
        <translation>You have the latest version.</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>TAVO storage calculator is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <source>null content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::WindowTitle</name>
    <message>
        <source>Application icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
