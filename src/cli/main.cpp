#include "cli/CalcCommand.h"

#include <QCoreApplication>
#include <QTextCodec>

int main(int argc, char* argv[])
{
    // Task names and file names on the command line are UTF-8 whatever the
    // locale says, as the results written are.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardex-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARDEX_VERSION));
    return CalcCommand::run(QCoreApplication::arguments());
}
