#include "shell/UserManual.h"

#include "config/ClientConfig.h"
#include "controls/CWarnDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
QString manualFileName()
{
    if (ClientConfig::Instance()->number(ClientConfig::Translator) == 1) {
        return QString::fromUtf8(u8"/Vardex\u7528\u6237\u624b\u518c.pdf");
    }
    return QStringLiteral("/Vardex User Manual.pdf");
}
} // namespace

QString UserManual::path()
{
    return QDir::currentPath() + manualFileName();
}

UserManual::Opening UserManual::open()
{
    const QString qsPath = path();
    // A missing file would still start a viewer that then fails on its own.
    if (!QFileInfo::exists(qsPath)) {
        return Missing;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qsPath)) ? Opened : NoViewer;
}

void UserManual::openOrExplain(QWidget* pParent)
{
    switch (open()) {
    case Opened:
        return;
    case Missing:
        CWarnDlg::Information(tr("Info"), tr("Can not find Manual."), pParent);
        return;
    case NoViewer:
        // The user can still open the file by hand.
        CWarnDlg::Information(
            tr("Info"),
            tr("No program could open the user manual %1.").arg(QDir::toNativeSeparators(path())),
            pParent);
        return;
    }
}
