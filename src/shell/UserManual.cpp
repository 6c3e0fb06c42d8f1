#include "shell/UserManual.h"

#include "config/ClientConfig.h"

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

bool openUserManual()
{
    const QString qsPath = QDir::currentPath() + manualFileName();
    // A missing file would still start a viewer that then fails on its own.
    if (!QFileInfo::exists(qsPath)) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qsPath));
}
