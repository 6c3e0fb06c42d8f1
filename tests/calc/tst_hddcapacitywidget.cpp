#include "WarnBoxAnswer.h"
#include "calc/HDDCapacityWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QtTest>

#include <algorithm>

// Plays the device list: answers every request with its current total, over
// direct connections as the main window makes them.
class DeviceListStandIn : public QObject
{
    Q_OBJECT
public:
    double dTotal = 0.0;
    QList<double> requests;

signals:
    void signalBitRateChanged(double dBitRate);

public slots:
    void slotBitRateChanged(double dBitRate)
    {
        requests.append(dBitRate);
        emit signalBitRateChanged(dTotal);
    }
};

class TestHDDCapacityWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void freshPage();
    void validatorsAdmitOnlyCounts();
    void typedRecordTimeIsLinked_data();
    void typedRecordTimeIsLinked();
    void settingAnEditDoesNotLoop();
    void hugeCountsAreRefused_data();
    void hugeCountsAreRefused();
    void capacity_data();
    void capacity();
    void requestIsAnsweredBeforeItReturns();
    void refusedTimeEndsAtZeroGB();
    void printInfoReportsTheTexts();

private:
    struct Page
    {
        HDDCapacityWidget widget;
        QLineEdit* pMonth = widget.findChild<QLineEdit*>(QStringLiteral("editMonth"));
        QLineEdit* pWeek = widget.findChild<QLineEdit*>(QStringLiteral("editWeek"));
        QLineEdit* pDay = widget.findChild<QLineEdit*>(QStringLiteral("editDay"));
        QLabel* pCapacity = widget.findChild<QLabel*>(QStringLiteral("labelCapacityNum"));

        QStringList recordTime() const { return {pMonth->text(), pWeek->text(), pDay->text()}; }
        void wireTo(DeviceListStandIn& deviceList)
        {
            connect(&widget, &HDDCapacityWidget::signalBitRateChanged, &deviceList,
                    &DeviceListStandIn::slotBitRateChanged);
            connect(&deviceList, &DeviceListStandIn::signalBitRateChanged, &widget,
                    &HDDCapacityWidget::slotBitRateChanged);
        }
        QLineEdit* edit(const QString& qsName) const
        {
            return qsName == QLatin1String("month")
                       ? pMonth
                       : (qsName == QLatin1String("week") ? pWeek : pDay);
        }
    };

    static void typeInto(QLineEdit* pEdit, const QString& qsText)
    {
        pEdit->setFocus();
        pEdit->clear();
        QTest::keyClicks(pEdit, qsText);
    }
};

void TestHDDCapacityWidget::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestHDDCapacityWidget::freshPage()
{
    Page page;
    QCOMPARE(page.recordTime(), (QStringList{"0", "0", "1"}));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("0"));
    QCOMPARE(page.widget.findChild<QLabel*>(QStringLiteral("labelCapacityDescription"))->text(),
             QStringLiteral("HDD Capacity:"));
    QCOMPARE(page.widget.findChild<QLabel*>(QStringLiteral("lalabelEqual1"))->text(),
             QStringLiteral("="));
    QCOMPARE(page.pCapacity->palette().color(QPalette::WindowText), QColor(0xCF, 0x3F, 0x1D));
}

void TestHDDCapacityWidget::validatorsAdmitOnlyCounts()
{
    Page page;
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    for (QLineEdit* pEdit : {page.pMonth, page.pWeek, page.pDay}) {
        const auto* pValidator = qobject_cast<const QRegExpValidator*>(pEdit->validator());
        QVERIFY(pValidator);
        QCOMPARE(pValidator->regExp().pattern(), QStringLiteral("[1-9][0-9]+||[0]"));
        QCOMPARE(pValidator->parent(), &page.widget);
    }
    typeInto(page.pWeek, QStringLiteral("05"));
    QCOMPARE(page.pWeek->text(), QStringLiteral("0"));
    typeInto(page.pWeek, QStringLiteral("x2-"));
    QCOMPARE(page.pWeek->text(), QStringLiteral("2"));
    QCOMPARE(page.recordTime(), (QStringList{"0", "2", "14"}));
}

void TestHDDCapacityWidget::typedRecordTimeIsLinked_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("recordTime");
    QTest::addColumn<bool>("warned");

    QTest::newRow("12 months") << "month"
                               << "12" << QStringList{"12", "51", "360"} << false;
    QTest::newRow("13 months") << "month"
                               << "13" << QStringList{"0", "0", "0"} << true;
    QTest::newRow("1 month") << "month"
                             << "1" << QStringList{"1", "4", "30"} << false;
    QTest::newRow("52 weeks") << "week"
                              << "52" << QStringList{"12", "52", "364"} << false;
    QTest::newRow("53 weeks") << "week"
                              << "53" << QStringList{"0", "0", "0"} << true;
    QTest::newRow("1 week") << "week"
                            << "1" << QStringList{"0", "1", "7"} << false;
    QTest::newRow("45 days") << "day"
                             << "45" << QStringList{"1", "6", "45"} << false;
    QTest::newRow("365 days") << "day"
                              << "365" << QStringList{"12", "52", "365"} << false;
    QTest::newRow("366 days") << "day"
                              << "366" << QStringList{"0", "0", "0"} << true;
    QTest::newRow("1000 days") << "day"
                               << "1000" << QStringList{"0", "0", "0"} << true;
    QTest::newRow("no days") << "day"
                             << "" << QStringList{"0", "0", ""} << false;
}

void TestHDDCapacityWidget::typedRecordTimeIsLinked()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QStringList, recordTime);
    QFETCH(bool, warned);

    Page page;
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    WarnBoxAnswer answer;
    typeInto(page.edit(edit), typed);

    QCOMPARE(page.recordTime(), recordTime);
    QCOMPARE(answer.boxes().size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(answer.boxes().at(0).qsTitle, QStringLiteral("Warn"));
        QCOMPARE(answer.boxes().at(0).qsText,
                 QStringLiteral("Record time should less than 365 days."));
    }
}

void TestHDDCapacityWidget::settingAnEditDoesNotLoop()
{
    Page page;
    QSignalSpy requests(&page.widget, &HDDCapacityWidget::signalBitRateChanged);
    page.pWeek->setText(QStringLiteral("4"));
    QCOMPARE(page.recordTime(), (QStringList{"0", "4", "28"}));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toDouble(), 0.0);
}

void TestHDDCapacityWidget::hugeCountsAreRefused_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");

    QTest::newRow("months beyond 64 bits") << "month"
                                           << "99999999999999999999999";
    QTest::newRow("days of weeks beyond 32 bits") << "week"
                                                  << "306783379";
    QTest::newRow("days beyond 32 bits") << "day"
                                         << "4294967296";
}

void TestHDDCapacityWidget::hugeCountsAreRefused()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);

    Page page;
    WarnBoxAnswer answer;
    page.edit(edit)->setText(text);
    QCOMPARE(answer.boxes().size(), 1);
    QCOMPARE(page.recordTime(), (QStringList{"0", "0", "0"}));
}

void TestHDDCapacityWidget::capacity_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("shown");

    QTest::newRow("1024 Kbps for a day") << "1" << 1024.0 << "11.3587GB";
    QTest::newRow("1000 Kbps for 30 days") << "30" << 1000.0 << "332.774GB";
    QTest::newRow("4096 Kbps for 30 days") << "30" << 4096.0 << "1.36304TB";
    QTest::newRow("2048 Kbps for 365 days") << "365" << 2048.0 << "8.29185TB";
    QTest::newRow("no bitrate") << "30" << 0.0 << "0GB";
    QTest::newRow("no days") << "0" << 1024.0 << "0GB";
    QTest::newRow("empty days") << "" << 1024.0 << "0GB";
    QTest::newRow("beyond 20000 TB") << "365" << 1e9 << "0GB";
    QTest::newRow("negative total") << "30" << -1000.0 << "0GB";
}

void TestHDDCapacityWidget::capacity()
{
    QFETCH(QString, days);
    QFETCH(double, total);
    QFETCH(QString, shown);

    Page page;
    page.pDay->setText(days);
    page.widget.slotBitRateChanged(total);
    QCOMPARE(page.pCapacity->text(), shown);
}

void TestHDDCapacityWidget::requestIsAnsweredBeforeItReturns()
{
    Page page;
    DeviceListStandIn deviceList;
    page.wireTo(deviceList);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));

    deviceList.dTotal = 1000.0;
    typeInto(page.pDay, QStringLiteral("30"));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("332.774GB"));

    deviceList.dTotal = 2048.0;
    typeInto(page.pMonth, QStringLiteral("12"));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("8.17826TB"));
    typeInto(page.pDay, QStringLiteral("365"));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("8.29185TB"));

    QVERIFY(!deviceList.requests.isEmpty());
    QVERIFY(std::all_of(deviceList.requests.cbegin(), deviceList.requests.cend(),
                        [](double dRequest) { return dRequest == 0.0; }));
}

void TestHDDCapacityWidget::refusedTimeEndsAtZeroGB()
{
    Page page;
    DeviceListStandIn deviceList;
    deviceList.dTotal = 4096.0;
    page.wireTo(deviceList);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));

    typeInto(page.pDay, QStringLiteral("30"));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("1.36304TB"));
    WarnBoxAnswer answer;
    typeInto(page.pWeek, QStringLiteral("60"));
    QCOMPARE(answer.boxes().size(), 1);
    QCOMPARE(page.recordTime(), (QStringList{"0", "0", "0"}));
    QCOMPARE(page.pCapacity->text(), QStringLiteral("0GB"));
}

void TestHDDCapacityWidget::printInfoReportsTheTexts()
{
    Page page;
    page.pMonth->setText(QStringLiteral("2"));
    page.widget.slotBitRateChanged(1024.0);
    QSignalSpy spy(&page.widget, &HDDCapacityWidget::signalPrintInfo);
    page.widget.slotPrintInfo();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("2"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("8"));
    QCOMPARE(spy.at(0).at(2).toString(), QStringLiteral("60"));
    QCOMPARE(spy.at(0).at(3).toString(), QStringLiteral("681.522GB"));
}

QTEST_MAIN(TestHDDCapacityWidget)
#include "tst_hddcapacitywidget.moc"
