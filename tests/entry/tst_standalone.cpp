#include "entry/CKesaApplication.h"
#include "entry/StandAlone.h"
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QtMath>

#include <map>

namespace {
// A task of recorders only, so that showing it runs no recorder count.
const char kTaskFile[] =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskList><Task><Name>Lobby</Name>"
    "<Type>1</Type><IPCNum>0</IPCNum><DVRNum>0</DVRNum><Remark></Remark><DeviceGroupList>"
    "<DeviceGroup><DeviceNum>2</DeviceNum><Type>1</Type><DeviceId>DVR1</DeviceId>"
    "<MainStream>-1</MainStream><SubStream>-1</SubStream><StreamGroupList><StreamGroup>"
    "<StreamID>1</StreamID><StreamNum>8</StreamNum><Resolution>8</Resolution>"
    "<FrameRate>25</FrameRate><Bitrate>1024</Bitrate></StreamGroup></StreamGroupList>"
    "</DeviceGroup></DeviceGroupList></Task></TaskList>\n";

double luminance(QRgb rgb)
{
    const auto linear = [](int iChannel) {
        const double d = iChannel / 255.0;
        return d <= 0.03928 ? d / 12.92 : qPow((d + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double dA = luminance(a);
    const double dB = luminance(b);
    return (qMax(dA, dB) + 0.05) / (qMin(dA, dB) + 0.05);
}

// The contrast of the text painted in the rectangle: the commonest colour
// there is the background, the pixel that stands out most is the text.
double textContrast(const QImage& image, const QRect& rect)
{
    std::map<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    int iMost = 0;
    for (const auto& count : counts) {
        if (count.second > iMost) {
            background = count.first;
            iMost = count.second;
        }
    }
    double dBest = 1.0;
    for (const auto& count : counts) {
        dBest = qMax(dBest, contrast(background, count.first));
    }
    return dBest;
}

QTreeView* view(const QWidget& window, const char* pszName)
{
    return window.findChild<QTreeView*>(QLatin1String(pszName));
}
} // namespace

// A 1024 x 768 screen, no other instance, and Setup.xml naming the test skin.
class tst_StandAlone : public QObject
{
    Q_OBJECT
public:
    tst_StandAlone(CKesaApplication& app, const QString& qsRuntimeDir)
        : m_app(app), m_qsRuntimeDir(qsRuntimeDir)
    {
    }

private:
    CKesaApplication& m_app;
    const QString m_qsRuntimeDir;
    QTemporaryDir m_runDir;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_runDir.path()));
        QFile tasks(QStringLiteral("Task.xml"));
        QVERIFY(tasks.open(QIODevice::WriteOnly));
        QVERIFY(tasks.write(kTaskFile) > 0);
    }

    // The first row of the task list and of the device tree, selected.
    void selectedTextIsReadable_data()
    {
        QTest::addColumn<QString>("qsView");
        QTest::newRow("task list") << "treeTask";
        QTest::newRow("device tree") << "treeDeviceList";
    }

    void selectedTextIsReadable()
    {
        QFETCH(QString, qsView);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeView* pTasks = view(window, "treeTask");
        pTasks->setCurrentIndex(pTasks->model()->index(0, 0));
        QTreeView* pView = view(window, qPrintable(qsView));
        const QModelIndex first = pView->model()->index(0, 0);
        pView->setCurrentIndex(first);
        QVERIFY(pView->selectionModel()->isSelected(first));
        QRect textRect = pView->visualRect(first);
        textRect.setWidth(qMin(textRect.width(),
                               pView->fontMetrics().horizontalAdvance(first.data().toString())));
        const QImage image = pView->viewport()->grab().toImage();
        const double dContrast = textContrast(image, textRect);
        QVERIFY2(dContrast >= 4.5, qPrintable(QString::number(dContrast)));
    }

    void deviceTreeHeadersReadWhole_data()
    {
        QTest::addColumn<QString>("qsTranslation");
        QTest::newRow("English") << QString();
        QTest::newRow("Chinese") << ":/translation/Vardex_zh.qm";
    }

    void deviceTreeHeadersReadWhole()
    {
        QFETCH(QString, qsTranslation);
        QTranslator translator;
        QVERIFY(qsTranslation.isEmpty() || translator.load(qsTranslation));
        QCoreApplication::installTranslator(&translator);
        MainWindow window;
        QCoreApplication::removeTranslator(&translator);
        window.show();
        const QHeaderView* pHeader = view(window, "treeDeviceList")->header();
        const int iMargin =
            pHeader->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, pHeader);
        for (int iSection = 0; iSection < pHeader->count(); ++iSection) {
            const QString qsText =
                pHeader->model()->headerData(iSection, Qt::Horizontal).toString();
            QVERIFY2(pHeader->fontMetrics().horizontalAdvance(qsText) + 2 * iMargin <=
                         pHeader->sectionSize(iSection),
                     qPrintable(qsText));
        }
    }

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

    // Alone, the instance holds its lock in the user's own runtime directory,
    // where no other user's instance meets it.
    void aloneOnALargeEnoughScreen()
    {
        ModalAnswer answer([](QWidget* pDialog) { pDialog->hide(); });
        QVERIFY(!m_app.isRunning());
        QVERIFY(m_app.checkResolution());
        QVERIFY(!answer.answered());
        QVERIFY(!QDir(m_qsRuntimeDir).entryList(QDir::Files).isEmpty());
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
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    // A key of its own, so that no other run of the program meets this one.
    const QString qsKey =
        QStringLiteral("VEX-Vardex-tst_standalone-%1").arg(QCoreApplication::applicationPid());
    CKesaApplication app(argc, argv, qsKey);
    tst_StandAlone test(app, runtimeDir.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_standalone.moc"
