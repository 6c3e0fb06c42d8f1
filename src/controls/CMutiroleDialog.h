#ifndef CMUTIROLEDIALOG_H
#define CMUTIROLEDIALOG_H

#include <QFrame>
#include <QPointer>

class CBaseDialog;

// A content frame that shows itself in the system's frame on demand. The close
// button does not close by itself: it calls DialogCloseSlot(), which a derived
// frame overrides to check before closing.
class CMutiroleDialog : public QFrame
{
    Q_OBJECT
public:
    explicit CMutiroleDialog(QWidget* parent = nullptr);
    ~CMutiroleDialog() override;

    // Runs the frame modally under the title; returns the dialog's result.
    int ShowDialog(const QString& qsTitle);

public slots:
    virtual void DialogCloseSlot();

private:
    QPointer<CBaseDialog> m_pDialog;
};

#endif
