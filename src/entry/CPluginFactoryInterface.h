#ifndef CPLUGINFACTORYINTERFACE_H
#define CPLUGINFACTORYINTERFACE_H

#include <QStringList>
#include <QtPlugin>

// What a skin plug-in of the stand-alone program offers: the skin names it
// knows, and applying its skin.
class CPluginFactoryInterface
{
public:
    virtual ~CPluginFactoryInterface() = default;
    virtual QStringList keys() const = 0;
    virtual bool loadSkin() = 0;
};

#define CPluginFactoryInterface_iid "com.CPluginFactoryInterface"
Q_DECLARE_INTERFACE(CPluginFactoryInterface, CPluginFactoryInterface_iid)

#endif
