#ifndef MESSAGEBOXES_H
#define MESSAGEBOXES_H

#include "ModalAnswer.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVector>

#include <memory>
#include <vector>

// Answers the message boxes that open one after another, in order, with OK
// (true) or Cancel (false), and records each box's title and text.
class MessageBoxes
{
public:
    struct Box
    {
        QString qsTitle;
        QString qsText;
    };

    explicit MessageBoxes(QVector<bool> answers) : m_answers(std::move(answers)) { answerNext(); }

    QVector<Box> shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList texts;
        for (const Box& box : m_shown) {
            texts.append(box.qsTitle + QStringLiteral(": ") + box.qsText);
        }
        return texts;
    }

private:
    void answerNext()
    {
        if (m_shown.size() + m_pending >= m_answers.size()) {
            return;
        }
        ++m_pending;
        const bool bOk = m_answers.at(m_shown.size());
        m_modal.push_back(std::make_unique<ModalAnswer>([this, bOk](QWidget* pBox) {
            --m_pending;
            m_shown.append(
                {pBox->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text(),
                 pBox->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"))->toPlainText()});
            answerNext();
            QPushButton* pButton = pBox->findChild<QPushButton*>(
                bOk ? QStringLiteral("pOkBtn") : QStringLiteral("pCancelBtn"));
            pButton->click();
        }));
    }

    QVector<bool> m_answers;
    QVector<Box> m_shown;
    int m_pending = 0;
    std::vector<std::unique_ptr<ModalAnswer>> m_modal;
};

#endif
