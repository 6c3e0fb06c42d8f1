#ifndef CALCCOMMAND_H
#define CALCCOMMAND_H

#include "cli/CalcOptions.h"
#include "model/TaskXmlStore.h"

#include <QCoreApplication>
#include <QStringList>

// The program vardex-calc: reads the tasks of a task file, never writing it,
// and prints their results; results go to stdout, messages to stderr.
class CalcCommand
{
    Q_DECLARE_TR_FUNCTIONS(CalcCommand)
public:
    enum ExitStatus
    {
        ExitDone = 0,
        ExitUsage = 1,
        ExitTaskFile = 2,  // missing, unreadable or damaged
        ExitNoSuchTask = 3 // a task asked for by name is not in the file
    };

    // arguments: the program name first, as QCoreApplication::arguments().
    static int run(const QStringList& arguments);

private:
    static int report(const CalcOptions& options);
    static QString fileProblem(TaskXmlStore::FileState state, const QString& qsFileName);
};

#endif
