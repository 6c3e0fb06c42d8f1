#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "UrlRecorder.h"
#include "WarnDlgContent.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// Runs the event loop until something quits it, or for iMs: then it gives 7.
int runEventLoop(int iMs)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
    watchdog.start(iMs);
    return QCoreApplication::exec();
}
} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private:
    UrlRecorder m_recorder;
    QTemporaryDir m_runDir;
    QString m_qsStartDir;

private slots:
    void initTestCase()
    {
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void init() { m_recorder.urls.clear(); }

    void f1WithoutManualSaysSo()
    {
        MainWindow window;
        window.show();
        WarnDlgContent shown;
        ModalAnswer answer([&shown](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            WarnDlgContent::click(pDialog, "m_pCloseBtn");
        });
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(answer.answered());
        QCOMPARE(shown.qsTitle, QStringLiteral("Info"));
        QCOMPARE(shown.qsText, QStringLiteral("Can not find Manual."));
        QVERIFY(m_recorder.urls.isEmpty());
        QVERIFY(!window.openManual());
    }

    void f1WithManualOpensIt()
    {
        const QString qsManual = m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"));
        QVERIFY(UrlRecorder::touch(qsManual));
        MainWindow window;
        window.show();
        ModalAnswer answer([](QWidget* pDialog) { pDialog->hide(); }, 300);
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::qWait(350);
        QVERIFY(!answer.answered());
        QCOMPARE(m_recorder.urls, QList<QUrl>({QUrl::fromLocalFile(qsManual)}));
        QFile::remove(qsManual);
    }

    void cancelKeepsTheWindowAndTheApplication()
    {
        MainWindow window;
        window.show();
        WarnDlgContent shown;
        ModalAnswer answer([&shown](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            WarnDlgContent::click(pDialog, "pCancelBtn");
        });
        QVERIFY(!window.close());
        QVERIFY(answer.answered());
        QCOMPARE(shown.qsTitle, QStringLiteral("Confirm"));
        QCOMPARE(shown.qsText, QStringLiteral("Sure to close software"));
        QVERIFY(window.isVisible());
        // No quit is pending: only the watchdog ends the event loop.
        QCOMPARE(runEventLoop(200), 7);
    }

    void okClosesAndQueuesTheQuit()
    {
        MainWindow window;
        window.show();
        ModalAnswer answer([](QWidget* pDialog) { WarnDlgContent::click(pDialog, "pOkBtn"); });
        QVERIFY(window.close());
        QVERIFY(answer.answered());
        QVERIFY(!window.isVisible());
        // A quit made at once, with no event loop running, would be lost: the
        // loop started now ends only through a quit waiting in the queue.
        QCOMPARE(runEventLoop(5000), 0);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
