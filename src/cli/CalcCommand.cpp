#include "cli/CalcCommand.h"

#include "cli/ReportWriter.h"
#include "cli/TaskReport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void writeTo(std::FILE* pStream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), pStream);
    std::fflush(pStream);
}

int fail(int iStatus, const QString& qsMessage)
{
    writeTo(stderr, (QCoreApplication::applicationName() + QStringLiteral(": ") + qsMessage +
                     QLatin1Char('\n'))
                        .toUtf8());
    return iStatus;
}

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& qsName : names) {
        quoted.append(QLatin1Char('"') + qsName + QLatin1Char('"'));
    }
    return quoted.join(QStringLiteral(", "));
}

} // namespace

int CalcCommand::run(const QStringList& arguments)
{
    CalcOptions options;
    QString qsError;
    if (!options.parse(arguments, qsError)) {
        return fail(ExitUsage, qsError);
    }
    switch (options.action) {
    case CalcOptions::Action::Help:
        writeTo(stdout, options.helpText().toUtf8());
        return ExitDone;
    case CalcOptions::Action::Version:
        writeTo(stdout, (QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                            .toUtf8());
        return ExitDone;
    case CalcOptions::Action::ListModels:
        writeTo(stdout, ReportWriter::models(options.format));
        return ExitDone;
    case CalcOptions::Action::Report:
        break;
    }
    return report(options);
}

int CalcCommand::report(const CalcOptions& options)
{
    // Only read operations: the store writes back nothing it has not changed.
    TaskXmlStore store(options.qsTaskFile);
    if (!store.isOpen()) {
        return fail(ExitTaskFile, fileProblem(store.fileState(), options.qsTaskFile));
    }
    std::vector<TaskInfo> vTasks;
    store.getAllTasks(vTasks);

    std::vector<TaskInfo> vChosen;
    QStringList missing;
    for (const QString& qsName : options.taskNames) {
        const auto it =
            std::find_if(vTasks.cbegin(), vTasks.cend(),
                         [&qsName](const TaskInfo& task) { return task.Name == qsName; });
        if (it == vTasks.cend()) {
            missing.append(qsName);
        } else {
            vChosen.push_back(*it);
        }
    }
    if (!missing.isEmpty()) {
        return fail(ExitNoSuchTask,
                    tr("%1: no task named %2").arg(options.qsTaskFile, quotedList(missing)));
    }
    if (options.taskNames.isEmpty()) {
        vChosen = vTasks;
    }

    QVector<TaskReport> reports;
    for (const TaskInfo& task : vChosen) {
        std::vector<DeviceGroupInfo> vGroups;
        store.getDeviceGroups(task.Name, vGroups);
        reports.append(TaskReport::compute(task, vGroups, options));
    }
    writeTo(stdout, ReportWriter::tasks(reports, options));
    return ExitDone;
}

QString CalcCommand::fileProblem(TaskXmlStore::FileState state, const QString& qsFileName)
{
    switch (state) {
    case TaskXmlStore::FileState::Missing:
        return tr("%1: there is no such task file").arg(qsFileName);
    case TaskXmlStore::FileState::Damaged:
        return tr("%1: the task file is damaged (not well-formed XML); it was left as it is")
            .arg(qsFileName);
    default:
        return tr("%1: the task file cannot be read").arg(qsFileName);
    }
}
