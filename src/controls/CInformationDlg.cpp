#include "controls/CInformationDlg.h"

#include <QCursor>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
// How often the window checks whether the pointer is still over it.
const int kHoverCheckMs = 500;
} // namespace

CInformationDlg::CInformationDlg(QWidget* parent)
    : QFrame(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_pDetailEdit(new QTextEdit(this)), m_pTextLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("m_this"));
    setStyleSheet(
        QStringLiteral("QFrame#m_this{background: rgb(15, 15, 15); border: 2px solid gray;}"));
    const QString qsTransparent =
        QStringLiteral("background-color: transparent; border:none; color: white;");
    m_pTextLabel->setWordWrap(true);
    m_pTextLabel->setAlignment(Qt::AlignCenter);
    m_pTextLabel->setStyleSheet(qsTransparent);
    m_pDetailEdit->setReadOnly(true);
    m_pDetailEdit->setStyleSheet(qsTransparent);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTextLabel);
    pLayout->addWidget(m_pDetailEdit);
    m_hideTimer.setInterval(kHoverCheckMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &CInformationDlg::HideWnd);
}

void CInformationDlg::ShowInfo(const QString& qsText, const QString& qsDetail,
                               const QPoint& globalPos)
{
    m_pTextLabel->setText(qsText);
    m_pDetailEdit->setPlainText(qsDetail);
    m_pDetailEdit->setVisible(!qsDetail.isEmpty());
    adjustSize();
    move(globalPos);
    show();
    m_hideTimer.start();
}

void CInformationDlg::HideWnd()
{
    if (frameGeometry().contains(QCursor::pos())) {
        return;
    }
    m_hideTimer.stop();
    hide();
}
