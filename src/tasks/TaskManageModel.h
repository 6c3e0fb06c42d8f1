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

    void showTaskAt(int iRow);
    bool loadTaskRows();
    bool appendTaskRow(const TaskInfo& task);
    bool insertNewTask(const TaskInfo& task);
    bool removeStoredTask(const QString& qsName);
    bool readStoredTask(const QString& qsName, TaskInfo& task);
    bool updateStoredTask(const QString& qsOldName, const TaskInfo& task);
    bool addExampleTask();

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
