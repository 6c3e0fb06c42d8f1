#ifndef TASKMANAGEMODEL_H
#define TASKMANAGEMODEL_H

#include "model/TaskInfo.h"
#include "model/TaskXmlStore.h"

#include <QStandardItemModel>

// The list of stored tasks, one row per task in Task.xml order, and every
// task-level operation on Task.xml. Column 0 shows the name (the example task
// by its translation) and keeps the stored one, column 1 the edit and delete
// click zones.
class TaskManageModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit TaskManageModel(QObject* parent = nullptr);

    // The task file, in the process's current directory.
    static QString taskFileName();
    // The stored name of the reserved example task, and how the list shows it.
    static QString exampleTaskName();
    static QString exampleTaskText();
    // Why the task file could or could not be opened; reads only.
    static TaskXmlStore::FileState taskFileState();
    // Removes what an interrupted save of the task file left behind.
    static void removeStaleTemporaryFiles();

    // The operations that change Task.xml give false with the reason in
    // *pError when the change did not reach the file.
    void showTaskAt(int iRow);
    // Tasks that share a name with an earlier one are renamed first, and
    // *pNotice tells the user.
    bool loadTaskRows(QString* pNotice = nullptr);
    bool appendTaskRow(const TaskInfo& task);
    bool insertNewTask(const TaskInfo& task, QString* pError = nullptr);
    bool removeStoredTask(const QString& qsName, QString* pError = nullptr);
    bool readStoredTask(const QString& qsName, TaskInfo& task);
    bool updateStoredTask(const QString& qsOldName, const TaskInfo& task,
                          QString* pError = nullptr);
    bool addExampleTask(QString* pError = nullptr);

    // The stored name of a row's task, whatever its row shows; empty for a
    // row that does not exist.
    QString storedNameAt(int iRow) const;
    // Shows a stored task's new name and remark in its row.
    void setRowTask(int iRow, const TaskInfo& task);

Q_SIGNALS:
    void signalShowDevice(const QString& qsTaskName);

public Q_SLOTS:
    void clickTask(const QModelIndex& qIndex);

private:
    static void showTaskName(QStandardItem* pNameItem, const TaskInfo& task);
    void appendTaskItems(const TaskInfo& task, bool bWithZones);
};

#endif
