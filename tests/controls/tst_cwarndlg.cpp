#include "controls/CWarnDlg.h"

#include "ModalAnswer.h"
#include "TsCatalogue.h"
#include "WarnDlgContent.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {
QTextBrowser* browser(const QWidget& dlg)
{
    return dlg.findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"));
}

enum Form
{
    Info,
    Question,
    Warning
};

// What the box showed while it was open, and what it returned once the
// button was clicked.
struct Shown
{
    WarnDlgContent content;
    QSize boxSize;
    QRect textRect;
    QRect frameRect;
    QSizeF documentSize;
    int iLines = 0;
    QStringList lstVisible; // of the buttons and the button bar
    QString qsStyle;
    int iResult = -2;

    Shown(int form, const QString& qsText, const char* pszButton = "m_pCloseBtn")
    {
        CWarnDlg dlg;
        ModalAnswer answer([&](QWidget* pModal) {
            content = WarnDlgContent::of(pModal);
            boxSize = pModal->size();
            textRect = browser(*pModal)->geometry();
            frameRect = pModal->findChild<QFrame*>(QStringLiteral("m_pContentFrame"))->rect();
            documentSize = browser(*pModal)->document()->size();
            iLines = documentSize.height() / QFontMetrics(browser(*pModal)->font()).height();
            for (const char* pszName : {"pOkBtn", "pCancelBtn", "m_pCloseBtn", "m_pBottomFrame"}) {
                if (pModal->findChild<QWidget*>(QLatin1String(pszName))->isVisible()) {
                    lstVisible << QLatin1String(pszName);
                }
            }
            qsStyle = pModal->styleSheet();
            WarnDlgContent::click(pModal, pszButton);
        });
        const QString qsTitle = QStringLiteral("Hint");
        iResult = form == Info       ? dlg.ExecInfo(qsTitle, qsText)
                  : form == Question ? dlg.ExecQuestion(qsTitle, qsText)
                                     : dlg.ExecWarning(qsTitle, qsText);
        if (!answer.answered()) {
            iResult = -2;
        }
    }
};

int textWidth(const QString& qsText)
{
    return QFontMetrics(browser(CWarnDlg())->font()).horizontalAdvance(qsText) + 15;
}
} // namespace

class TestCWarnDlg : public QObject
{
    Q_OBJECT
private slots:
    void formsShowTheirButtonsAndAnswer_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("qsButton");
        QTest::addColumn<QStringList>("lstVisible");
        QTest::addColumn<int>("iResult");
        const QStringList info{QStringLiteral("m_pCloseBtn")};
        const QStringList question{QStringLiteral("pOkBtn"), QStringLiteral("pCancelBtn"),
                                   QStringLiteral("m_pCloseBtn"), QStringLiteral("m_pBottomFrame")};
        const QStringList warning{QStringLiteral("pOkBtn"), QStringLiteral("m_pCloseBtn"),
                                  QStringLiteral("m_pBottomFrame")};
        QTest::newRow("information closed") << int(Info) << "m_pCloseBtn" << info << 0;
        QTest::newRow("question OK") << int(Question) << "pOkBtn" << question << 1;
        QTest::newRow("question Cancel") << int(Question) << "pCancelBtn" << question << 0;
        QTest::newRow("question closed") << int(Question) << "m_pCloseBtn" << question << 0;
        QTest::newRow("warning OK") << int(Warning) << "pOkBtn" << warning << 1;
        QTest::newRow("warning closed") << int(Warning) << "m_pCloseBtn" << warning << 0;
    }

    void formsShowTheirButtonsAndAnswer()
    {
        QFETCH(int, form);
        QFETCH(QString, qsButton);
        QFETCH(QStringList, lstVisible);
        QFETCH(int, iResult);
        const Shown shown(form, QStringLiteral("Saved."), qPrintable(qsButton));
        QCOMPARE(shown.iResult, iResult);
        QCOMPARE(shown.content.qsTitle, QStringLiteral("Hint"));
        QCOMPARE(shown.content.qsText, QStringLiteral("Saved."));
        QCOMPARE(shown.lstVisible, lstVisible);
        // Without the button bar the frame image has no room for it.
        const QString qsFrameImage =
            form == Info ? QStringLiteral("dialog_bg2.png\")") : QStringLiteral("dialog_bg.png\")");
        QVERIFY(shown.qsStyle.contains(qsFrameImage));
        QVERIFY(shown.qsStyle.contains(
            QStringLiteral("QFrame#CWarnDlg{background-color: transparent;}")));
    }

    void oneWordGivesSmallestBox()
    {
        const Shown shown(Warning, QStringLiteral("Saved."));
        QCOMPARE(shown.boxSize, QSize(300, 225));
        QCOMPARE(shown.textRect.width(), textWidth(QStringLiteral("Saved.")));
        // A single line sits in the middle of the content frame.
        QVERIFY(qAbs(shown.textRect.center().x() - shown.frameRect.center().x()) <= 1);
        QVERIFY(qAbs(shown.textRect.center().y() - shown.frameRect.center().y()) <= 1);
    }

    void mediumTextFitsTheBoxToIt()
    {
        QString qsText = QStringLiteral("Record time should less");
        while (textWidth(qsText) + 10 <= 300) {
            qsText += QLatin1Char('x');
        }
        QVERIFY(textWidth(qsText) + 10 < 388);
        const Shown shown(Info, qsText);
        QCOMPARE(shown.boxSize, QSize(textWidth(qsText) + 10 + 12, 225));
        QCOMPARE(shown.textRect.width(), textWidth(qsText));
    }

    void longTextWrapsInWidestBoxAndGrowsIt()
    {
        const Shown shown(Question,
                          QStringLiteral("The sum of IPC number can not be bigger than 1000000, "
                                         "so the device group was not added; lower the number "
                                         "of devices of this group or of another group of the "
                                         "task and try again. Every camera of the task counts, "
                                         "the recorders do not count at all. The example task "
                                         "is read-only and can not be changed; create a task "
                                         "of your own first."));
        QCOMPARE(shown.boxSize.width(), 400);
        QCOMPARE(shown.textRect.width(), 378);
        QVERIFY2(shown.iLines >= 5, qPrintable(QString::number(shown.iLines)));
        QVERIFY(shown.boxSize.height() > 225);
        QCOMPARE(shown.textRect.top(), 15);
        QVERIFY(qAbs(shown.textRect.center().y() - shown.frameRect.center().y()) <= 1);
    }

    // Every text that widens the box beyond its smallest size, in both
    // languages, at the stand-alone program's font and at the default one.
    void widestTextsLieWholeAndCentredInTheFrame_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("qsText");
        QFont standAlone(QStringLiteral("Arial"), 9);
        standAlone.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
        const QFont defaultFont = QApplication::font();
        for (const QFont& font : {standAlone, defaultFont}) {
            QApplication::setFont(font);
            QSet<QString> setTaken;
            for (const char* pszLanguage : {"en", "zh"}) {
                TsCatalogue catalogue;
                QVERIFY(catalogue.load(qEnvironmentVariable("VARDEX_SOURCE_DIR") +
                                       QStringLiteral("/resources/translations/Vardex_%1.ts")
                                           .arg(QLatin1String(pszLanguage))));
                for (const TsMessage& message : catalogue.messages()) {
                    if (textWidth(message.qsTranslation) + 10 > 300 - 12 &&
                        !setTaken.contains(message.qsTranslation)) {
                        setTaken.insert(message.qsTranslation);
                        QTest::addRow("%s %s: %s", qPrintable(font.family()), pszLanguage,
                                      qPrintable(message.qsSource))
                            << font << message.qsTranslation;
                    }
                }
            }
        }
        QApplication::setFont(defaultFont);
    }

    void widestTextsLieWholeAndCentredInTheFrame()
    {
        QFETCH(QFont, font);
        QFETCH(QString, qsText);
        QApplication::setFont(font);
        const Shown shown(Info, qsText);
        QCOMPARE(shown.frameRect.intersected(shown.textRect), shown.textRect);
        QVERIFY(qAbs(shown.textRect.center().x() - shown.frameRect.center().x()) <= 1);
        QVERIFY(qAbs(shown.textRect.center().y() - shown.frameRect.center().y()) <= 1);
        QVERIFY(shown.documentSize.width() <= shown.textRect.width());
        QVERIFY(shown.documentSize.height() <= shown.textRect.height());
    }

    void escapeLeavesBoxOpen()
    {
        CWarnDlg dlg;
        bool bOpenAfterEscape = false;
        ModalAnswer answer([&](QWidget* pModal) {
            QTest::keyClick(pModal, Qt::Key_Escape);
            bOpenAfterEscape = pModal->isVisible();
            WarnDlgContent::click(pModal, "pOkBtn");
        });
        QCOMPARE(dlg.ExecQuestion(QStringLiteral("Confirm"), QStringLiteral("Sure?")), 1);
        QVERIFY(answer.answered());
        QVERIFY(bOpenAfterEscape);
    }

    void staticsRunOnTheirParentOnly()
    {
        QCOMPARE(CWarnDlg::Information(QStringLiteral("Info"), QStringLiteral("Saved."), nullptr),
                 -1);
        QCOMPARE(CWarnDlg::Question(QStringLiteral("Hint"), QStringLiteral("Sure?"), nullptr), -1);
        QWidget parent;
        parent.show();
        QString qsTitle;
        ModalAnswer okAnswer([&](QWidget* pModal) {
            qsTitle = WarnDlgContent::of(pModal).qsTitle;
            WarnDlgContent::click(pModal, "pOkBtn");
        });
        QCOMPARE(CWarnDlg::Question(QStringLiteral("Confirm"), QStringLiteral("Sure?"), &parent),
                 1);
        QCOMPARE(qsTitle, QStringLiteral("Confirm"));
        ModalAnswer closeAnswer(
            [](QWidget* pModal) { WarnDlgContent::click(pModal, "m_pCloseBtn"); });
        QCOMPARE(CWarnDlg::Information(QStringLiteral("Info"), QStringLiteral("Saved."), &parent),
                 0);
        QVERIFY(closeAnswer.answered());
    }
};

QTEST_MAIN(TestCWarnDlg)
#include "tst_cwarndlg.moc"
