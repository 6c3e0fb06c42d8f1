#include "cli/CalcOptions.h"

#include "calc/HDDCapacityCalculator.h"
#include "calc/NvrModelTable.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

constexpr double kGBPerTB = 1000.0;

QString quoted(const QString& qsText)
{
    return QLatin1Char('"') + qsText + QLatin1Char('"');
}

} // namespace

bool CalcOptions::parse(const QStringList& arguments, QString& qsError)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Computes for the tasks of a Vardex task file what the Vardex window shows: the "
           "network bandwidth, the hard-disk capacity for record times and the number of NVRs "
           "of a recorder model. The task file is only read, never written."));
    const QCommandLineOption taskOption({QStringLiteral("t"), QStringLiteral("task")},
                                        tr("Only this task (repeatable); default every task, "
                                           "in file order."),
                                        tr("NAME"));
    const QCommandLineOption daysOption({QStringLiteral("d"), QStringLiteral("days")},
                                        tr("Record times in days, 1 to 365, comma-separated "
                                           "(default 1): one capacity per value."),
                                        tr("LIST"));
    const QCommandLineOption modelOption({QStringLiteral("m"), QStringLiteral("model")},
                                         tr("Recorder model for the NVR count (default: the "
                                            "first model, as in the window)."),
                                         tr("NAME"));
    const QCommandLineOption diskOption(QStringLiteral("disk"),
                                        tr("Also give, per task, the days of recording that a "
                                           "disk of SIZE holds, e.g. 24TB or 8000GB "
                                           "(1 TB = 1000 GB)."),
                                        tr("SIZE"));
    const QCommandLineOption modelsOption(
        QStringLiteral("models"),
        tr("List the recorder models (name, channels, bandwidth in Kbps) and exit."));
    const QCommandLineOption formatOption({QStringLiteral("f"), QStringLiteral("format")},
                                          tr("Output format: table (default), json or csv."),
                                          tr("FORMAT"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        tr("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           tr("Show the version and exit."));
    parser.addOptions({taskOption, daysOption, modelOption, diskOption, modelsOption, formatOption,
                       helpOption, versionOption});
    parser.addPositionalArgument(QStringLiteral("TASKFILE"),
                                 tr("The task file; default Task.xml in the current directory."),
                                 QStringLiteral("[TASKFILE]"));
    m_qsHelp = parser.helpText();

    if (!parser.parse(arguments)) {
        qsError = parser.errorText();
        return false;
    }
    if (parser.isSet(helpOption)) {
        action = Action::Help;
        return true;
    }
    if (parser.isSet(versionOption)) {
        action = Action::Version;
        return true;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        qsError = tr("only one task file can be read, not %1").arg(positional.size());
        return false;
    }
    if (!positional.isEmpty()) {
        qsTaskFile = positional.first();
    }
    taskNames = parser.values(taskOption);
    if (parser.isSet(modelsOption)) {
        action = Action::ListModels;
    }
    return readFormat(parser.value(formatOption), qsError) &&
           readRecordDays(parser.values(daysOption), qsError) &&
           readModel(parser.value(modelOption), qsError) &&
           readDisk(parser.value(diskOption), qsError);
}

QString CalcOptions::helpText() const
{
    return m_qsHelp + QLatin1Char('\n') +
           tr("Results, per task, as the window shows them:\n"
              "  Task, Type       the task's name and type: Normal Task, Standard Definition\n"
              "                   Task or High Definition Task\n"
              "  IPC, DVR         the number of IPC and of DVR device groups\n"
              "  Bitrate(Kbps)    the total stream bitrate: over all stream groups, the\n"
              "                   number of streams times their bitrate, in Kbps\n"
              "  Bandwidth        the network bandwidth that bitrate needs at 70 % load,\n"
              "                   rounded up, in Kbps, Mbps or Gbps (1 Mbps = 1024 Kbps,\n"
              "                   1 Gbps = 1024 Mbps); 0Gbps above 2000 Gbps\n"
              "  Bandwidth(Kbps)  the same bandwidth in whole Kbps (0 where 0Gbps is shown)\n"
              "  Days             a record time given with --days\n"
              "  HDD Capacity     the disk capacity that record time needs, in TB above\n"
              "                   1 TB, else in GB (1 TB = 1000 GB); 0GB above 20000 TB\n"
              "  Capacity(GB)     the same capacity in GB\n"
              "  NVR Type         the recorder model given with --model\n"
              "  NVR Number       how many recorders of that model take every camera of\n"
              "                   the IPC device groups; instead the window's error text\n"
              "                   when there are more than 1000000 cameras or one camera\n"
              "                   sends more than the model takes\n"
              "  Days on SIZE     with --disk: the most whole days of recording whose\n"
              "                   capacity fits the disk; >365 when it holds more\n") +
           QLatin1Char('\n') +
           tr("Formats:\n"
              "  table  the columns above; a task's own results stand on the row of its\n"
              "         first record time\n"
              "  json   one array of task objects with name, type, typeCode, ipcGroups,\n"
              "         dvrGroups, bitrateKbps, bandwidth, bandwidthKbps, capacities (days,\n"
              "         capacity, gb), nvrModel, nvrCount, nvrError (null without error)\n"
              "         and, with --disk, disk (size, gb, days, beyond365)\n"
              "  csv    RFC 4180: a header row, then one row per task and record time with\n"
              "         task, type, type_code, ipc_groups, dvr_groups, bitrate_kbps,\n"
              "         bandwidth, bandwidth_kbps, record_days, capacity, capacity_gb,\n"
              "         nvr_model, nvr_count, nvr_error, disk_gb, disk_days, disk_beyond_365\n"
              "  JSON and CSV are UTF-8; numbers are numbers, the window's texts strings.\n") +
           QLatin1Char('\n') +
           tr("Exit status:\n"
              "  0  done\n"
              "  1  bad usage: an unknown option, a record time out of range, a size that\n"
              "     cannot be read, an unknown model\n"
              "  2  the task file is missing, unreadable or damaged; it is left as it is\n"
              "  3  a task given with --task is not in the file\n");
}

bool CalcOptions::readRecordDays(const QStringList& values, QString& qsError)
{
    if (values.isEmpty()) {
        return true;
    }
    recordDays.clear();
    for (const QString& qsValue : values) {
        for (const QString& qsDays : qsValue.split(QLatin1Char(','))) {
            bool bOk = false;
            const int iDays = qsDays.trimmed().toInt(&bOk);
            if (!bOk || iDays < 1 || iDays > HDDCapacityCalculator::kMaxRecordDays) {
                qsError = tr("--days: %1 is not a record time of 1 to 365 days")
                              .arg(quoted(qsDays.trimmed()));
                return false;
            }
            recordDays.append(iDays);
        }
    }
    return true;
}

bool CalcOptions::readModel(const QString& qsValue, QString& qsError)
{
    // Without a choice the window's model box shows the table's first model.
    NvrModelTable::fill();
    qsModel = qsValue.isNull() ? NvrModelTable::at(0).name : qsValue;
    NvrModelInfo model;
    if (!NvrModelTable::findModelByName(qsModel, model)) {
        qsError =
            tr("--model: there is no recorder model %1; --models lists them").arg(quoted(qsModel));
        return false;
    }
    return true;
}

bool CalcOptions::readDisk(const QString& qsValue, QString& qsError)
{
    if (qsValue.isNull()) {
        return true;
    }
    static const QRegularExpression rxSize(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*([TG]B)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = rxSize.match(qsValue);
    const double dSize = match.hasMatch() ? match.captured(1).toDouble() : 0.0;
    if (!(dSize > 0.0 && qIsFinite(dSize))) {
        qsError = tr("--disk: %1 is not a disk size such as 24TB or 8000GB").arg(quoted(qsValue));
        return false;
    }
    const bool bTB = match.captured(2).compare(QLatin1String("TB"), Qt::CaseInsensitive) == 0;
    qsDisk = qsValue.trimmed();
    dDiskGB = bTB ? dSize * kGBPerTB : dSize;
    return true;
}

bool CalcOptions::readFormat(const QString& qsValue, QString& qsError)
{
    if (qsValue.isNull() || qsValue == QLatin1String("table")) {
        format = Format::Table;
    } else if (qsValue == QLatin1String("json")) {
        format = Format::Json;
    } else if (qsValue == QLatin1String("csv")) {
        format = Format::Csv;
    } else {
        qsError = tr("--format: %1 is not one of table, json, csv").arg(quoted(qsValue));
        return false;
    }
    return true;
}
