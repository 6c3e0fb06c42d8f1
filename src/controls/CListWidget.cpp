#include "controls/CListWidget.h"

CListWidget::CListWidget(QWidget* parent) : QListWidget(parent)
{
}
