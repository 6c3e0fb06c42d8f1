#ifndef WARNBOXANSWER_H
#define WARNBOXANSWER_H

#include "WarnDlgContent.h"
#include "controls/CWarnDlg.h"

#include <QApplication>
#include <QTimer>

// Closes every message box that opens while it lives and records what it
// showed. Unlike ModalAnswer it answers any number of boxes and leaves other
// modal dialogs (the progress dialog of the NVR page) alone. Once the time is
// up, whatever modal dialog is still open is hidden, so a test cannot hang.
class WarnBoxAnswer : public QObject
{
public:
    explicit WarnBoxAnswer(int iTimeoutMs = 10000)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* pBox = qobject_cast<CWarnDlg*>(QApplication::activeModalWidget());
            if (pBox && pBox->isVisible()) {
                m_boxes.append(WarnDlgContent::of(pBox));
                pBox->reject();
            }
        });
        m_poll.start(10);
        QTimer::singleShot(iTimeoutMs, this, [this] {
            m_poll.stop();
            if (QWidget* pModal = QApplication::activeModalWidget()) {
                pModal->hide();
            }
        });
    }

    const QList<WarnDlgContent>& boxes() const { return m_boxes; }

private:
    QTimer m_poll;
    QList<WarnDlgContent> m_boxes;
};

#endif
