#include "controls/CToolLabel.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextDocument>
#include <QToolTip>

namespace {
const int kHideDelayMs = 300;
// The tip opens below and right of the pointer, clear of the cursor image.
const QPoint kPointerOffset(2, 21);
const int kFlipLeftGap = 4;
const int kFlipUpGap = 24;

QRect screenRectAt(const QPoint& globalPos)
{
    const QScreen* pScreen = QGuiApplication::screenAt(globalPos);
    if (!pScreen) {
        pScreen = QGuiApplication::primaryScreen();
    }
    return pScreen ? pScreen->geometry() : QRect();
}
} // namespace

CToolLabel* CToolLabel::s_pInstance = nullptr;

CToolLabel::CToolLabel(const QString& qsText, QWidget* pOwner)
    : QLabel(pOwner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    delete s_pInstance;
    s_pInstance = this;
    setObjectName(QStringLiteral("ctooltip_label"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    qApp->installEventFilter(this);
    reuseTip(qsText);
}

CToolLabel::~CToolLabel()
{
    if (s_pInstance == this) {
        s_pInstance = nullptr;
    }
}

CToolLabel* CToolLabel::instance()
{
    return s_pInstance;
}

void CToolLabel::reuseTip(const QString& qsText)
{
    m_hideTimer.stop();
    setWordWrap(Qt::mightBeRichText(qsText));
    setText(qsText);
    resize(sizeHint());
}

void CToolLabel::setTipRect(QWidget* pOwner, const QRect& rect)
{
    if (!rect.isNull() && !pOwner) {
        qWarning("CToolTip::setTipRect: Cannot pass null widget if rect is set");
        return;
    }
    m_pOwner = pOwner;
    m_tipRect = rect;
}

void CToolLabel::placeTip(const QPoint& globalPos)
{
    const QRect screen = screenRectAt(globalPos);
    QPoint p = globalPos + kPointerOffset;
    if (p.x() + width() > screen.x() + screen.width()) {
        p.rx() -= kFlipLeftGap + width();
    }
    if (p.y() + height() > screen.y() + screen.height()) {
        p.ry() -= kFlipUpGap + height();
    }
    p.setX(qBound(screen.x(), p.x(), screen.x() + screen.width() - width()));
    p.setY(qBound(screen.y(), p.y(), screen.y() + screen.height() - height()));
    move(p);
}

void CToolLabel::hideTip()
{
    if (!m_hideTimer.isActive()) {
        m_hideTimer.start(kHideDelayMs, this);
    }
}

void CToolLabel::hideTipImmediately()
{
    m_hideTimer.stop();
    hide();
    if (s_pInstance == this) {
        s_pInstance = nullptr;
    }
    deleteLater();
}

bool CToolLabel::eventFilter(QObject* pWatched, QEvent* event)
{
    const bool bOwnerOrTip = pWatched == this || (m_pOwner && pWatched == m_pOwner);
    switch (event->type()) {
    case QEvent::Leave:
        if (bOwnerOrTip) {
            hideTip();
        }
        break;
    case QEvent::MouseMove:
        if (m_pOwner && pWatched == m_pOwner && !m_tipRect.isNull() &&
            !m_tipRect.contains(static_cast<QMouseEvent*>(event)->pos())) {
            hideTip();
        }
        break;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        // The user went on correcting the input: the hint has done its work.
        hideTip();
        break;
    default:
        break;
    }
    return false;
}

void CToolLabel::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_hideTimer.timerId()) {
        hideTipImmediately();
        return;
    }
    QLabel::timerEvent(event);
}

void CToolLabel::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    painter.end();
    QLabel::paintEvent(event);
}
