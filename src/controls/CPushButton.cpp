#include "controls/CPushButton.h"

CPushButton::CPushButton(QWidget* parent) : QPushButton(parent)
{
}

CPushButton::CPushButton(const QString& qsText, QWidget* parent) : QPushButton(parent)
{
    setText(qsText);
}

void CPushButton::setText(const QString& qsText)
{
    QPushButton::setText(qsText);
    setToolTip(qsText);
}
