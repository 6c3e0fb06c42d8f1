#include "shell/CDlgAbout.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

class tst_DlgAbout : public QObject
{
    Q_OBJECT

private slots:
    void buildNumber_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<unsigned>("number");

        QTest::newRow("one-digit day") << QStringLiteral("Jul  7 2014") << 20140707u;
        QTest::newRow("two-digit day") << QStringLiteral("Dec 25 2026") << 20261225u;
        QTest::newRow("october") << QStringLiteral("Oct 31 1999") << 19991031u;
        QTest::newRow("unknown month") << QStringLiteral("Foo  1 2000") << 0u;
    }

    void buildNumber()
    {
        QFETCH(QString, date);
        QFETCH(unsigned, number);

        QCOMPARE(CDlgAbout::buildNumber(date), number);
    }

    void showsNameAndVersionUntilOk();
};

void tst_DlgAbout::showsNameAndVersionUntilOk()
{
    CDlgAbout about;
    about.show();
    QCOMPARE(about.GetTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(520, 200));

    QStringList texts;
    for (const QLabel* pLabel : about.findChildren<QLabel*>()) {
        texts.append(pLabel->text());
    }
    QVERIFY(texts.contains(QStringLiteral("Name:")));
    QVERIFY(texts.contains(QStringLiteral("Vardex")));
    QVERIFY(texts.contains(QStringLiteral("Version:")));

    const QRegularExpression version(QStringLiteral("^ v1\\.0\\.0\\.1 Build(\\d{8})$"));
    QString qsBuild;
    for (const QString& qsText : texts) {
        const QRegularExpressionMatch match = version.match(qsText);
        if (match.hasMatch()) {
            qsBuild = match.captured(1);
        }
    }
    const QDate built = QDate::fromString(qsBuild, QStringLiteral("yyyyMMdd"));
    QVERIFY2(built.isValid(), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(built <= QDate::currentDate());

    QVERIFY(about.findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"))->isVisible());
    QVERIFY(!about.findChild<QPushButton*>(QStringLiteral("pOkBtn"))->isVisible());
    about.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_DlgAbout)
#include "tst_dlgabout.moc"
