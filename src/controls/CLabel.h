#ifndef CLABEL_H
#define CLABEL_H

#include <QLabel>

// A label that reports double clicks and, without a tool tip of its own,
// shows its text as tool tip (useful when the text is cut off).
class CLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CLabel(QWidget* parent = nullptr);
    explicit CLabel(const QString& qsText, QWidget* parent = nullptr);

signals:
    void SignalDoubleClicked();

protected:
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

#endif
