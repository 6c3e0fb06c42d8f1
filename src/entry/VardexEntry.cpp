#include "entry/VardexEntry.h"

#include "entry/StartUp.h"
#include "shell/MainWindow.h"

#include <TKL_OutputDebug.h>

#include <QGridLayout>

namespace {
// The one window of the process; the host's parent widget owns it.
MainWindow* g_pMainWindow = nullptr;
} // namespace

bool Vardex_OpenDialog(QWidget* parent, QGridLayout* layout, bool bShowTitleBar)
{
    addPluginLibraryPath();
    loadClientConfig();
    installLanguageTranslators();

    if (!g_pMainWindow) {
        g_pMainWindow = new (std::nothrow) MainWindow(parent);
        if (!g_pMainWindow) {
            TKL_OutputDebug("Orkel---Memory is not enough.");
            return false;
        }
    }
    layout->addWidget(g_pMainWindow, 0, 0, 1, 1);
    layout->setContentsMargins(0, 0, 0, 0);
    g_pMainWindow->showTitleBar(bShowTitleBar);
    g_pMainWindow->show();
    return true;
}

void Vardex_ChangeSize(bool bFullFrame)
{
    if (g_pMainWindow) {
        g_pMainWindow->changeSize(bFullFrame);
    }
}
