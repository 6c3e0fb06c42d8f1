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

QString bracketed(QString qsName)
{
    return QLatin1Char('[') + qsName.replace(QLatin1Char(']'), QStringLiteral("]]")) +
           QLatin1Char(']');
}

QString createTable(const QString& qsTable)
{
    QStringList definitions;
    for (const QString& qsColumn : kColumns) {
        definitions.append(bracketed(qsColumn) + QStringLiteral(" char(64)"));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(bracketed(qsTable), definitions.join(QStringLiteral(", ")));
}

QString insertRow(const QString& qsTable)
{
    QStringList columns;
    for (const QString& qsColumn : kColumns) {
        columns.append(QLatin1Char('"') + qsColumn + QLatin1Char('"'));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES(%3)")
        .arg(bracketed(qsTable), columns.join(QStringLiteral(", ")),
             kPlaceholders.join(QStringLiteral(", ")));
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

    // Readers that seek to the sheet through its BOUNDSHEET offset need it
    // exact; no record may carry more than 8224 bytes.
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

    void unboundValue_failsTheRow_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QStringList>("bound");

        QTest::newRow("never bound")
            << QStringLiteral("T") << QStringLiteral("INSERT INTO [T] (a, b) VALUES(:a, :b)")
            << QStringList{QStringLiteral(":a")};
        // Qt takes only ASCII letters into a placeholder's name.
        QTest::newRow("name that Qt does not see")
            << QStringLiteral("T") << QStringLiteral("INSERT INTO [T] (a, b) VALUES(:a, :名)")
            << QStringList{QStringLiteral(":a"), QStringLiteral(":名")};
        // Qt reads "]]" inside brackets as a "]": the rest is the name to it.
        QTest::newRow("bracket not doubled")
            << QStringLiteral("x ]") << QStringLiteral("INSERT INTO [x ]] (a, b) VALUES(:a, :b)")
            << QStringList{QStringLiteral(":a"), QStringLiteral(":b")};
    }

    void unboundValue_failsTheRow()
    {
        QFETCH(QString, table);
        QFETCH(QString, insert);
        QFETCH(QStringList, bound);

        QSqlDatabase db = openDatabase(QStringLiteral("out.xls"));
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("CREATE TABLE %1 (a char(64), b char(64))").arg(bracketed(table))));
        {
            QSqlQuery query(db);
            query.prepare(insert);
            for (const QString& qsPlaceholder : bound) {
                query.bindValue(qsPlaceholder, QStringLiteral("x"));
            }
            QVERIFY(!query.exec());
        }
        db.close();
        const QVector<QStringList> header{{QStringLiteral("a"), QStringLiteral("b")}};
        QCOMPARE(XlsReadBack::read(m_qsFolder + QStringLiteral("out.xls")).rows, header);
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

QTEST_GUILESS_MAIN(tst_ExcelDriver)
#include "tst_exceldriver.moc"
