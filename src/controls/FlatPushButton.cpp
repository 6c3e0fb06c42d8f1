#include "controls/FlatPushButton.h"

FlatPushButton::FlatPushButton(QWidget* parent) : QPushButton(nullptr)
{
    Q_UNUSED(parent)
    setFlat(true);
}
