#ifndef MESSAGEBOXES_H
#define MESSAGEBOXES_H

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QVector>

#include <memory>
#include <vector>

// Answers the message boxes that open one after another, in order, with OK
// (true) or Cancel (false), and records each box's title and text.
class MessageBoxes
{
public:
    explicit MessageBoxes(QVector<bool> answers) : m_answers(std::move(answers)) { answerNext(); }

    QStringList texts() const
    {
        QStringList texts;
        for (const WarnDlgContent& box : m_shown) {
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
            m_shown.append(WarnDlgContent::of(pBox));
            answerNext();
            WarnDlgContent::click(pBox, bOk ? "pOkBtn" : "pCancelBtn");
        }));
    }

    QVector<bool> m_answers;
    QVector<WarnDlgContent> m_shown;
    int m_pending = 0;
    std::vector<std::unique_ptr<ModalAnswer>> m_modal;
};

#endif
