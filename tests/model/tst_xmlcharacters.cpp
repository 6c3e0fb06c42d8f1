#include "model/XmlCharacters.h"

#include <QtTest>

// The edges of what Task.xml can hold, as the entry fields ask.
class TstXmlCharacters : public QObject
{
    Q_OBJECT

private slots:
    void canHold_data()
    {
        QTest::addColumn<QString>("qsText");
        QTest::addColumn<bool>("bHeld");
        const auto one = [](char32_t u) { return QString::fromUcs4(&u, 1); };
        QTest::newRow("tab, line feed, carriage return") << QStringLiteral("\t\n\r") << true;
        QTest::newRow("U+000C") << one(0xC) << false;
        QTest::newRow("U+000E") << one(0xE) << false;
        QTest::newRow("U+001F") << one(0x1F) << false;
        QTest::newRow("U+0020") << one(0x20) << true;
        QTest::newRow("U+D7FF") << one(0xD7FF) << true;
        QTest::newRow("U+E000") << one(0xE000) << true;
        QTest::newRow("U+FFFD") << one(0xFFFD) << true;
        QTest::newRow("U+FFFE") << one(0xFFFE) << false;
        QTest::newRow("U+10000") << one(0x10000) << true;
        QTest::newRow("U+10FFFF") << one(0x10FFFF) << true;
        QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + QLatin1Char('a') << false;
        QTest::newRow("lone low surrogate") << QString(QChar(0xDFFF)) << false;
        QTest::newRow("pair reversed") << QString(QChar(0xDC00)) + QChar(0xD800) << false;
    }

    void canHold()
    {
        QFETCH(QString, qsText);
        QFETCH(bool, bHeld);
        QCOMPARE(XmlCharacters::canHold(qsText), bHeld);
    }
};

QTEST_GUILESS_MAIN(TstXmlCharacters)
#include "tst_xmlcharacters.moc"
