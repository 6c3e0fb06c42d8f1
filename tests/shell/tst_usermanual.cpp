#include "config/ClientConfig.h"
#include "shell/UserManual.h"

#include "UrlRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// With the Chinese interface the manual goes by its Chinese name.
class tst_UserManual : public QObject
{
    Q_OBJECT
private:
    UrlRecorder m_recorder;
    QTemporaryDir m_runDir;
    QString m_qsStartDir;

private slots:
    void initTestCase()
    {
        const QString qsSetup = m_runDir.filePath(QStringLiteral("Setup.xml"));
        QFile setup(qsSetup);
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write("<Configs><Translator><Value>1</Value></Translator></Configs>");
        setup.close();
        QVERIFY(ClientConfig::Instance()->load(qsSetup));

        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void englishManualIsNotTaken()
    {
        QVERIFY(UrlRecorder::touch(m_runDir.filePath(QStringLiteral("Vardex User Manual.pdf"))));
        QCOMPARE(UserManual::open(), UserManual::Missing);
        QVERIFY(m_recorder.urls.isEmpty());
    }

    void chineseManualIsOpened()
    {
        const QString qsManual =
            m_runDir.path() +
            QString::fromUtf8("/Vardex\xe7\x94\xa8\xe6\x88\xb7\xe6\x89\x8b\xe5\x86\x8c.pdf");
        QVERIFY(UrlRecorder::touch(qsManual));
        QCOMPARE(UserManual::open(), UserManual::Opened);
        QCOMPARE(m_recorder.urls, QList<QUrl>({QUrl::fromLocalFile(qsManual)}));
    }
};

QTEST_MAIN(tst_UserManual)
#include "tst_usermanual.moc"
