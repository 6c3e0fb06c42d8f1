#include "controls/CWarnInfoDlg.h"

#include "controls/CWarnDlg.h"

CWarnInfoDlg* CWarnInfoDlg::Instance()
{
    static CWarnInfoDlg instance;
    return &instance;
}

CWarnInfoDlg::CWarnInfoDlg()
{
    connect(this, &CWarnInfoDlg::ShowMsgInfoSig, this, &CWarnInfoDlg::ShowMsgInfo);
}

void CWarnInfoDlg::SetParentWidget(QWidget* pParent)
{
    m_pParent = pParent;
}

void CWarnInfoDlg::ShowMsgInfo(QString strTitle, QString strContent)
{
    CWarnDlg::Information(strTitle, strContent, m_pParent);
}
