#include "tasks/TaskManageWidget.h"

#include "controls/CTreeViewWithRightPixmapDelegate.h"
#include "controls/CWarnDlg.h"
#include "tasks/NewTaskWidget.h"
#include "tasks/TaskManageModel.h"
#include "ui_TaskManage.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTimer>

namespace {

const int kMaxTaskCount = 50;

} // namespace

TaskManageWidget::TaskManageWidget(QWidget* parent)
    : QWidget(parent), m_pUi(new Ui::TaskManage), m_pModel(nullptr)
{
    m_pUi->setupUi(this);
    m_pModel = new TaskManageModel(this);
    TaskManageModel::removeStaleTemporaryFiles();
    const QString qsExampleProblem = ensureExampleTask();

    connect(m_pUi->btnNewTask, &QPushButton::clicked, this, &TaskManageWidget::newTask);
    connect(m_pModel, &TaskManageModel::signalShowDevice, this, &TaskManageWidget::slotShowDevice);
    connect(m_pUi->treeTask, &QAbstractItemView::clicked, m_pModel, &TaskManageModel::clickTask);
    connect(m_pUi->treeTask, &CBaseItemView::SignalClicked, this, &TaskManageWidget::clickTask);

    setUpView();
    loadTasks(qsExampleProblem);
    connect(m_pUi->treeTask->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TaskManageWidget::OnItemChanged);
}

TaskManageWidget::~TaskManageWidget()
{
    delete m_pUi;
}

// Why a first start could not store the example task, or "".
QString TaskManageWidget::ensureExampleTask()
{
    QString qsError;
    if (!QFile::exists(TaskManageModel::taskFileName())) {
        m_pModel->addExampleTask(&qsError);
    }
    return qsError;
}

void TaskManageWidget::setUpView()
{
    CNewTreeView* pView = m_pUi->treeTask;
    pView->setItemDelegate(new CTreeViewWithRightPixmapDelegate(pView));
    pView->setHeaderHidden(true);
    pView->setModel(m_pModel);
    pView->header()->setSectionResizeMode(QHeaderView::Stretch);
    pView->setItemsExpandable(false);
    pView->setRootIsDecorated(false);
    pView->SetGridLineVisible(true);
    pView->setSelectionMode(QAbstractItemView::SingleSelection);
}

void TaskManageWidget::loadTasks(const QString& qsExampleProblem)
{
    m_pUi->labListNum->setText(QStringLiteral("0"));
    QString qsNotice;
    m_pModel->loadTaskRows(&qsNotice);
    updateCount();

    // What the user must know about the file is reported once the window is
    // up, in one box: a modal box must not hold up the construction of the
    // window.
    QStringList qsProblems{qsExampleProblem, unusableTaskFileText(), qsNotice};
    qsProblems.removeAll(QString());
    if (!qsProblems.isEmpty()) {
        QTimer::singleShot(
            0, this, [this, qsProblems]() { reportNotStored(qsProblems.join(QLatin1Char('\n'))); });
    }
}

// Why the task file gives no tasks, or "" when it gives what it holds.
QString TaskManageWidget::unusableTaskFileText() const
{
    const QString qsPath =
        QDir::toNativeSeparators(QDir::current().absoluteFilePath(TaskManageModel::taskFileName()));
    switch (TaskManageModel::taskFileState()) {
    case TaskXmlStore::FileState::Damaged:
        return tr("The task file %1 is damaged and cannot be read. It was left untouched.")
            .arg(qsPath);
    case TaskXmlStore::FileState::Unreadable:
        return tr("The task file %1 cannot be opened. It was left untouched.").arg(qsPath);
    default:
        return QString();
    }
}

void TaskManageWidget::updateCount()
{
    m_pUi->labListNum->setText(QString::number(m_pModel->rowCount()));
}

void TaskManageWidget::warn(const QString& qsText)
{
    CWarnDlg(this).ExecInfo(tr("Warn"), qsText);
}

void TaskManageWidget::reportNotStored(const QString& qsError)
{
    CWarnDlg(this).ExecInfo(tr("Error"), qsError);
}

// A refused change says so; one that did not reach the file says why.
void TaskManageWidget::reportRefused(const QString& qsError)
{
    if (qsError.isEmpty()) {
        warn(tr("Adding failed."));
    } else {
        reportNotStored(qsError);
    }
}

void TaskManageWidget::newTask()
{
    if (m_pModel->rowCount() >= kMaxTaskCount) {
        warn(tr("Up to 50 task can be added."));
        return;
    }
    TaskInfo task;
    {
        NewTaskWidget dialog(nullptr);
        if (dialog.exec() != 1) {
            return;
        }
        dialog.GetTaskInfo(task);
    }
    QString qsError;
    if (!m_pModel->insertNewTask(task, &qsError)) {
        reportRefused(qsError);
        return;
    }
    emit signalAddDefTask(task);

    const QModelIndex newIndex = m_pModel->index(m_pModel->rowCount() - 1, 0);
    m_pModel->clickTask(newIndex);
    m_pUi->treeTask->setCurrentIndex(newIndex);
    updateCount();
}

void TaskManageWidget::slotShowDevice(const QString& qsTaskName)
{
    emit signalShowDevice(qsTaskName);
}

void TaskManageWidget::clickTask(const QModelIndex& qmIndex, tools::CItemDataRole enumRole)
{
    if (!qmIndex.isValid()) {
        return;
    }
    const int iRow = qmIndex.row();
    const QString qsName = m_pModel->storedNameAt(iRow);
    if (enumRole == tools::ZonePixmap1Role && deleteTaskAt(iRow, qsName)) {
        return;
    }
    if (enumRole == tools::ZonePixmap2Role && !editTaskAt(iRow, qsName)) {
        return;
    }
    m_pModel->clickTask(qmIndex);
    if (m_pModel->rowCount() == 0) {
        emit signalNoTask();
    }
}

bool TaskManageWidget::deleteTaskAt(int iRow, const QString& qsName)
{
    QString qsError;
    if (!m_pModel->removeStoredTask(qsName, &qsError)) {
        if (!qsError.isEmpty()) {
            reportNotStored(qsError);
        }
        return false;
    }
    m_pModel->removeRow(iRow);
    emit signalDelTask(qsName);
    updateCount();

    const int iRowCount = m_pModel->rowCount();
    // The task that moved up into the deleted row, or else the new last one.
    m_pModel->showTaskAt(iRow < iRowCount ? iRow : iRowCount - 1);
    if (iRowCount == 0) {
        emit signalNoTask();
    }
    return true;
}

// False only when the store refused the change.
bool TaskManageWidget::editTaskAt(int iRow, const QString& qsName)
{
    TaskInfo stored;
    if (!m_pModel->readStoredTask(qsName, stored)) {
        return true;
    }
    TaskInfo edited;
    {
        NewTaskWidget dialog(nullptr);
        dialog.SetTaskInfo(stored);
        if (dialog.exec() != 1) {
            return true;
        }
        dialog.GetTaskInfo(edited);
    }
    QString qsError;
    if (!m_pModel->updateStoredTask(qsName, edited, &qsError)) {
        reportRefused(qsError);
        return false;
    }
    m_pModel->setRowTask(iRow, edited);
    return true;
}

void TaskManageWidget::OnItemChanged(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(previous)
    // A row also becomes current without a click (the view takes its first row
    // when it gains focus): select it, so that the task shown is the one marked.
    if (current.isValid()) {
        m_pUi->treeTask->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
    }
    m_pModel->clickTask(current);
}
