#include "config/LanguageProperty.h"

#include <QTranslator>

LanguageProperty::LanguageProperty()
    : iIndex(-1), pToolTranslator(std::make_unique<QTranslator>()),
      pQtTranslator(std::make_unique<QTranslator>())
{
}

LanguageProperty::~LanguageProperty() = default;
