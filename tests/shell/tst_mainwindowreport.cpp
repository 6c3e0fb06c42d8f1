// The main window's wiring seen from a user's side: choosing a task feeds the
// three pages, and the top band's save collects what they show into the
// workbook, in one click.
#include "shell/MainWindow.h"

#include "MessageBoxes.h"
#include "ModalAnswer.h"
#include "XlsReadBack.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {
const char* const kTaskXml = R"(<?xml version="1.0" encoding="GB2312"?>
<TaskList>
<Task><Name>Example Task</Name><Type>1</Type><IPCNum>0</IPCNum><DVRNum>0</DVRNum><Remark></Remark></Task>
<Task><Name>Site A</Name><Type>1</Type><IPCNum>0</IPCNum><DVRNum>0</DVRNum><Remark></Remark>
<DeviceGroupList><DeviceGroup><DeviceNum>2</DeviceNum><Type>0</Type><DeviceId>IPC1</DeviceId>
<MainStream>1024</MainStream><SubStream>512</SubStream><StreamGroupList>
<StreamGroup><StreamID>1</StreamID><StreamNum>4</StreamNum><Resolution>2</Resolution>
<FrameRate>25</FrameRate><Bitrate>2048</Bitrate></StreamGroup>
</StreamGroupList></DeviceGroup></DeviceGroupList></Task>
</TaskList>
)";
} // namespace

class TestMainWindowReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // The recorder models are offered only when Device.Xml is readable.
        const QString qsDeviceXml = QCoreApplication::applicationDirPath() + "/Device.Xml";
        QFile::remove(qsDeviceXml);
        QVERIFY(QFile::copy(qEnvironmentVariable("VARDEX_BIN_DIR") + "/Device.Xml", qsDeviceXml));
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
        QFile taskFile(QStringLiteral("Task.xml"));
        QVERIFY(taskFile.open(QIODevice::WriteOnly));
        taskFile.write(kTaskXml);
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void choosingATaskFeedsThePages()
    {
        MainWindow window;
        window.show();
        chooseTask(window, 1);
        // 4 streams x 2048 Kbps: ceil(8192 / 0.7) = 11703 Kbps, 90.8696 GB a day;
        // two cameras of 1536 Kbps fit one 8-channel recorder.
        QCOMPARE(label(window, "labelBandiwth"), QStringLiteral("11.5Mbps"));
        QCOMPARE(label(window, "labelCapacityNum"), QStringLiteral("90.8696GB"));
        QCOMPARE(label(window, "labelNVRNumber"), QStringLiteral("1"));

        chooseTask(window, 0);
        QCOMPARE(label(window, "labelBandiwth"), QStringLiteral("0Kbps"));
        QCOMPARE(label(window, "labelCapacityNum"), QStringLiteral("0GB"));
        QCOMPARE(label(window, "labelNVRNumber"), QStringLiteral("0"));
    }

    void saveCollectsWhatThePagesShow()
    {
        MainWindow window;
        window.show();
        chooseTask(window, 1);

        const QString qsFolder = m_runDir.path() + QLatin1Char('/');
        std::unique_ptr<MessageBoxes> pSaved;
        ModalAnswer exportDialog([&](QWidget* pDialog) {
            auto* pFolder = pDialog->findChild<QComboBox*>(QStringLiteral("comboBox"));
            pFolder->clear();
            pFolder->addItem(qsFolder);
            pSaved = std::make_unique<MessageBoxes>(QVector<bool>{true});
            pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
        });
        window.findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();
        QVERIFY(exportDialog.answered());
        QCOMPARE(pSaved->texts(), QStringList{QStringLiteral("Hint: Saved.")});

        const XlsReadBack book = XlsReadBack::read(qsFolder + QStringLiteral("Site A.xls"));
        QVERIFY2(book.qsError.isEmpty(), qPrintable(book.qsError));
        const QStringList empty = {"", "", "", "", "", "", "", ""};
        const QVector<QStringList> expected = {
            {"Device Type", "Device Count", "Stream Count", "Resolution", "Frame Rate",
             "Bitrate(Kbps)", "Main Stream", "Sub Stream"},
            {"IPC1", "2", "", "", "", "", "1024", "512"},
            {"", "", "4", "1080P(1920*1080)", "25", "2048", "", ""},
            empty,
            empty,
            empty,
            empty,
            empty,
            {"Task Name:", "Site A", "", "", "", "", "", ""},
            {"NVR Type:", "KV-R08-1", "NVR Count:", "1", "", "", "", ""},
            {"Record Time:", "1day", "HDD Capacity:", "90.8696GB", "", "", "", ""},
            {"Bandwidth:", "11.5Mbps", "", "", "", "", "", ""}};
        QCOMPARE(book.rows, expected);
    }

    void embeddedFrameReachesTheTopBand()
    {
        MainWindow window;
        auto* pCalculate = window.findChild<QPushButton*>(QStringLiteral("pBtnUpgrade"));
        QCOMPARE(pCalculate->minimumHeight(), 40);
        window.changeSize(false);
        QCOMPARE(pCalculate->minimumHeight(), 23);
        QVERIFY(pCalculate->icon().isNull());
        window.changeSize(true);
        QCOMPARE(pCalculate->minimumHeight(), 40);
    }

private:
    static QString label(const MainWindow& window, const char* pszName)
    {
        return window.findChild<QLabel*>(QString::fromLatin1(pszName))->text();
    }

    // A click on the task's row, as a user makes it.
    static void chooseTask(MainWindow& window, int iRow)
    {
        auto* pView = window.findChild<QTreeView*>(QStringLiteral("treeTask"));
        const QModelIndex index = pView->model()->index(iRow, 0);
        const QPoint center = pView->visualRect(index).center();
        QTest::mouseClick(pView->viewport(), Qt::LeftButton, {}, center);
    }

    QTemporaryDir m_runDir;
    QString m_qsStartDir;
};

QTEST_MAIN(TestMainWindowReport)
#include "tst_mainwindowreport.moc"
