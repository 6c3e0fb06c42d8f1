#include "model/AppFilePath.h"
#include "model/DefCfgReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstDefCfgReader : public QObject
{
    Q_OBJECT

private slots:
    void readsBothTemplates()
    {
        const QString fileName = writeDefCfg("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Cfg>\n"
                                             "<HighDef><IPC>16</IPC><DVR> 4 </DVR></HighDef>\n"
                                             "<StandardDef><DVR>2</DVR><IPC>8</IPC></StandardDef>\n"
                                             "</Cfg>\n");
        DefCfgReader reader(fileName);
        QVERIFY(reader.isOpen());
        QString ipc, dvr;
        QVERIFY(reader.getHighDef(ipc, dvr));
        QCOMPARE(ipc, QStringLiteral("16"));
        QCOMPARE(dvr, QStringLiteral(" 4 "));
        QVERIFY(reader.getStandardDef(ipc, dvr));
        QCOMPARE(ipc, QStringLiteral("8"));
        QCOMPARE(dvr, QStringLiteral("2"));
    }

    void missingTemplateGivesEmptyTexts()
    {
        DefCfgReader reader(writeDefCfg("<Cfg><HighDef><IPC>16</IPC></HighDef></Cfg>"));
        QString ipc = QStringLiteral("old"), dvr = QStringLiteral("old");
        QVERIFY(reader.getHighDef(ipc, dvr));
        QCOMPARE(ipc, QStringLiteral("16"));
        QCOMPARE(dvr, QString());
        QVERIFY(reader.getStandardDef(ipc, dvr));
        QCOMPARE(ipc, QString());
    }

    void missingOrDamagedFileLeavesOutputs_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("none.xml"));
        QTest::newRow("no name") << QString();
        QTest::newRow("damaged") << writeDefCfg("<Cfg><HighDef><IPC>16</IPC></Cfg>");
    }

    void missingOrDamagedFileLeavesOutputs()
    {
        QFETCH(QString, fileName);
        DefCfgReader reader(fileName);
        QVERIFY(!reader.isOpen());
        QString ipc = QStringLiteral("old"), dvr = QStringLiteral("old");
        QVERIFY(!reader.getHighDef(ipc, dvr));
        QVERIFY(!reader.getStandardDef(ipc, dvr));
        QCOMPARE(ipc, QStringLiteral("old"));
        QCOMPARE(dvr, QStringLiteral("old"));
    }

    void appFilePathPlacesRelativeNamesBesideTheProgram()
    {
        QCOMPARE(appFilePath(QStringLiteral("DefCfg.xml")),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/DefCfg.xml"));
        QCOMPARE(appFilePath(QStringLiteral("/etc/DefCfg.xml")), QStringLiteral("/etc/DefCfg.xml"));
    }

private:
    QString writeDefCfg(const QByteArray& content);

    QTemporaryDir m_dir;
};

QString TstDefCfgReader::writeDefCfg(const QByteArray& content)
{
    const QString fileName = m_dir.filePath(QStringLiteral("DefCfg.xml"));
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(content);
    }
    return fileName;
}

QTEST_GUILESS_MAIN(TstDefCfgReader)
#include "tst_defcfgreader.moc"
