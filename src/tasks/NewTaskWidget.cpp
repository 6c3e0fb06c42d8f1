#include "tasks/NewTaskWidget.h"

#include "controls/CIntValidator.h"
#include "controls/CRegExpValidator.h"
#include "controls/CToolTip.h"
#include "model/AppFilePath.h"
#include "model/DefCfgReader.h"
#include "model/TaskXmlStore.h"
#include "model/XmlCharacters.h"
#include "tasks/TaskManageModel.h"
#include "ui_NewTask.h"

#include <QKeyEvent>
#include <QTextBoundaryFinder>
#include <QTextCursor>

#include <algorithm>
#include <vector>

namespace {

const uint kMaxNameBytes = 32;
const int kMaxRemarkLength = 64;
const int kMinDeviceCount = 1;
const int kMaxDeviceCount = 999;

// A name is one line: it holds no control character, not even those that
// XML keeps.
bool isStorableName(const QString& qsName)
{
    return XmlCharacters::canHold(qsName) &&
           std::none_of(qsName.begin(), qsName.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// The positions where the characters of the text begin, as the user counts
// characters (an emoji or a letter with its accent is one), and its end.
std::vector<int> characterBounds(const QString& qsText)
{
    std::vector<int> vBounds{0};
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, qsText);
    while (characters.toNextBoundary() > 0) {
        vBounds.push_back(characters.position());
    }
    return vBounds;
}

} // namespace

NewTaskWidget::NewTaskWidget(QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_pUi(new Ui::NewTask)
{
    m_pUi->setupUi(GetContentFrame());
    SetTitle(tr("New Task"));
    readTemplates();
    setUpFields();
}

NewTaskWidget::~NewTaskWidget()
{
    delete m_pUi;
}

void NewTaskWidget::readTemplates()
{
    const DefCfgReader reader(appFilePath(QStringLiteral("DefCfg.xml")));
    reader.getHighDef(m_qsHighDefIpc, m_qsHighDefDvr);
    reader.getStandardDef(m_qsStandardDefIpc, m_qsStandardDefDvr);
}

void NewTaskWidget::setUpFields()
{
    QComboBox* pCombo = m_pUi->comboTaskType;
    pCombo->addItem(QCoreApplication::translate("NewTask", "Normal Task"), TaskTypeNormal);
    pCombo->addItem(QCoreApplication::translate("NewTask", "High Definition Task"),
                    TaskTypeHighDef);
    pCombo->addItem(QCoreApplication::translate("NewTask", "Standard Definition Task"),
                    TaskTypeStandardDef);

    m_pUi->editTaskName->setValidator(new CRegExpValidator(kMaxNameBytes, this));
    m_pUi->editDVRCount->setValidator(new CIntValidator(kMinDeviceCount, kMaxDeviceCount, this));
    m_pUi->editIPCCount->setValidator(new CIntValidator(kMinDeviceCount, kMaxDeviceCount, this));

    connect(pCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewTaskWidget::onChangeTaskType);
    SetOkAutoAccept(false);
    connect(this, &CBaseDialog::ClickedOKBtnSig, this, &NewTaskWidget::onClickOK);
    connect(m_pUi->editRemark, &QTextEdit::textChanged, this, &NewTaskWidget::slotTextChanged);
    onChangeTaskType(0);
    m_pUi->editRemark->installEventFilter(this);
}

void NewTaskWidget::SetTaskInfo(const TaskInfo& task)
{
    m_bEditMode = true;
    SetTitle(tr("Edit Task"));
    m_pUi->editTaskName->setText(task.Name);
    m_pUi->editRemark->setPlainText(task.Remark);
    m_qsOldName = task.Name;
    m_taskInfo.Type = task.Type;
    m_taskInfo.DVRNum = task.DVRNum;
    m_taskInfo.IPCNum = task.IPCNum;
    // The type and the counts of a stored task cannot change.
    m_pUi->labelTaskType->hide();
    m_pUi->comboTaskType->hide();
    showCountRows(false);
}

void NewTaskWidget::GetTaskInfo(TaskInfo& task) const
{
    task = m_taskInfo;
}

bool NewTaskWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The remark is one line: Enter neither breaks it nor ends the dialog.
    if (watched == m_pUi->editRemark && event->type() == QEvent::KeyPress) {
        const int iKey = static_cast<QKeyEvent*>(event)->key();
        if (iKey == Qt::Key_Return || iKey == Qt::Key_Enter) {
            return true;
        }
    }
    return CBaseDialog::eventFilter(watched, event);
}

void NewTaskWidget::onChangeTaskType(int nIndex)
{
    if (nIndex < 0) {
        return;
    }
    switch (m_pUi->comboTaskType->itemData(nIndex).toInt()) {
    case TaskTypeNormal:
        showCountRows(false);
        break;
    case TaskTypeHighDef:
        showCountRows(true);
        showCounts(m_qsHighDefDvr, m_qsHighDefIpc);
        break;
    case TaskTypeStandardDef:
        showCountRows(true);
        showCounts(m_qsStandardDefDvr, m_qsStandardDefIpc);
        break;
    default:
        break;
    }
}

void NewTaskWidget::showCountRows(bool bShow)
{
    m_pUi->labelDVR->setVisible(bShow);
    m_pUi->labelIPC->setVisible(bShow);
    m_pUi->editDVRCount->setVisible(bShow);
    m_pUi->editIPCCount->setVisible(bShow);
}

void NewTaskWidget::showCounts(const QString& qsDvr, const QString& qsIpc)
{
    m_pUi->editDVRCount->setText(qsDvr.trimmed());
    m_pUi->editIPCCount->setText(qsIpc.trimmed());
}

void NewTaskWidget::onClickOK()
{
    const QString qsName = m_pUi->editTaskName->text().trimmed();
    const QString qsRemark = m_pUi->editRemark->toPlainText();
    if (!checkName(qsName) || !checkRemark(qsRemark) || !checkStoredNames(qsName, qsRemark)) {
        return;
    }
    if (!m_bEditMode) {
        const int iType = m_pUi->comboTaskType->currentData().toInt();
        int iIpcCount = 0;
        int iDvrCount = 0;
        if (!readCount(m_pUi->editIPCCount, iIpcCount) ||
            !readCount(m_pUi->editDVRCount, iDvrCount)) {
            return;
        }
        m_taskInfo.Type = iType;
        m_taskInfo.IPCNum = iIpcCount;
        m_taskInfo.DVRNum = iDvrCount;
    }
    m_taskInfo.Name = qsName;
    m_taskInfo.Remark = qsRemark;
    accept();
}

// The reserved name, an empty name and a name that Task.xml cannot hold as it
// is are refused. A stored task may keep its own name even where it reads
// like the example task's translation.
bool NewTaskWidget::checkName(const QString& qsName)
{
    QLineEdit* pField = m_pUi->editTaskName;
    const bool bOwnName = qsName == m_qsOldName && qsName != TaskManageModel::exampleTaskName();
    if (qsName == TaskManageModel::exampleTaskText() && !bOwnName) {
        pointAt(pField, tr("Reserved task name can not be added."));
        return false;
    }
    if (qsName.isEmpty()) {
        pointAt(pField, tr("The task name is invalid"));
        return false;
    }
    if (!isStorableName(qsName)) {
        pointAt(pField, tr("The task name contains control or invalid characters that cannot "
                           "be saved."));
        return false;
    }
    return true;
}

// Line breaks and tabs are kept; what Task.xml cannot hold is refused rather
// than lost on saving.
bool NewTaskWidget::checkRemark(const QString& qsRemark)
{
    if (!XmlCharacters::canHold(qsRemark)) {
        pointAt(m_pUi->editRemark,
                tr("The remark contains control or invalid characters that cannot be saved."));
        return false;
    }
    return true;
}

// The name of another stored task is refused. Keeping a task's own name
// stores its new remark at once.
bool NewTaskWidget::checkStoredNames(const QString& qsName, const QString& qsRemark)
{
    TaskXmlStore store(TaskManageModel::taskFileName());
    if (qsName == m_qsOldName) {
        store.setTaskRemark(qsName, qsRemark);
        return true;
    }
    if (store.taskExists(qsName)) {
        pointAt(m_pUi->editTaskName, qsName == TaskManageModel::exampleTaskName()
                                         ? tr("Reserved task name can not be added.")
                                         : tr("Task name already exists."));
        return false;
    }
    return true;
}

// A shown count field must hold 1..999; a hidden one counts 0.
bool NewTaskWidget::readCount(QLineEdit* pEdit, int& iCount)
{
    if (pEdit->isHidden()) {
        iCount = 0;
        return true;
    }
    iCount = pEdit->text().trimmed().toInt();
    if (iCount < kMinDeviceCount || iCount > kMaxDeviceCount) {
        pointAt(pEdit, tr("Device Count Ranges [1~999]"));
        return false;
    }
    return true;
}

void NewTaskWidget::pointAt(QWidget* pField, const QString& qsText)
{
    CToolTip::showText(pField->mapToGlobal(QPoint(0, 0)), qsText, pField);
}

void NewTaskWidget::slotTextChanged()
{
    QTextEdit* pRemark = m_pUi->editRemark;
    const std::vector<int> vBounds = characterBounds(pRemark->toPlainText());
    const int iCharacters = int(vBounds.size()) - 1;
    const int iExcess = iCharacters - kMaxRemarkLength;
    if (iExcess <= 0) {
        return;
    }
    // What was typed or pasted last stands just before the cursor: cut that,
    // in whole characters.
    QTextCursor cursor = pRemark->textCursor();
    const auto itCursor = std::upper_bound(vBounds.begin(), vBounds.end(), cursor.position());
    const int iCutFirst = qMax(0, int(itCursor - vBounds.begin()) - 1 - iExcess);
    cursor.setPosition(vBounds[iCutFirst]);
    cursor.setPosition(vBounds[iCutFirst + iExcess], QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    pRemark->setTextCursor(cursor);
}
