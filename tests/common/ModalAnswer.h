#ifndef MODALANSWER_H
#define MODALANSWER_H

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs an action on the next modal dialog that opens, from a timer, so that a
// test can answer a dialog that a slot runs with exec(). The action gets the
// dialog; it must close it (accept, reject, click a button...).
//
// A dialog that never shows leaves `answered()` false once the time is up, and
// a dialog still open then is rejected, so a test can fail but never hang.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(std::function<void(QWidget*)> action, int iTimeoutMs = 5000)
        : m_action(std::move(action)), m_pBefore(QApplication::activeModalWidget())
    {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswer::poll);
        m_poll.start();
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &ModalAnswer::giveUp);
        m_deadline.start(iTimeoutMs);
    }

    bool answered() const { return m_bAnswered; }
    QString title() const { return m_qsWindowTitle; }

private:
    void poll()
    {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || pModal == m_pBefore || !pModal->isVisible()) {
            return;
        }
        m_poll.stop();
        m_deadline.stop();
        m_bAnswered = true;
        m_qsWindowTitle = pModal->windowTitle();
        m_action(pModal);
    }

    void giveUp()
    {
        m_poll.stop();
        if (QWidget* pModal = QApplication::activeModalWidget()) {
            pModal->hide();
        }
    }

    std::function<void(QWidget*)> m_action;
    QPointer<QWidget> m_pBefore;
    QTimer m_poll;
    QTimer m_deadline;
    bool m_bAnswered = false;
    QString m_qsWindowTitle;
};

#endif
