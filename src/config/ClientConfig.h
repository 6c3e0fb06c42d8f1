#ifndef CLIENTCONFIG_H
#define CLIENTCONFIG_H

#include "config/ClientConfigItem.h"

#include <QList>

class QTextCodec;
class QXmlStreamReader;

// The settings of the installation, read from Setup.xml. Items accumulate over
// loads and the first item of a name wins, so the first successful load stays
// in force for the life of the process.
class ClientConfig
{
public:
    enum ItemIndex
    {
        Translator = 0,
        LogLevel = 1,
        VersionType = 2,
        Skin = 3
    };

    static ClientConfig* Instance();

    ClientConfig();
    ~ClientConfig();
    ClientConfig(const ClientConfig&) = delete;
    ClientConfig& operator=(const ClientConfig&) = delete;

    bool load(const QString& qsPath);
    const ClientConfigItem* item(int iIndex) const;
    // The item's value as a decimal number; missing or not a number reads 0.
    int number(int iIndex) const;
    // The item's text; missing reads empty.
    QString text(int iIndex) const;
    void clear();

    QTextCodec* codec() const { return m_pCodec; }

private:
    void readItem(QXmlStreamReader& reader, ClientConfigItem* pItem);

    QList<ClientConfigItem*> m_items;
    QTextCodec* m_pCodec;
};

#endif
