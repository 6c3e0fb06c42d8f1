#include "TsCatalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool copyTree(const QString& qsFrom, const QString& qsTo)
{
    QDirIterator it(qsFrom, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString qsFile = it.next();
        const QString qsTarget = qsTo + QLatin1Char('/') + QDir(qsFrom).relativeFilePath(qsFile);
        if (!QDir().mkpath(QFileInfo(qsTarget).path()) || !QFile::copy(qsFile, qsTarget)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Extracts the texts of a copy of the sources exactly as the vardex_lupdate
// target does and compares them with the shipped translation files.
class tst_TranslationCoverage : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_workDir;
    TsCatalogue m_extracted;

private slots:
    void initTestCase()
    {
        QVERIFY(m_workDir.isValid());
        const QString qsSources = m_workDir.filePath(QStringLiteral("src"));
        QVERIFY(copyTree(QStringLiteral(VARDEX_SOURCE_DIR "/src"), qsSources));

        const QString qsFresh = m_workDir.filePath(QStringLiteral("fresh_zh.ts"));
        QStringList arguments =
            QString::fromUtf8(VARDEX_LUPDATE_OPTIONS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        arguments << qsSources << QStringLiteral("-ts") << qsFresh;
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VARDEX_LUPDATE), arguments);
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        QVERIFY2(m_extracted.load(qsFresh), qPrintable(m_extracted.errorString()));
    }

    void sourcesHaveTexts()
    {
        // Forms and code both count: a text of each kind must be found.
        QVERIFY(m_extracted.find(QStringLiteral("TaskManage"), QStringLiteral("New Task")));
        QVERIFY(m_extracted.find(QStringLiteral("MainWindow"),
                                 QStringLiteral("Sure to close software")));
    }

    void translationFileMatchesSources_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Chinese") << QStringLiteral("zh");
    }

    void translationFileMatchesSources()
    {
        QFETCH(QString, language);
        TsCatalogue shipped;
        QVERIFY2(
            shipped.load(QStringLiteral(VARDEX_TRANSLATIONS_DIR "/Vardex_%1.ts").arg(language)),
            qPrintable(shipped.errorString()));

        const QSet<QString> shippedKeys = shipped.keys();
        const QSet<QString> extractedKeys = m_extracted.keys();
        QStringList faults;
        for (const TsMessage& message : m_extracted.messages()) {
            if (!shippedKeys.contains(message.key())) {
                faults << message.describe() + QStringLiteral(": missing; run vardex_lupdate");
            }
        }
        for (const TsMessage& message : shipped.messages()) {
            if (!extractedKeys.contains(message.key())) {
                faults << message.describe() + QStringLiteral(": no longer in the sources");
            }
        }
        for (const QString& qsFault : faults) {
            qWarning("%s", qPrintable(qsFault));
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(
                     QStringLiteral("%1 message(s) out of step, listed above").arg(faults.size())));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationCoverage)
#include "tst_translationcoverage.moc"
