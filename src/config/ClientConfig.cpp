#include "config/ClientConfig.h"

#include "model/RegularFile.h"

#include <TKL_Guard.h>

#include <QDebug>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <atomic>
#include <memory>

namespace {
const char* const kItemKeys[] = {"Translator", "LogLevel", "VersionType", "Skin"};
const int kItemKeyCount = int(sizeof(kItemKeys) / sizeof(kItemKeys[0]));

bool isItemKey(QStringView name)
{
    for (const char* pszKey : kItemKeys) {
        if (name == QLatin1String(pszKey)) {
            return true;
        }
    }
    return false;
}

TKL_Mutex g_instanceMutex;
std::atomic<ClientConfig*> g_pInstance{nullptr};
// Destroys the singleton at process exit.
std::unique_ptr<ClientConfig> g_instanceOwner;
} // namespace

ClientConfig* ClientConfig::Instance()
{
    ClientConfig* pInstance = g_pInstance.load(std::memory_order_acquire);
    if (!pInstance) {
        TKL_Guard guard(&g_instanceMutex);
        pInstance = g_pInstance.load(std::memory_order_relaxed);
        if (!pInstance) {
            g_instanceOwner = std::make_unique<ClientConfig>();
            pInstance = g_instanceOwner.get();
            g_pInstance.store(pInstance, std::memory_order_release);
        }
    }
    return pInstance;
}

ClientConfig::ClientConfig() : m_pCodec(QTextCodec::codecForLocale())
{
}

ClientConfig::~ClientConfig()
{
    clear();
}

bool ClientConfig::load(const QString& qsPath)
{
    QByteArray content;
    if (!readRegularFile(qsPath, content)) {
        qDebug() << "No file to read...";
        return false;
    }
    // A parse error ends the reading quietly with the items read so far.
    QXmlStreamReader reader(content);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() == QLatin1String("Configs")) {
            continue;
        }
        auto* pItem = new ClientConfigItem{reader.name().toString(), QString()};
        if (isItemKey(reader.name())) {
            readItem(reader, pItem);
        }
        m_items.append(pItem);
    }
    return true;
}

void ClientConfig::readItem(QXmlStreamReader& reader, ClientConfigItem* pItem)
{
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == pItem->qsName) {
            return;
        }
        if (reader.isStartElement() && reader.name() == QLatin1String("Value")) {
            pItem->qsValue = reader.readElementText();
        }
    }
}

const ClientConfigItem* ClientConfig::item(int iIndex) const
{
    if (iIndex < 0 || iIndex >= kItemKeyCount) {
        return nullptr;
    }
    const QLatin1String key(kItemKeys[iIndex]);
    for (const ClientConfigItem* pItem : m_items) {
        if (pItem->qsName == key) {
            return pItem;
        }
    }
    return nullptr;
}

int ClientConfig::number(int iIndex) const
{
    const ClientConfigItem* pItem = item(iIndex);
    return pItem ? pItem->qsValue.trimmed().toInt(nullptr, 10) : 0;
}

QString ClientConfig::text(int iIndex) const
{
    const ClientConfigItem* pItem = item(iIndex);
    return pItem ? pItem->qsValue : QString();
}

void ClientConfig::clear()
{
    qDeleteAll(m_items);
    m_items.clear();
}
