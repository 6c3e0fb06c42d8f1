#ifndef CALCOPTIONS_H
#define CALCOPTIONS_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// What vardex-calc was asked for, read from its command line.
class CalcOptions
{
    Q_DECLARE_TR_FUNCTIONS(CalcOptions)
public:
    enum class Action
    {
        Report,     // results of the tasks
        ListModels, // the recorder models
        Help,
        Version
    };
    enum class Format
    {
        Table,
        Json,
        Csv
    };

    // Reads the arguments (the program name first). False, with a one-line
    // reason that names the option, on bad usage.
    bool parse(const QStringList& arguments, QString& qsError);
    // The manual page that --help prints: the options, then what each result
    // means and its unit, the formats and the exit statuses.
    QString helpText() const;

    Action action = Action::Report;
    Format format = Format::Table;
    QString qsTaskFile = QStringLiteral("Task.xml");
    QStringList taskNames; // empty: every task, in file order
    QVector<int> recordDays{1};
    QString qsModel;
    QString qsDisk;       // as given; empty without --disk
    double dDiskGB = 0.0; // decimal: 1 TB = 1000 GB

private:
    bool readRecordDays(const QStringList& values, QString& qsError);
    bool readModel(const QString& qsValue, QString& qsError);
    bool readDisk(const QString& qsValue, QString& qsError);
    bool readFormat(const QString& qsValue, QString& qsError);

    QString m_qsHelp;
};

#endif
