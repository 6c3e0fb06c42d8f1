#include "cli/ReportWriter.h"

#include "calc/HDDCapacityCalculator.h"
#include "calc/NvrModelTable.h"
#include "cli/TextTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>

namespace {

QString numberText(double dValue)
{
    return QString::number(dValue, 'f', QLocale::FloatingPointShortest);
}

// A field as RFC 4180 wants it: quoted, quotes doubled, when it holds a
// separator, a quote or a line break.
QString csvField(const QString& qsValue)
{
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    if (std::none_of(qsValue.cbegin(), qsValue.cend(),
                     [](QChar c) { return kSpecial.contains(c); })) {
        return qsValue;
    }
    QString qsQuoted = qsValue;
    qsQuoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + qsQuoted + QLatin1Char('"');
}

QByteArray csvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& qsField : fields) {
        quoted.append(csvField(qsField));
    }
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QString diskDaysText(const TaskReport& report)
{
    return report.diskHoldsMoreThanMaxDays()
               ? QStringLiteral(">%1").arg(HDDCapacityCalculator::kMaxRecordDays)
               : QString::number(report.iDiskDays);
}

QStringList blanks(int iCount)
{
    QStringList cells;
    while (cells.size() < iCount) {
        cells.append(QString());
    }
    return cells;
}

QString nvrCountText(const TaskReport& report)
{
    return report.qsNvrError.isEmpty() ? QString::number(report.iNvrCount) : report.qsNvrError;
}

} // namespace

QByteArray ReportWriter::tasks(const QVector<TaskReport>& reports, const CalcOptions& options)
{
    switch (options.format) {
    case CalcOptions::Format::Json:
        return tasksJson(reports, options);
    case CalcOptions::Format::Csv:
        return tasksCsv(reports, options);
    case CalcOptions::Format::Table:
        break;
    }
    return tasksTable(reports, options);
}

QByteArray ReportWriter::tasksTable(const QVector<TaskReport>& reports, const CalcOptions& options)
{
    const bool bDisk = !options.qsDisk.isEmpty();
    QVector<TextTable::Alignment> alignments = {
        TextTable::AlignLeft,  TextTable::AlignLeft,  TextTable::AlignRight, TextTable::AlignRight,
        TextTable::AlignRight, TextTable::AlignRight, TextTable::AlignRight, TextTable::AlignRight,
        TextTable::AlignRight, TextTable::AlignRight, TextTable::AlignLeft,  TextTable::AlignRight};
    QStringList header = {tr("Task"),
                          tr("Type"),
                          tr("IPC"),
                          tr("DVR"),
                          tr("Bitrate(Kbps)"),
                          tr("Bandwidth"),
                          tr("Bandwidth(Kbps)"),
                          tr("Days"),
                          tr("HDD Capacity"),
                          tr("Capacity(GB)"),
                          tr("NVR Type"),
                          tr("NVR Number")};
    if (bDisk) {
        alignments.append(TextTable::AlignRight);
        header.append(tr("Days on %1").arg(options.qsDisk));
    }
    TextTable table(alignments);
    table.addRow(header);
    for (const TaskReport& report : reports) {
        // The task's own results stand on the row of its first record time.
        const QStringList taskCells = {report.qsName,
                                       TaskInfo::typeText(report.iType),
                                       QString::number(report.iIpcGroups),
                                       QString::number(report.iDvrGroups),
                                       numberText(report.dBitrateKbps),
                                       report.qsBandwidth,
                                       numberText(report.dBandwidthKbps)};
        bool bFirstRow = true;
        for (const TaskReport::Capacity& capacity : report.capacities) {
            QStringList row = bFirstRow ? taskCells : blanks(taskCells.size());
            row << QString::number(capacity.iDays) << capacity.qsText
                << QString::number(capacity.dGB, 'f', 2);
            if (bFirstRow) {
                row << report.qsModel << nvrCountText(report);
                if (bDisk) {
                    row << diskDaysText(report);
                }
            }
            table.addRow(row);
            bFirstRow = false;
        }
    }
    return table.toString().toUtf8();
}

QByteArray ReportWriter::tasksJson(const QVector<TaskReport>& reports, const CalcOptions& options)
{
    QJsonArray tasks;
    for (const TaskReport& report : reports) {
        QJsonArray capacities;
        for (const TaskReport::Capacity& capacity : report.capacities) {
            capacities.append(QJsonObject{{QStringLiteral("days"), capacity.iDays},
                                          {QStringLiteral("capacity"), capacity.qsText},
                                          {QStringLiteral("gb"), capacity.dGB}});
        }
        QJsonObject task{{QStringLiteral("name"), report.qsName},
                         {QStringLiteral("type"), TaskInfo::typeText(report.iType)},
                         {QStringLiteral("typeCode"), report.iType},
                         {QStringLiteral("ipcGroups"), report.iIpcGroups},
                         {QStringLiteral("dvrGroups"), report.iDvrGroups},
                         {QStringLiteral("bitrateKbps"), report.dBitrateKbps},
                         {QStringLiteral("bandwidth"), report.qsBandwidth},
                         {QStringLiteral("bandwidthKbps"), report.dBandwidthKbps},
                         {QStringLiteral("capacities"), capacities},
                         {QStringLiteral("nvrModel"), report.qsModel},
                         {QStringLiteral("nvrCount"), report.iNvrCount},
                         {QStringLiteral("nvrError"), report.qsNvrError.isEmpty()
                                                          ? QJsonValue()
                                                          : QJsonValue(report.qsNvrError)}};
        if (!options.qsDisk.isEmpty()) {
            task.insert(
                QStringLiteral("disk"),
                QJsonObject{{QStringLiteral("size"), options.qsDisk},
                            {QStringLiteral("gb"), options.dDiskGB},
                            {QStringLiteral("days"),
                             std::min(report.iDiskDays, HDDCapacityCalculator::kMaxRecordDays)},
                            {QStringLiteral("beyond365"), report.diskHoldsMoreThanMaxDays()}});
        }
        tasks.append(task);
    }
    return QJsonDocument(tasks).toJson(QJsonDocument::Indented);
}

QByteArray ReportWriter::tasksCsv(const QVector<TaskReport>& reports, const CalcOptions& options)
{
    QByteArray csv = csvLine(
        {QStringLiteral("task"), QStringLiteral("type"), QStringLiteral("type_code"),
         QStringLiteral("ipc_groups"), QStringLiteral("dvr_groups"), QStringLiteral("bitrate_kbps"),
         QStringLiteral("bandwidth"), QStringLiteral("bandwidth_kbps"),
         QStringLiteral("record_days"), QStringLiteral("capacity"), QStringLiteral("capacity_gb"),
         QStringLiteral("nvr_model"), QStringLiteral("nvr_count"), QStringLiteral("nvr_error"),
         QStringLiteral("disk_gb"), QStringLiteral("disk_days"),
         QStringLiteral("disk_beyond_365")});
    for (const TaskReport& report : reports) {
        for (const TaskReport::Capacity& capacity : report.capacities) {
            QStringList fields = {report.qsName,
                                  TaskInfo::typeText(report.iType),
                                  QString::number(report.iType),
                                  QString::number(report.iIpcGroups),
                                  QString::number(report.iDvrGroups),
                                  numberText(report.dBitrateKbps),
                                  report.qsBandwidth,
                                  numberText(report.dBandwidthKbps),
                                  QString::number(capacity.iDays),
                                  capacity.qsText,
                                  numberText(capacity.dGB),
                                  report.qsModel,
                                  QString::number(report.iNvrCount),
                                  report.qsNvrError};
            if (report.iDiskDays == TaskReport::kNoDisk) {
                fields << blanks(3);
            } else {
                fields << numberText(options.dDiskGB)
                       << QString::number(
                              std::min(report.iDiskDays, HDDCapacityCalculator::kMaxRecordDays))
                       << QString::fromLatin1(report.diskHoldsMoreThanMaxDays() ? "true" : "false");
            }
            csv += csvLine(fields);
        }
    }
    return csv;
}

QByteArray ReportWriter::models(CalcOptions::Format format)
{
    NvrModelTable::fill();
    QJsonArray jsonModels;
    QByteArray csv = csvLine(
        {QStringLiteral("name"), QStringLiteral("channels"), QStringLiteral("bandwidth_kbps")});
    TextTable table({TextTable::AlignLeft, TextTable::AlignRight, TextTable::AlignRight});
    table.addRow({tr("NVR Type"), tr("Channels"), tr("Bandwidth(Kbps)")});
    for (int iRow = 0; iRow < NvrModelTable::size(); ++iRow) {
        const NvrModelInfo model = NvrModelTable::at(iRow);
        jsonModels.append(QJsonObject{{QStringLiteral("name"), model.name},
                                      {QStringLiteral("channels"), model.channels},
                                      {QStringLiteral("bandwidthKbps"), model.bandwidth}});
        const QStringList cells = {model.name, QString::number(model.channels),
                                   QString::number(model.bandwidth)};
        csv += csvLine(cells);
        table.addRow(cells);
    }
    switch (format) {
    case CalcOptions::Format::Json:
        return QJsonDocument(jsonModels).toJson(QJsonDocument::Indented);
    case CalcOptions::Format::Csv:
        return csv;
    case CalcOptions::Format::Table:
        break;
    }
    return table.toString().toUtf8();
}
