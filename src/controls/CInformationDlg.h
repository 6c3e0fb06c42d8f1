#ifndef CINFORMATIONDLG_H
#define CINFORMATIONDLG_H

#include <QFrame>
#include <QTimer>

class QLabel;
class QTextEdit;

// A dark, frameless tip window that stays on top and goes away once the
// pointer is no longer over it.
class CInformationDlg : public QFrame
{
    Q_OBJECT
public:
    explicit CInformationDlg(QWidget* parent = nullptr);

    // Shows the message, with details below it when there are any, at the position.
    void ShowInfo(const QString& qsText, const QString& qsDetail, const QPoint& globalPos);

public slots:
    void HideWnd();

private:
    QTextEdit* m_pDetailEdit;
    QLabel* m_pTextLabel;
    QTimer m_hideTimer;
};

#endif
