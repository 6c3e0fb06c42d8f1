#include "shell/CWindowTitle.h"
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {
const char* const kFullFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:58;}";
const char* const kEmbeddedFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:23 58 58 58;}";
} // namespace

// Takes the file URLs that would go to the desktop's viewer.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class tst_MainWindow : public QObject
{
    Q_OBJECT
private:
    UrlRecorder m_recorder;
    QTemporaryDir m_runDir;
    QString m_qsStartDir;

    static bool touch(const QString& qsPath)
    {
        QFile file(qsPath);
        return file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0;
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDir::setCurrent(m_qsStartDir);
    }

    void init() { m_recorder.urls.clear(); }

    void constructionSetsFrameAndFlags()
    {
        MainWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Vardex"));
        QCOMPARE(window.styleSheet(), QString::fromLatin1(kFullFrameStyle));
        QCOMPARE(window.windowFlags(),
                 Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
        QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("centralWidget"));
    }

    void titleBarHeadsTheGrid()
    {
        MainWindow window;
        auto* pGrid = qobject_cast<QGridLayout*>(window.centralWidget()->layout());
        QVERIFY(pGrid);
        QCOMPARE(pGrid->contentsMargins(), QMargins(4, 0, 4, 6));
        auto* pTitle = window.findChild<CWindowTitle*>();
        QVERIFY(pTitle);
        int iRow = -1, iColumn = -1, iRowSpan = 0, iColumnSpan = 0;
        pGrid->getItemPosition(pGrid->indexOf(pTitle), &iRow, &iColumn, &iRowSpan, &iColumnSpan);
        QCOMPARE(QList<int>({iRow, iColumn, iRowSpan, iColumnSpan}), QList<int>({0, 0, 1, 2}));
        QCOMPARE(pGrid->columnStretch(1), 2);
        QCOMPARE(QList<int>({pGrid->rowStretch(1), pGrid->rowStretch(2), pGrid->rowStretch(3)}),
                 QList<int>({1, 8, 3}));
        QCOMPARE(pGrid->horizontalSpacing(), 0);
        QCOMPARE(pGrid->verticalSpacing(), 0);
    }

    void titleBarCanBeHidden()
    {
        MainWindow window;
        window.show();
        auto* pTitle = window.findChild<CWindowTitle*>();
        QVERIFY(pTitle->isVisible());
        window.showTitleBar(false);
        QVERIFY(!pTitle->isVisible());
        window.showTitleBar(true);
        QVERIFY(pTitle->isVisible());
    }

    void frameFollowsChangeSize()
    {
        MainWindow window;
        window.changeSize(true);
        QCOMPARE(window.styleSheet(), QString::fromLatin1(kFullFrameStyle));
        window.changeSize(false);
        QCOMPARE(window.styleSheet(), QString::fromLatin1(kEmbeddedFrameStyle));
        window.changeSize(true);
        QCOMPARE(window.styleSheet(), QString::fromLatin1(kFullFrameStyle));
    }

    void manualMissing()
    {
        MainWindow window;
        QVERIFY(!window.openManual());
        QVERIFY(m_recorder.urls.isEmpty());
    }

    void manualInCurrentDirectoryIsOpened()
    {
        const QString qsManual = m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"));
        QVERIFY(touch(qsManual));
        MainWindow window;
        QVERIFY(window.openManual());
        QCOMPARE(m_recorder.urls, QList<QUrl>({QUrl::fromLocalFile(qsManual)}));
        QFile::remove(qsManual);
    }

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
    }

    void f1WithManualOpensIt()
    {
        const QString qsManual = m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"));
        QVERIFY(touch(qsManual));
        MainWindow window;
        window.show();
        ModalAnswer answer([](QWidget* pDialog) { pDialog->hide(); }, 300);
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::qWait(350);
        QVERIFY(!answer.answered());
        QCOMPARE(m_recorder.urls.size(), 1);
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
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        watchdog.start(200);
        QCOMPARE(QCoreApplication::exec(), 7);
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
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
