#include "shell/CWindowTitle.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace {
const char* const kMinStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/mini.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/mini_hover.png);}";
const char* const kCloseStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/close.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/close_hover.png);}";
const char* const kFullScreenStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/full-screen.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/"
    "full-screen_hover.png);}";
const char* const kRestoreStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/back.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/back_hover.png);}";
// The styles set by the size buttons carry a blank before the last brace.
const char* const kFullScreenStyleAfterRestore =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/full-screen.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/"
    "full-screen_hover.png); }";
const char* const kRestoreStyleAfterMaximize =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/back.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/back_hover.png); }";

const int kNormalWidth = 1024;
const int kNormalHeight = 768;

QPushButton* makeSizeButton(const char* pszName, QWidget* parent)
{
    auto* pButton = new QPushButton(parent);
    pButton->setObjectName(QString::fromLatin1(pszName));
    pButton->setFixedSize(20, 20);
    pButton->setFocusPolicy(Qt::ClickFocus);
    return pButton;
}
} // namespace

CWindowTitle::CWindowTitle(QWidget* parent)
    : QWidget(parent), m_pWindow(parent), m_iPressed(0), m_bMaximized(false)
{
    setAutoFillBackground(true);
    buildLayout();
    connect(m_pMaxBtn, &QPushButton::clicked, this, &CWindowTitle::ChaneMaxSizeOrRestore);
    connect(m_pCloseBtn, &QPushButton::clicked, this, &CWindowTitle::OnCloseWindow);
    connect(m_pMinBtn, &QPushButton::clicked, this, &CWindowTitle::showSmall);
    applyStyles();
    applyBackground();
}

void CWindowTitle::buildLayout()
{
    auto* pOuterLayout = new QHBoxLayout(this);
    pOuterLayout->setSpacing(1);
    pOuterLayout->setContentsMargins(4, 1, 4, 1);

    auto* pLeftLayout = new QHBoxLayout;
    pLeftLayout->setSpacing(1);
    m_pIconBtn = new QPushButton(this);
    m_pIconBtn->setFixedSize(32, 32);
    m_pIconBtn->setFocusPolicy(Qt::NoFocus);
    pLeftLayout->addWidget(m_pIconBtn);
    pLeftLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    m_pTitleLabel = new QLabel(tr("Vardex"), this);
    m_pTitleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    auto* pRightLayout = new QHBoxLayout;
    pRightLayout->setSpacing(1);
    pRightLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_pMinBtn = makeSizeButton("m_pMinBtn", this);
    m_pMaxBtn = makeSizeButton("m_pMaxBtn", this);
    m_pCloseBtn = makeSizeButton("m_pCloseBtn", this);
    pRightLayout->addWidget(m_pMinBtn);
    pRightLayout->addWidget(m_pMaxBtn);
    pRightLayout->addWidget(m_pCloseBtn);

    pOuterLayout->addLayout(pLeftLayout, 1);
    pOuterLayout->addWidget(m_pTitleLabel, 1);
    pOuterLayout->addLayout(pRightLayout, 1);
}

void CWindowTitle::applyStyles()
{
    m_pIconBtn->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(:/images/title/calculate32.png);}"));
    m_pTitleLabel->setStyleSheet(QStringLiteral("color:rgb(255, 255, 255);"));
    m_pMinBtn->setStyleSheet(QString::fromLatin1(kMinStyle));
    m_pCloseBtn->setStyleSheet(QString::fromLatin1(kCloseStyle));
    const bool bFullScreen = m_pWindow && m_pWindow->isFullScreen();
    m_pMaxBtn->setStyleSheet(QString::fromLatin1(bFullScreen ? kRestoreStyle : kFullScreenStyle));
}

void CWindowTitle::applyBackground()
{
    QPalette palette = this->palette();
    const QPixmap background(QStringLiteral(":/images/title/title_bg.png"));
    if (!background.isNull()) {
        palette.setBrush(QPalette::Window, QBrush(background.scaled(size(), Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation)));
    }
    setPalette(palette);
}

QRect CWindowTitle::availableGeometry() const
{
    const QWidget* pAnchor = m_pWindow ? m_pWindow : this;
    const QScreen* pScreen = pAnchor->screen();
    return pScreen ? pScreen->availableGeometry() : QRect();
}

bool CWindowTitle::screenLargeEnough() const
{
    const QWidget* pAnchor = m_pWindow ? m_pWindow : this;
    const QScreen* pScreen = pAnchor->screen();
    if (!pScreen) {
        return false;
    }
    const QSize screenSize = pScreen->geometry().size();
    return screenSize.width() > kNormalWidth - 1 && screenSize.height() > kNormalHeight - 1;
}

void CWindowTitle::showSmall()
{
    if (m_pWindow) {
        m_pWindow->showMinimized();
    }
}

void CWindowTitle::OnCloseWindow()
{
    if (m_pWindow) {
        m_pWindow->close();
    }
}

void CWindowTitle::ChangSizeToFull()
{
    if (!m_pWindow || !screenLargeEnough()) {
        return;
    }
    const QRect available = availableGeometry();
    m_pWindow->setMaximumSize(available.width(), available.height());
    m_pWindow->resize(available.width(), available.height());
    m_pWindow->move(0, 0);
    m_bMaximized = true;
    m_pMaxBtn->setStyleSheet(QString::fromLatin1(kRestoreStyleAfterMaximize));
}

void CWindowTitle::ChaneMaxSizeOrRestore()
{
    if (!m_pWindow || !screenLargeEnough()) {
        return;
    }
    if (!m_bMaximized) {
        ChangSizeToFull();
        return;
    }
    const QRect available = availableGeometry();
    m_pWindow->setFixedWidth(kNormalWidth);
    m_pWindow->setFixedHeight(kNormalHeight);
    m_pWindow->move(available.width() / 2 - kNormalWidth / 2,
                    available.height() / 2 - kNormalHeight / 2);
    m_pMaxBtn->setStyleSheet(QString::fromLatin1(kFullScreenStyleAfterRestore));
    m_bMaximized = false;
}

void CWindowTitle::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    ChaneMaxSizeOrRestore();
}

void CWindowTitle::mousePressEvent(QMouseEvent* event)
{
    if (m_pWindow && !m_pWindow->isFullScreen()) {
        m_iPressed = 1;
        m_dragOffset = mapTo(m_pWindow, event->pos());
    }
}

void CWindowTitle::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bMaximized && m_iPressed == 1 && m_pWindow) {
        m_pWindow->move(event->globalPos() - m_dragOffset);
    }
}

void CWindowTitle::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    m_iPressed = 0;
}
