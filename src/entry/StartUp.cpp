#include "entry/StartUp.h"

#include "config/ClientConfig.h"
#include "config/ClientLanguageProperty.h"
#include "model/AppFilePath.h"

#include <QCoreApplication>
#include <QTranslator>

void addPluginLibraryPath()
{
    QCoreApplication::addLibraryPath(
        QStringLiteral("%1%2plugins")
            .arg(QCoreApplication::applicationDirPath(), QStringLiteral("/")));
}

void loadClientConfig()
{
    ClientConfig::Instance()->load(appFilePath(QStringLiteral("Setup.xml")));
}

void installLanguageTranslators()
{
    const LanguageProperty* pProperty = ClientLanguageProperty::Instance()->currentProperty();
    QCoreApplication::installTranslator(pProperty->pToolTranslator.get());
    QCoreApplication::installTranslator(pProperty->pQtTranslator.get());
}
