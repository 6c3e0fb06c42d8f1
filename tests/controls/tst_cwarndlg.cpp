#include "controls/CWarnDlg.h"

#include "ModalAnswer.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {
QPushButton* button(const QWidget& dlg, const char* pszName)
{
    return dlg.findChild<QPushButton*>(QLatin1String(pszName));
}

QTextBrowser* browser(const QWidget& dlg)
{
    return dlg.findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"));
}

// What the box showed while it was open.
struct Shown
{
    QSize boxSize;
    QRect textRect;
    QRect frameRect;
    QString qsTitle;
    QString qsText;
    bool bOk = false;
    bool bCancel = false;
    bool bClose = false;
    bool bBottom = false;
    QString qsStyle;

    void read(const QWidget& dlg)
    {
        boxSize = dlg.size();
        textRect = browser(dlg)->geometry();
        frameRect = dlg.findChild<QFrame*>(QStringLiteral("m_pContentFrame"))->rect();
        qsTitle = dlg.findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        qsText = browser(dlg)->toPlainText();
        bOk = button(dlg, "pOkBtn")->isVisible();
        bCancel = button(dlg, "pCancelBtn")->isVisible();
        bClose = button(dlg, "m_pCloseBtn")->isVisible();
        bBottom = dlg.findChild<QFrame*>(QStringLiteral("m_pBottomFrame"))->isVisible();
        qsStyle = dlg.styleSheet();
    }
};

enum Form
{
    Info,
    Question,
    Warning
};

int runForm(CWarnDlg& dlg, int form, const QString& qsText)
{
    const QString qsTitle = QStringLiteral("Hint");
    switch (form) {
    case Info:
        return dlg.ExecInfo(qsTitle, qsText);
    case Question:
        return dlg.ExecQuestion(qsTitle, qsText);
    default:
        return dlg.ExecWarning(qsTitle, qsText);
    }
}

const QString kLongText = QStringLiteral(
    "The sum of IPC number can not be bigger than 1000000, so the device group was not "
    "added; lower the number of devices of this group or of another group of the task and "
    "try again. Every camera of the task counts, the recorders do not count at all. The "
    "example task is read-only and can not be changed; create a task of your own first.");
} // namespace

class TestCWarnDlg : public QObject
{
    Q_OBJECT
private slots:
    void formsShowTheirButtonsAndAnswer_data();
    void formsShowTheirButtonsAndAnswer();
    void oneWordGivesSmallestBox();
    void mediumTextFitsTheBoxToIt();
    void longTextWrapsInWidestBoxAndGrowsIt();
    void escapeLeavesBoxOpen();
    void staticsNeedAParent();
    void staticQuestionRunsOnParent();
};

void TestCWarnDlg::formsShowTheirButtonsAndAnswer_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("qsButton");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<bool>("bCancel");
    QTest::addColumn<QString>("qsFrameImage");
    QTest::addColumn<int>("iResult");
    QTest::newRow("information closed")
        << int(Info) << "m_pCloseBtn" << false << false << "dialog_bg2.png" << 0;
    QTest::newRow("question OK") << int(Question) << "pOkBtn" << true << true << "dialog_bg.png"
                                 << 1;
    QTest::newRow("question Cancel")
        << int(Question) << "pCancelBtn" << true << true << "dialog_bg.png" << 0;
    QTest::newRow("question closed")
        << int(Question) << "m_pCloseBtn" << true << true << "dialog_bg.png" << 0;
    QTest::newRow("warning OK") << int(Warning) << "pOkBtn" << true << false << "dialog_bg.png"
                                << 1;
    QTest::newRow("warning closed")
        << int(Warning) << "m_pCloseBtn" << true << false << "dialog_bg.png" << 0;
}

void TestCWarnDlg::formsShowTheirButtonsAndAnswer()
{
    QFETCH(int, form);
    QFETCH(QString, qsButton);
    QFETCH(bool, bOk);
    QFETCH(bool, bCancel);
    QFETCH(QString, qsFrameImage);
    QFETCH(int, iResult);
    CWarnDlg dlg;
    Shown shown;
    ModalAnswer answer([&](QWidget* pModal) {
        shown.read(*pModal);
        pModal->findChild<QPushButton*>(qsButton)->click();
    });
    QCOMPARE(runForm(dlg, form, QStringLiteral("Saved.")), iResult);
    QVERIFY(answer.answered());
    QCOMPARE(shown.qsTitle, QStringLiteral("Hint"));
    QCOMPARE(shown.qsText, QStringLiteral("Saved."));
    QVERIFY(shown.bClose);
    QCOMPARE(shown.bBottom, form != Info);
    QCOMPARE(shown.bOk, bOk);
    QCOMPARE(shown.bCancel, bCancel);
    QVERIFY(shown.qsStyle.contains(qsFrameImage + QLatin1String("\")")));
    QVERIFY(
        shown.qsStyle.contains(QStringLiteral("QFrame#CWarnDlg{background-color: transparent;}")));
}

void TestCWarnDlg::oneWordGivesSmallestBox()
{
    CWarnDlg dlg;
    Shown shown;
    ModalAnswer answer([&](QWidget* pModal) {
        shown.read(*pModal);
        pModal->close();
    });
    dlg.ExecWarning(QStringLiteral("Warn"), QStringLiteral("Saved."));
    QVERIFY(answer.answered());
    QCOMPARE(shown.boxSize, QSize(300, 225));
    const int iTextWidth = QFontMetrics(browser(dlg)->font()).horizontalAdvance("Saved.") + 15;
    QCOMPARE(shown.textRect.width(), iTextWidth);
    // A single line sits in the middle of the content frame.
    QVERIFY(qAbs(shown.textRect.center().x() - shown.frameRect.center().x()) <= 1);
    QVERIFY(qAbs(shown.textRect.center().y() - shown.frameRect.center().y()) <= 1);
}

void TestCWarnDlg::mediumTextFitsTheBoxToIt()
{
    CWarnDlg dlg;
    const QFontMetrics metrics(browser(dlg)->font());
    QString qsText = QStringLiteral("Record time should less");
    while (metrics.horizontalAdvance(qsText) + 25 <= 300) {
        qsText += QLatin1Char('x');
    }
    const int iTextWidth = metrics.horizontalAdvance(qsText) + 15;
    QVERIFY(iTextWidth + 10 < 388);
    Shown shown;
    ModalAnswer answer([&](QWidget* pModal) {
        shown.read(*pModal);
        pModal->close();
    });
    dlg.ExecInfo(QStringLiteral("Warn"), qsText);
    QVERIFY(answer.answered());
    QCOMPARE(shown.boxSize, QSize(iTextWidth + 10 + 12, 225));
    QCOMPARE(shown.textRect.width(), iTextWidth);
}

void TestCWarnDlg::longTextWrapsInWidestBoxAndGrowsIt()
{
    CWarnDlg dlg;
    Shown shown;
    int iLineHeight = 0;
    int iLines = 0;
    ModalAnswer answer([&](QWidget* pModal) {
        shown.read(*pModal);
        iLineHeight = QFontMetrics(browser(*pModal)->font()).height();
        iLines = browser(*pModal)->document()->size().height() / iLineHeight;
        pModal->close();
    });
    dlg.ExecQuestion(QStringLiteral("Confirm"), kLongText);
    QVERIFY(answer.answered());
    QCOMPARE(shown.boxSize.width(), 400);
    QCOMPARE(shown.textRect.width(), 378);
    QVERIFY2(iLines >= 5, qPrintable(QString::number(iLines)));
    QVERIFY(shown.boxSize.height() > 225);
    QCOMPARE(shown.textRect.top(), 15);
    QVERIFY(shown.textRect.bottom() <= shown.frameRect.bottom());
}

void TestCWarnDlg::escapeLeavesBoxOpen()
{
    CWarnDlg dlg;
    bool bOpenAfterEscape = false;
    ModalAnswer answer([&](QWidget* pModal) {
        QTest::keyClick(pModal, Qt::Key_Escape);
        bOpenAfterEscape = pModal->isVisible();
        button(*pModal, "pOkBtn")->click();
    });
    QCOMPARE(dlg.ExecQuestion(QStringLiteral("Confirm"), QStringLiteral("Sure to close software")),
             1);
    QVERIFY(answer.answered());
    QVERIFY(bOpenAfterEscape);
}

void TestCWarnDlg::staticsNeedAParent()
{
    QCOMPARE(CWarnDlg::Information(QStringLiteral("Info"), QStringLiteral("Saved."), nullptr), -1);
    QCOMPARE(CWarnDlg::Question(QStringLiteral("Hint"), QStringLiteral("Sure?"), nullptr), -1);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestCWarnDlg::staticQuestionRunsOnParent()
{
    QWidget parent;
    parent.show();
    QString qsTitle;
    ModalAnswer okAnswer([&](QWidget* pModal) {
        qsTitle = pModal->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
        button(*pModal, "pOkBtn")->click();
    });
    QCOMPARE(CWarnDlg::Question(QStringLiteral("Confirm"), QStringLiteral("Sure to close software"),
                                &parent),
             1);
    QVERIFY(okAnswer.answered());
    QCOMPARE(qsTitle, QStringLiteral("Confirm"));
    ModalAnswer closeAnswer([](QWidget* pModal) { button(*pModal, "m_pCloseBtn")->click(); });
    QCOMPARE(CWarnDlg::Information(QStringLiteral("Info"), QStringLiteral("Saved."), &parent), 0);
    QVERIFY(closeAnswer.answered());
}

QTEST_MAIN(TestCWarnDlg)
#include "tst_cwarndlg.moc"
