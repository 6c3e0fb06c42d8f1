#ifndef TASKXMLSTORE_H
#define TASKXMLSTORE_H

#include "model/DeviceGroupInfo.h"
#include "model/StreamGroupInfo.h"
#include "model/TaskInfo.h"
#include "model/XmlNode.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// Every read and write of Task.xml.
//
// The document parsed from the file is kept, shared by every store on that
// file, and reused for as long as the file on disk keeps its identity, size
// and modification time; a file changed by another program is read again at
// the next operation. Reading operations never write. An operation that
// changes the document writes the whole file at once, atomically, and gives
// false when that write failed: the file then still holds what it held, the
// kept document is dropped, and *pError (when given) tells the user why, in a
// sentence that names the file. A refused change (a duplicate name, a task
// that is not there) gives false and leaves *pError alone.
//
// A missing file is started afresh by addTask() (declaration and a root
// "TaskList"), so a first start can store the example task; any other
// operation on a missing file leaves no file behind. A file that does not
// parse is never overwritten: the store stays closed, and fileState() or
// checkFile() tell the window why.
class TaskXmlStore
{
    Q_DECLARE_TR_FUNCTIONS(TaskXmlStore)
public:
    // Why a store is open or closed.
    enum class FileState
    {
        Open,       // the file parsed; operations work on it
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
    TaskXmlStore(const TaskXmlStore&) = delete;
    TaskXmlStore& operator=(const TaskXmlStore&) = delete;

    bool isOpen() const { return m_state == FileState::Open; }
    // As of the last operation (or the construction).
    FileState fileState() const { return m_state; }
    // The state a store built on that file would start in; reads only, and
    // parses only a file that is not kept.
    static FileState checkFile(const QString& fileName);

    // Removes what an interrupted save left beside the file (a complete or
    // partial copy under a temporary name), unless another instance of the
    // program works in that folder. The folder counts as in use by this
    // process from then on.
    static void removeStaleTemporaryFiles(const QString& fileName);

    bool addTask(const TaskInfo& task, QString* pError = nullptr);
    bool deleteTask(const QString& qsName, QString* pError = nullptr);
    bool getTask(const QString& qsName, TaskInfo& task);
    bool getAllTasks(std::vector<TaskInfo>& vTasks);
    bool modifyTask(const QString& qsOldName, const TaskInfo& task, QString* pError = nullptr);
    bool taskExists(const QString& qsName);
    // Renames every task whose name an earlier task already has, to the
    // first free "name (2)", "name (3)"...; the new names are appended to
    // qsRenamed as "old -> new". True when no name was shared or the
    // renaming was stored.
    bool makeTaskNamesUnique(QStringList& qsRenamed, QString* pError = nullptr);

    bool addDeviceGroup(const QString& qsTaskName, const DeviceGroupInfo& group,
                        QString* pError = nullptr);
    // All of them or none, in one write.
    bool addDeviceGroups(const QString& qsTaskName, const std::vector<DeviceGroupInfo>& vGroups,
                         QString* pError = nullptr);
    bool getDeviceGroups(const QString& qsTaskName, std::vector<DeviceGroupInfo>& vGroups);
    bool deleteDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId,
                           QString* pError = nullptr);
    bool setDeviceNum(const QString& qsTaskName, const QString& qsDeviceId, int iDeviceNum,
                      QString* pError = nullptr);
    bool setMainStream(const QString& qsTaskName, const QString& qsDeviceId, int iMainStream,
                       QString* pError = nullptr);
    bool setSubStream(const QString& qsTaskName, const QString& qsDeviceId, int iSubStream,
                      QString* pError = nullptr);
    bool getDeviceGroupCounts(const QString& qsTaskName, const QString& qsDeviceId,
                              DeviceGroupInfo& group);

    bool appendStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                           const StreamGroupInfo& stream, QString* pError = nullptr);
    bool deleteStreamGroup(const QString& qsTaskName, const QString& qsDeviceId, int iStreamId,
                           QString* pError = nullptr);
    // False for a missing stream group or an unknown field, and when the
    // change could not be written.
    bool setStreamGroupField(const QString& qsTaskName, const QString& qsDeviceId, int iField,
                             const StreamGroupInfo& stream, QString* pError = nullptr);
    bool getStreamGroupValues(const QString& qsTaskName, const QString& qsDeviceId,
                              StreamGroupInfo& stream);

private:
    bool open();
    bool openForChange(QString* pError);
    bool commit(QString* pError, const std::vector<XmlNode>& vWritten = {});
    QString closedText() const;
    QString nativePath() const;

    int taskIndex(const QString& qsName) const;
    XmlNode findTask(const QString& qsName) const;
    XmlNode findDeviceGroup(const XmlNode& taskNode, const QString& qsDeviceId) const;
    XmlNode findStreamGroup(const XmlNode& deviceNode, int iStreamId) const;
    bool setDeviceField(const QString& qsTaskName, const QString& qsDeviceId, const QString& qsTag,
                        int iValue, QString* pError);
    void startNewDocument();

    XmlNode m_root;
    QString m_qsFileName;
    FileState m_state = FileState::Unreadable;
};

#endif
