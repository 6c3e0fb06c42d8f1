#include "TsCatalogue.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// Words that stay as they are in every language: device kinds, units, video
// standards, resolutions, the product name and the recorder model names.
// Bounded by anything but Latin letters and digits, since Chinese text runs
// into them without a blank.
const QRegularExpression rxKeptToken(
    QStringLiteral("(?<![A-Za-z0-9])(IPC|DVR|NVR|[KMG]bps|kbps|GB|TB|PAL|NTSC|\\d*CIF|\\d+P|Vardex|"
                   "Build|KV-[A-Z]\\d+-\\d+)(?![A-Za-z0-9])"));
const QRegularExpression rxPlaceholder(QStringLiteral("%\\d"));
const QRegularExpression rxNumber(QStringLiteral("\\d+(\\.\\d+)*"));
const QRegularExpression rxEnglishWord(QStringLiteral("[A-Za-z]{2,}"));
// Window titles of embedded forms are their object names and never shown.
const QRegularExpression rxIdentifier(QStringLiteral("^[A-Z][a-z]*[A-Z][A-Za-z]*$"));
const QRegularExpression rxChinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
const QStringList kUnits{QStringLiteral("Kbps"), QStringLiteral("Mbps"), QStringLiteral("Gbps"),
                         QStringLiteral("GB"), QStringLiteral("TB")};

QString tsPath(const QString& qsLanguage)
{
    return QStringLiteral(VARDEX_TRANSLATIONS_DIR "/Vardex_%1.ts").arg(qsLanguage);
}

QStringList matches(const QRegularExpression& rx, const QString& qsText)
{
    QStringList list;
    auto it = rx.globalMatch(qsText);
    while (it.hasNext()) {
        list << it.next().captured(0);
    }
    std::sort(list.begin(), list.end());
    return list;
}

QString leadingSpace(const QString& qsText)
{
    static const QRegularExpression rx(QStringLiteral("^\\s*"));
    return rx.match(qsText).captured(0);
}

QString trailingSpace(const QString& qsText)
{
    static const QRegularExpression rx(QStringLiteral("\\s*$"));
    return rx.match(qsText).captured(0);
}

bool isProse(const QString& qsSource)
{
    QString qsWords = qsSource;
    qsWords.remove(rxKeptToken).remove(rxPlaceholder);
    return qsWords.contains(rxEnglishWord) && !qsSource.contains(rxIdentifier);
}

} // namespace

class tst_TranslationFiles : public QObject
{
    Q_OBJECT
private:
    static TsCatalogue load(const QString& qsLanguage)
    {
        TsCatalogue catalogue;
        if (!catalogue.load(tsPath(qsLanguage))) {
            qWarning("%s: %s", qPrintable(tsPath(qsLanguage)), qPrintable(catalogue.errorString()));
        }
        return catalogue;
    }

    static void failOn(const QStringList& faults)
    {
        for (const QString& qsFault : faults) {
            qWarning("%s", qPrintable(qsFault));
        }
        QVERIFY2(
            faults.isEmpty(),
            qPrintable(QStringLiteral("%1 faulty message(s), listed above").arg(faults.size())));
    }

private slots:
    void everyMessageIsFinished_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Chinese") << QStringLiteral("zh");
    }

    void everyMessageIsFinished()
    {
        QFETCH(QString, language);
        const TsCatalogue catalogue = load(language);
        QVERIFY(!catalogue.messages().isEmpty());
        QStringList faults;
        for (const TsMessage& message : catalogue.messages()) {
            if (message.qsType == QLatin1String("unfinished")) {
                faults << message.describe() + QStringLiteral(": unfinished");
            } else if (!message.qsType.isEmpty()) {
                faults << message.describe() +
                              QStringLiteral(": kept as %1; refresh with vardex_lupdate")
                                  .arg(message.qsType);
            } else if (language == QLatin1String("zh") && message.qsTranslation.isEmpty()) {
                faults << message.describe() + QStringLiteral(": empty translation");
            }
        }
        failOn(faults);
    }

    void englishTranslationsRepeatTheSource()
    {
        QStringList faults;
        const TsCatalogue catalogue = load(QStringLiteral("en"));
        for (const TsMessage& message : catalogue.messages()) {
            if (!message.qsTranslation.isEmpty() && message.qsTranslation != message.qsSource) {
                faults << message.describe() +
                              QStringLiteral(": English text \"%1\"").arg(message.qsTranslation);
            }
        }
        failOn(faults);
    }

    void chineseKeepsTokensNumbersAndSpacing()
    {
        QStringList faults;
        const TsCatalogue catalogue = load(QStringLiteral("zh"));
        for (const TsMessage& message : catalogue.messages()) {
            const QString& qsSource = message.qsSource;
            const QString& qsTranslation = message.qsTranslation;
            if (matches(rxPlaceholder, qsSource) != matches(rxPlaceholder, qsTranslation)) {
                faults << message.describe() + QStringLiteral(": placeholders differ");
            }
            if (matches(rxNumber, qsSource) != matches(rxNumber, qsTranslation)) {
                faults << message.describe() + QStringLiteral(": numbers differ");
            }
            if (matches(rxKeptToken, qsSource) != matches(rxKeptToken, qsTranslation)) {
                faults << message.describe() + QStringLiteral(": technical words differ");
            }
            if (kUnits.contains(qsSource) && qsTranslation != qsSource) {
                faults << message.describe() + QStringLiteral(": a unit must stay as it is");
            }
            if (leadingSpace(qsSource) != leadingSpace(qsTranslation) ||
                trailingSpace(qsSource) != trailingSpace(qsTranslation)) {
                faults << message.describe() + QStringLiteral(": spacing at the ends differs");
            }
        }
        failOn(faults);
    }

    void chineseTranslatesEveryPhrase()
    {
        QStringList faults;
        int iPhrases = 0;
        const TsCatalogue catalogue = load(QStringLiteral("zh"));
        for (const TsMessage& message : catalogue.messages()) {
            if (!isProse(message.qsSource)) {
                continue;
            }
            ++iPhrases;
            if (!message.qsTranslation.contains(rxChinese)) {
                faults << message.describe() +
                              QStringLiteral(": no Chinese in \"%1\"").arg(message.qsTranslation);
            }
        }
        QVERIFY(iPhrases > 50);
        failOn(faults);
    }
};

QTEST_GUILESS_MAIN(tst_TranslationFiles)
#include "tst_translationfiles.moc"
