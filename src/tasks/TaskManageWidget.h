#ifndef TASKMANAGEWIDGET_H
#define TASKMANAGEWIDGET_H

#include "controls/CItemDataRole.h"
#include "model/TaskInfo.h"

#include <QModelIndex>
#include <QWidget>

class TaskManageModel;

namespace Ui {
class TaskManage;
}

// The task list panel: the stored tasks, the "New Task" button and the count.
// It creates, edits and deletes tasks, and tells the window which task is
// current.
class TaskManageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TaskManageWidget(QWidget* parent = nullptr);
    ~TaskManageWidget() override;

Q_SIGNALS:
    void signalShowDevice(const QString& qsTaskName);
    void signalNoTask();
    void signalDelTask(const QString& qsTaskName);
    void signalAddDefTask(const TaskInfo& task);

public Q_SLOTS:
    void newTask();
    void slotShowDevice(const QString& qsTaskName);
    void clickTask(const QModelIndex& qmIndex, tools::CItemDataRole enumRole);
    void OnItemChanged(const QModelIndex& current, const QModelIndex& previous);

private:
    QString ensureExampleTask();
    void setUpView();
    void loadTasks(const QString& qsExampleProblem);
    QString unusableTaskFileText() const;
    void updateCount();
    bool deleteTaskAt(int iRow, const QString& qsName);
    bool editTaskAt(int iRow, const QString& qsName);
    void warn(const QString& qsText);
    void reportNotStored(const QString& qsError);
    void reportRefused(const QString& qsError);

    Ui::TaskManage* m_pUi;
    TaskManageModel* m_pModel;
};

#endif
