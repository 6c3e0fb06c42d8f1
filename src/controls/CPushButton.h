#ifndef CPUSHBUTTON_H
#define CPUSHBUTTON_H

#include <QPushButton>

// A push button whose tool tip always repeats its text.
class CPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CPushButton(QWidget* parent = nullptr);
    explicit CPushButton(const QString& qsText, QWidget* parent = nullptr);

    void setText(const QString& qsText);
};

#endif
