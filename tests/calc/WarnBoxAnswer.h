#ifndef WARNBOXANSWER_H
#define WARNBOXANSWER_H

#include "controls/CWarnDlg.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>

// Closes every message box that opens while it lives and records its title
// and text. Unlike ModalAnswer it answers any number of boxes and leaves other
// modal dialogs (the progress dialog of the NVR page) alone. Once the time is
// up, whatever modal dialog is still open is hidden, so a test cannot hang.
class WarnBoxAnswer : public QObject
{
public:
    struct Box
    {
        QString qsTitle;
        QString qsText;
    };

    explicit WarnBoxAnswer(int iTimeoutMs = 10000)
    {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &WarnBoxAnswer::poll);
        m_poll.start();
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &WarnBoxAnswer::giveUp);
        m_deadline.start(iTimeoutMs);
    }

    const QList<Box>& boxes() const { return m_boxes; }

private:
    void poll()
    {
        auto* pBox = qobject_cast<CWarnDlg*>(QApplication::activeModalWidget());
        if (!pBox || !pBox->isVisible()) {
            return;
        }
        const auto* pBrowser = pBox->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"));
        m_boxes.append({pBox->GetTitle(), pBrowser ? pBrowser->toPlainText() : QString()});
        pBox->reject();
    }

    void giveUp()
    {
        m_poll.stop();
        if (QWidget* pModal = QApplication::activeModalWidget()) {
            pModal->hide();
        }
    }

    QTimer m_poll;
    QTimer m_deadline;
    QList<Box> m_boxes;
};

#endif
