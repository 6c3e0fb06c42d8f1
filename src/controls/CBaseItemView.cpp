#include "controls/CBaseItemView.h"

#include "controls/CBaseItemViewDelegate.h"
#include "controls/CHeaderView.h"
#include "controls/CNewTableDelegate.h"

#include <QHoverEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

const QColor kDefaultGridLineColor(214, 214, 214);

} // namespace

CBaseItemView::CBaseItemView(QWidget* parent)
    : QTreeView(parent), m_colorGridLine(kDefaultGridLineColor)
{
    // Both travel in signals that receivers may queue.
    qRegisterMetaType<tools::CItemDataRole>("tools::CItemDataRole");
    qRegisterMetaType<Qt::CheckState>("Qt::CheckState");

    setHorizontalScrollBar(new QScrollBar(Qt::Horizontal, this));
    setVerticalScrollBar(new QScrollBar(Qt::Vertical, this));

    auto* pHeader = new CHeaderView(Qt::Horizontal, this);
    pHeader->setSectionsClickable(true);
    pHeader->setSectionsMovable(false);
    setHeader(pHeader);
    connect(pHeader, &CHeaderView::SignalCheckStateChanged, this,
            &CBaseItemView::SignalHeaderCheckStateChanged);

    setAllColumnsShowFocus(true);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover, true);
    setItemDelegate(new CBaseItemViewDelegate(this));
}

void CBaseItemView::SetGridLineVisible(bool bVisible)
{
    m_bGridLineVisible = bVisible;
    viewport()->update();
}

void CBaseItemView::SetGridLineColor(const QColor& color)
{
    m_colorGridLine = color;
    viewport()->update();
}

bool CBaseItemView::viewportEvent(QEvent* event)
{
    const bool bHandled = QTreeView::viewportEvent(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        askDelegateForZone(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease: {
        auto* pMouse = static_cast<QMouseEvent*>(event);
        const tools::CItemDataRole eZone = askDelegateForZone(pMouse);
        if (eZone != tools::NoZoneRole) {
            Q_EMIT SignalClicked(indexAt(pMouse->pos()), eZone);
        }
        break;
    }
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
        tellDelegateOfHover(static_cast<QHoverEvent*>(event));
        break;
    default:
        break;
    }
    return bHandled;
}

QStyleOptionViewItem CBaseItemView::itemOption(const QModelIndex& index) const
{
    QStyleOptionViewItem option = viewOptions();
    option.rect = visualRect(index);
    return option;
}

// The delegate is asked by name, so that any delegate with a slot of this
// signature takes part; one without it hits no zone.
tools::CItemDataRole CBaseItemView::askDelegateForZone(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    tools::CItemDataRole eZone = tools::NoZoneRole;
    QMetaObject::invokeMethod(itemDelegate(index), "OnMouseEvent", Qt::DirectConnection,
                              Q_RETURN_ARG(tools::CItemDataRole, eZone), Q_ARG(QMouseEvent*, event),
                              Q_ARG(QAbstractItemView*, this),
                              Q_ARG(QStyleOptionViewItem, itemOption(index)),
                              Q_ARG(QModelIndex, index));
    return eZone;
}

void CBaseItemView::tellDelegateOfHover(QHoverEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    QMetaObject::invokeMethod(itemDelegate(index), "OnHoverEvent", Qt::DirectConnection,
                              Q_ARG(QHoverEvent*, event), Q_ARG(QAbstractItemView*, this),
                              Q_ARG(QStyleOptionViewItem, itemOption(index)),
                              Q_ARG(QModelIndex, index));
}

void CBaseItemView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    auto* pDelegate = qobject_cast<CBaseItemViewDelegate*>(itemDelegate(index));
    if (!pDelegate) {
        return;
    }
    CGridLineOption rowOption;
    static_cast<QStyleOptionViewItem&>(rowOption) = option;
    rowOption.rect =
        QRect(-header()->offset(), option.rect.top(), header()->length(), option.rect.height());
    rowOption.bGridLineVisible = m_bGridLineVisible;
    rowOption.colorGridLine = m_colorGridLine;
    pDelegate->DrawGridLine(painter, rowOption, index);
}

bool CBaseItemView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    forwardDelegateSignals(itemDelegate(index));
    return QTreeView::edit(index, trigger, event);
}

// The owner may replace the delegate at any time, and setting it is not
// virtual: the forwarding is made when an editor is about to open.
void CBaseItemView::forwardDelegateSignals(QAbstractItemDelegate* pDelegate)
{
    auto* pTableDelegate = qobject_cast<CNewTableDelegate*>(pDelegate);
    if (!pTableDelegate) {
        return;
    }
    connect(pTableDelegate, &CNewTableDelegate::SignalEditingFinished, this,
            &CBaseItemView::SignalEditingFinished, Qt::UniqueConnection);
    connect(pTableDelegate, &CNewTableDelegate::SignalComboBoxTextChanged, this,
            &CBaseItemView::SignalComboBoxTextChanged, Qt::UniqueConnection);
}
