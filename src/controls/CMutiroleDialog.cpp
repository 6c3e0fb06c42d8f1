#include "controls/CMutiroleDialog.h"

#include "controls/CBaseDialog.h"

CMutiroleDialog::CMutiroleDialog(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CMutiroleDialog"));
}

CMutiroleDialog::~CMutiroleDialog()
{
    delete m_pDialog;
}

int CMutiroleDialog::ShowDialog(const QString& qsTitle)
{
    QWidget* pOwner = parentWidget();
    if (!m_pDialog) {
        m_pDialog = new CBaseDialog(pOwner, false, false, false);
        m_pDialog->ShowCloseBtn(true);
        m_pDialog->SetCloseAutoClose(false);
        connect(m_pDialog, &CBaseDialog::ClickedCloseBtnSig, this,
                &CMutiroleDialog::DialogCloseSlot);
        setStyleSheet(QStringLiteral("QFrame#CMutiroleDialog{background-color: transparent;}"));
    }
    m_pDialog->SetContentWidget(this);
    m_pDialog->SetTitle(qsTitle);
    const int iResult = m_pDialog->exec();
    // Back to the owner while hidden, so that the frame and its dialog never own
    // each other when either is destroyed.
    setParent(pOwner);
    return iResult;
}

void CMutiroleDialog::DialogCloseSlot()
{
    if (m_pDialog) {
        m_pDialog->reject();
    }
}
