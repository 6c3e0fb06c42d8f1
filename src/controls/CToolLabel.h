#ifndef CTOOLLABEL_H
#define CTOOLLABEL_H

#include <QBasicTimer>
#include <QLabel>
#include <QPointer>
#include <QRect>

// The window that shows a CToolTip. Only one exists at a time.
class CToolLabel : public QLabel
{
    Q_OBJECT
public:
    CToolLabel(const QString& qsText, QWidget* pOwner);
    ~CToolLabel() override;

    static CToolLabel* instance();

    void reuseTip(const QString& qsText);
    void setTipRect(QWidget* pOwner, const QRect& rect);
    void placeTip(const QPoint& globalPos);
    // Hides after 300 ms unless the tip is shown again meanwhile.
    void hideTip();
    void hideTipImmediately();

protected:
    bool eventFilter(QObject* pWatched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static CToolLabel* s_pInstance;

    QBasicTimer m_hideTimer;
    QRect m_tipRect;
    QPointer<QWidget> m_pOwner;
};

#endif
