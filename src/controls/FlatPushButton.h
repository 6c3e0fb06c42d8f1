#ifndef FLATPUSHBUTTON_H
#define FLATPUSHBUTTON_H

#include <QPushButton>

// A flat push button. It is always created without a parent: the layout that
// receives it places it.
class FlatPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit FlatPushButton(QWidget* parent = nullptr);
};

#endif
