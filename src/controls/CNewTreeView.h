#ifndef CNEWTREEVIEW_H
#define CNEWTREEVIEW_H

#include "controls/CBaseItemView.h"

#include <QList>
#include <QPersistentModelIndex>

// The tree view of the task list and the device tree: single-click editing
// for cells that ask for it, and a parent's check state that follows its
// children's.
class CNewTreeView : public CBaseItemView
{
    Q_OBJECT
public:
    explicit CNewTreeView(QWidget* parent = nullptr);

    void SetCheckStatePropagation(bool bEnabled) { m_bPropagateCheckState = bEnabled; }
    bool IsCheckStatePropagation() const { return m_bPropagateCheckState; }

    using CBaseItemView::edit;

Q_SIGNALS:
    void SignalUpdateCheckState(const QModelIndex& parent);

public Q_SLOTS:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QVector<int>& roles = QVector<int>()) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int iStart, int iEnd) override;
    void OnUpdateCheckState(const QModelIndex& parent);
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

protected Q_SLOTS:
    void rowsInserted(const QModelIndex& parent, int iStart, int iEnd) override;

private:
    void postCheckStateUpdate(const QModelIndex& parent);
    static Qt::CheckState combinedChildState(const QModelIndex& parent);

    bool m_bPropagateCheckState = true;
    // The queued index may have gone stale by the time it arrives (rows above
    // it removed, or the parent itself); a persistent copy per posting is read
    // instead, in posting order.
    QList<QPersistentModelIndex> m_lstPendingParents;
};

#endif
