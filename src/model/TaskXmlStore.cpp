#include "model/TaskXmlStore.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString kTaskListRoot = QStringLiteral("TaskList");

QString tag(const char* name)
{
    return QString::fromLatin1(name);
}

QString textOf(const XmlNode& node, const char* name)
{
    return node.firstElementByTag(tag(name)).text();
}

int intOf(const XmlNode& node, const char* name)
{
    return node.firstElementByTag(tag(name)).intValue();
}

void appendField(XmlNode& parent, const char* name, const QString& qsValue)
{
    parent.appendElement(tag(name)).setText(qsValue);
}

void appendField(XmlNode& parent, const char* name, int iValue)
{
    parent.appendElement(tag(name)).setText(iValue);
}

// True when the field existed and was written.
bool setField(const XmlNode& parent, const char* name, const QString& qsValue)
{
    XmlNode field = parent.firstElementByTag(tag(name));
    return field.setText(qsValue);
}

bool setField(const XmlNode& parent, const char* name, int iValue)
{
    XmlNode field = parent.firstElementByTag(tag(name));
    return field.setText(iValue);
}

// The first list of that name below the element, appended when there is none
// (the first device group of a task becomes its sixth child this way).
XmlNode listOf(XmlNode& parent, const char* name)
{
    XmlNode list = parent.firstElementByTag(tag(name));
    return list.isNull() ? parent.appendElement(tag(name)) : list;
}

void readTaskFields(const XmlNode& taskNode, TaskInfo& task)
{
    task.Remark = textOf(taskNode, "Remark");
    task.Type = intOf(taskNode, "Type");
    task.IPCNum = intOf(taskNode, "IPCNum");
    task.DVRNum = intOf(taskNode, "DVRNum");
}

void appendStreamGroupNode(XmlNode& streamList, const StreamGroupInfo& stream)
{
    XmlNode streamNode = streamList.appendElement(tag("StreamGroup"));
    appendField(streamNode, "StreamID", stream.StreamID);
    appendField(streamNode, "StreamNum", stream.StreamNum);
    appendField(streamNode, "Resolution", stream.Resolution);
    appendField(streamNode, "FrameRate", stream.FrameRate);
    appendField(streamNode, "Bitrate", stream.Bitrate);
}

void readStreamGroups(const XmlNode& deviceNode, DeviceGroupInfo& group)
{
    // A hand-made file may list more stream groups than a record has slots:
    // the first kMaxStreamGroups are read, the rest are ignored here (and
    // stay in the file untouched).
    int iSlot = 0;
    const XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    for (XmlNode streamNode = streamList.firstChildElement();
         !streamNode.isNull() && iSlot < DeviceGroupInfo::kMaxStreamGroups;
         streamNode = streamNode.nextSiblingElement(), ++iSlot) {
        StreamGroupInfo& stream = group.slot(iSlot);
        stream.Used = true;
        stream.StreamID = intOf(streamNode, "StreamID");
        stream.StreamNum = intOf(streamNode, "StreamNum");
        stream.Resolution = intOf(streamNode, "Resolution");
        stream.FrameRate = textOf(streamNode, "FrameRate");
        stream.Bitrate = intOf(streamNode, "Bitrate");
    }
}

DeviceGroupInfo readDeviceGroup(const XmlNode& deviceNode)
{
    DeviceGroupInfo group;
    group.DeviceNum = intOf(deviceNode, "DeviceNum");
    group.Type = intOf(deviceNode, "Type");
    group.DeviceId = textOf(deviceNode, "DeviceId");
    group.MainStream = intOf(deviceNode, "MainStream");
    group.SubStream = intOf(deviceNode, "SubStream");
    readStreamGroups(deviceNode, group);
    return group;
}

TaskXmlStore::FileState loadFile(XmlNode& root, const QString& fileName)
{
    if (fileName.isEmpty()) {
        return TaskXmlStore::FileState::Unreadable;
    }
    if (!QFileInfo::exists(fileName)) {
        return TaskXmlStore::FileState::Missing;
    }
    if (!root.load(fileName)) {
        return TaskXmlStore::FileState::Unreadable;
    }
    return root.parsed() ? TaskXmlStore::FileState::Open : TaskXmlStore::FileState::Damaged;
}

} // namespace

TaskXmlStore::TaskXmlStore(const QString& fileName) : m_qsRequestedName(fileName)
{
    m_state = loadFile(m_root, fileName);
    if (m_state == FileState::Open) {
        m_qsFileName = fileName;
    }
}

TaskXmlStore::~TaskXmlStore()
{
    if (isOpen() && m_bChanged) {
        save();
    }
}

TaskXmlStore::FileState TaskXmlStore::checkFile(const QString& fileName)
{
    XmlNode root;
    return loadFile(root, fileName);
}

bool TaskXmlStore::save()
{
    if (!isOpen() || !m_root.save(m_qsFileName)) {
        return false;
    }
    m_qsFileName.clear();
    m_state = FileState::Saved;
    return true;
}

bool TaskXmlStore::startNewDocument()
{
    if (m_state != FileState::Missing) {
        return false;
    }
    m_root.createDocument(kTaskListRoot);
    m_qsFileName = m_qsRequestedName;
    m_state = FileState::Open;
    return true;
}

int TaskXmlStore::taskIndex(const QString& qsName) const
{
    int iIndex = 0;
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement(), ++iIndex) {
        if (textOf(taskNode, "Name") == qsName) {
            return iIndex;
        }
    }
    return -1;
}

// A closed store finds nothing, so every operation on it fails untouched.
XmlNode TaskXmlStore::findTask(const QString& qsName) const
{
    if (!isOpen()) {
        return XmlNode();
    }
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        if (textOf(taskNode, "Name") == qsName) {
            return taskNode;
        }
    }
    return XmlNode();
}

XmlNode TaskXmlStore::findDeviceGroup(const XmlNode& taskNode, const QString& qsDeviceId) const
{
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            return deviceNode;
        }
    }
    return XmlNode();
}

XmlNode TaskXmlStore::findStreamGroup(const XmlNode& deviceNode, int iStreamId) const
{
    const XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    for (XmlNode streamNode = streamList.firstChildElement(); !streamNode.isNull();
         streamNode = streamNode.nextSiblingElement()) {
        if (intOf(streamNode, "StreamID") == iStreamId) {
            return streamNode;
        }
    }
    return XmlNode();
}

bool TaskXmlStore::addTask(const TaskInfo& task)
{
    if (m_state == FileState::Missing) {
        startNewDocument();
    }
    if (!isOpen() || taskIndex(task.Name) >= 0) {
        return false;
    }
    XmlNode taskNode = m_root.appendElement(tag("Task"));
    appendField(taskNode, "Name", task.Name);
    appendField(taskNode, "Type", task.Type);
    appendField(taskNode, "IPCNum", task.IPCNum);
    appendField(taskNode, "DVRNum", task.DVRNum);
    appendField(taskNode, "Remark", task.Remark);
    m_bChanged = true;
    return true;
}

bool TaskXmlStore::deleteTask(const QString& qsName)
{
    const int iIndex = isOpen() ? taskIndex(qsName) : -1;
    if (iIndex < 0) {
        return false;
    }
    m_root.removeChildElementAt(iIndex);
    m_bChanged = true;
    return true;
}

bool TaskXmlStore::getTask(const QString& qsName, TaskInfo& task)
{
    const XmlNode taskNode = findTask(qsName);
    if (taskNode.isNull()) {
        return false;
    }
    task.Name = qsName;
    readTaskFields(taskNode, task);
    return true;
}

bool TaskXmlStore::getAllTasks(std::vector<TaskInfo>& vTasks)
{
    if (!isOpen()) {
        return false;
    }
    for (XmlNode taskNode = m_root.firstChildElement(); !taskNode.isNull();
         taskNode = taskNode.nextSiblingElement()) {
        TaskInfo task;
        task.Name = textOf(taskNode, "Name");
        readTaskFields(taskNode, task);
        vTasks.push_back(std::move(task));
    }
    return true;
}

bool TaskXmlStore::modifyTask(const QString& qsOldName, const TaskInfo& task)
{
    TaskInfo stored;
    if (!getTask(qsOldName, stored)) {
        return false;
    }
    if (stored == task) {
        return true;
    }
    const int iOldIndex = taskIndex(qsOldName);
    const int iNewIndex = taskIndex(task.Name);
    if (iNewIndex >= 0 && iNewIndex != iOldIndex) {
        return false;
    }
    const XmlNode taskNode = m_root.childElementAt(iOldIndex);
    setField(taskNode, "Name", task.Name);
    setField(taskNode, "Type", task.Type);
    setField(taskNode, "IPCNum", task.IPCNum);
    setField(taskNode, "DVRNum", task.DVRNum);
    setField(taskNode, "Remark", task.Remark);
    m_bChanged = true;
    return true;
}

bool TaskXmlStore::taskExists(const QString& qsName)
{
    return isOpen() && taskIndex(qsName) >= 0;
}

bool TaskXmlStore::setTaskRemark(const QString& qsName, const QString& qsRemark)
{
    if (!isOpen()) {
        return false;
    }
    XmlNode remarkNode = findTask(qsName).firstElementByTag(tag("Remark"));
    if (!remarkNode.isNull() && remarkNode.text() != qsRemark) {
        remarkNode.setText(qsRemark);
        m_bChanged = true;
    }
    return true;
}

bool TaskXmlStore::addDeviceGroup(const QString& qsTaskName, const DeviceGroupInfo& group)
{
    XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull() || !findDeviceGroup(taskNode, group.DeviceId).isNull()) {
        return false;
    }
    XmlNode deviceList = listOf(taskNode, "DeviceGroupList");
    XmlNode deviceNode = deviceList.appendElement(tag("DeviceGroup"));
    appendField(deviceNode, "DeviceNum", group.DeviceNum);
    appendField(deviceNode, "Type", group.Type);
    appendField(deviceNode, "DeviceId", group.DeviceId);
    appendField(deviceNode, "MainStream", group.MainStream);
    appendField(deviceNode, "SubStream", group.SubStream);
    XmlNode streamList = deviceNode.appendElement(tag("StreamGroupList"));
    // Entries past the last slot are not slots: they are never written.
    const size_t uSlots =
        std::min(group.StreamGroups.size(), static_cast<size_t>(DeviceGroupInfo::kMaxStreamGroups));
    for (size_t i = 0; i < uSlots; ++i) {
        if (group.StreamGroups[i].Used) {
            appendStreamGroupNode(streamList, group.StreamGroups[i]);
        }
    }
    m_bChanged = true;
    return true;
}

bool TaskXmlStore::getDeviceGroups(const QString& qsTaskName, std::vector<DeviceGroupInfo>& vGroups)
{
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        vGroups.push_back(readDeviceGroup(deviceNode));
    }
    return true;
}

bool TaskXmlStore::deleteDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId)
{
    const XmlNode taskNode = findTask(qsTaskName);
    XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    int iIndex = 0;
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement(), ++iIndex) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            deviceList.removeChildElementAt(iIndex);
            m_bChanged = true;
            return true;
        }
    }
    return false;
}

bool TaskXmlStore::setDeviceField(const QString& qsTaskName, const QString& qsDeviceId,
                                  const QString& qsTag, int iValue)
{
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceList = taskNode.firstElementByTag(tag("DeviceGroupList"));
    for (XmlNode deviceNode = deviceList.firstChildElement(); !deviceNode.isNull();
         deviceNode = deviceNode.nextSiblingElement()) {
        if (textOf(deviceNode, "DeviceId") == qsDeviceId) {
            m_bChanged |= deviceNode.firstElementByTag(qsTag).setText(iValue);
        }
    }
    return true;
}

bool TaskXmlStore::setDeviceNum(const QString& qsTaskName, const QString& qsDeviceId,
                                int iDeviceNum)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("DeviceNum"), iDeviceNum);
}

bool TaskXmlStore::setMainStream(const QString& qsTaskName, const QString& qsDeviceId,
                                 int iMainStream)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("MainStream"), iMainStream);
}

bool TaskXmlStore::setSubStream(const QString& qsTaskName, const QString& qsDeviceId,
                                int iSubStream)
{
    return setDeviceField(qsTaskName, qsDeviceId, tag("SubStream"), iSubStream);
}

bool TaskXmlStore::getDeviceGroupCounts(const QString& qsTaskName, const QString& qsDeviceId,
                                        DeviceGroupInfo& group)
{
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    if (!deviceNode.isNull()) {
        group.DeviceNum = intOf(deviceNode, "DeviceNum");
        group.MainStream = intOf(deviceNode, "MainStream");
        group.SubStream = intOf(deviceNode, "SubStream");
    }
    return true;
}

bool TaskXmlStore::appendStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                     const StreamGroupInfo& stream)
{
    XmlNode taskNode = findTask(qsTaskName);
    XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    if (deviceNode.isNull()) {
        return false;
    }
    if (stream.Used) {
        XmlNode streamList = listOf(deviceNode, "StreamGroupList");
        // A group beyond the record's slots would never be read back.
        if (streamList.childElementCount() >= DeviceGroupInfo::kMaxStreamGroups) {
            return false;
        }
        appendStreamGroupNode(streamList, stream);
        m_bChanged = true;
    }
    return true;
}

bool TaskXmlStore::deleteStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                     int iStreamId)
{
    const XmlNode taskNode = findTask(qsTaskName);
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    XmlNode streamList = deviceNode.firstElementByTag(tag("StreamGroupList"));
    int iIndex = 0;
    for (XmlNode streamNode = streamList.firstChildElement(); !streamNode.isNull();
         streamNode = streamNode.nextSiblingElement(), ++iIndex) {
        if (intOf(streamNode, "StreamID") == iStreamId) {
            streamList.removeChildElementAt(iIndex);
            m_bChanged = true;
            return true;
        }
    }
    return false;
}

void TaskXmlStore::setStreamGroupField(const QString& qsTaskName, const QString& qsDeviceId,
                                       int iField, const StreamGroupInfo& stream)
{
    const XmlNode taskNode = findTask(qsTaskName);
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    const XmlNode streamNode = findStreamGroup(deviceNode, stream.StreamID);
    switch (iField) {
    case StreamFieldNum:
        m_bChanged |= setField(streamNode, "StreamNum", stream.StreamNum);
        break;
    case StreamFieldResolution:
        m_bChanged |= setField(streamNode, "Resolution", stream.Resolution);
        break;
    case StreamFieldFrameRate:
        m_bChanged |= setField(streamNode, "FrameRate", stream.FrameRate);
        break;
    case StreamFieldBitrate:
        m_bChanged |= setField(streamNode, "Bitrate", stream.Bitrate);
        break;
    default:
        break;
    }
}

bool TaskXmlStore::getStreamGroupValues(const QString& qsTaskName, const QString& qsDeviceId,
                                        StreamGroupInfo& stream)
{
    const XmlNode taskNode = findTask(qsTaskName);
    if (taskNode.isNull()) {
        return false;
    }
    const XmlNode deviceNode = findDeviceGroup(taskNode, qsDeviceId);
    const XmlNode streamNode = findStreamGroup(deviceNode, stream.StreamID);
    if (!streamNode.isNull()) {
        stream.Bitrate = intOf(streamNode, "Bitrate");
        stream.StreamNum = intOf(streamNode, "StreamNum");
    }
    return true;
}
