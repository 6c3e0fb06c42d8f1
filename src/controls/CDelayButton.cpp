#include "controls/CDelayButton.h"

#include <QTimerEvent>

namespace {
const int kDelayMs = 2000;
}

CDelayButton::CDelayButton(QWidget* parent) : CPushButton(parent)
{
}

void CDelayButton::mouseReleaseEvent(QMouseEvent* event)
{
    CPushButton::mouseReleaseEvent(event);
    m_delayTimer.start(kDelayMs, this);
}

void CDelayButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_delayTimer.timerId()) {
        CPushButton::timerEvent(event);
        return;
    }
    if (isChecked()) {
        m_delayTimer.start(kDelayMs, this);
        return;
    }
    m_delayTimer.stop();
    emit SignalDelayRelease();
}
