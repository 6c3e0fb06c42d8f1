#include "export/ExcelSqlDriver.h"
#include "export/XlsWorkbookWriter.h"

#include "XlsReadBack.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
const QStringList kColumns = {QStringLiteral("Device Type"),  QStringLiteral("Device Count"),
                              QStringLiteral("Stream Count"), QStringLiteral("Resolution"),
                              QStringLiteral("Frame Rate"),   QStringLiteral("Bitrate(Kbps)"),
                              QStringLiteral("Main Stream"),  QStringLiteral("Sub Stream")};
const QStringList kPlaceholders = {QStringLiteral(":devicetype"),  QStringLiteral(":devicecout"),
                                   QStringLiteral(":streamcount"), QStringLiteral(":resolution"),
                                   QStringLiteral(":framerate"),   QStringLiteral(":bitrate"),
                                   QStringLiteral(":mainstream"),  QStringLiteral(":substream")};

QString connectionString(const QString& qsFolder, const QString& qsFile)
{
    return QStringLiteral("DRIVER={Microsoft Excel Driver (*.xls)};") +
           QStringLiteral("DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB=") +
           QLatin1Char('"') + qsFile + QStringLiteral("\";DBQ=") + qsFolder + qsFile;
}

QString createTable(const QString& qsTable)
{
    return QStringLiteral("CREATE TABLE [%1] (").arg(qsTable) +
           QStringLiteral("[Device Type] char(64), [Device Count] char(64), [Stream Count] "
                          "char(64), [Resolution] char(64), [Frame Rate] char(64), "
                          "[Bitrate(Kbps)] char(64), [Main Stream] char(64), [Sub Stream] "
                          "char(64)") +
           QStringLiteral(")");
}

QString insertRow(const QString& qsTable)
{
    return QStringLiteral("INSERT INTO [%1] ").arg(qsTable) +
           QStringLiteral("(\"Device Type\", \"Device Count\", \"Stream Count\", \"Resolution\", "
                          "\"Frame Rate\",  \"Bitrate(Kbps)\", \"Main Stream\", \"Sub Stream\") "
                          "VALUES(:devicetype, :devicecout, :streamcount, :resolution, "
                          ":framerate, :bitrate, :mainstream, :substream)");
}

QStringList row(const QString& qsPrefix)
{
    QStringList cells;
    for (int i = 0; i < kColumns.size(); ++i) {
        cells.append(QStringLiteral("%1-%2").arg(qsPrefix).arg(i));
    }
    return cells;
}
} // namespace

class tst_ExcelDriver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_qsFolder = m_dir.path() + QLatin1Char('/');
        ExcelSqlDriver::registerDriver();
        QVERIFY(QSqlDatabase::drivers().contains(ExcelSqlDriver::driverName()));
    }

    void cleanup() { QSqlDatabase::removeDatabase(QStringLiteral("excelexport")); }

    void workbookHoldsEveryRow_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QVector<QStringList>>("rows");

        QTest::newRow("chinese and emoji")
            << QStringLiteral("仓库东区 \U0001F4F9")
            << QVector<QStringList>{
                   {QStringLiteral("网络摄像机"), QStringLiteral("十二"), QStringLiteral("2"),
                    QStringLiteral("1080P"), QStringLiteral("25"), QStringLiteral("码率"),
                    QStringLiteral("主码流 \U0001F600"), QStringLiteral("Müller")}};
        QTest::newRow("long cell")
            << QStringLiteral("Long")
            << QVector<QStringList>{{QString(9000, QLatin1Char('a')), QString(5000, QChar(0x4E2D)),
                                     QString(), QString(), QString(), QString(), QString(),
                                     QStringLiteral("end")}};
        // Over 7 MB the allocation table needs more sectors than the header lists.
        // Each text stays under 8 KB: FreeXL misreads a string that spans more
        // than two records.
        QVector<QStringList> huge;
        for (int i = 0; i < 130; ++i) {
            QStringList cells;
            for (int column = 0; column < kColumns.size(); ++column) {
                cells.append(QString::number(i * 8 + column) + QString(4000, QChar(0x6587)));
            }
            huge.append(cells);
        }
        QTest::newRow("over 7 MB") << QStringLiteral("Huge") << huge;
        QTest::newRow("no rows") << QStringLiteral("Empty") << QVector<QStringList>();
        QTest::newRow("empty rows between")
            << QStringLiteral("Gaps")
            << QVector<QStringList>{row(QStringLiteral("a")),
                                    QVector<QString>(kColumns.size()).toList(),
                                    row(QStringLiteral("b"))};
    }

    void workbookHoldsEveryRow()
    {
        QFETCH(QString, table);
        QFETCH(QVector<QStringList>, rows);

        QVERIFY(exportRows(table, rows));

        const XlsReadBack book = XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls"));
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.biffVersion, 8u);
        QCOMPARE(book.sheetCount, 1u);
        QCOMPARE(book.qsSheetName, XlsWorkbookWriter::sheetName(table));
        QCOMPARE(book.rows, QVector<QStringList>{kColumns} + rows);
    }

    void placeholderNotRebound_keepsItsValue()
    {
        QSqlDatabase db = openDatabase(QStringLiteral("out.xls"));
        QVERIFY(QSqlQuery(db).exec(createTable(QStringLiteral("T"))));
        {
            QSqlQuery query(db);
            QVERIFY(query.prepare(insertRow(QStringLiteral("T"))));
            for (int i = 0; i < kPlaceholders.size(); ++i) {
                query.bindValue(kPlaceholders.at(i), QStringLiteral("first"));
            }
            QVERIFY(query.exec());
            query.bindValue(QStringLiteral(":devicetype"), QStringLiteral("second"));
            QVERIFY(query.exec());
        }
        db.close();
        const XlsReadBack book = XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls"));
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.rows.size(), 3);
        QCOMPARE(book.rows.at(2).at(0), QStringLiteral("second"));
        QCOMPARE(book.rows.at(2).at(7), QStringLiteral("first"));
    }

    void tableNameWithBrackets()
    {
        const QString qsTable = QStringLiteral("Site [A]:b? (north)] (x");
        QVERIFY(exportRows(qsTable, {row(QStringLiteral("r"))}));
        const XlsReadBack book = XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls"));
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.qsSheetName, QStringLiteral("Site _A__b_ (north)_ (x"));
        QCOMPARE(book.rows.value(1), row(QStringLiteral("r")));
    }

    void streamRecords_areWellFormed()
    {
        XlsSheet sheet;
        sheet.qsName = QStringLiteral("Offsets");
        sheet.columnNames = kColumns;
        for (int i = 0; i < 500; ++i) {
            sheet.rows.append(row(QStringLiteral("value number %1").arg(i)));
        }
        const QByteArray stream = XlsWorkbookWriter::workbookStream(sheet);
        int sheetOffset = -1;
        int continues = 0;
        for (int pos = 0; pos + 4 <= stream.size();) {
            const quint16 type = qFromLittleEndian<quint16>(stream.constData() + pos);
            const quint16 size = qFromLittleEndian<quint16>(stream.constData() + pos + 2);
            QVERIFY(size <= 8224);
            if (type == 0x0085) {
                sheetOffset = int(qFromLittleEndian<quint32>(stream.constData() + pos + 4));
            }
            continues += type == 0x003C ? 1 : 0;
            pos += 4 + size;
        }
        QVERIFY(continues > 0);
        QVERIFY(sheetOffset > 0 && sheetOffset + 8 <= stream.size());
        QCOMPARE(qFromLittleEndian<quint16>(stream.constData() + sheetOffset), quint16(0x0809));
        QCOMPARE(qFromLittleEndian<quint16>(stream.constData() + sheetOffset + 6), quint16(0x0010));
    }

    void longStrings_continueWithFlagBytes()
    {
        XlsSheet sheet;
        sheet.qsName = QStringLiteral("Long");
        sheet.columnNames = QStringList{QStringLiteral("a"), QStringLiteral("b")};
        const QString qsLatin = QString(XlsWorkbookWriter::kMaxCellText, QChar(0xE9));
        const QString qsWide =
            QString(XlsWorkbookWriter::kMaxCellText - 1, QChar(0x6587)) + QLatin1Char('z');
        sheet.rows.append({qsLatin, qsWide});
        const QByteArray stream = XlsWorkbookWriter::workbookStream(sheet);

        QVector<QByteArray> sst;
        for (int pos = 0; pos + 4 <= stream.size();) {
            const quint16 type = qFromLittleEndian<quint16>(stream.constData() + pos);
            const quint16 size = qFromLittleEndian<quint16>(stream.constData() + pos + 2);
            if (type == 0x00FC || (type == 0x003C && !sst.isEmpty())) {
                sst.append(stream.mid(pos + 4, size));
            } else if (!sst.isEmpty()) {
                break;
            }
            pos += 4 + size;
        }
        QVERIFY(sst.size() > 8);

        QStringList texts;
        int record = 0;
        int offset = 8;
        const quint32 unique = qFromLittleEndian<quint32>(sst.at(0).constData() + 4);
        for (quint32 i = 0; i < unique; ++i) {
            if (offset == sst.at(record).size()) {
                ++record;
                offset = 0;
            }
            const QByteArray& data = sst.at(record);
            const int length = qFromLittleEndian<quint16>(data.constData() + offset);
            bool bWide = data.at(offset + 2) & 1;
            offset += 3;
            QString qsText;
            while (qsText.size() < length) {
                if (offset == sst.at(record).size()) {
                    ++record;
                    bWide = sst.at(record).at(0) & 1;
                    offset = 1;
                }
                const QByteArray& piece = sst.at(record);
                if (bWide) {
                    qsText += QChar(qFromLittleEndian<quint16>(piece.constData() + offset));
                    offset += 2;
                } else {
                    qsText += QChar(uchar(piece.at(offset)));
                    offset += 1;
                }
            }
            texts.append(qsText);
        }
        QCOMPARE(texts, QStringList({QStringLiteral("a"), QStringLiteral("b"), qsLatin, qsWide}));
    }

    void sheetName_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("sheet");

        QTest::newRow("plain") << QStringLiteral("Task 1") << QStringLiteral("Task 1");
        QTest::newRow("forbidden")
            << QStringLiteral("a:b\\c/d?e*f[g]h") << QStringLiteral("a_b_c_d_e_f_g_h");
        QTest::newRow("apostrophes") << QStringLiteral("'quoted'") << QStringLiteral("quoted");
        QTest::newRow("inner apostrophe") << QStringLiteral("it's") << QStringLiteral("it's");
        QTest::newRow("empty") << QString() << QStringLiteral("Sheet1");
        QTest::newRow("only apostrophes") << QStringLiteral("'''") << QStringLiteral("Sheet1");
        QTest::newRow("long") << QString(40, QLatin1Char('x')) << QString(31, QLatin1Char('x'));
        QTest::newRow("pair at the cut")
            << QString(30, QLatin1Char('x')) + QStringLiteral("\U0001F4F9")
            << QString(30, QLatin1Char('x'));
        QTest::newRow("apostrophe at the cut")
            << QString(30, QLatin1Char('x')) + QStringLiteral("'yz")
            << QString(30, QLatin1Char('x'));
        QTest::newRow("chinese") << QStringLiteral("仓库") << QStringLiteral("仓库");
    }

    void sheetName()
    {
        QFETCH(QString, table);
        QFETCH(QString, sheet);

        QCOMPARE(XlsWorkbookWriter::sheetName(table), sheet);
        if (!table.isEmpty()) {
            QVERIFY(exportRows(table, {}));
            QCOMPARE(XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls")).qsSheetName, sheet);
        }
    }

    void badTarget_failsOpen_data()
    {
        QTest::addColumn<QString>("database");

        const QString qsFolder = m_dir.path() + QStringLiteral("/bad/");
        QTest::newRow("missing folder")
            << connectionString(qsFolder + QStringLiteral("nope/"), QStringLiteral("a.xls"));
        QTest::newRow("name with slash") << connectionString(qsFolder, QStringLiteral("sub/a.xls"));
        QTest::newRow("empty name") << connectionString(qsFolder, QString());
        QTest::newRow("unwritable folder")
            << connectionString(QStringLiteral("/proc/"), QStringLiteral("a.xls"));
        QTest::newRow("folder is a file")
            << connectionString(QStringLiteral("/etc/passwd/"), QStringLiteral("a.xls"));
        QTest::newRow("name of a folder") << connectionString(qsFolder, QStringLiteral("taken"));
        QTest::newRow("no DBQ") << QStringLiteral("CREATE_DB=\"a.xls\"");
        QTest::newRow("no CREATE_DB")
            << QStringLiteral("DBQ=") + qsFolder + QStringLiteral("a.xls");
        QTest::newRow("other file")
            << QStringLiteral("CREATE_DB=\"b.xls\";DBQ=") + qsFolder + QStringLiteral("a.xls");
    }

    void badTarget_failsOpen()
    {
        QFETCH(QString, database);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bad/taken")));

        QSqlDatabase db =
            QSqlDatabase::addDatabase(ExcelSqlDriver::driverName(), QStringLiteral("excelexport"));
        db.setDatabaseName(database);
        QVERIFY(!db.open());
        QVERIFY(db.isOpenError());
        QCOMPARE(QDir(m_dir.path() + QStringLiteral("/bad")).entryList(QDir::Files), QStringList());
    }

    void folderGoneBeforeClose_failsClose()
    {
        const QString qsFolder = m_dir.path() + QStringLiteral("/gone/");
        QVERIFY(QDir().mkpath(qsFolder));
        QSqlDatabase db =
            QSqlDatabase::addDatabase(ExcelSqlDriver::driverName(), QStringLiteral("excelexport"));
        db.setDatabaseName(connectionString(qsFolder, QStringLiteral("a.xls")));
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(createTable(QStringLiteral("T"))));
        QVERIFY(QDir(qsFolder).removeRecursively());
        db.close();
        QVERIFY(db.lastError().isValid());
        QVERIFY(!db.isOpen());
    }

    void existingFileIsReplaced()
    {
        QFile old(m_qsFolder + QStringLiteral("out.xls"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a workbook");
        old.close();

        QVERIFY(exportRows(QStringLiteral("New"), {row(QStringLiteral("n"))}));
        const XlsReadBack book = XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls"));
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.qsSheetName, QStringLiteral("New"));
    }

    void badStatements_fail()
    {
        QSqlDatabase db = openDatabase(QStringLiteral("out.xls"));
        QVERIFY(db.isOpen());
        QSqlQuery query(db);
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO [T] (a) VALUES('x')")));
        QVERIFY(!query.exec(QStringLiteral("SELECT * FROM [T]")));
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE [T] ([a] char(64), b text)")));
        QVERIFY(!query.exec(QStringLiteral("CREATE TABLE [U] ([a] char(64))")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO [T] (c) VALUES('x')")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO [T] (a, b) VALUES('x')")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO [T] (a) VALUES(x)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO T VALUES('it''s', 'b')")));
        db.close();
        QVERIFY(!db.lastError().isValid());
        const XlsReadBack book = XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls"));
        QCOMPARE(book.qsError, QString());
        QCOMPARE(book.rows, QVector<QStringList>({{QStringLiteral("a"), QStringLiteral("b")},
                                                  {QStringLiteral("it's"), QStringLiteral("b")}}));
    }

private:
    QSqlDatabase openDatabase(const QString& qsFile);
    bool exportRows(const QString& qsTable, const QVector<QStringList>& rows);

    QTemporaryDir m_dir;
    QString m_qsFolder;
};

QSqlDatabase tst_ExcelDriver::openDatabase(const QString& qsFile)
{
    QSqlDatabase db =
        QSqlDatabase::addDatabase(ExcelSqlDriver::driverName(), QStringLiteral("excelexport"));
    db.setDatabaseName(connectionString(m_qsFolder, qsFile));
    db.open();
    return db;
}

bool tst_ExcelDriver::exportRows(const QString& qsTable, const QVector<QStringList>& rows)
{
    QSqlDatabase db = openDatabase(QStringLiteral("out.xls"));
    if (!db.isOpen()) {
        return false;
    }
    bool bOk = QSqlQuery(db).exec(createTable(qsTable));
    {
        QSqlQuery query(db);
        bOk = bOk && query.prepare(insertRow(qsTable));
        for (const QStringList& cells : rows) {
            for (int i = 0; i < cells.size(); ++i) {
                query.bindValue(kPlaceholders.at(i), cells.at(i));
            }
            bOk = bOk && query.exec();
        }
    }
    db.close();
    return bOk && !db.lastError().isValid();
}

// Readers that seek to the sheet through its BOUNDSHEET offset need it exact;
// no record may carry more than 8224 bytes.

// Texts longer than a record span several CONTINUE records, each opening
// with the flag byte. FreeXL misreads those, so the SST is read back here.

QTEST_GUILESS_MAIN(tst_ExcelDriver)
#include "tst_exceldriver.moc"
