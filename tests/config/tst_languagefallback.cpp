#include "config/ClientConfig.h"
#include "config/ClientLanguageProperty.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// Here the tool's Chinese translation exists but Qt's does not.
class tst_LanguageFallback : public QObject
{
    Q_OBJECT
private slots:
    void chineseWithoutQtTranslationIsDiscarded()
    {
        const ClientLanguageProperty* pLanguages = ClientLanguageProperty::Instance();
        QVERIFY(!pLanguages->property(1));
        QVERIFY(!pLanguages->property(3));
        QVERIFY(pLanguages->property(0));
        QVERIFY(pLanguages->property(2));
    }

    void chineseSetupFallsBackToPropertyZero()
    {
        QTemporaryDir dir;
        const QString qsPath = dir.filePath(QStringLiteral("Setup.xml"));
        QFile file(qsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Configs><Translator><Value>1</Value></Translator>"
                   "<VersionType><Value>0</Value></VersionType></Configs>");
        file.close();
        ClientConfig config;
        QVERIFY(config.load(qsPath));

        const LanguageProperty* pProperty = ClientLanguageProperty::Instance()->propertyFor(config);
        QVERIFY(pProperty);
        QCOMPARE(pProperty->iIndex, 0);
        QCOMPARE(pProperty->locale, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(pProperty->pToolTranslator->translate("tst_LanguageFallback", "Calculate"),
                 QString());
    }
};

QTEST_MAIN(tst_LanguageFallback)
#include "tst_languagefallback.moc"
