#include "entry/SkinPlugins.h"

#include "entry/CPluginFactoryInterface.h"

#include <QDir>
#include <QPluginLoader>

bool loadSkinPlugins(const QString& qsSkin, const QString& qsFolder)
{
    const QStringList entries = QDir(qsFolder).entryList();
    for (const QString& qsEntry : entries) {
        QPluginLoader loader(QDir::cleanPath(qsFolder + QLatin1Char('/') + qsEntry));
        if (loader.isLoaded()) {
            return true;
        }
        if (!loader.load()) {
            continue;
        }
        QObject* pInstance = loader.instance();
        if (!pInstance) {
            loader.unload();
            continue;
        }
        auto* pFactory = qobject_cast<CPluginFactoryInterface*>(pInstance);
        if (!pFactory) {
            continue;
        }
        if (pFactory->keys().contains(qsSkin)) {
            return pFactory->loadSkin();
        }
        loader.unload();
    }
    return false;
}
