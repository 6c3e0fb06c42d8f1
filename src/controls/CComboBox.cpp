#include "controls/CComboBox.h"

CComboBox::CComboBox(QWidget* parent) : QComboBox(parent)
{
}

void CComboBox::setUserDisabled(bool bDisabled)
{
    setDisabled(bDisabled);
}

void CComboBox::setUserEnabled(bool bEnabled)
{
    setEnabled(bEnabled);
}
