#ifndef TESTSKINPLUGIN_H
#define TESTSKINPLUGIN_H

#include "entry/CPluginFactoryInterface.h"

#include <QObject>

// A skin plug-in that knows the skin "TestSkin". Applying it counts the
// applications in the application's property "testSkinApplications" and gives
// the application's property "testSkinResult".
class TestSkinPlugin : public QObject, public CPluginFactoryInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CPluginFactoryInterface_iid)
    Q_INTERFACES(CPluginFactoryInterface)
public:
    QStringList keys() const override;
    bool loadSkin() override;
};

#endif
