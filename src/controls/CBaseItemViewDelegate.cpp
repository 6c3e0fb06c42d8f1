#include "controls/CBaseItemViewDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

CBaseItemViewDelegate::CBaseItemViewDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

void CBaseItemViewDelegate::DrawGridLine(QPainter* painter, const CGridLineOption& option,
                                         const QModelIndex&) const
{
    if (!option.bGridLineVisible) {
        return;
    }
    painter->save();
    painter->setPen(option.colorGridLine);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

bool CBaseItemViewDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                      const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event && event->type() == QEvent::ToolTip && index.isValid()) {
        QString qsTip = index.data(Qt::ToolTipRole).toString();
        if (qsTip.isEmpty()) {
            qsTip = index.data(Qt::DisplayRole).toString();
        }
        if (!qsTip.isEmpty()) {
            QToolTip::showText(event->globalPos(), qsTip, view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void CBaseItemViewDelegate::OnHoverEvent(QHoverEvent*, QAbstractItemView*,
                                         const QStyleOptionViewItem&, const QModelIndex&)
{
}

tools::CItemDataRole CBaseItemViewDelegate::OnMouseEvent(QMouseEvent*, QAbstractItemView*,
                                                         const QStyleOptionViewItem&,
                                                         const QModelIndex&)
{
    return tools::NoZoneRole;
}
