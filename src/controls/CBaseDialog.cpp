#include "controls/CBaseDialog.h"

#include "ui_CBaseDialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegion>

namespace {
// Presses above this line grab the window by its title band.
const int kDragBandHeight = 33;
const int kCornerRadius = 2;

const QString kFrameWithBottom =
    QStringLiteral("QDialog#CBaseDialogClass{border-image:url(\":/images/Dialog/dialog_bg.png\") "
                   "58;\nborder-width:58;}");
const QString kFrameWithoutBottom =
    QStringLiteral("QDialog#CBaseDialogClass{border-image:url(\":/images/Dialog/dialog_bg2.png\") "
                   "34 6 16 6;\nborder-width:34 6 16 6;}");
} // namespace

CBaseDialog::CBaseDialog(QWidget* parent, bool bShowBottom, bool bShowOk, bool bShowCancel)
    : QDialog(parent), m_pUi(new Ui::CBaseDialogClass), m_bDragging(false),
      m_pContentLayout(nullptr), m_bOkAutoAccept(true), m_bCloseAutoClose(true)
{
    m_pUi->setupUi(this);
    connect(m_pUi->pCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    m_pUi->m_pCloseBtn->hide();
    if (!bShowBottom) {
        m_pUi->m_pBottomFrame->hide();
        m_pUi->m_pgridBaseDialog->setContentsMargins(6, 4, 6, 11);
    }
    applyFrameStyle(bShowBottom);
    m_pUi->pOkBtn->setVisible(bShowOk);
    m_pUi->pCancelBtn->setVisible(bShowCancel);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

CBaseDialog::~CBaseDialog()
{
    delete m_pUi;
}

// The frame draws its own title band; the window manager (task bar, window
// switcher) shows the window title, which must read the same.
void CBaseDialog::SetTitle(const QString& qsTitle)
{
    m_pUi->pLabelTitle->setText(qsTitle);
    setWindowTitle(qsTitle);
}

QString CBaseDialog::GetTitle() const
{
    return m_pUi->pLabelTitle->text();
}

void CBaseDialog::ShowCloseBtn(bool bShow)
{
    m_pUi->m_pCloseBtn->setVisible(bShow);
}

void CBaseDialog::ShowOkBtn(bool bShow)
{
    m_pUi->pOkBtn->setVisible(bShow);
}

void CBaseDialog::ShowCancelBtn(bool bShow)
{
    m_pUi->pCancelBtn->setVisible(bShow);
}

void CBaseDialog::ShowBottomFrame(bool bShow)
{
    m_pUi->pOkBtn->setVisible(bShow);
    m_pUi->pCancelBtn->setVisible(bShow);
    m_pUi->m_pBottomFrame->setVisible(bShow);
    applyFrameStyle(bShow);
}

void CBaseDialog::SetOkAutoAccept(bool bAuto)
{
    m_bOkAutoAccept = bAuto;
}

void CBaseDialog::SetCloseAutoClose(bool bAuto)
{
    m_bCloseAutoClose = bAuto;
}

bool CBaseDialog::SetContentWidget(QWidget* pWidget)
{
    if (!pWidget) {
        return false;
    }
    if (!m_pContentLayout) {
        m_pContentLayout = new QGridLayout(m_pUi->m_pContentFrame);
        m_pContentLayout->setContentsMargins(0, 0, 0, 0);
    }
    m_pContentLayout->addWidget(pWidget);
    return true;
}

QFrame* CBaseDialog::GetContentFrame() const
{
    return m_pUi->m_pContentFrame;
}

void CBaseDialog::SetOkBtnText(const QString& qsText)
{
    m_pUi->pOkBtn->setText(qsText);
}

void CBaseDialog::SetCancelBtnText(const QString& qsText)
{
    m_pUi->pCancelBtn->setText(qsText);
}

void CBaseDialog::SetOkBtnEnable(bool bEnabled)
{
    m_pUi->pOkBtn->setEnabled(bEnabled);
}

void CBaseDialog::on_pOkBtn_clicked()
{
    if (m_bOkAutoAccept) {
        accept();
    } else {
        emit ClickedOKBtnSig();
    }
}

void CBaseDialog::on_m_pCloseBtn_clicked()
{
    if (m_bCloseAutoClose) {
        close();
    } else {
        emit ClickedCloseBtnSig();
    }
}

void CBaseDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->pos().y() < kDragBandHeight) {
        m_bDragging = true;
    }
    m_pressPos = event->pos();
    QDialog::mousePressEvent(event);
}

void CBaseDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_bDragging = false;
    QDialog::mouseReleaseEvent(event);
}

void CBaseDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        move(event->globalPos() - m_pressPos);
    }
    QDialog::mouseMoveEvent(event);
}

void CBaseDialog::keyPressEvent(QKeyEvent* event)
{
    // The frame closes only through its own buttons.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CBaseDialog::resizeEvent(QResizeEvent* event)
{
    const QRect all = rect();
    const int iDiameter = 2 * kCornerRadius;
    QRegion mask(all.adjusted(kCornerRadius, 0, -kCornerRadius, 0));
    mask += QRegion(all.adjusted(0, kCornerRadius, 0, -kCornerRadius));
    mask += QRegion(0, 0, iDiameter, iDiameter, QRegion::Ellipse);
    mask += QRegion(all.width() - iDiameter, 0, iDiameter, iDiameter, QRegion::Ellipse);
    mask += QRegion(0, all.height() - iDiameter, iDiameter, iDiameter, QRegion::Ellipse);
    mask += QRegion(all.width() - iDiameter, all.height() - iDiameter, iDiameter, iDiameter,
                    QRegion::Ellipse);
    setMask(mask);
    QDialog::resizeEvent(event);
}

// Replaces the frame rule but keeps any rules a derived dialog appended.
void CBaseDialog::applyFrameStyle(bool bBottomShown)
{
    QString qsSheet = styleSheet();
    qsSheet.remove(kFrameWithBottom);
    qsSheet.remove(kFrameWithoutBottom);
    setStyleSheet((bBottomShown ? kFrameWithBottom : kFrameWithoutBottom) + qsSheet);
}
