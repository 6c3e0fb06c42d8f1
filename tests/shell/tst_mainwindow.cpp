#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "UrlRecorder.h"
#include "WarnDlgContent.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

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
    QTemporaryDir m_runDir;
    QString m_qsStartDir;

private slots:
    void initTestCase()
    {
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    // F1 opens the manual in the desktop's viewer; otherwise the user learns
    // why, and where the file is when only the viewer is missing.
    void f1OpensTheManualOrSaysWhyNot_data()
    {
        QTest::addColumn<bool>("bManual");
        QTest::addColumn<bool>("bViewer");
        QTest::addColumn<QString>("qsText");
        const QString qsManual = m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"));
        QTest::newRow("opened") << true << true << QString();
        QTest::newRow("missing") << false << true << "Can not find Manual.";
        QTest::newRow("no viewer")
            << true << false
            << "No program could open the user manual " + QDir::toNativeSeparators(qsManual) + '.';
    }

    void f1OpensTheManualOrSaysWhyNot()
    {
        QFETCH(bool, bManual);
        QFETCH(bool, bViewer);
        QFETCH(QString, qsText);
        const QString qsManual = m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"));
        QVERIFY(!bManual || UrlRecorder::touch(qsManual));
        std::unique_ptr<UrlRecorder> pViewer(bViewer ? new UrlRecorder : nullptr);
        MainWindow window;
        window.show();
        WarnDlgContent shown;
        ModalAnswer answer([&shown](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            WarnDlgContent::click(pDialog, "m_pCloseBtn");
        });
        QTest::keyClick(&window, Qt::Key_F1);
        QFile::remove(qsManual);
        QCOMPARE(shown.qsText, qsText);
        QCOMPARE(answer.answered(), !qsText.isEmpty());
        if (pViewer) {
            QCOMPARE(pViewer->urls.size(), qsText.isEmpty() ? 1 : 0);
        }
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
