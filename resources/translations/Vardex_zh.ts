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
    <name>CalcCommand</name>
    <message>
        <source>%1: no task named %2</source>
        <translation>%1：没有名为%2的任务</translation>
    </message>
    <message>
        <source>%1: there is no such task file</source>
        <translation>%1：没有这个任务文件</translation>
    </message>
    <message>
        <source>%1: the task file is damaged (not well-formed XML); it was left as it is</source>
        <translation>%1：任务文件已损坏（不是格式正确的XML），文件保持原样</translation>
    </message>
    <message>
        <source>%1: the task file cannot be read</source>
        <translation>%1：无法读取任务文件</translation>
    </message>
</context>
<context>
    <name>CalcOptions</name>
    <message>
        <source>Computes for the tasks of a Vardex task file what the Vardex window shows: the network bandwidth, the hard-disk capacity for record times and the number of NVRs of a recorder model. The task file is only read, never written.</source>
        <translation>为Vardex任务文件中的任务计算Vardex窗口显示的结果：网络带宽、各录像时间所需的硬盘容量以及所需某一型号录像机的台数。任务文件只读，从不写入。</translation>
    </message>
    <message>
        <source>Only this task (repeatable); default every task, in file order.</source>
        <translation>只计算此任务（可重复）；默认按文件顺序计算所有任务。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Record times in days, 1 to 365, comma-separated (default 1): one capacity per value.</source>
        <translation>录像时间（天），1到365，以逗号分隔（默认1）：每个值给出一个容量。</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Recorder model for the NVR count (default: the first model, as in the window).</source>
        <translation>计算NVR数量所用的录像机型号（默认：第一个型号，与窗口相同）。</translation>
    </message>
    <message>
        <source>Also give, per task, the days of recording that a disk of SIZE holds, e.g. 24TB or 8000GB (1 TB = 1000 GB).</source>
        <translation>同时给出每个任务在容量为SIZE的硬盘上可录像的天数，例如24TB或8000GB（1 TB = 1000 GB）。</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>List the recorder models (name, channels, bandwidth in Kbps) and exit.</source>
        <translation>列出录像机型号（名称、通道数、带宽，单位Kbps）后退出。</translation>
    </message>
    <message>
        <source>Output format: table (default), json or csv.</source>
        <translation>输出格式：table（默认）、json或csv。</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助后退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本后退出。</translation>
    </message>
    <message>
        <source>The task file; default Task.xml in the current directory.</source>
        <translation>任务文件；默认为当前目录下的Task.xml。</translation>
    </message>
    <message>
        <source>only one task file can be read, not %1</source>
        <translation>只能读取一个任务文件，而不是%1个</translation>
    </message>
    <message>
        <source>Results, per task, as the window shows them:
  Task, Type       the task&apos;s name and type: Normal Task, Standard Definition
                   Task or High Definition Task
  IPC, DVR         the number of IPC and of DVR device groups
  Bitrate(Kbps)    the total stream bitrate: over all stream groups, the
                   number of streams times their bitrate, in Kbps
  Bandwidth        the network bandwidth that bitrate needs at 70 % load,
                   rounded up, in Kbps, Mbps or Gbps (1 Mbps = 1024 Kbps,
                   1 Gbps = 1024 Mbps); 0Gbps above 2000 Gbps
  Bandwidth(Kbps)  the same bandwidth in whole Kbps (0 where 0Gbps is shown)
  Days             a record time given with --days
  HDD Capacity     the disk capacity that record time needs, in TB above
                   1 TB, else in GB (1 TB = 1000 GB); 0GB above 20000 TB
  Capacity(GB)     the same capacity in GB
  NVR Type         the recorder model given with --model
  NVR Number       how many recorders of that model take every camera of
                   the IPC device groups; instead the window&apos;s error text
                   when there are more than 1000000 cameras or one camera
                   sends more than the model takes
  Days on SIZE     with --disk: the most whole days of recording whose
                   capacity fits the disk; &gt;365 when it holds more
</source>
        <translation>每个任务的结果，与窗口显示的相同：
  任务、类型       任务的名称和类型：普通任务、标清任务或高清任务
  IPC、DVR         IPC设备组和DVR设备组的数量
  码率(Kbps)       总码率：所有码流组的码流数乘以码率之和，单位Kbps
  带宽             该码率在70 %负载下所需的网络带宽，向上取整，单位为Kbps、
                   Mbps或Gbps（1 Mbps = 1024 Kbps，1 Gbps = 1024 Mbps）；
                   超过2000 Gbps时为0Gbps
  带宽(Kbps)       同一带宽，以整数Kbps表示（显示0Gbps时为0）
  天数             用--days给出的录像时间
  硬盘容量         该录像时间所需的硬盘容量，超过1 TB时以TB表示，否则以
                   GB表示（1 TB = 1000 GB）；超过20000 TB时为0GB
  容量(GB)         同一容量，以GB表示
  NVR型号          用--model给出的录像机型号
  NVR数量          容纳各IPC设备组全部摄像机所需的该型号录像机台数；摄像机
                   多于1000000台或某台摄像机的码率超过该型号带宽时，改为
                   窗口的错误提示
  SIZE可录天数     使用--disk时：容量不超过该硬盘的最多整天录像天数；
                   能录更多天时为&gt;365
</translation>
    </message>
    <message>
        <source>Formats:
  table  the columns above; a task&apos;s own results stand on the row of its
         first record time
  json   one array of task objects with name, type, typeCode, ipcGroups,
         dvrGroups, bitrateKbps, bandwidth, bandwidthKbps, capacities (days,
         capacity, gb), nvrModel, nvrCount, nvrError (null without error)
         and, with --disk, disk (size, gb, days, beyond365)
  csv    RFC 4180: a header row, then one row per task and record time with
         task, type, type_code, ipc_groups, dvr_groups, bitrate_kbps,
         bandwidth, bandwidth_kbps, record_days, capacity, capacity_gb,
         nvr_model, nvr_count, nvr_error, disk_gb, disk_days, disk_beyond_365
  JSON and CSV are UTF-8; numbers are numbers, the window&apos;s texts strings.
</source>
        <translation>格式：
  table  上述各列；任务本身的结果写在其第一个录像时间所在的行
  json   一个任务对象数组，包含name、type、typeCode、ipcGroups、
         dvrGroups、bitrateKbps、bandwidth、bandwidthKbps、capacities（days、
         capacity、gb）、nvrModel、nvrCount、nvrError（无错误时为null），
         使用--disk时还有disk（size、gb、days、beyond365）
  csv    RFC 4180：先是标题行，然后每个任务的每个录像时间一行，包含
         task、type、type_code、ipc_groups、dvr_groups、bitrate_kbps、
         bandwidth、bandwidth_kbps、record_days、capacity、capacity_gb、
         nvr_model、nvr_count、nvr_error、disk_gb、disk_days、disk_beyond_365
  JSON和CSV均为UTF-8编码；数值写为数字，窗口的文字写为字符串。
</translation>
    </message>
    <message>
        <source>Exit status:
  0  done
  1  bad usage: an unknown option, a record time out of range, a size that
     cannot be read, an unknown model
  2  the task file is missing, unreadable or damaged; it is left as it is
  3  a task given with --task is not in the file
</source>
        <translation>退出状态：
  0  完成
  1  用法错误：未知选项、录像时间超出范围、无法识别的容量、未知型号
  2  任务文件不存在、无法读取或已损坏；文件保持原样
  3  用--task给出的任务不在文件中
</translation>
    </message>
    <message>
        <source>--days: %1 is not a record time of 1 to 365 days</source>
        <translation>--days：%1不是1到365天之间的录像时间</translation>
    </message>
    <message>
        <source>--model: there is no recorder model %1; --models lists them</source>
        <translation>--model：没有录像机型号%1；--models可列出所有型号</translation>
    </message>
    <message>
        <source>--disk: %1 is not a disk size such as 24TB or 8000GB</source>
        <translation>--disk：%1不是硬盘容量，应类似24TB或8000GB</translation>
    </message>
    <message>
        <source>--format: %1 is not one of table, json, csv</source>
        <translation>--format：%1不是table、json、csv之一</translation>
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
    <message>
        <source>Up to 1000 stream groups can be added to a device.</source>
        <translation>每个设备最多可添加1000个码流组。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
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
    <message>
        <source>%1: %2 channels, bandwidth up to %3Mbps</source>
        <translation>%1：%2路，带宽上限%3Mbps</translation>
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
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>编辑任务</translation>
    </message>
    <message>
        <source>The task name contains control or invalid characters that cannot be saved.</source>
        <translation>任务名称包含无法保存的控制字符或无效字符。</translation>
    </message>
    <message>
        <source>The remark contains control or invalid characters that cannot be saved.</source>
        <translation>备注包含无法保存的控制字符或无效字符。</translation>
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
    <message>
        <source>Please enter a file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>A file name can not contain \ / : * ? &quot; &lt; &gt; |</source>
        <translation>文件名不能包含 \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>A file name can not end with a dot or a space.</source>
        <translation>文件名不能以点或空格结尾。</translation>
    </message>
    <message>
        <source>This file name is reserved by the system.</source>
        <translation>该文件名已被系统保留。</translation>
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
    <name>ReportWriter</name>
    <message>
        <source>Task</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
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
        <source>Bitrate(Kbps)</source>
        <translation>码率(Kbps)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Bandwidth(Kbps)</source>
        <translation>带宽(Kbps)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>天数</translation>
    </message>
    <message>
        <source>HDD Capacity</source>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>Capacity(GB)</source>
        <translation>容量(GB)</translation>
    </message>
    <message>
        <source>NVR Type</source>
        <translation>NVR型号</translation>
    </message>
    <message>
        <source>NVR Number</source>
        <translation>NVR数量</translation>
    </message>
    <message>
        <source>Days on %1</source>
        <translation>%1可录天数</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
</context>
<context>
    <name>TaskInfo</name>
    <message>
        <source>Unknown Task Type %1</source>
        <translation>未知任务类型%1</translation>
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
    <message>
        <source>Tasks that have the name of an earlier task are not shown.</source>
        <translation>与前面任务同名的任务不予显示。</translation>
    </message>
    <message>
        <source>Tasks in the task file %1 had the name of an earlier task and were renamed: %2.</source>
        <translation>任务文件 %1 中有任务与前面的任务同名，已重命名为：%2。</translation>
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
    <name>TaskXmlStore</name>
    <message>
        <source>The task file %1 could not be saved: %2. The change was not stored. It was left untouched.</source>
        <translation>无法保存任务文件 %1：%2。本次修改未保存。该文件未作任何改动。</translation>
    </message>
    <message>
        <source>The task file %1 could not be saved: %2. The change was not stored.</source>
        <translation>无法保存任务文件 %1：%2。本次修改未保存。</translation>
    </message>
    <message>
        <source>The task file %1 does not exist. The change was not stored.</source>
        <translation>任务文件 %1 不存在。本次修改未保存。</translation>
    </message>
    <message>
        <source>The task file %1 is damaged and cannot be read. The change was not stored. It was left untouched.</source>
        <translation>任务文件 %1 已损坏，无法读取。本次修改未保存。该文件未作任何改动。</translation>
    </message>
    <message>
        <source>The task file %1 cannot be opened. The change was not stored. It was left untouched.</source>
        <translation>无法打开任务文件 %1。本次修改未保存。该文件未作任何改动。</translation>
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
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
    <message>
        <source>No program could open the user manual %1.</source>
        <translation>没有程序能打开用户手册 %1。</translation>
    </message>
</context>
</TS>
