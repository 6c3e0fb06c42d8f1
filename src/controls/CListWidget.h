#ifndef CLISTWIDGET_H
#define CLISTWIDGET_H

#include <QListWidget>

// The list widget of the control library; style sheets address it by class.
class CListWidget : public QListWidget
{
    Q_OBJECT
public:
    explicit CListWidget(QWidget* parent = nullptr);
};

#endif
