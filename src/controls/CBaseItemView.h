#ifndef CBASEITEMVIEW_H
#define CBASEITEMVIEW_H

#include "controls/CItemDataRole.h"

#include <QColor>
#include <QTreeView>

class CHeaderView;

// The base of the control library's item views. It asks the item delegate,
// for every mouse and hover event, which click zone of the cell the pointer is
// on, reports a click on a zone with SignalClicked, and draws a grid line
// along the bottom of every row.
class CBaseItemView : public QTreeView
{
    Q_OBJECT
    Q_PROPERTY(QColor m_colorGridLine READ GridLineColor WRITE SetGridLineColor)
public:
    explicit CBaseItemView(QWidget* parent = nullptr);

    void SetGridLineVisible(bool bVisible);
    bool IsGridLineVisible() const { return m_bGridLineVisible; }
    QColor GridLineColor() const { return m_colorGridLine; }
    void SetGridLineColor(const QColor& color);

    using QTreeView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

Q_SIGNALS:
    void SignalHeaderCheckStateChanged(Qt::CheckState eState);
    void SignalEditingFinished(const QModelIndex& index);
    void SignalComboBoxTextChanged(const QModelIndex& index);
    void SignalClicked(const QModelIndex& miIndex, tools::CItemDataRole enumTypeRole);

protected:
    bool viewportEvent(QEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    QStyleOptionViewItem itemOption(const QModelIndex& index) const;
    tools::CItemDataRole askDelegateForZone(QMouseEvent* event);
    void tellDelegateOfHover(QHoverEvent* event);
    void forwardDelegateSignals(QAbstractItemDelegate* pDelegate);

    bool m_bGridLineVisible = true;
    QColor m_colorGridLine;
};

#endif
