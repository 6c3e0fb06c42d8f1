#ifndef TASKXMLSTORE_H
#define TASKXMLSTORE_H

#include "model/DeviceGroupInfo.h"
#include "model/StreamGroupInfo.h"
#include "model/TaskInfo.h"
#include "model/XmlNode.h"

#include <QString>

#include <vector>

// Every read and write of Task.xml. A store lives for one caller's
// operation: it parses the file when built and writes the whole document
// back when destroyed, so every operation on an open store rewrites the file.
// A closed store answers every operation with false and writes nothing.
//
// A missing file is started afresh by addTask() (declaration and a root
// "TaskList"), so a first start can store the example task; any other
// operation on a missing file leaves no file behind. A file that does not
// parse is never overwritten: the store stays closed, and fileState() or
// checkFile() tell the window why.
class TaskXmlStore
{
public:
    // Why a store is open or closed.
    enum class FileState
    {
        Open,       // the file parsed; operations work on it
        Saved,      // save() succeeded; the store is closed
        Missing,    // no such file; addTask() starts a new one
        Unreadable, // the file exists but cannot be opened (or no name given)
        Damaged     // the file is not well-formed XML; it is never overwritten
    };

    // Editable fields of a stream group for setStreamGroupField().
    enum StreamField
    {
        StreamFieldNum = 0,
        StreamFieldResolution = 1,
        StreamFieldFrameRate = 2,
        StreamFieldBitrate = 3
    };

    explicit TaskXmlStore(const QString& fileName);
    ~TaskXmlStore();
    TaskXmlStore(const TaskXmlStore&) = delete;
    TaskXmlStore& operator=(const TaskXmlStore&) = delete;

    bool isOpen() const { return m_state == FileState::Open; }
    FileState fileState() const { return m_state; }
    // The state a store built on that file would start in; reads only.
    static FileState checkFile(const QString& fileName);

    bool save();

    bool addTask(const TaskInfo& task);
    bool deleteTask(const QString& qsName);
    bool getTask(const QString& qsName, TaskInfo& task);
    bool getAllTasks(std::vector<TaskInfo>& vTasks);
    bool modifyTask(const QString& qsOldName, const TaskInfo& task);
    bool taskExists(const QString& qsName);
    bool setTaskRemark(const QString& qsName, const QString& qsRemark);

    bool addDeviceGroup(const QString& qsTaskName, const DeviceGroupInfo& group);
    bool getDeviceGroups(const QString& qsTaskName, std::vector<DeviceGroupInfo>& vGroups);
    bool deleteDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId);
    bool setDeviceNum(const QString& qsTaskName, const QString& qsDeviceId, int iDeviceNum);
    bool setMainStream(const QString& qsTaskName, const QString& qsDeviceId, int iMainStream);
    bool setSubStream(const QString& qsTaskName, const QString& qsDeviceId, int iSubStream);
    bool getDeviceGroupCounts(const QString& qsTaskName, const QString& qsDeviceId,
                              DeviceGroupInfo& group);

    bool appendStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                           const StreamGroupInfo& stream);
    bool deleteStreamGroup(const QString& qsTaskName, const QString& qsDeviceId, int iStreamId);
    void setStreamGroupField(const QString& qsTaskName, const QString& qsDeviceId, int iField,
                             const StreamGroupInfo& stream);
    bool getStreamGroupValues(const QString& qsTaskName, const QString& qsDeviceId,
                              StreamGroupInfo& stream);

private:
    int taskIndex(const QString& qsName) const;
    XmlNode findTask(const QString& qsName) const;
    XmlNode findDeviceGroup(const XmlNode& taskNode, const QString& qsDeviceId) const;
    XmlNode findStreamGroup(const XmlNode& deviceNode, int iStreamId) const;
    bool setDeviceField(const QString& qsTaskName, const QString& qsDeviceId, const QString& qsTag,
                        int iValue);
    bool startNewDocument();

    XmlNode m_root;
    QString m_qsFileName; // empty while closed
    QString m_qsRequestedName;
    FileState m_state = FileState::Unreadable;
    bool m_bChanged = false; // only a changed document is written back
};

#endif
