// vardex-calc as a script runs it: arguments in, exit status, results on
// stdout and one-line messages on stderr out; the task file never changes.
#include "CalcProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDataDir = QStringLiteral(VARDEX_CLI_DATA "/data/");

QByteArray contentOf(const QString& qsPath)
{
    QFile file(qsPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestCalcCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_runDir.isValid());
        for (const char* pszFile : {"Task.xml", "Damaged.xml"}) {
            const QString qsName = QString::fromLatin1(pszFile);
            QVERIFY(QFile::copy(kDataDir + qsName, m_runDir.filePath(qsName)));
        }
    }

    // Every run leaves the task files as they were, whatever it was asked.
    void cleanup()
    {
        for (const char* pszFile : {"Task.xml", "Damaged.xml"}) {
            const QString qsName = QString::fromLatin1(pszFile);
            QCOMPARE(contentOf(m_runDir.filePath(qsName)), contentOf(kDataDir + qsName));
        }
    }

    void results_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("golden");
        // Every task, first model, one day, as a terminal shows them: wide
        // characters take two cells.
        QTest::newRow("table") << QStringList() << QStringLiteral("all.txt");
        QTest::newRow("json, days, model, disk")
            << QStringList{"Task.xml", "-f",       "json",   "-d",  "7,30",
                           "-m",       "KV-R16-1", "--disk", "24TB"}
            << QStringLiteral("days-model-disk.json");
        // Tasks in the order named; names with quotes and commas quoted.
        QTest::newRow("csv, named tasks") << QStringList{"--format=csv",
                                                         "-t",
                                                         "Hall \"B\", east",
                                                         "--task",
                                                         "\u5317\u4eac\u4ed3\u5e93\U0001F69A",
                                                         "--days",
                                                         "1, 365",
                                                         "--disk",
                                                         "8000 gb"}
                                          << QStringLiteral("named.csv");
        QTest::newRow("table, disk") << QStringList{"-t", "Site A", "--disk", "24TB", "-d", "3,30"}
                                     << QStringLiteral("disk.txt");
        QTest::newRow("models") << QStringList{"--models"} << QStringLiteral("models.txt");
        QTest::newRow("help") << QStringList{"--help"} << QStringLiteral("help.txt");
        QTest::newRow("version") << QStringList{"-v"} << QStringLiteral("version.txt");
    }
    void results()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, golden);
        const CalcProcess calc = CalcProcess::run(arguments, m_runDir.path());
        QCOMPARE(calc.err, QByteArray());
        QCOMPARE(calc.iExitStatus, 0);
        // The usage line names the program as it was started.
        const QString qsOut = QString::fromUtf8(calc.out).replace(CalcProcess::program(),
                                                                  QStringLiteral("vardex-calc"));
        QCOMPARE(qsOut,
                 QString::fromUtf8(contentOf(kDataDir + QStringLiteral("../golden/") + golden)));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option")
            << QStringList{"--weeks", "2"} << 1 << "Unknown option 'weeks'.";
        QTest::newRow("two files") << QStringList{"Task.xml", "Damaged.xml"} << 1
                                   << "only one task file can be read, not 2";
        QTest::newRow("no days") << QStringList{"-d", "0"} << 1
                                 << "--days: \"0\" is not a record time of 1 to 365 days";
        QTest::newRow("too many days") << QStringList{"-d", "30,366"} << 1
                                       << "--days: \"366\" is not a record time of 1 to 365 days";
        QTest::newRow("days not a number") << QStringList{"-d", "7,,14"} << 1
                                           << "--days: \"\" is not a record time of 1 to 365 days";
        QTest::newRow("size without unit")
            << QStringList{"--disk", "24"} << 1
            << "--disk: \"24\" is not a disk size such as 24TB or 8000GB";
        QTest::newRow("size of nothing")
            << QStringList{"--disk", "0TB"} << 1
            << "--disk: \"0TB\" is not a disk size such as 24TB or 8000GB";
        QTest::newRow("unknown model")
            << QStringList{"-m", "kv-r08-1"} << 1
            << "--model: there is no recorder model \"kv-r08-1\"; --models lists them";
        QTest::newRow("unknown format")
            << QStringList{"-f", "xml"} << 1 << "--format: \"xml\" is not one of table, json, csv";
        QTest::newRow("missing file")
            << QStringList{"Site.xml"} << 2 << "Site.xml: there is no such task file";
        QTest::newRow("directory") << QStringList{"."} << 2 << ".: the task file cannot be read";
        QTest::newRow("damaged file")
            << QStringList{"Damaged.xml", "-t", "Site A"} << 2
            << "Damaged.xml: the task file is damaged (not well-formed XML); it was left as it is";
        QTest::newRow("missing tasks")
            << QStringList{"-t", "Site A", "-t", "site a", "-t", "\u5317\u4eac"} << 3
            << "Task.xml: no task named \"site a\", \"\u5317\u4eac\"";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, message);
        const CalcProcess calc = CalcProcess::run(arguments, m_runDir.path());
        QCOMPARE(calc.iExitStatus, exitStatus);
        QCOMPARE(QString::fromUtf8(calc.err), QStringLiteral("vardex-calc: %1\n").arg(message));
        QCOMPARE(calc.out, QByteArray());
    }

private:
    QTemporaryDir m_runDir;
};

QTEST_GUILESS_MAIN(TestCalcCommand)
#include "tst_calccommand.moc"
