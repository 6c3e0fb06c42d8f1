#include "entry/StandAlone.h"

#include "entry/CKesaApplication.h"
#include "shell/MainWindow.h"

int runStandAlone(CKesaApplication& app)
{
    if (app.isRunning()) {
        return 0;
    }
    if (!app.checkResolution()) {
        return 0;
    }
    MainWindow window(nullptr);
    window.setFixedSize(1024, 768);
    window.show();
    return app.exec();
}
