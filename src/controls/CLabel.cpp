#include "controls/CLabel.h"

#include <QHelpEvent>
#include <QToolTip>

CLabel::CLabel(QWidget* parent) : QLabel(parent)
{
}

CLabel::CLabel(const QString& qsText, QWidget* parent) : QLabel(qsText, parent)
{
}

bool CLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !text().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void CLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit SignalDoubleClicked();
}
