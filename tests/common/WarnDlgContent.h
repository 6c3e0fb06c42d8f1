#ifndef WARNDLGCONTENT_H
#define WARNDLGCONTENT_H

#include <QAbstractButton>
#include <QLabel>
#include <QTextBrowser>
#include <QWidget>

// What a message box shows, read through its widgets' object names, and a
// click on one of its buttons ("pOkBtn", "pCancelBtn", "m_pCloseBtn").
struct WarnDlgContent
{
    QString qsTitle;
    QString qsText;

    static WarnDlgContent of(QWidget* pDialog)
    {
        WarnDlgContent content;
        if (auto* pTitle = pDialog->findChild<QLabel*>(QStringLiteral("pLabelTitle"))) {
            content.qsTitle = pTitle->text();
        }
        if (auto* pText = pDialog->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"))) {
            content.qsText = pText->toPlainText();
        }
        return content;
    }

    static void click(QWidget* pDialog, const char* pszButton)
    {
        if (auto* pButton = pDialog->findChild<QAbstractButton*>(QString::fromLatin1(pszButton))) {
            pButton->click();
        }
    }
};

#endif
