// Installs the build into a temporary prefix and starts the installed programs
// from there, the way a user's desktop would.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(VARDEX_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(VARDEX_BINARY_DIR),
                       QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void treeHoldsWhatTheProgramsNeed_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* file :
             {"lib/vardex/vardex-host", "lib/vardex/vardex", "lib/vardex/libVardex.so",
              "lib/vardex/libtkl.so", "lib/vardex/Setup.xml", "lib/vardex/DefCfg.xml",
              "lib/vardex/Device.Xml", "bin/vardex-host", "bin/vardex", "bin/vardex-calc",
              "share/doc/vardex/Vardex User Manual.pdf",
              "share/doc/vardex/Vardex\u7528\u6237\u624b\u518c.pdf"}) {
            QTest::newRow(file) << QString::fromUtf8(file);
        }
    }
    void treeHoldsWhatTheProgramsNeed()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo::exists(m_prefix.filePath(path)), qPrintable(path));
    }

    void installedProgramsStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("host") << QStringLiteral("vardex-host");
        QTest::newRow("stand-alone") << QStringLiteral("vardex");
    }
    // Each program has a desktop entry that passes the desktop's own check
    // without a remark and starts it. A program that cannot find its plug-in,
    // runtime library or resources ends at once; one that stays up for three
    // seconds has everything. The test runs on a virtual screen large enough
    // for the stand-alone program.
    void installedProgramsStart()
    {
        QFETCH(QString, program);
        const QString qsEntry =
            m_prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(program));
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(QStringLiteral("desktop-file-validate"), {qsEntry});
        QVERIFY(validate.waitForFinished());
        QCOMPARE(validate.exitCode(), 0);
        QCOMPARE(validate.readAll(), QByteArray());
        QFile entry(qsEntry);
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(QString::fromUtf8(entry.readAll())
                    .split(QLatin1Char('\n'))
                    .contains(QStringLiteral("Exec=") + program));

        QTemporaryDir runDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VARDEX_RUN_DIR"), runDir.path());
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(m_prefix.filePath(QStringLiteral("bin/") + program), QStringList());
        QVERIFY(process.waitForStarted());
        const bool bEnded = process.waitForFinished(3000);
        const QByteArray output = process.readAll();
        process.kill();
        process.waitForFinished();
        QVERIFY2(!bEnded, output.constData());
        QVERIFY(QFileInfo::exists(runDir.filePath(QStringLiteral("Vardex User Manual.pdf"))));
    }

    // The command reads Task.xml where it is started, as a script expects.
    void installedCalcReadsTheCurrentDirectory()
    {
        QTemporaryDir workDir;
        QVERIFY(QFile::copy(qEnvironmentVariable("VARDEX_SOURCE_DIR") + "/tests/cli/data/Task.xml",
                            workDir.filePath(QStringLiteral("Task.xml"))));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
        QProcess calc;
        calc.setProcessEnvironment(env);
        calc.setWorkingDirectory(workDir.path());
        calc.start(m_prefix.filePath(QStringLiteral("bin/vardex-calc")),
                   {QStringLiteral("-t"), QStringLiteral("Site A"), QStringLiteral("-f"),
                    QStringLiteral("csv")});
        QVERIFY(calc.waitForFinished());
        QCOMPARE(calc.exitCode(), 0);
        QVERIFY(calc.readAllStandardOutput().contains("Site A,High Definition Task"));
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
