#include "controls/CHeaderView.h"

CHeaderView::CHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

void CHeaderView::SetCheckState(Qt::CheckState eState)
{
    if (eState == m_eCheckState) {
        return;
    }
    m_eCheckState = eState;
    Q_EMIT SignalCheckStateChanged(eState);
}
