#include "controls/CWarnDlg.h"

#include "ui_CWarnDlg.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QTextDocument>

namespace {
// Room the text browser needs around its text.
const int kTextPadding = 15;
const int kTextMargin = 10;
// Gap above the text once the box has grown to fit it.
const int kGrownTopGap = 15;
const int kGrowthExtra = 30;
} // namespace

CWarnDlg::CWarnDlg(QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_pUi(new Ui::CWarnDlgClass), m_iMinWidth(300),
      m_iHeight(225), m_iMaxWidth(400), m_iMargin(12)
{
    m_pUi->setupUi(GetContentFrame());
    setStyleSheet(styleSheet() + QStringLiteral("QFrame#CWarnDlg{background-color: transparent;}"));
    m_pUi->m_pBrowserTxt->setStyleSheet(QStringLiteral("background-color: transparent;"));
    m_pUi->m_pBrowserTxt->setHtml(
        QStringLiteral("<html><head></head><body style=\" font-family:'Arial'; font-size:9pt;\">"
                       "</body></html>"));
    connect(m_pUi->m_pBrowserTxt->document()->documentLayout(),
            &QAbstractTextDocumentLayout::documentSizeChanged, this, &CWarnDlg::TextNeededSize);
}

CWarnDlg::~CWarnDlg()
{
    delete m_pUi;
}

int CWarnDlg::ExecInfo(const QString& qsTitle, const QString& qsText)
{
    return execForm(Form::Information, qsTitle, qsText);
}

int CWarnDlg::ExecQuestion(const QString& qsTitle, const QString& qsText)
{
    return execForm(Form::Question, qsTitle, qsText);
}

int CWarnDlg::ExecWarning(const QString& qsTitle, const QString& qsText)
{
    return execForm(Form::Warning, qsTitle, qsText);
}

int CWarnDlg::Information(const QString& qsTitle, const QString& qsText, QWidget* parent)
{
    if (!parent) {
        return -1;
    }
    CWarnDlg dlg(parent);
    return dlg.ExecInfo(qsTitle, qsText);
}

int CWarnDlg::Question(const QString& qsTitle, const QString& qsText, QWidget* parent)
{
    if (!parent) {
        return -1;
    }
    CWarnDlg dlg(parent);
    return dlg.ExecQuestion(qsTitle, qsText);
}

int CWarnDlg::execForm(Form form, const QString& qsTitle, const QString& qsText)
{
    fitWidthToText(qsText);
    ShowCloseBtn(true);
    ShowBottomFrame(form != Form::Information);
    if (form == Form::Warning) {
        ShowCancelBtn(false);
    }
    SetTitle(qsTitle);
    layOutFrame();
    m_pUi->m_pBrowserTxt->setText(qsText);
    // A text as high as the document was before changes no size and so sends
    // no signal; it is placed all the same.
    placeText();
    return exec();
}

void CWarnDlg::fitWidthToText(const QString& qsText)
{
    QTextBrowser* pBrowser = m_pUi->m_pBrowserTxt;
    const int iTextWidth = QFontMetrics(pBrowser->font()).horizontalAdvance(qsText) + kTextPadding;
    const int iNeeded = iTextWidth + kTextMargin;
    if (iNeeded <= m_iMinWidth - m_iMargin) {
        resize(m_iMinWidth, m_iHeight);
        pBrowser->setFixedWidth(iTextWidth);
    } else if (iNeeded >= m_iMaxWidth - m_iMargin) {
        resize(m_iMaxWidth, m_iHeight);
        pBrowser->setFixedWidth(m_iMaxWidth - m_iMargin - kTextMargin);
    } else {
        resize(iNeeded + m_iMargin, m_iHeight);
        pBrowser->setFixedWidth(iTextWidth);
    }
    // A hidden browser lays its text out only when shown; wrap at the new width now
    // so that the height below is measured for the width the box will have.
    pBrowser->document()->setTextWidth(pBrowser->width());
}

void CWarnDlg::TextNeededSize(const QSizeF& sizeText)
{
    Q_UNUSED(sizeText)
    placeText();
}

void CWarnDlg::placeText()
{
    QTextBrowser* pBrowser = m_pUi->m_pBrowserTxt;
    if (!pBrowser->parentWidget() || !pBrowser->document()) {
        return;
    }
    const int iTextHeight = static_cast<int>(pBrowser->document()->size().height() + kTextMargin);
    pBrowser->setFixedHeight(iTextHeight);
    const QFrame* pFrame = GetContentFrame();
    const int iFrameHeight = pFrame->height();
    const int iCentredX = pFrame->width() / 2 - pBrowser->width() / 2;
    if (iTextHeight <= iFrameHeight) {
        pBrowser->move(iCentredX, iFrameHeight / 2 - pBrowser->height() / 2);
        return;
    }
    resize(width(), iTextHeight - iFrameHeight + height() + kGrowthExtra);
    layOutFrame();
    pBrowser->move(iCentredX, kGrownTopGap);
}

// A hidden box is laid out only when shown: laid out now, its content frame
// has the size it will be shown with, and the text is placed for that size.
void CWarnDlg::layOutFrame()
{
    layout()->invalidate();
    layout()->activate();
}

void CWarnDlg::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
