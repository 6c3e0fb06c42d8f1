#ifndef CALCPROCESS_H
#define CALCPROCESS_H

#include <QProcess>
#include <QStringList>

// One run of the built vardex-calc in a working directory: its exit status
// and what it wrote, stdout and stderr apart. It runs in the C locale, as from
// cron: names still come in and go out as UTF-8.
struct CalcProcess
{
    int iExitStatus = -1;
    QByteArray out;
    QByteArray err;

    static QString program()
    {
        return qEnvironmentVariable("VARDEX_BIN_DIR") + QStringLiteral("/vardex-calc");
    }

    static CalcProcess run(const QStringList& arguments, const QString& qsWorkingDir)
    {
        QProcess process;
        process.setWorkingDirectory(qsWorkingDir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        process.setProcessEnvironment(env);
        process.start(program(), arguments);
        CalcProcess result;
        if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit) {
            result.iExitStatus = process.exitCode();
        }
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};

#endif
