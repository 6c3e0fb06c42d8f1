#include "controls/CNewTreeView.h"

#include <QMouseEvent>

CNewTreeView::CNewTreeView(QWidget* parent) : CBaseItemView(parent)
{
    SetGridLineVisible(false);
    connect(this, &CNewTreeView::SignalUpdateCheckState, this, &CNewTreeView::OnUpdateCheckState,
            Qt::QueuedConnection);
}

void CNewTreeView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QVector<int>& roles)
{
    CBaseItemView::dataChanged(topLeft, bottomRight, roles);
    postCheckStateUpdate(topLeft.parent());
}

void CNewTreeView::rowsAboutToBeRemoved(const QModelIndex& parent, int iStart, int iEnd)
{
    CBaseItemView::rowsAboutToBeRemoved(parent, iStart, iEnd);
    postCheckStateUpdate(parent);
}

void CNewTreeView::rowsInserted(const QModelIndex& parent, int iStart, int iEnd)
{
    CBaseItemView::rowsInserted(parent, iStart, iEnd);
    if (parent.data(Qt::CheckStateRole).isValid()) {
        postCheckStateUpdate(parent);
    }
}

void CNewTreeView::postCheckStateUpdate(const QModelIndex& parent)
{
    m_lstPendingParents.append(QPersistentModelIndex(parent));
    Q_EMIT SignalUpdateCheckState(parent);
}

void CNewTreeView::OnUpdateCheckState(const QModelIndex& parent)
{
    const QModelIndex target =
        m_lstPendingParents.isEmpty() ? parent : QModelIndex(m_lstPendingParents.takeFirst());
    if (!m_bPropagateCheckState || !target.isValid() || target.model() != model() ||
        !target.data(Qt::CheckStateRole).isValid()) {
        return;
    }
    const Qt::CheckState eState = combinedChildState(target);
    if (target.data(Qt::CheckStateRole).toInt() != eState) {
        model()->setData(target, eState, Qt::CheckStateRole);
    }
}

// A partly checked child counts as not checked.
Qt::CheckState CNewTreeView::combinedChildState(const QModelIndex& parent)
{
    const QAbstractItemModel* pModel = parent.model();
    const int iRows = pModel->rowCount(parent);
    int iChecked = 0;
    for (int iRow = 0; iRow < iRows; ++iRow) {
        if (pModel->index(iRow, 0, parent).data(Qt::CheckStateRole).toInt() == Qt::Checked) {
            ++iChecked;
        }
    }
    if (iChecked == 0) {
        return Qt::Unchecked;
    }
    return iChecked == iRows ? Qt::Checked : Qt::PartiallyChecked;
}

bool CNewTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool bLeftPress = event && event->type() == QEvent::MouseButtonPress &&
                            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (bLeftPress &&
        (index.data(tools::ClickFlagsRole).toInt() & tools::kClickFlagSingleClickEdit)) {
        return CBaseItemView::edit(index, DoubleClicked, event);
    }
    return CBaseItemView::edit(index, trigger, event);
}
