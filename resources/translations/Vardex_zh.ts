<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BandwidthCalculateWidget</name>
    <message>
        <source>BandwidthCalculateWidget</source>
        <translation>BandwidthCalculateWidget</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbps</translation>
    </message>
    <message>
        <source>Gbps</source>
        <translation>Gbps</translation>
    </message>
</context>
<context>
    <name>CBaseDialogClass</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> v1.0.0.1</source>
        <translation> v1.0.0.1</translation>
    </message>
    <message>
        <source> Build</source>
        <translation> Build</translation>
    </message>
</context>
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CKesaApplication</name>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>软件已在运行。</translation>
    </message>
    <message>
        <source>The least resolution is 1024*768.</source>
        <translation>最低分辨率为1024*768。</translation>
    </message>
</context>
<context>
    <name>CPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation>选择目录</translation>
    </message>
</context>
<context>
    <name>CWarnDlgClass</name>
    <message>
        <source>CWarmDlg</source>
        <translation>CWarmDlg</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Vardex</source>
        <translation>Vardex</translation>
    </message>
</context>
<context>
    <name>DeviceList</name>
    <message>
        <source>DeviceListWidget</source>
        <translation>DeviceListWidget</translation>
    </message>
    <message>
        <source>Stream List</source>
        <translation>码流列表</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
</context>
<context>
    <name>DeviceListWidget</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>添加失败。</translation>
    </message>
</context>
<context>
    <name>DeviceManageModel</name>
    <message>
        <source>Device Type</source>
        <translation>设备类型</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Stream Count</source>
        <translation>码流数量</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Bitrate(Kbps)</source>
        <translation>码率(Kbps)</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Add/Delete Stream</source>
        <translation>添加/删除码流</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~999]</source>
        <translation>设备数量范围 [1~999]</translation>
    </message>
    <message>
        <source>Stream Count Ranges [1~384000]</source>
        <translation>码流数量范围 [1~384000]</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>码率范围 [32~16384]</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效（范围为0或32k-16384k）</translation>
    </message>
</context>
<context>
    <name>ExcelSqlDriver</name>
    <message>
        <source>The connection string names no workbook (DBQ).</source>
        <translation>连接字符串未指定工作簿（DBQ）。</translation>
    </message>
    <message>
        <source>Only new workbooks can be written (CREATE_DB).</source>
        <translation>只能写入新建的工作簿（CREATE_DB）。</translation>
    </message>
    <message>
        <source>CREATE_DB must name the file that DBQ ends with.</source>
        <translation>CREATE_DB 必须指定 DBQ 末尾的文件。</translation>
    </message>
    <message>
        <source>Unable to write the workbook</source>
        <translation>无法写入工作簿</translation>
    </message>
    <message>
        <source>Unable to open the workbook</source>
        <translation>无法打开工作簿</translation>
    </message>
</context>
<context>
    <name>Gb2312XmlWriter</name>
    <message>
        <source>The comment &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>注释“%1”无法以 GB2312 编码写入。</translation>
    </message>
    <message>
        <source>The processing instruction &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>处理指令“%1”无法以 GB2312 编码写入。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>名称“%1”无法以 GB2312 编码写入。</translation>
    </message>
</context>
<context>
    <name>HDDCapacityWidget</name>
    <message>
        <source>HDDCapacityWidget</source>
        <translation>HDDCapacityWidget</translation>
    </message>
    <message>
        <source>Record Time:</source>
        <translation>录像时间：</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>HDD Capacity:</source>
        <translation>硬盘容量：</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Record time should less than 365 days.</source>
        <translation>录像时间应少于365天。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vardex</source>
        <translation>Vardex</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>确定要关闭软件吗？</translation>
    </message>
</context>
<context>
    <name>NVRCalculateWidget</name>
    <message>
        <source>NVRCalculateWidget</source>
        <translation>NVRCalculateWidget</translation>
    </message>
    <message>
        <source>NVR Type:</source>
        <translation>NVR型号：</translation>
    </message>
    <message>
        <source>NVR Number:</source>
        <translation>NVR数量：</translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation>IPC总数不能大于1000000</translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</source>
        <translation>IPC类型的码率大于NVR带宽</translation>
    </message>
</context>
<context>
    <name>NewDevice</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Adding device of your task</source>
        <translation>为任务添加设备</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>Device Count:</source>
        <translation>设备数量：</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bitrate(kbps):</source>
        <translation>码率(kbps)：</translation>
    </message>
</context>
<context>
    <name>NewDeviceWidget</name>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效（范围为0或32k-16384k）</translation>
    </message>
    <message>
        <source>Device Number Range [1~999]</source>
        <translation>设备数量范围 [1~999]</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>码率范围 [32~16384]</translation>
    </message>
</context>
<context>
    <name>NewStreamGroupWidget</name>
    <message>
        <source>NewStreamGroupWidget</source>
        <translation>NewStreamGroupWidget</translation>
    </message>
    <message>
        <source>The selected device type:</source>
        <translation>所选设备类型：</translation>
    </message>
    <message>
        <source>The new stream parameters:</source>
        <translation>新码流参数：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>New stream number:</source>
        <translation>新增码流数：</translation>
    </message>
    <message>
        <source>Add Stream Group</source>
        <translation>添加码流组</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>码率范围 [32~16384]</translation>
    </message>
</context>
<context>
    <name>NewTask</name>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>Task Name:</source>
        <translation>任务名称：</translation>
    </message>
    <message>
        <source>Task Type:</source>
        <translation>任务类型：</translation>
    </message>
    <message>
        <source>Recommanded DVR:</source>
        <translation>推荐DVR数量：</translation>
    </message>
    <message>
        <source>Recommanded IPC:</source>
        <translation>推荐IPC数量：</translation>
    </message>
    <message>
        <source>Remark:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Normal Task</source>
        <translation>普通任务</translation>
    </message>
    <message>
        <source>High Definition Task</source>
        <translation>高清任务</translation>
    </message>
    <message>
        <source>Standard Definition Task</source>
        <translation>标清任务</translation>
    </message>
</context>
<context>
    <name>NewTaskWidget</name>
    <message>
        <source>Reserved task name can not be added.</source>
        <translation>不能添加保留的任务名称。</translation>
    </message>
    <message>
        <source>The task name is invalid</source>
        <translation>任务名称无效</translation>
    </message>
    <message>
        <source>Task name already exists.</source>
        <translation>任务名称已存在。</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~999]</source>
        <translation>设备数量范围 [1~999]</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Please select config file path:</source>
        <translation>请选择配置文件路径：</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The file name has been used; replace it?</source>
        <translation>文件名已被使用，是否替换？</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>已保存。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <source>Task Name:</source>
        <translation>任务名称：</translation>
    </message>
    <message>
        <source>NVR Type:</source>
        <translation>NVR型号：</translation>
    </message>
    <message>
        <source>NVR Count:</source>
        <translation>NVR数量：</translation>
    </message>
    <message>
        <source>Record Time:</source>
        <translation>录像时间：</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>HDD Capacity:</source>
        <translation>硬盘容量：</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>KV-R08-1</source>
        <translation>KV-R08-1</translation>
    </message>
    <message>
        <source>KV-R16-1</source>
        <translation>KV-R16-1</translation>
    </message>
    <message>
        <source>KV-R32-1</source>
        <translation>KV-R32-1</translation>
    </message>
    <message>
        <source>KV-T64-1</source>
        <translation>KV-T64-1</translation>
    </message>
    <message>
        <source>KV-R08-2</source>
        <translation>KV-R08-2</translation>
    </message>
    <message>
        <source>KV-R16-2</source>
        <translation>KV-R16-2</translation>
    </message>
    <message>
        <source>KV-R32-2</source>
        <translation>KV-R32-2</translation>
    </message>
    <message>
        <source>KV-R04-3</source>
        <translation>KV-R04-3</translation>
    </message>
    <message>
        <source>KV-R08-3</source>
        <translation>KV-R08-3</translation>
    </message>
    <message>
        <source>KV-R16-3</source>
        <translation>KV-R16-3</translation>
    </message>
    <message>
        <source>KV-R04-4</source>
        <translation>KV-R04-4</translation>
    </message>
    <message>
        <source>KV-R08-4</source>
        <translation>KV-R08-4</translation>
    </message>
    <message>
        <source>KV-R16-4</source>
        <translation>KV-R16-4</translation>
    </message>
    <message>
        <source>KV-R04-5</source>
        <translation>KV-R04-5</translation>
    </message>
    <message>
        <source>KV-R08-5</source>
        <translation>KV-R08-5</translation>
    </message>
    <message>
        <source>KV-R16-5</source>
        <translation>KV-R16-5</translation>
    </message>
    <message>
        <source>KV-T08-1</source>
        <translation>KV-T08-1</translation>
    </message>
    <message>
        <source>KV-T16-1</source>
        <translation>KV-T16-1</translation>
    </message>
    <message>
        <source>KV-T32-1</source>
        <translation>KV-T32-1</translation>
    </message>
    <message>
        <source>KV-W08-1</source>
        <translation>KV-W08-1</translation>
    </message>
    <message>
        <source>KV-W16-1</source>
        <translation>KV-W16-1</translation>
    </message>
    <message>
        <source>KV-W32-1</source>
        <translation>KV-W32-1</translation>
    </message>
    <message>
        <source>KV-W64-1</source>
        <translation>KV-W64-1</translation>
    </message>
    <message>
        <source>KV-W64-7</source>
        <translation>KV-W64-7</translation>
    </message>
    <message>
        <source>KV-Z08-1</source>
        <translation>KV-Z08-1</translation>
    </message>
    <message>
        <source>KV-Z16-1</source>
        <translation>KV-Z16-1</translation>
    </message>
    <message>
        <source>KV-Z32-1</source>
        <translation>KV-Z32-1</translation>
    </message>
    <message>
        <source>KV-Z64-1</source>
        <translation>KV-Z64-1</translation>
    </message>
    <message>
        <source>KV-Z08-6</source>
        <translation>KV-Z08-6</translation>
    </message>
    <message>
        <source>KV-Z16-6</source>
        <translation>KV-Z16-6</translation>
    </message>
    <message>
        <source>KV-Z32-6</source>
        <translation>KV-Z32-6</translation>
    </message>
    <message>
        <source>KV-Z64-6</source>
        <translation>KV-Z64-6</translation>
    </message>
    <message>
        <source>KV-M04-1</source>
        <translation>KV-M04-1</translation>
    </message>
    <message>
        <source>KV-M08-1</source>
        <translation>KV-M08-1</translation>
    </message>
    <message>
        <source>KV-M16-1</source>
        <translation>KV-M16-1</translation>
    </message>
    <message>
        <source>KV-P04-1</source>
        <translation>KV-P04-1</translation>
    </message>
    <message>
        <source>KV-P08-1</source>
        <translation>KV-P08-1</translation>
    </message>
    <message>
        <source>KV-P16-1</source>
        <translation>KV-P16-1</translation>
    </message>
    <message>
        <source>KV-P04-6</source>
        <translation>KV-P04-6</translation>
    </message>
    <message>
        <source>KV-P08-6</source>
        <translation>KV-P08-6</translation>
    </message>
    <message>
        <source>KV-P16-6</source>
        <translation>KV-P16-6</translation>
    </message>
    <message>
        <source>KV-Q04-1</source>
        <translation>KV-Q04-1</translation>
    </message>
    <message>
        <source>KV-Q08-1</source>
        <translation>KV-Q08-1</translation>
    </message>
    <message>
        <source>KV-Q16-1</source>
        <translation>KV-Q16-1</translation>
    </message>
    <message>
        <source>KV-Z16-7</source>
        <translation>KV-Z16-7</translation>
    </message>
    <message>
        <source>KV-Z32-7</source>
        <translation>KV-Z32-7</translation>
    </message>
    <message>
        <source>KV-Z64-7</source>
        <translation>KV-Z64-7</translation>
    </message>
</context>
<context>
    <name>TaskManage</name>
    <message>
        <source>TaskManageWidget</source>
        <translation>TaskManageWidget</translation>
    </message>
    <message>
        <source>Calculate Task List:</source>
        <translation>计算任务列表：</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
</context>
<context>
    <name>TaskManageModel</name>
    <message>
        <source>Example Task</source>
        <translation>示例任务</translation>
    </message>
    <message>
        <source>Edit and Delete</source>
        <translation>编辑和删除</translation>
    </message>
</context>
<context>
    <name>TaskManageWidget</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The task file %1 is damaged and cannot be read. It was left untouched.</source>
        <translation>任务文件 %1 已损坏，无法读取。该文件未作任何改动。</translation>
    </message>
    <message>
        <source>The task file %1 cannot be opened. It was left untouched.</source>
        <translation>无法打开任务文件 %1。该文件未作任何改动。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Up to 50 task can be added.</source>
        <translation>最多可添加50个任务。</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>添加失败。</translation>
    </message>
</context>
<context>
    <name>TopWidget</name>
    <message>
        <source>TopWidget</source>
        <translation>TopWidget</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Device in the list will be calculated</source>
        <translation>列表中的设备将参与计算</translation>
    </message>
    <message>
        <source>Save Current Task to excel</source>
        <translation>保存当前任务到Excel</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
</context>
</TS>
