<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BandwidthCalculateWidget</name>
    <message>
        <source>BandwidthCalculateWidget</source>
        <translation>BandwidthCalculateWidget</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>Bandwidth:</translation>
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
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
        <translation>About</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CKesaApplication</name>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>Software is already running.</translation>
    </message>
    <message>
        <source>The least resolution is 1024*768.</source>
        <translation>The least resolution is 1024*768.</translation>
    </message>
</context>
<context>
    <name>CPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation>Select Directory</translation>
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
        <translation>%1: no task named %2</translation>
    </message>
    <message>
        <source>%1: there is no such task file</source>
        <translation>%1: there is no such task file</translation>
    </message>
    <message>
        <source>%1: the task file is damaged (not well-formed XML); it was left as it is</source>
        <translation>%1: the task file is damaged (not well-formed XML); it was left as it is</translation>
    </message>
    <message>
        <source>%1: the task file cannot be read</source>
        <translation>%1: the task file cannot be read</translation>
    </message>
</context>
<context>
    <name>CalcOptions</name>
    <message>
        <source>Computes for the tasks of a Vardex task file what the Vardex window shows: the network bandwidth, the hard-disk capacity for record times and the number of NVRs of a recorder model. The task file is only read, never written.</source>
        <translation>Computes for the tasks of a Vardex task file what the Vardex window shows: the network bandwidth, the hard-disk capacity for record times and the number of NVRs of a recorder model. The task file is only read, never written.</translation>
    </message>
    <message>
        <source>Only this task (repeatable); default every task, in file order.</source>
        <translation>Only this task (repeatable); default every task, in file order.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Record times in days, 1 to 365, comma-separated (default 1): one capacity per value.</source>
        <translation>Record times in days, 1 to 365, comma-separated (default 1): one capacity per value.</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Recorder model for the NVR count (default: the first model, as in the window).</source>
        <translation>Recorder model for the NVR count (default: the first model, as in the window).</translation>
    </message>
    <message>
        <source>Also give, per task, the days of recording that a disk of SIZE holds, e.g. 24TB or 8000GB (1 TB = 1000 GB).</source>
        <translation>Also give, per task, the days of recording that a disk of SIZE holds, e.g. 24TB or 8000GB (1 TB = 1000 GB).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>List the recorder models (name, channels, bandwidth in Kbps) and exit.</source>
        <translation>List the recorder models (name, channels, bandwidth in Kbps) and exit.</translation>
    </message>
    <message>
        <source>Output format: table (default), json or csv.</source>
        <translation>Output format: table (default), json or csv.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>The task file; default Task.xml in the current directory.</source>
        <translation>The task file; default Task.xml in the current directory.</translation>
    </message>
    <message>
        <source>only one task file can be read, not %1</source>
        <translation>only one task file can be read, not %1</translation>
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
        <translation>Results, per task, as the window shows them:
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
        <translation>Formats:
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
        <translation>Exit status:
  0  done
  1  bad usage: an unknown option, a record time out of range, a size that
     cannot be read, an unknown model
  2  the task file is missing, unreadable or damaged; it is left as it is
  3  a task given with --task is not in the file
</translation>
    </message>
    <message>
        <source>--days: %1 is not a record time of 1 to 365 days</source>
        <translation>--days: %1 is not a record time of 1 to 365 days</translation>
    </message>
    <message>
        <source>--model: there is no recorder model %1; --models lists them</source>
        <translation>--model: there is no recorder model %1; --models lists them</translation>
    </message>
    <message>
        <source>--disk: %1 is not a disk size such as 24TB or 8000GB</source>
        <translation>--disk: %1 is not a disk size such as 24TB or 8000GB</translation>
    </message>
    <message>
        <source>--format: %1 is not one of table, json, csv</source>
        <translation>--format: %1 is not one of table, json, csv</translation>
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
        <translation>Stream List</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Delete Device</translation>
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
        <translation>Information</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>Adding failed.</translation>
    </message>
    <message>
        <source>Up to 1000 stream groups can be added to a device.</source>
        <translation>Up to 1000 stream groups can be added to a device.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>DeviceManageModel</name>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>Device Count</translation>
    </message>
    <message>
        <source>Stream Count</source>
        <translation>Stream Count</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Bitrate(Kbps)</source>
        <translation>Bitrate(Kbps)</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Main Stream</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Sub Stream</translation>
    </message>
    <message>
        <source>Add/Delete Stream</source>
        <translation>Add/Delete Stream</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~999]</source>
        <translation>Device Count Ranges [1~999]</translation>
    </message>
    <message>
        <source>Stream Count Ranges [1~384000]</source>
        <translation>Stream Count Ranges [1~384000]</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>Bitrate Ranges [32~16384]</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>The Bit rate is not valid(range 0 or 32k-16384k)</translation>
    </message>
</context>
<context>
    <name>ExcelSqlDriver</name>
    <message>
        <source>The connection string names no workbook (DBQ).</source>
        <translation>The connection string names no workbook (DBQ).</translation>
    </message>
    <message>
        <source>Only new workbooks can be written (CREATE_DB).</source>
        <translation>Only new workbooks can be written (CREATE_DB).</translation>
    </message>
    <message>
        <source>CREATE_DB must name the file that DBQ ends with.</source>
        <translation>CREATE_DB must name the file that DBQ ends with.</translation>
    </message>
    <message>
        <source>Unable to write the workbook</source>
        <translation>Unable to write the workbook</translation>
    </message>
    <message>
        <source>Unable to open the workbook</source>
        <translation>Unable to open the workbook</translation>
    </message>
</context>
<context>
    <name>Gb2312XmlWriter</name>
    <message>
        <source>The comment &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>The comment &quot;%1&quot; cannot be written in GB2312.</translation>
    </message>
    <message>
        <source>The processing instruction &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>The processing instruction &quot;%1&quot; cannot be written in GB2312.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written in GB2312.</source>
        <translation>The name &quot;%1&quot; cannot be written in GB2312.</translation>
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
        <translation>Record Time:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>HDD Capacity:</source>
        <translation>HDD Capacity:</translation>
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
        <translation>Warn</translation>
    </message>
    <message>
        <source>Record time should less than 365 days.</source>
        <translation>Record time should less than 365 days.</translation>
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
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>Sure to close software</translation>
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
        <translation>NVR Type:</translation>
    </message>
    <message>
        <source>NVR Number:</source>
        <translation>NVR Number:</translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation>Calculation...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation>The sum of IPC number can not be bigger than 1000000</translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</source>
        <translation>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</translation>
    </message>
    <message>
        <source>%1: %2 channels, bandwidth up to %3Mbps</source>
        <translation>%1: %2 channels, bandwidth up to %3Mbps</translation>
    </message>
</context>
<context>
    <name>NewDevice</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Adding device of your task</source>
        <translation>Adding device of your task</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>Device Type:</translation>
    </message>
    <message>
        <source>Device Count:</source>
        <translation>Device Count:</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Main Stream</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Sub Stream</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Frame Rate:</translation>
    </message>
    <message>
        <source>Bitrate(kbps):</source>
        <translation>Bitrate(kbps):</translation>
    </message>
</context>
<context>
    <name>NewDeviceWidget</name>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
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
        <translation>Customize</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>The Bit rate is not valid(range 0 or 32k-16384k)</translation>
    </message>
    <message>
        <source>Device Number Range [1~999]</source>
        <translation>Device Number Range [1~999]</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>Bitrate Ranges [32~16384]</translation>
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
        <translation>The selected device type:</translation>
    </message>
    <message>
        <source>The new stream parameters:</source>
        <translation>The new stream parameters:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Framerate:</source>
        <translation>Framerate:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>New stream number:</source>
        <translation>New stream number:</translation>
    </message>
    <message>
        <source>Add Stream Group</source>
        <translation>Add Stream Group</translation>
    </message>
    <message>
        <source>Bitrate Ranges [32~16384]</source>
        <translation>Bitrate Ranges [32~16384]</translation>
    </message>
</context>
<context>
    <name>NewTask</name>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
    <message>
        <source>Task Name:</source>
        <translation>Task Name:</translation>
    </message>
    <message>
        <source>Task Type:</source>
        <translation>Task Type:</translation>
    </message>
    <message>
        <source>Recommanded DVR:</source>
        <translation>Recommanded DVR:</translation>
    </message>
    <message>
        <source>Recommanded IPC:</source>
        <translation>Recommanded IPC:</translation>
    </message>
    <message>
        <source>Remark:</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>Normal Task</source>
        <translation>Normal Task</translation>
    </message>
    <message>
        <source>High Definition Task</source>
        <translation>High Definition Task</translation>
    </message>
    <message>
        <source>Standard Definition Task</source>
        <translation>Standard Definition Task</translation>
    </message>
</context>
<context>
    <name>NewTaskWidget</name>
    <message>
        <source>Reserved task name can not be added.</source>
        <translation>Reserved task name can not be added.</translation>
    </message>
    <message>
        <source>The task name is invalid</source>
        <translation>The task name is invalid</translation>
    </message>
    <message>
        <source>Task name already exists.</source>
        <translation>Task name already exists.</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~999]</source>
        <translation>Device Count Ranges [1~999]</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>Edit Task</translation>
    </message>
    <message>
        <source>The task name contains control or invalid characters that cannot be saved.</source>
        <translation>The task name contains control or invalid characters that cannot be saved.</translation>
    </message>
    <message>
        <source>The remark contains control or invalid characters that cannot be saved.</source>
        <translation>The remark contains control or invalid characters that cannot be saved.</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>File Name:</translation>
    </message>
    <message>
        <source>Please select config file path:</source>
        <translation>Please select config file path:</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>The file name has been used; replace it?</source>
        <translation>The file name has been used; replace it?</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Task Name:</source>
        <translation>Task Name:</translation>
    </message>
    <message>
        <source>NVR Type:</source>
        <translation>NVR Type:</translation>
    </message>
    <message>
        <source>NVR Count:</source>
        <translation>NVR Count:</translation>
    </message>
    <message>
        <source>Record Time:</source>
        <translation>Record Time:</translation>
    </message>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>HDD Capacity:</source>
        <translation>HDD Capacity:</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>Bandwidth:</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>A file name can not contain \ / : * ? &quot; &lt; &gt; |</source>
        <translation>A file name can not contain \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>A file name can not end with a dot or a space.</source>
        <translation>A file name can not end with a dot or a space.</translation>
    </message>
    <message>
        <source>This file name is reserved by the system.</source>
        <translation>This file name is reserved by the system.</translation>
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
        <translation>Task</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
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
        <translation>Bitrate(Kbps)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Bandwidth(Kbps)</source>
        <translation>Bandwidth(Kbps)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>HDD Capacity</source>
        <translation>HDD Capacity</translation>
    </message>
    <message>
        <source>Capacity(GB)</source>
        <translation>Capacity(GB)</translation>
    </message>
    <message>
        <source>NVR Type</source>
        <translation>NVR Type</translation>
    </message>
    <message>
        <source>NVR Number</source>
        <translation>NVR Number</translation>
    </message>
    <message>
        <source>Days on %1</source>
        <translation>Days on %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
</context>
<context>
    <name>TaskInfo</name>
    <message>
        <source>Unknown Task Type %1</source>
        <translation>Unknown Task Type %1</translation>
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
        <translation>Calculate Task List:</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
</context>
<context>
    <name>TaskManageModel</name>
    <message>
        <source>Example Task</source>
        <translation>Example Task</translation>
    </message>
    <message>
        <source>Edit and Delete</source>
        <translation>Edit and Delete</translation>
    </message>
    <message>
        <source>Tasks that have the name of an earlier task are not shown.</source>
        <translation>Tasks that have the name of an earlier task are not shown.</translation>
    </message>
    <message>
        <source>Tasks in the task file %1 had the name of an earlier task and were renamed: %2.</source>
        <translation>Tasks in the task file %1 had the name of an earlier task and were renamed: %2.</translation>
    </message>
</context>
<context>
    <name>TaskManageWidget</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The task file %1 is damaged and cannot be read. It was left untouched.</source>
        <translation>The task file %1 is damaged and cannot be read. It was left untouched.</translation>
    </message>
    <message>
        <source>The task file %1 cannot be opened. It was left untouched.</source>
        <translation>The task file %1 cannot be opened. It was left untouched.</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Up to 50 task can be added.</source>
        <translation>Up to 50 task can be added.</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>Adding failed.</translation>
    </message>
</context>
<context>
    <name>TaskXmlStore</name>
    <message>
        <source>The task file %1 could not be saved: %2. The change was not stored. It was left untouched.</source>
        <translation>The task file %1 could not be saved: %2. The change was not stored. It was left untouched.</translation>
    </message>
    <message>
        <source>The task file %1 could not be saved: %2. The change was not stored.</source>
        <translation>The task file %1 could not be saved: %2. The change was not stored.</translation>
    </message>
    <message>
        <source>The task file %1 does not exist. The change was not stored.</source>
        <translation>The task file %1 does not exist. The change was not stored.</translation>
    </message>
    <message>
        <source>The task file %1 is damaged and cannot be read. The change was not stored. It was left untouched.</source>
        <translation>The task file %1 is damaged and cannot be read. The change was not stored. It was left untouched.</translation>
    </message>
    <message>
        <source>The task file %1 cannot be opened. The change was not stored. It was left untouched.</source>
        <translation>The task file %1 cannot be opened. The change was not stored. It was left untouched.</translation>
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
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Device in the list will be calculated</source>
        <translation>Device in the list will be calculated</translation>
    </message>
    <message>
        <source>Save Current Task to excel</source>
        <translation>Save Current Task to excel</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>Can not find Manual.</translation>
    </message>
    <message>
        <source>No program could open the user manual %1.</source>
        <translation>No program could open the user manual %1.</translation>
    </message>
</context>
</TS>
