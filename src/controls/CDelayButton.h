#ifndef CDELAYBUTTON_H
#define CDELAYBUTTON_H

#include "controls/CPushButton.h"

#include <QBasicTimer>

// A button that reports a release only once it has stayed unchecked for two
// seconds after the last release.
class CDelayButton : public CPushButton
{
    Q_OBJECT
public:
    explicit CDelayButton(QWidget* parent = nullptr);

signals:
    void SignalDelayRelease();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer m_delayTimer;
};

#endif
