#include "controls/CToolTip.h"
#include "export/ExcelSqlDriver.h"
#include "export/PrintWidget.h"
#include "export/XlsWorkbookWriter.h"

#include "MessageBoxes.h"
#include "XlsReadBack.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
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
} // namespace
Q_DECLARE_METATYPE(Report)

namespace {
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

Report report(const QString& qsTask, std::vector<PrintDevInfo> devices)
{
    Report result;
    result.qsTask = qsTask;
    result.devices = std::move(devices);
    return result;
}

std::vector<PrintDevInfo> devices(const QString& qsType, int count)
{
    std::vector<PrintDevInfo> result;
    for (int i = 0; i < count; ++i) {
        result.push_back(device(qsType, i));
    }
    return result;
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
        QLocale::setDefault(QLocale::c());
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

    void exportWritesEveryValue_data()
    {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QString>("fileName"); // typed over the proposed name when not empty
        QTest::addColumn<bool>("freeXlReads"); // FreeXL fails on a text over two records

        QTest::newRow("ascii") << report(QStringLiteral("Console room"), devices("IPC", 3))
                               << QString() << true;
        Report chinese = report(QStringLiteral("港口仓库 \U0001F4F9"), devices("网络摄像机", 2));
        chinese.qsNvrType = QStringLiteral("录像机-32");
        chinese.qsCapacity = QStringLiteral("十二TB");
        QTest::newRow("chinese and emoji") << chinese << QString() << true;
        Report greek =
            report(QStringLiteral("Αποθήκη Склад"),
                   {{QStringLiteral("Камера"), QStringLiteral("ÿ"), QStringLiteral("Ā"),
                     QStringLiteral("Ελληνικά"), QStringLiteral("Кириллица"),
                     QStringLiteral("Ωω Жж"), QStringLiteral("Müller"), QStringLiteral("Ūū")}});
        QTest::newRow("greek, cyrillic, latin-1 edge") << greek << QString() << true;
        QTest::newRow("bracket at the end")
            << report(QStringLiteral("x ]"), devices("IPC", 1)) << QString() << true;
        QTest::newRow("bracket, then a quote")
            << report(QStringLiteral("Site ] John's"), devices("IPC", 1)) << QString() << true;
        QTest::newRow("doubled bracket")
            << report(QStringLiteral("a]]b"), devices("DVR", 1)) << QString() << true;
        QTest::newRow("quote, then a bracket")
            << report(QStringLiteral("q\"]"), devices("IPC", 1)) << QStringLiteral("q.xls") << true;
        const QString qsLongTask = QString(200, QChar(0x4E2D));
        QTest::newRow("long texts")
            << report(qsLongTask, {{QString(9000, QLatin1Char('a')), QString(4000, QChar(0x6587)),
                                    QStringLiteral("  two blanks  "), QString(), QString(),
                                    QString(), QString(), QStringLiteral("end")}})
            << QStringLiteral("long.xls") << true;
        QTest::newRow("longest texts")
            << report(QStringLiteral("Longest"),
                      {{QString(XlsWorkbookWriter::kMaxCellText, QChar(0xE9)),
                        QString(XlsWorkbookWriter::kMaxCellText - 1, QChar(0x6587)) + 'z',
                        QString(), QString(), QString(), QString(), QString(), QString()}})
            << QString() << false;
        // Over 7 MB the allocation table needs more sectors than the header lists.
        std::vector<PrintDevInfo> huge;
        for (int i = 0; i < 130; ++i) {
            QStringList texts; // all distinct: the shared-string table keeps one of each
            for (int column = 0; column < kHeader.size(); ++column) {
                texts.append(QString::number(i * 8 + column) + QString(4000, QChar(0x6587)));
            }
            huge.push_back({texts.at(0), texts.at(1), texts.at(2), texts.at(3), texts.at(4),
                            texts.at(5), texts.at(6), texts.at(7)});
        }
        QTest::newRow("over 7 MB") << report(QStringLiteral("Huge"), huge) << QString() << true;
        QTest::newRow("no device groups")
            << report(QStringLiteral("Empty site"), {}) << QString() << true;
    }

    // Read back by FreeXL here, and by LibreOffice once all are written.
    void exportWritesEveryValue()
    {
        QFETCH(Report, report);
        QFETCH(QString, fileName);
        QFETCH(bool, freeXlReads);

        QStringList messages;
        const QString qsPath = exportReport(report, &messages, fileName);
        QCOMPARE(messages, QStringList{QStringLiteral("Hint: Saved.")});
        // A compound file is made of whole sectors; readers overlook a ragged end.
        QCOMPARE(QFileInfo(qsPath).size() % 512, 0);
        const QVector<QStringList> expected = expectedSheet(report);
        m_written.append({qsPath, expected});
        if (freeXlReads) {
            const XlsReadBack book = XlsReadBack::read(qsPath);
            QCOMPARE(book.qsError, QString());
            QCOMPARE(book.sheetCount, 1u);
            QCOMPARE(book.qsSheetName, XlsWorkbookWriter::sheetName(report.qsTask));
            QCOMPARE(book.rows, expected);
        }
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

    void badFileName_refusedAtTheField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");

        const QString qsCharacters =
            QStringLiteral("A file name can not contain \\ / : * ? \" < > |");
        QTest::newRow("slash") << QStringLiteral("sub/a.xls") << qsCharacters;
        QTest::newRow("quote") << QStringLiteral("q\"].xls") << qsCharacters;
        QTest::newRow("tab") << QStringLiteral("a\tb.xls") << qsCharacters;
        QTest::newRow("empty") << QString() << QStringLiteral("Please enter a file name.");
        QTest::newRow("trailing dot")
            << QStringLiteral("a.xls.")
            << QStringLiteral("A file name can not end with a dot or a space.");
        QTest::newRow("trailing space")
            << QStringLiteral("a ")
            << QStringLiteral("A file name can not end with a dot or a space.");
        QTest::newRow("device name") << QStringLiteral("con.xls")
                                     << QStringLiteral("This file name is reserved by the system.");
        QTest::newRow("numbered device")
            << QStringLiteral("LPT9")
            << QStringLiteral("This file name is reserved by the system.");
    }

    void badFileName_refusedAtTheField()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QVERIFY(QDir(m_qsFolder).mkpath(QStringLiteral("sub")));

        PrintWidget dialog;
        fill(dialog, report(QStringLiteral("Bad"), {}));
        setFolder(dialog, m_qsFolder + QStringLiteral("sub/"));
        nameEdit(dialog)->setText(name);
        dialog.show();
        MessageBoxes boxes({true});
        clickOk(dialog);

        QCOMPARE(CToolTip::text(), tip);
        QCOMPARE(boxes.texts(), QStringList());
        QVERIFY(dialog.isVisible());
        QCOMPARE(nameEdit(dialog)->text(), name);
        QCOMPARE(QDir(m_qsFolder + QStringLiteral("sub"))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        CToolTip::hideText();
    }

    // One LibreOffice run reads every workbook written above: every cell,
    // every column as wide as its longest text in the sheet's font and not
    // much wider, and a landscape page one page wide.
    void libreOfficeReadsEveryWorkbook()
    {
        QStringList paths;
        for (const Written& written : m_written) {
            paths.append(written.qsPath);
        }
        QVERIFY(!paths.isEmpty());
        QString qsError;
        const QVector<XlsReadBack> books = XlsReadBack::readWithLibreOffice(paths, &qsError);
        if (books.isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("LibreOffice (soffice) cannot start: ") + qsError));
        }
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(100); // measured large and scaled: no rounding to pixels
        const QFontMetricsF metrics(font);
        const double inchesPerUnit = 0.1 / metrics.fontDpi();
        for (int i = 0; i < m_written.size(); ++i) {
            const XlsReadBack& book = books.at(i);
            const QVector<QStringList>& rows = m_written.at(i).rows;
            QVERIFY2(book.qsError.isEmpty(), qPrintable(book.qsError));
            QVERIFY2(book.rows == rows, qPrintable(paths.at(i)));
            QCOMPARE(book.qsOrientation, QStringLiteral("landscape"));
            QCOMPARE(book.qsPagesWide, QStringLiteral("1"));
            QCOMPARE(book.columnInches.size(), kHeader.size());
            for (int column = 0; column < kHeader.size(); ++column) {
                double longest = 0;
                for (const QStringList& row : rows) {
                    longest =
                        qMax(longest, metrics.horizontalAdvance(row.at(column)) * inchesPerUnit);
                }
                const double width = book.columnInches.at(column);
                const QString qsWhere = QStringLiteral("%1, column %2: %3 in for a text of %4 in")
                                            .arg(paths.at(i))
                                            .arg(column)
                                            .arg(width)
                                            .arg(longest);
                QVERIFY2(width >= qMin(longest, 15.0), qPrintable(qsWhere));
                QVERIFY2(width <= 1.6 * longest + 0.25, qPrintable(qsWhere));
            }
        }
    }

private:
    struct Written
    {
        QString qsPath;
        QVector<QStringList> rows;
    };

    QString exportReport(const Report& report, QStringList* pMessages,
                         const QString& qsFileName = QString());

    QTemporaryDir m_dir;
    QString m_qsFolder;
    QVector<Written> m_written;
};

// Exports through the dialog into the test folder; returns the file's path.
QString tst_PrintWidget::exportReport(const Report& report, QStringList* pMessages,
                                      const QString& qsFileName)
{
    PrintWidget dialog;
    fill(dialog, report);
    setFolder(dialog, m_qsFolder);
    if (!qsFileName.isEmpty()) {
        nameEdit(dialog)->setText(qsFileName);
    }
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
