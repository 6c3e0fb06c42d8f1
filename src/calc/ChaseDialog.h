#ifndef CHASEDIALOG_H
#define CHASEDIALOG_H

#include "controls/CBaseDialog.h"

class QLabel;
class QTimer;

// The small modal progress dialog with an animated picture that runs while a
// calculation works on another thread. It closes on a 500 ms tick after
// SetStopChase() or OnSlotRejectChase(), or at once on OnImmediatelyStopChase().
class ChaseDialog : public CBaseDialog
{
    Q_OBJECT
public:
    // bFrame: with the bottom bar and its Cancel button (never an OK button).
    ChaseDialog(QWidget* parent, const QString& qsPicturePath, const QString& qsText, bool bFrame);
    ~ChaseDialog() override;

    enum State
    {
        StateIdle = -1,
        StateReject = 0,
        StateAccept = 1
    };
    int state() const { return m_iState; }

signals:
    void SignalCancel();

public slots:
    void UpdateInfo();
    void SetStopChase();
    void OnSlotRejectChase();
    void OnImmediatelyStopChase();

private:
    int m_iState;
    QTimer* m_pTimer;
    QLabel* m_pMovieLabel;
};

#endif
