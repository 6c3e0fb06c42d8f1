#ifndef LANGUAGEPROPERTY_H
#define LANGUAGEPROPERTY_H

#include <QLocale>
#include <QPixmap>

#include <memory>

class QTranslator;

// One interface language: the tool's and Qt's translators (owned here), the
// locale for dates and the splash image of a loading screen.
class LanguageProperty
{
public:
    LanguageProperty();
    ~LanguageProperty();
    LanguageProperty(const LanguageProperty&) = delete;
    LanguageProperty& operator=(const LanguageProperty&) = delete;

    int iIndex;
    QLocale locale;
    std::unique_ptr<QTranslator> pToolTranslator;
    std::unique_ptr<QTranslator> pQtTranslator;
    QPixmap splash;
};

#endif
