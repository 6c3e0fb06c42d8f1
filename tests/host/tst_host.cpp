#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The demo host as a user starts it: it loads the calculator library from its
// own folder, and says so on stderr and exits non-zero when it cannot.
class tst_Host : public QObject
{
    Q_OBJECT
private slots:
    void missingLibraryIsReported();
    void missingEntryPointIsReported();
    void runsWithTheCalculatorLibrary();
};

namespace {
const int kTimeoutMs = 30000;

QString binDir()
{
    return qEnvironmentVariable("VARDEX_BIN_DIR");
}

QString hostName()
{
    return QStringLiteral("vardex-host");
}

// Copies the host alone into the folder, keeping it executable.
bool copyHostInto(const QString& qsFolder)
{
    const QString target = qsFolder + QLatin1Char('/') + hostName();
    return QFile::copy(binDir() + QLatin1Char('/') + hostName(), target) &&
           QFile::setPermissions(target, QFile::permissions(target) | QFile::ExeOwner);
}

struct Run
{
    bool bFinished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int iExitCode = -1;
    QString qsError;
};

Run runHost(const QString& qsFolder)
{
    QProcess host;
    host.setWorkingDirectory(qsFolder);
    host.start(qsFolder + QLatin1Char('/') + hostName(), QStringList());
    Run run;
    run.bFinished = host.waitForFinished(kTimeoutMs);
    if (!run.bFinished) {
        host.kill();
        host.waitForFinished();
    }
    run.status = host.exitStatus();
    run.iExitCode = host.exitCode();
    run.qsError = QString::fromLocal8Bit(host.readAllStandardError());
    return run;
}
} // namespace

void tst_Host::missingLibraryIsReported()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyHostInto(folder.path()));

    const Run run = runHost(folder.path());
    QVERIFY(run.bFinished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY(run.iExitCode != 0);
    QVERIFY2(
        run.qsError.contains(QStringLiteral("vardex-host: Cannot load the calculator library")),
        qPrintable(run.qsError));
}

void tst_Host::missingEntryPointIsReported()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyHostInto(folder.path()));
    const QFileInfo halfPlugin(QStringLiteral(VARDEX_HALF_PLUGIN));
    QVERIFY(QFile::copy(halfPlugin.filePath(), folder.filePath(halfPlugin.fileName())));

    const Run run = runHost(folder.path());
    QVERIFY(run.bFinished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY(run.iExitCode != 0);
    QVERIFY2(run.qsError.contains(QStringLiteral("has no entry point Vardex_ChangeSize")),
             qPrintable(run.qsError));
}

void tst_Host::runsWithTheCalculatorLibrary()
{
    QTemporaryDir workDir;
    QVERIFY(workDir.isValid());
    QProcess host;
    host.setWorkingDirectory(workDir.path());
    host.start(binDir() + QLatin1Char('/') + hostName(), QStringList());
    QVERIFY(host.waitForStarted(kTimeoutMs));
    // Still running after start-up: the library loaded and opened its window.
    QVERIFY2(!host.waitForFinished(3000), host.readAllStandardError().constData());
    host.terminate();
    QVERIFY(host.waitForFinished(kTimeoutMs));
}

QTEST_GUILESS_MAIN(tst_Host)
#include "tst_host.moc"
