#include "export/ExcelSqlDriver.h"
#include "export/PrintWidget.h"

#include "MessageBoxes.h"
#include "XlsReadBack.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QStringList kHeader = {QStringLiteral("Device Type"),  QStringLiteral("Device Count"),
                             QStringLiteral("Stream Count"), QStringLiteral("Resolution"),
                             QStringLiteral("Frame Rate"),   QStringLiteral("Bitrate(Kbps)"),
                             QStringLiteral("Main Stream"),  QStringLiteral("Sub Stream")};

struct Report
{
    QString qsTask;
    std::vector<PrintDevInfo> devices;
    QString qsNvrType = QStringLiteral("NVR-32");
    QString qsNvrCount = QStringLiteral("3");
    QString qsBandwidth = QStringLiteral("58.5Mbps");
    QString qsMonths = QStringLiteral("1");
    QString qsWeeks = QStringLiteral("4");
    QString qsDays = QStringLiteral("30");
    QString qsCapacity = QStringLiteral("12.4TB");
};

PrintDevInfo device(const QString& qsType, int i)
{
    return {qsType,
            QString::number(i + 1),
            QString::number(i % 4 + 1),
            QStringLiteral("1080P"),
            QStringLiteral("25"),
            QString::number(4096 + i),
            QStringLiteral("4096"),
            QStringLiteral("512")};
}

QStringList padded(QStringList cells)
{
    while (cells.size() < kHeader.size()) {
        cells.append(QString());
    }
    return cells;
}

// The sheet as the export lays it out, written from the user's point of view.
QVector<QStringList> expectedSheet(const Report& report)
{
    QVector<QStringList> rows{kHeader};
    for (const PrintDevInfo& d : report.devices) {
        rows.append({d.DeviceType, d.DeviceCount, d.StreamCount, d.Resolution, d.FrameRate,
                     d.Bitrate, d.MainStream, d.SubStream});
    }
    for (int i = 0; i < 5; ++i) {
        rows.append(padded({}));
    }
    rows.append(padded({QStringLiteral("Task Name:"), report.qsTask}));
    rows.append(padded({QStringLiteral("NVR Type:"), report.qsNvrType, QStringLiteral("NVR Count:"),
                        report.qsNvrCount}));
    rows.append(padded({QStringLiteral("Record Time:"), report.qsDays + QStringLiteral("day"),
                        QStringLiteral("HDD Capacity:"), report.qsCapacity}));
    rows.append(padded({QStringLiteral("Bandwidth:"), report.qsBandwidth}));
    return rows;
}

QLineEdit* nameEdit(const PrintWidget& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("edtName"));
}

QComboBox* folderBox(const PrintWidget& dialog)
{
    return dialog.findChild<QComboBox*>(QStringLiteral("comboBox"));
}

void fill(PrintWidget& dialog, const Report& report)
{
    dialog.SetTaskInfo(report.qsTask, report.devices);
    dialog.SetNvrInfo(report.qsNvrType, report.qsNvrCount);
    dialog.SetBandwidthInfo(report.qsBandwidth);
    dialog.SetCapacityInfo(report.qsMonths, report.qsWeeks, report.qsDays, report.qsCapacity);
}

void setFolder(PrintWidget& dialog, const QString& qsFolder)
{
    folderBox(dialog)->clear();
    folderBox(dialog)->addItem(qsFolder);
}

void clickOk(PrintWidget& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
}
} // namespace

class tst_PrintWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_qsFolder = m_dir.path() + QLatin1Char('/');
    }

    void opensWithTaskFileAndHomeFolder()
    {
        PrintWidget dialog;
        dialog.SetTaskInfo(QStringLiteral("Harbour"), {});
        QCOMPARE(nameEdit(dialog)->text(), QStringLiteral("Harbour.xls"));
        QCOMPARE(folderBox(dialog)->count(), 1);
        QCOMPARE(folderBox(dialog)->currentText(), QDir::homePath() + QLatin1Char('/'));
        QCOMPARE(dialog.size(), QSize(320, 240));
    }

    void exportWritesTheSheet_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<int>("deviceCount");
        QTest::addColumn<QString>("deviceType");

        QTest::newRow("ascii") << QStringLiteral("Harbour") << 3 << QStringLiteral("IPC");
        QTest::newRow("chinese and emoji")
            << QStringLiteral("港口仓库 \U0001F4F9") << 2 << QStringLiteral("网络摄像机");
        QTest::newRow("300 rows") << QStringLiteral("Campus") << 300 << QStringLiteral("DVR");
        QTest::newRow("no device groups")
            << QStringLiteral("Empty site") << 0 << QStringLiteral("IPC");
    }

    void exportWritesTheSheet()
    {
        QFETCH(QString, task);
        QFETCH(int, deviceCount);
        QFETCH(QString, deviceType);

        Report report;
        report.qsTask = task;
        for (int i = 0; i < deviceCount; ++i) {
            report.devices.push_back(device(deviceType, i));
        }
        if (deviceType != QStringLiteral("IPC") && deviceType != QStringLiteral("DVR")) {
            report.qsNvrType = QStringLiteral("录像机-32");
            report.qsCapacity = QStringLiteral("十二TB");
        }

        QStringList messages;
        const QString qsPath = exportReport(report, &messages);
        QCOMPARE(messages, QStringList{QStringLiteral("Hint: Saved.")});
        QCOMPARE(qsPath, m_qsFolder + task + QStringLiteral(".xls"));

        const XlsReadBack book = XlsReadBack::read(qsPath);
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.sheetCount, 1u);
        QCOMPARE(book.rows, expectedSheet(report));
    }

    void nextDialogOpensInLastFolder()
    {
        PrintWidget dialog;
        QCOMPARE(folderBox(dialog)->currentText(), m_qsFolder);
    }

    void driverReceivesTheStatements()
    {
        Report report;
        report.qsTask = QStringLiteral("Depot");
        report.devices = {device(QStringLiteral("IPC"), 0)};
        QStringList messages;
        QVERIFY(!exportReport(report, &messages).isEmpty());

        const auto* pDriver = qobject_cast<const ExcelSqlDriver*>(
            QSqlDatabase::database(QStringLiteral("excelexport"), false).driver());
        QVERIFY(pDriver);
        QCOMPARE(pDriver->connectionString(),
                 QStringLiteral("DRIVER={Microsoft Excel Driver (*.xls)};DSN='';FIRSTROWHASNAMES=1;"
                                "READONLY=FALSE;CREATE_DB=\"Depot.xls\";DBQ=") +
                     m_qsFolder + QStringLiteral("Depot.xls"));
        QCOMPARE(
            pDriver->statements(),
            QStringList({QStringLiteral("CREATE TABLE [Depot] ([Device Type] char(64), [Device "
                                        "Count] char(64), [Stream Count] char(64), [Resolution] "
                                        "char(64), [Frame Rate] char(64), [Bitrate(Kbps)] "
                                        "char(64), [Main Stream] char(64), [Sub Stream] "
                                        "char(64))"),
                         QStringLiteral("INSERT INTO [Depot] (\"Device Type\", \"Device Count\", "
                                        "\"Stream Count\", \"Resolution\", \"Frame Rate\",  "
                                        "\"Bitrate(Kbps)\", \"Main Stream\", \"Sub Stream\") "
                                        "VALUES(:devicetype, :devicecout, :streamcount, "
                                        ":resolution, :framerate, :bitrate, :mainstream, "
                                        ":substream)")}));
    }

    void existingFile_replacedOnlyAfterOk_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("cancel keeps it") << false;
        QTest::newRow("ok replaces it") << true;
    }

    void existingFile_replacedOnlyAfterOk()
    {
        QFETCH(bool, replace);
        Report report;
        report.qsTask = replace ? QStringLiteral("Replaced") : QStringLiteral("Kept");
        const QString qsPath = m_qsFolder + report.qsTask + QStringLiteral(".xls");
        QFile file(qsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
        file.close();

        PrintWidget dialog;
        fill(dialog, report);
        setFolder(dialog, m_qsFolder);
        dialog.show();
        MessageBoxes boxes({replace, true});
        clickOk(dialog);

        QStringList expected{QStringLiteral("Hint: The file name has been used; replace it?")};
        if (replace) {
            expected.append(QStringLiteral("Hint: Saved."));
            QCOMPARE(XlsReadBack::read(qsPath).rows, expectedSheet(report));
        } else {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier"));
        }
        QCOMPARE(boxes.texts(), expected);
        QCOMPARE(dialog.isVisible(), !replace);
    }

    void badTarget_staysOpen_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");

        QTest::newRow("unwritable folder") << QStringLiteral("/proc/") << QStringLiteral("a.xls");
        QTest::newRow("missing folder") << QStringLiteral("missing/") << QStringLiteral("a.xls");
        QTest::newRow("slash in name") << QString() << QStringLiteral("sub/a.xls");
        QTest::newRow("empty name") << QString() << QString();
    }

    void badTarget_staysOpen()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QVERIFY(QDir(m_qsFolder).mkpath(QStringLiteral("sub")));
        const QString qsFolder = folder.startsWith(QLatin1Char('/')) ? folder : m_qsFolder + folder;

        Report report;
        report.qsTask = QStringLiteral("Bad");
        PrintWidget dialog;
        fill(dialog, report);
        setFolder(dialog, qsFolder);
        nameEdit(dialog)->setText(name);
        dialog.show();
        {
            MessageBoxes boxes({true});
            clickOk(dialog);
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Warn: Saving failed.")});
        }
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(qsFolder + name) || QFileInfo(qsFolder + name).isDir());
        QCOMPARE(QDir(m_qsFolder + QStringLiteral("sub")).entryList(QDir::Files), QStringList());
        QCOMPARE(PrintWidget().findChild<QComboBox*>(QStringLiteral("comboBox"))->currentText(),
                 m_qsFolder);
    }

private:
    QString exportReport(const Report& report, QStringList* pMessages);

    QTemporaryDir m_dir;
    QString m_qsFolder;
};

// Exports through the dialog into the test folder; returns the file's path.
QString tst_PrintWidget::exportReport(const Report& report, QStringList* pMessages)
{
    PrintWidget dialog;
    fill(dialog, report);
    setFolder(dialog, m_qsFolder);
    dialog.show();
    MessageBoxes boxes({true});
    clickOk(dialog);
    *pMessages = boxes.texts();
    return dialog.result() == QDialog::Accepted && !dialog.isVisible()
               ? m_qsFolder + nameEdit(dialog)->text()
               : QString();
}

QTEST_MAIN(tst_PrintWidget)
#include "tst_printwidget.moc"
