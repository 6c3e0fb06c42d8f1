#ifndef CBASEITEMVIEWDELEGATE_H
#define CBASEITEMVIEWDELEGATE_H

#include "controls/CItemDataRole.h"

#include <QColor>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

class QHoverEvent;
class QMouseEvent;

// A row's option as the view hands it to DrawGridLine: the row rectangle plus
// the view's grid-line settings.
struct CGridLineOption : public QStyleOptionViewItem
{
    bool bGridLineVisible = false;
    QColor colorGridLine;
};

// The default delegate of the control library's views. The view calls the
// slots below by name for every mouse and hover event on its viewport, so a
// delegate that derives from another class can still take part by declaring
// slots with the same signatures.
class CBaseItemViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CBaseItemViewDelegate(QObject* parent = nullptr);

    virtual void DrawGridLine(QPainter* painter, const CGridLineOption& option,
                              const QModelIndex& index) const;

public Q_SLOTS:
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    virtual void OnHoverEvent(QHoverEvent* event, QAbstractItemView* view,
                              const QStyleOptionViewItem& option, const QModelIndex& index);
    virtual tools::CItemDataRole OnMouseEvent(QMouseEvent* event, QAbstractItemView* view,
                                              const QStyleOptionViewItem& option,
                                              const QModelIndex& index);
};

#endif
