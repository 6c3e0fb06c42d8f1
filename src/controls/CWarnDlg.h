#ifndef CWARNDLG_H
#define CWARNDLG_H

#include "controls/CBaseDialog.h"

#include <QSizeF>

namespace Ui {
class CWarnDlgClass;
}

// The message box: an information, question or warning form in the system's
// frame, sized to its text.
class CWarnDlg : public CBaseDialog
{
    Q_OBJECT
public:
    explicit CWarnDlg(QWidget* parent = nullptr);
    ~CWarnDlg() override;

    // No buttons but the close button; 0 when closed.
    int ExecInfo(const QString& qsTitle, const QString& qsText);
    // OK and Cancel: 1 for OK, 0 for Cancel or close.
    int ExecQuestion(const QString& qsTitle, const QString& qsText);
    // OK only: 1 for OK, 0 for close.
    int ExecWarning(const QString& qsTitle, const QString& qsText);

    // -1 without showing anything when there is no parent.
    static int Information(const QString& qsTitle, const QString& qsText, QWidget* parent);
    static int Question(const QString& qsTitle, const QString& qsText, QWidget* parent);

public slots:
    void TextNeededSize(const QSizeF& sizeText);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Form
    {
        Information,
        Question,
        Warning
    };

    int execForm(Form form, const QString& qsTitle, const QString& qsText);
    void fitWidthToText(const QString& qsText);
    // Fits the browser's height to the document and centres it in the content
    // frame, growing the box when the text is higher than the frame.
    void placeText();
    void layOutFrame();

    Ui::CWarnDlgClass* m_pUi;
    const int m_iMinWidth;
    const int m_iHeight;
    const int m_iMaxWidth;
    const int m_iMargin;
};

#endif
