#ifndef CLIENTLANGUAGEPROPERTY_H
#define CLIENTLANGUAGEPROPERTY_H

#include "config/LanguageProperty.h"

#include <memory>
#include <vector>

class ClientConfig;

// The language properties 0 to 3 (English and Chinese, each with a plain and a
// branded splash), built once, and the choice among them by Setup.xml.
class ClientLanguageProperty
{
public:
    static ClientLanguageProperty* Instance();

    ClientLanguageProperty();
    ~ClientLanguageProperty();
    ClientLanguageProperty(const ClientLanguageProperty&) = delete;
    ClientLanguageProperty& operator=(const ClientLanguageProperty&) = delete;

    // The property chosen by the process's configuration.
    const LanguageProperty* currentProperty() const;
    // The property chosen by the given configuration; property 0 when the
    // chosen index has none.
    const LanguageProperty* propertyFor(const ClientConfig& config) const;
    // The property of that index, or none (a Chinese property whose Qt
    // translation is missing is discarded).
    const LanguageProperty* property(int iIndex) const;

private:
    static std::unique_ptr<LanguageProperty> makeProperty(int iIndex);

    std::vector<std::unique_ptr<LanguageProperty>> m_properties;
};

#endif
