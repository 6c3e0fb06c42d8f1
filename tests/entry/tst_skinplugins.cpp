#include "entry/SkinPlugins.h"

#include <QCoreApplication>
#include <QTest>

// The folder holds a file that is no plug-in, then the test skin plug-in.
class tst_SkinPlugins : public QObject
{
    Q_OBJECT
private:
    const QString m_qsFolder = QStringLiteral(VARDEX_TEST_SKIN_DIR);

    int applications() const { return qApp->property("testSkinApplications").toInt(); }

private slots:
    void unknownSkinIsNotLoaded()
    {
        QVERIFY(!loadSkinPlugins(QStringLiteral("Marble"), m_qsFolder));
        QCOMPARE(applications(), 0);
    }

    void missingFolderLoadsNothing()
    {
        QVERIFY(!loadSkinPlugins(QStringLiteral("TestSkin"), m_qsFolder + QStringLiteral("/none")));
        QCOMPARE(applications(), 0);
    }

    void knownSkinGivesThePluginsAnswer()
    {
        qApp->setProperty("testSkinResult", true);
        QVERIFY(loadSkinPlugins(QStringLiteral("TestSkin"), m_qsFolder));
        QCOMPARE(applications(), 1);
    }

    void loadedPluginStopsTheSearch()
    {
        qApp->setProperty("testSkinResult", false);
        QVERIFY(loadSkinPlugins(QStringLiteral("Marble"), m_qsFolder));
        QCOMPARE(applications(), 1);
    }
};

QTEST_MAIN(tst_SkinPlugins)
#include "tst_skinplugins.moc"
