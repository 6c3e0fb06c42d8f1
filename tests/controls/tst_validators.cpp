#include "controls/CIntValidator.h"
#include "controls/CRegExpValidator.h"

#include <QTextCodec>
#include <QtTest>

class TestValidators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("UTF-8"));
    }

    void intValidate_data()
    {
        QTest::addColumn<QString>("qsInput");
        QTest::addColumn<int>("state");
        const int invalid = QValidator::Invalid;
        const int intermediate = QValidator::Intermediate;
        const int acceptable = QValidator::Acceptable;
        QTest::newRow("double zero") << "00" << invalid;
        QTest::newRow("double zero then digit") << "005" << invalid;
        QTest::newRow("plus sign") << "+5" << invalid;
        QTest::newRow("plus inside") << "5+" << invalid;
        QTest::newRow("comma") << "1,000" << invalid;
        QTest::newRow("lone comma") << "," << invalid;
        QTest::newRow("single zero goes on") << "0" << intermediate;
        QTest::newRow("leading zero then digit goes on") << "05" << acceptable;
        QTest::newRow("in range") << "999" << acceptable;
        QTest::newRow("lowest") << "1" << acceptable;
        QTest::newRow("too many digits") << "1000" << invalid;
        QTest::newRow("empty") << "" << intermediate;
        QTest::newRow("letters") << "12a" << invalid;
        QTest::newRow("negative") << "-1" << invalid;
    }

    void intValidate()
    {
        QFETCH(QString, qsInput);
        QFETCH(int, state);
        CIntValidator validator(1, 999);
        int iPos = qsInput.size();
        QCOMPARE(int(validator.validate(qsInput, iPos)), state);
    }

    void intFixupRemovesCommas_data()
    {
        QTest::addColumn<QString>("qsInput");
        QTest::addColumn<QString>("qsFixed");
        QTest::newRow("thousands") << "1,000" << QStringLiteral("1000");
        QTest::newRow("several") << ",9,9," << QStringLiteral("99");
        QTest::newRow("none") << "42" << QStringLiteral("42");
    }

    void intFixupRemovesCommas()
    {
        QFETCH(QString, qsInput);
        QFETCH(QString, qsFixed);
        CIntValidator validator(1, 99999);
        validator.fixup(qsInput);
        QCOMPARE(qsInput, qsFixed);
    }

    void regExpValidate_data()
    {
        QTest::addColumn<uint>("uiMaxBytes");
        QTest::addColumn<QString>("qsPattern");
        QTest::addColumn<QString>("qsInput");
        QTest::addColumn<int>("iPos");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("qsAfter");
        QTest::addColumn<int>("iPosAfter");
        const uint noLimit = CRegExpValidator::kNoLimit;
        const QString anything = QStringLiteral(".*");
        const QString forbidden = QStringLiteral("[\\\\/:*?\"<>|]");
        const int intermediate = QValidator::Intermediate;
        const int acceptable = QValidator::Acceptable;
        QTest::newRow("within byte limit")
            << 4u << anything << "abcd" << 4 << acceptable << "abcd" << 4;
        QTest::newRow("ascii over limit")
            << 4u << anything << "abcde" << 5 << intermediate << "abcd" << 4;
        // Two Chinese characters are six bytes in UTF-8, though only two characters.
        QTest::newRow("wide character over limit")
            << 5u << anything << QString::fromUtf8("a\xe5\x90\x8d\xe5\xad\x97") << 3 << intermediate
            << QString::fromUtf8("a\xe5\x90\x8d") << 2;
        // Four bytes, two UTF-16 units: half of it would be a character no file can hold.
        QTest::newRow("emoji over limit")
            << 5u << anything << QString::fromUtf8("ab😀") << 4 << intermediate << "ab" << 2;
        QTest::newRow("typed first over limit")
            << 3u << anything << "Xabc" << 1 << intermediate << "abc" << 0;
        QTest::newRow("typed in the middle over limit")
            << 3u << anything << "abXc" << 3 << intermediate << "abc" << 2;
        QTest::newRow("no forbidden character")
            << noLimit << forbidden << "Task 1" << 6 << acceptable << "Task 1" << 6;
        QTest::newRow("forbidden character typed")
            << noLimit << forbidden << "Ta/sk" << 3 << intermediate << "Task" << 2;
        QTest::newRow("forbidden at the end")
            << noLimit << forbidden << "Task?" << 5 << intermediate << "Task" << 4;
        QTest::newRow("limit checked before pattern")
            << 4u << forbidden << "abcde" << 5 << intermediate << "abcd" << 4;
        QTest::newRow("limit and pattern both fine")
            << 8u << forbidden << "abc" << 3 << acceptable << "abc" << 3;
    }

    void regExpValidate()
    {
        QFETCH(uint, uiMaxBytes);
        QFETCH(QString, qsPattern);
        QFETCH(QString, qsInput);
        QFETCH(int, iPos);
        QFETCH(int, state);
        QFETCH(QString, qsAfter);
        QFETCH(int, iPosAfter);
        CRegExpValidator validator(uiMaxBytes, QRegExp(qsPattern));
        QCOMPARE(int(validator.validate(qsInput, iPos)), state);
        QCOMPARE(qsInput, qsAfter);
        QCOMPARE(iPos, iPosAfter);
    }
};

QTEST_MAIN(TestValidators)
#include "tst_validators.moc"
