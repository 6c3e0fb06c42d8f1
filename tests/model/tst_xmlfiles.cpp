#include "calc/NVRCalculateWidget.h"
#include "config/ClientConfig.h"
#include "model/AppFilePath.h"
#include "model/DefCfgReader.h"
#include "model/Gb2312XmlWriter.h"
#include "model/TaskXmlStore.h"
#include "model/XmlNode.h"

#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& fileName, const QByteArray& content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// The file as libxml2 reads it, written out again in UTF-8; empty when it
// does not parse.
QByteArray strictReading(const QString& fileName)
{
    QProcess lint;
    lint.start(QStringLiteral("xmllint"),
               {QStringLiteral("--encode"), QStringLiteral("UTF-8"), fileName});
    const bool bParsed =
        lint.waitForFinished() && lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0;
    return bParsed ? lint.readAllStandardOutput() : QByteArray();
}

QByteArray nested(int iDepth)
{
    return QByteArray("<a>").repeated(iDepth) + QByteArray("</a>").repeated(iDepth);
}

// What each reader makes of a file, in words.
QString outcome(const QString& qsReader, const QString& fileName)
{
    if (qsReader == QLatin1String("Task.xml")) {
        switch (TaskXmlStore::checkFile(fileName)) {
        case TaskXmlStore::FileState::Unreadable:
            return QStringLiteral("unreadable");
        case TaskXmlStore::FileState::Damaged:
            return QStringLiteral("damaged");
        default:
            return QStringLiteral("open");
        }
    }
    if (qsReader == QLatin1String("DefCfg.xml")) {
        return DefCfgReader(fileName).isOpen() ? QStringLiteral("open") : QStringLiteral("closed");
    }
    if (qsReader == QLatin1String("Setup.xml")) {
        ClientConfig config;
        return config.load(fileName) ? QStringLiteral("loaded") : QStringLiteral("not loaded");
    }
    NVRCalculateWidget page;
    const int iModels = page.findChild<QComboBox*>(QStringLiteral("combNVRType"))->count();
    return iModels > 0 ? QStringLiteral("models offered") : QStringLiteral("no models");
}

} // namespace

class TstXmlFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void cleanup() { QFile::remove(appFilePath(QStringLiteral("Device.Xml"))); }

    // Read, save, and what libxml2 reads from the saved file; saving what
    // was read again gives the same bytes.
    void savedFileReadsBackExactly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("strictlyRead");

        QTest::newRow("codes outside GB2312") << QByteArray("<r>ⅰⅹńňɑɡ︵\xEE\x80\x80</r>")
                                              << QByteArray("<r>ⅰⅹńňɑɡ︵\xEE\x80\x80</r>");
        QTest::newRow("cells read two ways") << QByteArray("<r>·—</r>") << QByteArray("<r>·—</r>");
        QTest::newRow("codes a former version wrote")
            << QByteArray(
                   "<?xml version=\"1.0\" encoding=\"GB2312\"?><r>\xA2\xA1\xA1\xA4\xB6\xAB</r>")
            << QByteArray("<r>ⅰ·东</r>");
        QTest::newRow("UTF-16 with byte order mark")
            << QByteArray("\xFF\xFE<\0r\0>\0\x1C\x4E<\0/\0r\0>\0", 18) << QByteArray("<r>东</r>");
        QTest::newRow("namespaces")
            << QByteArray("<t:Tasks xmlns:t=\"urn:t\" xmlns=\"urn:d\"><Task/></t:Tasks>")
            << QByteArray("<t:Tasks xmlns=\"urn:d\" xmlns:t=\"urn:t\">\n<Task/>\n</t:Tasks>");
        QTest::newRow("processing instruction")
            << QByteArray("<?pi 东门?><r/>") << QByteArray("<?pi 东门?>\n<r/>");
        QTest::newRow("text beside elements")
            << QByteArray("<r><Name>a<!--c-->b<i>x</i>c</Name></r>")
            << QByteArray("<Name>a<!--c-->b<i>x</i>c</Name>");
        QTest::newRow("attribute blanks")
            << QByteArray("<r a=\"x&#9;y&#10;z&#13;\"/>") << QByteArray("a=\"x&#9;y&#10;z&#13;\"");
        QTest::newRow("deepest nesting")
            << nested(256) << QByteArray("<a>\n").repeated(255) + "<a/>\n";
    }

    void savedFileReadsBackExactly()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, strictlyRead);
        const QString source = m_dir.filePath(QStringLiteral("source.xml"));
        const QString saved = m_dir.filePath(QStringLiteral("saved.xml"));
        QVERIFY(writeFile(source, content));

        XmlNode document;
        QVERIFY(document.load(source));
        QVERIFY(document.parsed());
        QVERIFY(document.save(saved));
        const QByteArray firstSave = readFile(saved);
        const QByteArray strict = strictReading(saved);
        QVERIFY2(strict.contains(strictlyRead), strict.constData());

        XmlNode reread;
        QVERIFY(reread.load(saved));
        QVERIFY(reread.parsed());
        QVERIFY(reread.save(saved));
        QCOMPARE(readFile(saved), firstSave);
    }

    // Every BMP character in a field: libxml2 and the reader read back all that
    // XML allows; the GB2312 codes that every reader agrees on are used (all
    // 7445 of the standard but the two cells readers disagree on).
    void everyCharacterReadsBack()
    {
        QString qsAll, qsAllowed;
        for (uint u = 1; u <= 0xFFFF; ++u) {
            if (!QChar::isSurrogate(u)) {
                qsAll += QChar(u);
            }
            if (u == 0x9 || u == 0xA || u == 0xD ||
                (u >= 0x20 && u <= 0xFFFD && !QChar::isSurrogate(u))) {
                qsAllowed += QChar(u);
            }
        }
        const QString fileName = m_dir.filePath(QStringLiteral("all.xml"));
        XmlNode root;
        root.createDocument(QStringLiteral("r"));
        QVERIFY(root.setText(qsAll));
        QVERIFY(root.save(fileName));

        const QByteArray written = readFile(fileName);
        const auto iHighBytes =
            std::count_if(written.begin(), written.end(), [](char c) { return uchar(c) >= 0x80; });
        QCOMPARE(iHighBytes, 2 * 7443);
        QProcess lint;
        lint.start(QStringLiteral("xmllint"),
                   {QStringLiteral("--xpath"), QStringLiteral("string(/r)"), fileName});
        QVERIFY(lint.waitForFinished());
        QByteArray strict = lint.readAllStandardOutput();
        strict.chop(1); // the line end xmllint adds
        QVERIFY(QString::fromUtf8(strict) == qsAllowed);

        XmlNode reread;
        QVERIFY(reread.load(fileName));
        QVERIFY(reread.text() == qsAllowed);
    }

    // Names, comments and processing instructions cannot hold references.
    void unwritableDocumentLeavesFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");

        QTest::newRow("processing instruction")
            << QByteArray("<r><?pi cafÅ?></r>")
            << QStringLiteral("The processing instruction \"pi\" cannot be written in GB2312.");
        QTest::newRow("comment") << QByteArray("<r><!--cafÅ--></r>")
                                 << QStringLiteral("The comment \"cafÅ\" cannot be written in "
                                                   "GB2312.");
        QTest::newRow("element name")
            << QByteArray("<r><cafÅ>x</cafÅ></r>")
            << QStringLiteral("The name \"cafÅ\" cannot be written in GB2312.");
        QTest::newRow("attribute name")
            << QByteArray("<r cafÅ=\"1\"/>")
            << QStringLiteral("The name \"cafÅ\" cannot be written in GB2312.");
    }

    void unwritableDocumentLeavesFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString fileName = m_dir.filePath(QStringLiteral("unwritable.xml"));
        QVERIFY(writeFile(fileName, content));

        XmlNode document;
        QVERIFY(document.load(fileName));
        QVERIFY(document.parsed());
        QVERIFY(!document.save(fileName));
        QCOMPARE(readFile(fileName), content);

        QDomDocument dom;
        QVERIFY(dom.setContent(content));
        QByteArray out;
        QString qsError;
        QVERIFY(!Gb2312XmlWriter::serialize(dom, out, &qsError));
        QCOMPARE(qsError, reason);
    }

    // A null content stands for a FIFO of the file's name.
    void hostileFile_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");

        const QByteArray utf8InGb2312 =
            "<?xml version=\"1.0\" encoding=\"GB2312\"?><T><Name>测试</Name></T>";
        const QByteArray deep = nested(100000);
        const QByteArray fifo;
        QTest::newRow("Task.xml FIFO") << "Task.xml" << fifo << "unreadable";
        QTest::newRow("Task.xml deep") << "Task.xml" << deep << "damaged";
        QTest::newRow("Task.xml one level too deep") << "Task.xml" << nested(257) << "damaged";
        QTest::newRow("Task.xml UTF-8 declared GB2312") << "Task.xml" << utf8InGb2312 << "damaged";
        QTest::newRow("Task.xml lone GB2312 lead byte")
            << "Task.xml" << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><T>\xB6</T>")
            << "damaged";
        QTest::newRow("Task.xml GBK code outside GB2312")
            << "Task.xml"
            << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><T>\x81\xA1</T>")
            << "damaged";
        QTest::newRow("Task.xml bad UTF-8")
            << "Task.xml" << QByteArray("<T>\xC3(</T>") << "damaged";
        QTest::newRow("Task.xml unknown encoding")
            << "Task.xml" << QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><T/>")
            << "damaged";
        QTest::newRow("Task.xml attribute name strict readers refuse")
            << "Task.xml" << QByteArray("<T a¤=\"1\"/>") << "damaged";
        QTest::newRow("Task.xml undeclared entity")
            << "Task.xml" << QByteArray("<!DOCTYPE T SYSTEM \"t.dtd\"><T>&e;</T>") << "damaged";
        QTest::newRow("DefCfg.xml FIFO") << "DefCfg.xml" << fifo << "closed";
        QTest::newRow("DefCfg.xml deep") << "DefCfg.xml" << deep << "closed";
        QTest::newRow("DefCfg.xml UTF-8 declared GB2312")
            << "DefCfg.xml" << utf8InGb2312 << "closed";
        QTest::newRow("Setup.xml FIFO") << "Setup.xml" << fifo << "not loaded";
        QTest::newRow("Setup.xml deep") << "Setup.xml" << deep << "loaded";
        QTest::newRow("Device.Xml FIFO") << "Device.Xml" << fifo << "no models";
        QTest::newRow("Device.Xml deep") << "Device.Xml" << deep << "models offered";
    }

    void hostileFile()
    {
        QFETCH(QString, reader);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        const QString fileName =
            reader == QLatin1String("Device.Xml") ? appFilePath(reader) : m_dir.filePath(reader);
        QFile::remove(fileName);
        if (content.isNull()) {
            QCOMPARE(mkfifo(QFile::encodeName(fileName).constData(), 0600), 0);
        } else {
            QVERIFY(writeFile(fileName, content));
        }
        if (expected == QLatin1String("not loaded")) {
            QTest::ignoreMessage(QtDebugMsg, "No file to read...");
        }
        QCOMPARE(outcome(reader, fileName), expected);
        QFile::remove(fileName);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TstXmlFiles)
#include "tst_xmlfiles.moc"
