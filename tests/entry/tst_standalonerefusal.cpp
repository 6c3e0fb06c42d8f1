#include "entry/CKesaApplication.h"
#include "entry/StandAlone.h"
#include "shell/CWindowTitle.h"
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QFile>
#include <QLockFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

// A 1024 x 767 screen, and an instance of the same user already running (the
// lock that the test takes before the application object).
class tst_StandAloneRefusal : public QObject
{
    Q_OBJECT
public:
    explicit tst_StandAloneRefusal(CKesaApplication& app) : m_app(app) {}

private:
    CKesaApplication& m_app;

    static int mainWindowCount()
    {
        int iCount = 0;
        const QList<QWidget*> widgets = QApplication::allWidgets();
        for (QWidget* pWidget : widgets) {
            iCount += qobject_cast<MainWindow*>(pWidget) ? 1 : 0;
        }
        return iCount;
    }

private slots:
    void secondInstanceIsRefused()
    {
        WarnDlgContent shown;
        ModalAnswer answer([&shown](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            WarnDlgContent::click(pDialog, "m_pCloseBtn");
        });
        QVERIFY(m_app.isRunning());
        QVERIFY(answer.answered());
        QCOMPARE(shown.qsTitle, QStringLiteral("Upgrade"));
        QCOMPARE(shown.qsText, QStringLiteral("Software is already running."));
    }

    void smallScreenIsRefused()
    {
        WarnDlgContent shown;
        ModalAnswer answer([&shown](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            WarnDlgContent::click(pDialog, "m_pCloseBtn");
        });
        QVERIFY(!m_app.checkResolution());
        QVERIFY(answer.answered());
        QCOMPARE(shown.qsTitle, QStringLiteral("Upgrade"));
        QCOMPARE(shown.qsText, QStringLiteral("The least resolution is 1024*768."));
    }

    void runEndsBeforeAnyWindow()
    {
        ModalAnswer answer([](QWidget* pDialog) { WarnDlgContent::click(pDialog, "m_pCloseBtn"); });
        QCOMPARE(runStandAlone(m_app), 0);
        QVERIFY(answer.answered());
        QCOMPARE(mainWindowCount(), 0);
    }

    void sizeButtonsDoNothingOnASmallScreen()
    {
        MainWindow window;
        window.setFixedSize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* pTitle = window.findChild<CWindowTitle*>();
        QVERIFY(pTitle);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(200, 10),
                                pTitle->mapToGlobal(QPoint(200, 10)), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pTitle, &doubleClick);
        QTest::qWait(50);
        QVERIFY(!pTitle->isWindowMaximized());
        QCOMPARE(window.size(), QSize(1000, 700));
    }
};

int main(int argc, char* argv[])
{
    // The user's runtime directory holds the lock of the instance that runs.
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    const QString qsKey = QStringLiteral("VEX-Vardex-tst_standalonerefusal");
    QLockFile firstInstance(runtimeDir.filePath(qsKey + QStringLiteral(".lock")));
    if (!firstInstance.tryLock(0)) {
        return 1;
    }
    CKesaApplication app(argc, argv, qsKey);
    tst_StandAloneRefusal test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_standalonerefusal.moc"
