#include "config/ClientConfig.h"
#include "config/ClientLanguageProperty.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <thread>
#include <vector>

namespace {
QByteArray setupXml(const QByteArray& translator, const QByteArray& versionType,
                    const QByteArray& skin = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configs>\n"
           "  <Translator><Value>" +
           translator +
           "</Value></Translator>\n  <LogLevel><Value>3</Value></LogLevel>\n"
           "  <VersionType><Value>" +
           versionType + "</Value></VersionType>\n  <Skin><Value>" + skin +
           "</Value></Skin>\n</Configs>\n";
}
} // namespace

class tst_ClientConfig : public QObject
{
    Q_OBJECT
private:
    QString writeSetup(const QString& qsName, const QByteArray& content)
    {
        const QString qsPath = m_dir.filePath(qsName);
        QFile file(qsPath);
        if (!file.open(QIODevice::WriteOnly)) {
            return QString();
        }
        file.write(content);
        return qsPath;
    }

    QTemporaryDir m_dir;

private slots:
    void propertyChoice_data()
    {
        QTest::addColumn<QByteArray>("translator");
        QTest::addColumn<QByteArray>("versionType");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<bool>("expectChinese");

        QTest::newRow("English branded") << QByteArray("0") << QByteArray("0") << 2 << false;
        QTest::newRow("English plain") << QByteArray("0") << QByteArray("1") << 0 << false;
        QTest::newRow("Chinese branded") << QByteArray("1") << QByteArray("0") << 3 << true;
        QTest::newRow("Chinese plain") << QByteArray("1") << QByteArray("5") << 1 << true;
        QTest::newRow("index names itself") << QByteArray("3") << QByteArray("1") << 3 << true;
        QTest::newRow("no such property") << QByteArray("7") << QByteArray("0") << 0 << false;
        QTest::newRow("not a number") << QByteArray("one") << QByteArray("x") << 2 << false;
        QTest::newRow("empty values") << QByteArray() << QByteArray() << 2 << false;
    }

    void propertyChoice()
    {
        QFETCH(QByteArray, translator);
        QFETCH(QByteArray, versionType);
        QFETCH(int, expectedIndex);
        QFETCH(bool, expectChinese);

        ClientConfig config;
        QVERIFY(config.load(
            writeSetup(QStringLiteral("choice.xml"), setupXml(translator, versionType))));
        const LanguageProperty* pProperty = ClientLanguageProperty::Instance()->propertyFor(config);
        QVERIFY(pProperty);
        QCOMPARE(pProperty->iIndex, expectedIndex);
        const QLocale expectedLocale = expectChinese
                                           ? QLocale(QLocale::Chinese, QLocale::China)
                                           : QLocale(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(pProperty->locale, expectedLocale);
        // Qt's own Chinese texts come with the Chinese properties only.
        const QString qsOk = pProperty->pQtTranslator->translate("QPlatformTheme", "OK");
        QCOMPARE(qsOk.isEmpty(), !expectChinese);
    }

    void firstLoadWins()
    {
        ClientConfig config;
        QVERIFY(config.load(writeSetup(QStringLiteral("first.xml"), setupXml("1", "0", "Blue"))));
        QVERIFY(config.load(writeSetup(QStringLiteral("second.xml"), setupXml("0", "4", "Red"))));
        QCOMPARE(config.number(ClientConfig::Translator), 1);
        QCOMPARE(config.number(ClientConfig::VersionType), 0);
        QCOMPARE(config.number(ClientConfig::LogLevel), 3);
        QCOMPARE(config.text(ClientConfig::Skin), QStringLiteral("Blue"));
        QCOMPARE(config.item(ClientConfig::Skin)->qsName, QStringLiteral("Skin"));
        QVERIFY(!config.item(4));
        QVERIFY(!config.item(-1));
        QCOMPARE(ClientLanguageProperty::Instance()->propertyFor(config)->iIndex, 3);
    }

    // What a missing, damaged or odd file leaves; -1: no such item.
    void loadOutcome_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("translator");
        QTest::addColumn<int>("versionType");
        QTest::addColumn<int>("propertyIndex");

        QTest::newRow("missing file") << QByteArray() << false << -1 << -1 << 2;
        QTest::newRow("cut short")
            << QByteArray("<Configs><Translator><Value>1</Value></Translator>"
                          "<VersionType><Value>0</Va")
            << true << 1 << 0 << 3;
        QTest::newRow("not xml") << QByteArray("\x01\x02 not xml <<<") << true << -1 << -1 << 2;
        QTest::newRow("other elements")
            << QByteArray("<Configs><Comment><Value>9</Value></Comment>"
                          "<Translator><Value>1</Value></Translator></Configs>")
            << true << 1 << -1 << 3;
    }

    void loadOutcome()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, loaded);
        QFETCH(int, translator);
        QFETCH(int, versionType);
        QFETCH(int, propertyIndex);

        ClientConfig config;
        if (content.isNull()) {
            QTest::ignoreMessage(QtDebugMsg, "No file to read...");
        }
        const QString qsPath = content.isNull() ? m_dir.filePath(QStringLiteral("absent.xml"))
                                                : writeSetup(QStringLiteral("odd.xml"), content);
        QCOMPARE(config.load(qsPath), loaded);
        QCOMPARE(config.item(ClientConfig::Translator) != nullptr, translator >= 0);
        QCOMPARE(config.number(ClientConfig::Translator), qMax(translator, 0));
        QCOMPARE(config.item(ClientConfig::VersionType) != nullptr, versionType >= 0);
        QCOMPARE(config.number(ClientConfig::VersionType), qMax(versionType, 0));
        QVERIFY(!config.item(ClientConfig::Skin));
        QCOMPARE(config.text(ClientConfig::Skin), QString());
        QCOMPARE(ClientLanguageProperty::Instance()->propertyFor(config)->iIndex, propertyIndex);
    }

    void clearEmptiesTheItems()
    {
        ClientConfig config;
        QVERIFY(config.load(writeSetup(QStringLiteral("clear.xml"), setupXml("1", "1"))));
        config.clear();
        QVERIFY(!config.item(ClientConfig::Translator));
        QVERIFY(config.load(writeSetup(QStringLiteral("after.xml"), setupXml("0", "2"))));
        QCOMPARE(config.number(ClientConfig::VersionType), 2);
    }

    void singletonsAreCreatedOnce()
    {
        std::vector<ClientConfig*> configs(8, nullptr);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < configs.size(); ++i) {
            threads.emplace_back([&configs, i] { configs[i] = ClientConfig::Instance(); });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (ClientConfig* pConfig : configs) {
            QCOMPARE(pConfig, ClientConfig::Instance());
        }
        QCOMPARE(ClientLanguageProperty::Instance(), ClientLanguageProperty::Instance());
    }
};

QTEST_MAIN(tst_ClientConfig)
#include "tst_clientconfig.moc"
