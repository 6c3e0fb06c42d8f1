#include "CalculatorPlugin.h"
#include "HostWindow.h"

#include <QApplication>

#include <cstdio>

namespace {
int fail(const QString& qsMessage)
{
    std::fprintf(stderr, "vardex-host: %s\n", qPrintable(qsMessage));
    return 1;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    CalculatorPlugin plugin;
    if (!plugin.load(QCoreApplication::applicationDirPath())) {
        return fail(plugin.errorString());
    }

    HostWindow window(plugin.openDialog(), plugin.changeSize());
    window.showOnScreen();
    if (!window.openCalculator()) {
        return fail(QCoreApplication::translate(
            "HostWindow", "The calculator library could not open its window"));
    }
    return app.exec();
}
