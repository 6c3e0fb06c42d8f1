#include "calc/BandwidthCalculateWidget.h"

#include <QLabel>
#include <QtTest>

// The values themselves are checked against the calculator; here only how the
// page shows them, one row per unit and the overflow.
class TestBandwidthCalculateWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void showsTotal_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0 << "0Kbps";
        QTest::newRow("716") << 716.0 << "1023Kbps";
        QTest::newRow("717") << 717.0 << "1.1Mbps";
        QTest::newRow("10000") << 10000.0 << "14Mbps";
        QTest::newRow("734004") << 734004.0 << "1.1Gbps";
        QTest::newRow("2000 Gbps") << 1468006400.0 << "2000Gbps";
        QTest::newRow("beyond 2000 Gbps") << 1468006500.0 << "0Gbps";
        QTest::newRow("negative") << -5.0 << "0Gbps";
    }

    void showsTotal()
    {
        QFETCH(double, total);
        QFETCH(QString, text);

        BandwidthCalculateWidget page;
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("labelBandwidthDecription"))->text(),
                 QStringLiteral("Bandwidth:"));
        verifyShown(page, QStringLiteral("0Kbps"));
        page.showBandwidth(total);
        verifyShown(page, text);
    }

    void showsList()
    {
        BandwidthCalculateWidget page;
        std::vector<BandWidth> items{{2, 500}};
        page.showBandwidth(items);
        verifyShown(page, QStringLiteral("1.4Mbps"));

        // 384000 streams of 16384 Kbps: a legal group, 6291456000 Kbps in all.
        items = {{384000, 16384}};
        page.showBandwidth(items);
        verifyShown(page, QStringLiteral("0Gbps"));
    }

    void labelsAreStyled()
    {
        BandwidthCalculateWidget page;
        const struct
        {
            const char* pszName;
            int iPointSize;
            bool bBold;
            QColor color;
        } labels[] = {{"labelBandwidthDecription", 14, false, QColor(0x9E, 0x65, 0x33)},
                      {"labelBandiwth", 16, true, QColor(0xCF, 0x3F, 0x1D)}};
        for (const auto& expected : labels) {
            const QLabel* pLabel = page.findChild<QLabel*>(QLatin1String(expected.pszName));
            QCOMPARE(pLabel->font().family(), QStringLiteral("Microsoft YaHei"));
            QCOMPARE(pLabel->font().pointSize(), expected.iPointSize);
            QCOMPARE(pLabel->font().bold(), expected.bBold);
            QCOMPARE(pLabel->palette().color(QPalette::WindowText), expected.color);
        }
    }

    void backgroundFollowsEveryResize()
    {
        BandwidthCalculateWidget page;
        QVERIFY(page.autoFillBackground());
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.palette().brush(QPalette::Window).texture().size(), page.size());

        page.resize(640, 220);
        QTRY_COMPARE(page.palette().brush(QPalette::Window).texture().size(), QSize(640, 220));
    }

private:
    static void verifyShown(BandwidthCalculateWidget& page, const QString& qsText);
};

void TestBandwidthCalculateWidget::verifyShown(BandwidthCalculateWidget& page,
                                               const QString& qsText)
{
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("labelBandiwth"))->text(), qsText);
    QSignalSpy spy(&page, &BandwidthCalculateWidget::signalPrintInfo);
    page.slotPrintInfo();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), qsText);
}

QTEST_MAIN(TestBandwidthCalculateWidget)
#include "tst_bandwidthcalculatewidget.moc"
