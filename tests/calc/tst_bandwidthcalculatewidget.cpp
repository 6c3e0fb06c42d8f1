#include "calc/BandwidthCalculateWidget.h"

#include <QLabel>
#include <QtTest>

Q_DECLARE_METATYPE(std::vector<BandWidth>)

class TestBandwidthCalculateWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void freshPageReportsZeroKbps();
    void showsTotal_data();
    void showsTotal();
    void showsList();
    void labelsAreStyled();
    void backgroundFollowsEveryResize();

private:
    static QString shownText(BandwidthCalculateWidget& page);
};

void TestBandwidthCalculateWidget::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

QString TestBandwidthCalculateWidget::shownText(BandwidthCalculateWidget& page)
{
    QSignalSpy spy(&page, &BandwidthCalculateWidget::signalPrintInfo);
    page.slotPrintInfo();
    return spy.count() == 1 ? spy.at(0).at(0).toString() : QStringLiteral("<no answer>");
}

void TestBandwidthCalculateWidget::freshPageReportsZeroKbps()
{
    BandwidthCalculateWidget page;
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("labelBandiwth"))->text(),
             QStringLiteral("0Kbps"));
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("labelBandwidthDecription"))->text(),
             QStringLiteral("Bandwidth:"));
    QCOMPARE(shownText(page), QStringLiteral("0Kbps"));
}

void TestBandwidthCalculateWidget::showsTotal_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0Kbps";
    QTest::newRow("one") << 1.0 << "2Kbps";
    QTest::newRow("100") << 100.0 << "143Kbps";
    QTest::newRow("700") << 700.0 << "1001Kbps";
    QTest::newRow("716") << 716.0 << "1023Kbps";
    QTest::newRow("717") << 717.0 << "1.1Mbps";
    QTest::newRow("1000") << 1000.0 << "1.4Mbps";
    QTest::newRow("4096") << 4096.0 << "5.8Mbps";
    QTest::newRow("10000") << 10000.0 << "14Mbps";
    QTest::newRow("734003") << 734003.0 << "1024Mbps";
    QTest::newRow("734004") << 734004.0 << "1.1Gbps";
    QTest::newRow("1048576") << 1048576.0 << "1.5Gbps";
    QTest::newRow("100000000") << 100000000.0 << "136.3Gbps";
    QTest::newRow("2000 Gbps") << 1468006400.0 << "2000Gbps";
    QTest::newRow("beyond 2000 Gbps") << 1468006500.0 << "0Gbps";
    QTest::newRow("negative") << -5.0 << "0Gbps";
}

void TestBandwidthCalculateWidget::showsTotal()
{
    QFETCH(double, total);
    QFETCH(QString, text);

    BandwidthCalculateWidget page;
    page.showBandwidth(total);
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("labelBandiwth"))->text(), text);
    QCOMPARE(shownText(page), text);
}

void TestBandwidthCalculateWidget::showsList()
{
    BandwidthCalculateWidget page;
    std::vector<BandWidth> items{{2, 500}};
    page.showBandwidth(items);
    QCOMPARE(shownText(page), QStringLiteral("1.4Mbps"));

    // 384000 streams of 16384 Kbps: a legal group, 6291456000 Kbps in all.
    items = {{384000, 16384}};
    page.showBandwidth(items);
    QCOMPARE(shownText(page), QStringLiteral("0Gbps"));
}

void TestBandwidthCalculateWidget::labelsAreStyled()
{
    BandwidthCalculateWidget page;
    const QLabel* pDescription =
        page.findChild<QLabel*>(QStringLiteral("labelBandwidthDecription"));
    const QLabel* pValue = page.findChild<QLabel*>(QStringLiteral("labelBandiwth"));
    QCOMPARE(pDescription->font().family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(pDescription->font().pointSize(), 14);
    QVERIFY(!pDescription->font().bold());
    QCOMPARE(pDescription->palette().color(QPalette::WindowText), QColor(0x9E, 0x65, 0x33));
    QCOMPARE(pValue->font().family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(pValue->font().pointSize(), 16);
    QVERIFY(pValue->font().bold());
    QCOMPARE(pValue->palette().color(QPalette::WindowText), QColor(0xCF, 0x3F, 0x1D));
}

void TestBandwidthCalculateWidget::backgroundFollowsEveryResize()
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

QTEST_MAIN(TestBandwidthCalculateWidget)
#include "tst_bandwidthcalculatewidget.moc"
