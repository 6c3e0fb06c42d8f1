#ifndef CHEADERVIEW_H
#define CHEADERVIEW_H

#include <QHeaderView>

// The header of the control library's item views. It keeps a check state for
// the whole view and reports its changes, so that a view can forward them.
class CHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit CHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::CheckState CheckState() const { return m_eCheckState; }
    void SetCheckState(Qt::CheckState eState);

Q_SIGNALS:
    void SignalCheckStateChanged(Qt::CheckState eState);

private:
    Qt::CheckState m_eCheckState = Qt::Unchecked;
};

#endif
