#include "entry/CKesaApplication.h"
#include "entry/StandAlone.h"
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QFile>
#include <QTest>
#include <QTimer>

// A 1024 x 768 screen, no other instance, and Setup.xml naming the test skin.
class tst_StandAlone : public QObject
{
    Q_OBJECT
public:
    explicit tst_StandAlone(CKesaApplication& app) : m_app(app) {}

private:
    CKesaApplication& m_app;

private slots:
    void applicationIsPrepared()
    {
        QCOMPARE(QApplication::font().family(), QStringLiteral("Arial"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(QApplication::font("CToolLabel").pointSize(), 10);
        QVERIFY(QCoreApplication::libraryPaths().contains(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/plugins")));
        QFile styleSheet(QStringLiteral(":/KesaClient/Qss/Qss/VEX_CAL.qss"));
        QVERIFY(styleSheet.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(m_app.styleSheet(), QString::fromUtf8(styleSheet.readAll()));
    }

    void skinOfSetupIsApplied() { QCOMPARE(m_app.property("testSkinApplications").toInt(), 1); }

    void aloneOnALargeEnoughScreen()
    {
        ModalAnswer answer([](QWidget* pDialog) { pDialog->hide(); }, 300);
        QVERIFY(!m_app.isRunning());
        QVERIFY(m_app.checkResolution());
        QTest::qWait(350);
        QVERIFY(!answer.answered());
    }

    // Runs the event loop: the window stands fixed at 1024 x 768, and closing
    // it with OK ends the program with 0.
    void runShowsTheWindowUntilClosed()
    {
        QSize shownSize;
        ModalAnswer answer([](QWidget* pDialog) { WarnDlgContent::click(pDialog, "pOkBtn"); });
        QTimer::singleShot(100, &m_app, [&shownSize] {
            const QList<QWidget*> windows = QApplication::topLevelWidgets();
            for (QWidget* pWidget : windows) {
                if (auto* pWindow = qobject_cast<MainWindow*>(pWidget)) {
                    if (pWindow->isVisible() && pWindow->minimumSize() == pWindow->maximumSize()) {
                        shownSize = pWindow->size();
                    }
                    pWindow->close();
                }
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, &m_app, [] { QCoreApplication::exit(7); });
        watchdog.start(5000);
        QCOMPARE(runStandAlone(m_app), 0);
        QVERIFY(answer.answered());
        QCOMPARE(shownSize, QSize(1024, 768));
    }
};

int main(int argc, char* argv[])
{
    // A key of its own, so that no other run of the program meets this one.
    const QString qsKey =
        QStringLiteral("VEX-Vardex-tst_standalone-%1").arg(QCoreApplication::applicationPid());
    CKesaApplication app(argc, argv, qsKey);
    tst_StandAlone test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_standalone.moc"
