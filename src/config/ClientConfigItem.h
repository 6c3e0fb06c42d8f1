#ifndef CLIENTCONFIGITEM_H
#define CLIENTCONFIGITEM_H

#include <QString>

// One named value of Setup.xml: the element name and the text of its Value.
struct ClientConfigItem
{
    QString qsName;
    QString qsValue;
};

#endif
