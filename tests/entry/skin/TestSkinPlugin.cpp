#include "TestSkinPlugin.h"

#include <QCoreApplication>
#include <QVariant>

QStringList TestSkinPlugin::keys() const
{
    return {QStringLiteral("TestSkin")};
}

bool TestSkinPlugin::loadSkin()
{
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp) {
        return false;
    }
    pApp->setProperty("testSkinApplications", pApp->property("testSkinApplications").toInt() + 1);
    return pApp->property("testSkinResult").toBool();
}
