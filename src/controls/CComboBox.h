#ifndef CCOMBOBOX_H
#define CCOMBOBOX_H

#include <QComboBox>

// A combo box that can be switched on and off from either sense of a signal.
class CComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CComboBox(QWidget* parent = nullptr);

public slots:
    void setUserDisabled(bool bDisabled);
    void setUserEnabled(bool bEnabled);
};

#endif
