#include "model/AppFilePath.h"

#include <QCoreApplication>
#include <QDir>

QString appFilePath(const QString& qsFileName)
{
    if (QDir::isAbsolutePath(qsFileName)) {
        return qsFileName;
    }
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + qsFileName;
}
