#include "tasks/TaskManageModel.h"

#include "controls/CItemDataRole.h"

#include <QPixmap>

#include <vector>

namespace {

const int kNameColumn = 0;
const int kZoneColumn = 1;
const int kColumnCount = 2;
// The task's name as stored, kept with its row: the text shown can be a
// translation, and a stored task may bear the very name that translation gives.
const int kStoredNameRole = Qt::UserRole;

QStandardItem* readOnlyItem()
{
    auto* pItem = new QStandardItem;
    pItem->setEditable(false);
    return pItem;
}

} // namespace

TaskManageModel::TaskManageModel(QObject* parent) : QStandardItemModel(parent)
{
    insertColumns(0, kColumnCount);
}

QString TaskManageModel::taskFileName()
{
    // One spelling for the existence check and the store: on a file system
    // that tells letter case apart, "task.xml" would be another file.
    return QStringLiteral("Task.xml");
}

QString TaskManageModel::exampleTaskName()
{
    return QStringLiteral("Example Task");
}

QString TaskManageModel::exampleTaskText()
{
    return tr("Example Task");
}

TaskXmlStore::FileState TaskManageModel::taskFileState()
{
    return TaskXmlStore::checkFile(taskFileName());
}

void TaskManageModel::clickTask(const QModelIndex& qIndex)
{
    if (qIndex.isValid()) {
        showTaskAt(qIndex.row());
    }
}

void TaskManageModel::showTaskAt(int iRow)
{
    // A task is known to the rest of the window by its stored name, whatever
    // the interface language.
    if (item(iRow, kNameColumn)) {
        emit signalShowDevice(storedNameAt(iRow));
    }
}

bool TaskManageModel::loadTaskRows()
{
    std::vector<TaskInfo> vTasks;
    TaskXmlStore(taskFileName()).getAllTasks(vTasks);
    for (const TaskInfo& task : vTasks) {
        if (appendTaskRow(task) && rowCount() == 1) {
            emit signalShowDevice(task.Name);
        }
    }
    return true;
}

bool TaskManageModel::appendTaskRow(const TaskInfo& task)
{
    if (task.Name.isEmpty()) {
        return false;
    }
    // The first row of the list as loaded can be neither edited nor deleted.
    appendTaskItems(task, rowCount() > 0);
    return true;
}

bool TaskManageModel::insertNewTask(const TaskInfo& task)
{
    if (task.Name.isEmpty() || !TaskXmlStore(taskFileName()).addTask(task)) {
        return false;
    }
    appendTaskItems(task, true);
    return true;
}

bool TaskManageModel::removeStoredTask(const QString& qsName)
{
    return TaskXmlStore(taskFileName()).deleteTask(qsName);
}

bool TaskManageModel::readStoredTask(const QString& qsName, TaskInfo& task)
{
    return TaskXmlStore(taskFileName()).getTask(qsName, task);
}

bool TaskManageModel::updateStoredTask(const QString& qsOldName, const TaskInfo& task)
{
    return TaskXmlStore(taskFileName()).modifyTask(qsOldName, task);
}

bool TaskManageModel::addExampleTask()
{
    TaskInfo example;
    example.Name = exampleTaskName();
    return TaskXmlStore(taskFileName()).addTask(example);
}

QString TaskManageModel::storedNameAt(int iRow) const
{
    const QStandardItem* pNameItem = item(iRow, kNameColumn);
    return pNameItem ? pNameItem->data(kStoredNameRole).toString() : QString();
}

void TaskManageModel::setRowTask(int iRow, const TaskInfo& task)
{
    QStandardItem* pNameItem = item(iRow, kNameColumn);
    if (pNameItem) {
        showTaskName(pNameItem, task);
    }
}

void TaskManageModel::showTaskName(QStandardItem* pNameItem, const TaskInfo& task)
{
    pNameItem->setText(task.Name == exampleTaskName() ? exampleTaskText() : task.Name);
    pNameItem->setData(task.Name, kStoredNameRole);
    pNameItem->setToolTip(task.Remark);
}

void TaskManageModel::appendTaskItems(const TaskInfo& task, bool bWithZones)
{
    QStandardItem* pNameItem = readOnlyItem();
    showTaskName(pNameItem, task);
    QStandardItem* pZoneItem = readOnlyItem();
    if (bWithZones) {
        pZoneItem->setToolTip(tr("Edit and Delete"));
        pZoneItem->setData(QPixmap(QStringLiteral(":images/ButtonIcon/EditWhite.png")),
                           tools::ZonePixmap2Role);
        pZoneItem->setData(QPixmap(QStringLiteral(":images/ButtonIcon/Delete_White.png")),
                           tools::ZonePixmap1Role);
    }
    appendRow({pNameItem, pZoneItem});
}
