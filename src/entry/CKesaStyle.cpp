#include "entry/CKesaStyle.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Draws a bar of [left cap][stretched middle][right cap] into rect; each cap
// keeps its own width, scaled to the rect's height.
void drawThreePartBar(QPainter* painter, const QRect& rect, const QPixmap& left,
                      const QPixmap& middle, const QPixmap* pRight)
{
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    const int iLeftWidth = qMin(left.width(), rect.width());
    const int iRightWidth = pRight ? qMin(pRight->width(), rect.width() - iLeftWidth) : 0;
    painter->drawPixmap(QRect(rect.left(), rect.top(), iLeftWidth, rect.height()), left);
    const QRect middleRect(rect.left() + iLeftWidth, rect.top(),
                           rect.width() - iLeftWidth - iRightWidth, rect.height());
    if (middleRect.width() > 0) {
        painter->drawPixmap(middleRect, middle);
    }
    if (pRight && iRightWidth > 0) {
        painter->drawPixmap(
            QRect(rect.right() - iRightWidth + 1, rect.top(), iRightWidth, rect.height()), *pRight);
    }
}

} // namespace

CKesaStyle::CKesaStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

CKesaStyle::~CKesaStyle() = default;

void CKesaStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
    case PE_FrameTabBarBase:
    case PE_IndicatorTabTear:
    case PE_PanelItemViewRow:
        return;
    case PE_PanelItemViewItem:
        if (qstyleoption_cast<const QStyleOptionViewItem*>(option) &&
            (option->state & State_Selected)) {
            const QRect rect = subElementRect(SE_ItemViewItemFocusRect, option, widget);
            painter->drawPixmap(rect,
                                QPixmap(QStringLiteral(":images/ControlPanel/ListView-hover.png")));
        }
        return;
    case PE_IndicatorTabClose: {
        QIcon icon(QStringLiteral(":images/Tab/TabClose.png"));
        icon.addFile(QStringLiteral(":images/Tab/TabCloseHover.png"), QSize(), QIcon::Active);
        const bool bHot = option->state & (State_MouseOver | State_Sunken);
        icon.paint(painter, option->rect, Qt::AlignCenter, bHot ? QIcon::Active : QIcon::Normal);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void CKesaStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    switch (element) {
    case CE_TabBarTabShape: {
        const QRect rect = option->rect.adjusted(2, 0, -1, 0);
        const QPixmap image(option->state & State_Selected
                                ? QStringLiteral(":/images/Tab/test2.png")
                                : QStringLiteral(":/images/Tab/test.png"));
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->drawPixmap(rect, image);
        painter->restore();
        return;
    }
    case CE_ProgressBarGroove:
        drawProgressBarGroove(option, painter);
        return;
    case CE_ProgressBarContents:
        return;
    case CE_ItemViewItem:
        if (const auto* pItem = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
            // Selected items lie on the pale selection image: their text keeps
            // the dark colour of unselected text to stay readable.
            QStyleOptionViewItem item(*pItem);
            for (const QPalette::ColorGroup group :
                 {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                item.palette.setBrush(group, QPalette::HighlightedText,
                                      item.palette.brush(group, QPalette::Text));
            }
            QProxyStyle::drawControl(element, &item, painter, widget);
            return;
        }
        break;
    case CE_ShapedFrame:
        if (const auto* pFrame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            QStyleOptionFrame styledPanel(*pFrame);
            styledPanel.features |= QStyleOptionFrame::Rounded;
            QProxyStyle::drawControl(element, &styledPanel, painter, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CKesaStyle::drawProgressBarGroove(const QStyleOption* option, QPainter* painter) const
{
    const QString qsFolder = QStringLiteral(":images/public/ProgressBar/");
    const QPixmap right(qsFolder + QStringLiteral("ProgressBarRight.png"));
    drawThreePartBar(painter, option->rect,
                     QPixmap(qsFolder + QStringLiteral("ProgressBarLeft.png")),
                     QPixmap(qsFolder + QStringLiteral("ProgressBar.png")), &right);

    const auto* pBar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    if (!pBar || pBar->maximum <= pBar->minimum || pBar->progress <= pBar->minimum) {
        return;
    }
    const double dFilled = double(pBar->progress - pBar->minimum) / (pBar->maximum - pBar->minimum);
    QRect chunk = option->rect;
    chunk.setWidth(qRound(option->rect.width() * qMin(dFilled, 1.0)));
    const QPixmap rightChunk(qsFolder + QStringLiteral("ProgressBarRightChunk.png"));
    drawThreePartBar(painter, chunk, QPixmap(qsFolder + QStringLiteral("ProgressBarLeftChunk.png")),
                     QPixmap(qsFolder + QStringLiteral("ProgressBarChunk.png")),
                     pBar->progress == pBar->maximum ? &rightChunk : nullptr);
}

QRect CKesaStyle::subElementRect(SubElement element, const QStyleOption* option,
                                 const QWidget* widget) const
{
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    switch (element) {
    case SE_TabBarTabRightButton:
        rect.setLeft(rect.left() + pixelMetric(PM_TabBarTabVSpace, option, widget) + 1);
        rect.setTop(2);
        break;
    case SE_TabBarTabLeftButton:
        rect.setHeight(0);
        break;
    case SE_ItemViewItemCheckIndicator:
        rect.setSize(QSize(16, 16));
        break;
    case SE_ProgressBarGroove:
        rect.setTop(10);
        break;
    default:
        break;
    }
    return rect;
}

void CKesaStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const auto* pSlider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control == CC_Slider && pSlider && pSlider->orientation == Qt::Horizontal) {
        drawHorizontalSlider(option, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void CKesaStyle::drawHorizontalSlider(const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* pSlider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const QRect groove = subControlRect(CC_Slider, option, SC_SliderGroove, widget);
    const QRect handle = subControlRect(CC_Slider, option, SC_SliderHandle, widget);
    const int iSplit = handle.center().x();

    painter->drawPixmap(QRect(groove.left(), groove.top(), iSplit - groove.left(), groove.height()),
                        QPixmap(QStringLiteral(":/images/public/Slider/LeftSlider.png")));
    painter->drawPixmap(QRect(iSplit, groove.top(), groove.right() - iSplit + 1, groove.height()),
                        QPixmap(QStringLiteral(":/images/public/Slider/RightSlider.png")));

    const int iInterval = pSlider->tickInterval > 0 ? pSlider->tickInterval : pSlider->pageStep;
    if (pSlider->tickPosition != QSlider::NoTicks && iInterval > 0 &&
        pSlider->maximum > pSlider->minimum) {
        painter->save();
        painter->setPen(option->palette.color(QPalette::WindowText));
        const int iLength = pixelMetric(PM_SliderLength, option, widget);
        const int iSpan = groove.width() - iLength;
        for (int v = pSlider->minimum; v <= pSlider->maximum; v += iInterval) {
            const int x = groove.left() + iLength / 2 +
                          sliderPositionFromValue(pSlider->minimum, pSlider->maximum, v, iSpan,
                                                  pSlider->upsideDown);
            if (pSlider->tickPosition & QSlider::TicksAbove) {
                painter->drawLine(x, option->rect.top(), x, groove.top() - 2);
            }
            if (pSlider->tickPosition & QSlider::TicksBelow) {
                painter->drawLine(x, groove.bottom() + 2, x, option->rect.bottom());
            }
        }
        painter->restore();
    }
    painter->drawPixmap(handle, QPixmap(QStringLiteral(":/images/public/Slider/RadiobtnOff.png")));
}

QRect CKesaStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto* pSlider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !pSlider || pSlider->orientation != Qt::Horizontal) {
        return rect;
    }
    const int iHalfHeight = option->rect.height() / 2;
    if (subControl == SC_SliderHandle) {
        rect.moveTop(iHalfHeight - 4);
        rect.setHeight(10);
    } else if (subControl == SC_SliderGroove) {
        rect.moveTop(iHalfHeight - 2);
        rect.setHeight(4);
    }
    return rect;
}

int CKesaStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const
{
    switch (metric) {
    case PM_SliderLength:
        return 13;
    case PM_TabCloseIndicatorWidth:
    case PM_TabCloseIndicatorHeight:
        return 20;
    case PM_MenuButtonIndicator:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CKesaStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    switch (type) {
    case CT_RadioButton:
        result.rwidth() += 20;
        break;
    case CT_TabBarTab:
        result.setHeight(25);
        break;
    case CT_Slider:
        result.setHeight(10);
        break;
    default:
        break;
    }
    return result;
}
