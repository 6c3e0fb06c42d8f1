#include "WarnBoxAnswer.h"
#include "calc/HDDCapacityWidget.h"

#include <QLabel>
#include <QLineEdit>
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
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void freshPage()
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

    void typedRecordTimeIsLinked_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("recordTime");
        QTest::addColumn<bool>("warned");
        const auto row = [](const char* pszName, const char* pszEdit, const char* pszTyped,
                            const char* pszRecordTime, bool bWarned) {
            QTest::newRow(pszName) << QString::fromLatin1(pszEdit) << QString::fromLatin1(pszTyped)
                                   << QString::fromLatin1(pszRecordTime) << bWarned;
        };
        row("12 months", "month", "12", "12 51 360", false);
        row("13 months", "month", "13", "0 0 0", true);
        row("1 month", "month", "1", "1 4 30", false);
        row("52 weeks", "week", "52", "12 52 364", false);
        row("53 weeks", "week", "53", "0 0 0", true);
        row("1 week", "week", "1", "0 1 7", false);
        row("45 days", "day", "45", "1 6 45", false);
        row("365 days", "day", "365", "12 52 365", false);
        row("366 days", "day", "366", "0 0 0", true);
        row("1000 days", "day", "1000", "0 0 0", true);
        row("no days", "day", "", "0 0 ", false);
        row("leading zero refused", "week", "05", "0 0 0", false);
        row("only digits admitted", "week", "x2-", "0 2 14", false);
    }

    void typedRecordTimeIsLinked()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, recordTime);
        QFETCH(bool, warned);

        Page page;
        page.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
        WarnBoxAnswer answer;
        typeInto(page.edit(edit), typed);

        QCOMPARE(page.recordTime().join(QLatin1Char(' ')), recordTime);
        QCOMPARE(answer.boxes().size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(answer.boxes().at(0).qsTitle, QStringLiteral("Warn"));
            QCOMPARE(answer.boxes().at(0).qsText,
                     QStringLiteral("Record time should less than 365 days."));
        }
    }

    void settingAnEditDoesNotLoop()
    {
        Page page;
        QSignalSpy requests(&page.widget, &HDDCapacityWidget::signalBitRateChanged);
        page.pWeek->setText(QStringLiteral("4"));
        QCOMPARE(page.recordTime(), (QStringList{"0", "4", "28"}));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).toDouble(), 0.0);
    }

    void hugeCountsAreRefused_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");

        QTest::newRow("months beyond 64 bits")
            << "month" << QStringLiteral("99999999999999999999999");
        QTest::newRow("days of weeks beyond 32 bits") << "week" << QStringLiteral("306783379");
        QTest::newRow("days beyond 32 bits") << "day" << QStringLiteral("4294967296");
    }

    void hugeCountsAreRefused()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);

        Page page;
        WarnBoxAnswer answer;
        page.edit(edit)->setText(text);
        QCOMPARE(answer.boxes().size(), 1);
        QCOMPARE(page.recordTime(), (QStringList{"0", "0", "0"}));
    }

    void capacity_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("shown");

        QTest::newRow("empty days") << "" << 1024.0 << "0GB";
        QTest::newRow("beyond 20000 TB") << "365" << 1e9 << "0GB";
    }

    void capacity()
    {
        QFETCH(QString, days);
        QFETCH(double, total);
        QFETCH(QString, shown);

        Page page;
        page.pDay->setText(days);
        page.widget.slotBitRateChanged(total);
        QCOMPARE(page.pCapacity->text(), shown);
    }

    // The device list answers each request while it is being sent, so the
    // capacity is up to date as soon as an edit is typed; a refused time drops it
    // to 0GB.
    void requestIsAnsweredBeforeItReturns()
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

        deviceList.dTotal = 1024.0;
        typeInto(page.pMonth, QStringLiteral("2"));
        QSignalSpy printed(&page.widget, &HDDCapacityWidget::signalPrintInfo);
        page.widget.slotPrintInfo();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(0).toString(), QStringLiteral("2"));
        QCOMPARE(printed.at(0).at(1).toString(), QStringLiteral("8"));
        QCOMPARE(printed.at(0).at(2).toString(), QStringLiteral("60"));
        QCOMPARE(printed.at(0).at(3).toString(), QStringLiteral("681.522GB"));

        WarnBoxAnswer answer;
        typeInto(page.pWeek, QStringLiteral("60"));
        QCOMPARE(answer.boxes().size(), 1);
        QCOMPARE(page.recordTime(), (QStringList{"0", "0", "0"}));
        QCOMPARE(page.pCapacity->text(), QStringLiteral("0GB"));

        QVERIFY(!deviceList.requests.isEmpty());
        QVERIFY(std::all_of(deviceList.requests.cbegin(), deviceList.requests.cend(),
                            [](double dRequest) { return dRequest == 0.0; }));
    }

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

QTEST_MAIN(TestHDDCapacityWidget)
#include "tst_hddcapacitywidget.moc"
