#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "cli/CalcOptions.h"
#include "cli/TaskReport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QVector>

// The results as a table for a terminal, one JSON document, or CSV (RFC 4180,
// one row per task and record time), all in UTF-8. The window's texts are
// written as they are; numbers in JSON and CSV in the shortest form that
// reads back exactly.
class ReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)
public:
    static QByteArray tasks(const QVector<TaskReport>& reports, const CalcOptions& options);
    // The recorder models in table order: name, channels, bandwidth in Kbps.
    static QByteArray models(CalcOptions::Format format);

private:
    static QByteArray tasksTable(const QVector<TaskReport>& reports, const CalcOptions& options);
    static QByteArray tasksJson(const QVector<TaskReport>& reports, const CalcOptions& options);
    static QByteArray tasksCsv(const QVector<TaskReport>& reports, const CalcOptions& options);
};

#endif
