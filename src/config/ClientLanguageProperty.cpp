#include "config/ClientLanguageProperty.h"

#include "config/ClientConfig.h"

#include <TKL_Guard.h>

#include <QTranslator>

#include <atomic>

namespace {
struct PropertySource
{
    bool bChinese;
    const char* pszToolTranslation;
    const char* pszQtTranslation;
    const char* pszSplash;
};

const PropertySource kSources[] = {
    {false, ":/translation/Vardex_en.qm", nullptr, ":images/Loading_bg_English.png"},
    {true, ":/translation/Vardex_zh.qm", ":/translation/qt_zh_CN.qm",
     ":images/Loading_bg_Chinese.png"},
    {false, ":/translation/Vardex_en.qm", nullptr, ":images/Loading_bg_English_Vox.png"},
    {true, ":/translation/Vardex_zh.qm", ":/translation/qt_zh_CN.qm",
     ":images/Loading_bg_Chinese_Vox.png"},
};
const int kPropertyCount = int(sizeof(kSources) / sizeof(kSources[0]));

// Translator 0/1 with VersionType 0 picks the branded properties 2/3; any other
// Translator value names the property itself.
int chosenIndex(int iTranslator, int iVersionType)
{
    if (iTranslator == 0 || iTranslator == 1) {
        return iVersionType == 0 ? iTranslator + 2 : iTranslator;
    }
    return iTranslator;
}

TKL_Mutex g_instanceMutex;
std::atomic<ClientLanguageProperty*> g_pInstance{nullptr};
// Destroys the singleton at process exit.
std::unique_ptr<ClientLanguageProperty> g_instanceOwner;
} // namespace

ClientLanguageProperty* ClientLanguageProperty::Instance()
{
    ClientLanguageProperty* pInstance = g_pInstance.load(std::memory_order_acquire);
    if (!pInstance) {
        TKL_Guard guard(&g_instanceMutex);
        pInstance = g_pInstance.load(std::memory_order_relaxed);
        if (!pInstance) {
            g_instanceOwner = std::make_unique<ClientLanguageProperty>();
            pInstance = g_instanceOwner.get();
            g_pInstance.store(pInstance, std::memory_order_release);
        }
    }
    return pInstance;
}

ClientLanguageProperty::ClientLanguageProperty()
{
    for (int iIndex = 0; iIndex < kPropertyCount; ++iIndex) {
        if (std::unique_ptr<LanguageProperty> pProperty = makeProperty(iIndex)) {
            m_properties.push_back(std::move(pProperty));
        }
    }
}

ClientLanguageProperty::~ClientLanguageProperty() = default;

std::unique_ptr<LanguageProperty> ClientLanguageProperty::makeProperty(int iIndex)
{
    const PropertySource& source = kSources[iIndex];
    auto pProperty = std::make_unique<LanguageProperty>();
    pProperty->iIndex = iIndex;
    const bool bToolLoaded =
        pProperty->pToolTranslator->load(QString::fromLatin1(source.pszToolTranslation));
    if (!source.bChinese) {
        pProperty->locale = QLocale(QLocale::English, QLocale::UnitedStates);
    } else if (bToolLoaded) {
        // Chinese tool texts without Qt's own Chinese texts would mix the two
        // languages: such a property is dropped and property 0 takes over.
        if (!pProperty->pQtTranslator->load(QString::fromLatin1(source.pszQtTranslation))) {
            return nullptr;
        }
        pProperty->locale = QLocale(QLocale::Chinese, QLocale::China);
    }
    pProperty->splash = QPixmap(QString::fromLatin1(source.pszSplash));
    return pProperty;
}

const LanguageProperty* ClientLanguageProperty::currentProperty() const
{
    return propertyFor(*ClientConfig::Instance());
}

const LanguageProperty* ClientLanguageProperty::propertyFor(const ClientConfig& config) const
{
    const int iIndex = chosenIndex(config.number(ClientConfig::Translator),
                                   config.number(ClientConfig::VersionType));
    if (const LanguageProperty* pProperty = property(iIndex)) {
        return pProperty;
    }
    return property(0);
}

const LanguageProperty* ClientLanguageProperty::property(int iIndex) const
{
    for (const auto& pProperty : m_properties) {
        if (pProperty->iIndex == iIndex) {
            return pProperty.get();
        }
    }
    return nullptr;
}
