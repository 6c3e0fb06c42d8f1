#include "calc/BandwidthCalculator.h"

#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(std::vector<BandWidth>)

// The shown value is QString::number(value, 'g', 6): comparing that text
// checks the value as exactly as the user sees it.
class TestBandwidthCalculator : public QObject
{
    Q_OBJECT
private slots:
    void fromTotal_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("unit");

        const int G = BandwidthCalculator::UnitGbps;
        const int M = BandwidthCalculator::UnitMbps;
        const int K = BandwidthCalculator::UnitKbps;
        QTest::newRow("zero") << 0.0 << "0" << K;
        QTest::newRow("one rounds up") << 1.0 << "2" << K;
        QTest::newRow("100") << 100.0 << "143" << K;
        QTest::newRow("700 is just above 1000") << 700.0 << "1001" << K;
        QTest::newRow("716 stays in Kbps") << 716.0 << "1023" << K;
        QTest::newRow("1024 exactly stays in Kbps") << 716.5 << "1024" << K;
        QTest::newRow("717 is 1025") << 717.0 << "1.1" << M;
        QTest::newRow("1000") << 1000.0 << "1.4" << M;
        QTest::newRow("4096") << 4096.0 << "5.8" << M;
        QTest::newRow("10000 prints without decimals") << 10000.0 << "14" << M;
        QTest::newRow("1048576 exactly stays in Mbps") << 734003.0 << "1024" << M;
        QTest::newRow("734004") << 734004.0 << "1.1" << G;
        QTest::newRow("1048576") << 1048576.0 << "1.5" << G;
        QTest::newRow("100000000") << 100000000.0 << "136.3" << G;
        QTest::newRow("exactly 2000 Gbps") << 1468006400.0 << "2000" << G;
        // In double precision this would be 20000.0005 tenths and round up.
        QTest::newRow("single precision keeps 2000") << 1468006435.0 << "2000" << G;
        QTest::newRow("above 2000 Gbps") << 1468006500.0 << "0" << G;
        QTest::newRow("far above") << 1e15 << "0" << G;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "0" << G;
        QTest::newRow("negative") << -1.0 << "0" << G;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0" << G;
    }

    void fromTotal()
    {
        QFETCH(double, total);
        QFETCH(QString, value);
        QFETCH(int, unit);

        int iUnit = -1;
        const double dValue = BandwidthCalculator().CalculateBandwidth(total, iUnit);
        QCOMPARE(QString::number(dValue, 'g', 6), value);
        QCOMPARE(iUnit, unit);
    }

    void fromList_data()
    {
        QTest::addColumn<std::vector<BandWidth>>("items");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("unit");

        QTest::newRow("empty") << std::vector<BandWidth>{} << "0"
                               << int(BandwidthCalculator::UnitKbps);
        QTest::newRow("products add up") << std::vector<BandWidth>{{2, 500}, {1, 0}} << "1.4"
                                         << int(BandwidthCalculator::UnitMbps);
        // 2^32 Kbps: a 32-bit product would wrap to 0 and show 0Kbps.
        QTest::newRow("product of 2^32")
            << std::vector<BandWidth>{{262144, 16384}} << "0" << int(BandwidthCalculator::UnitGbps);
        // 2^31 + 131072 and -2^31: the true total is 131072 Kbps; wrapped
        // products would make it negative.
        QTest::newRow("products beyond 32 bits")
            << std::vector<BandWidth>{{131072, 16385}, {-131072, 16384}} << "182.9"
            << int(BandwidthCalculator::UnitMbps);
        QTest::newRow("negative total")
            << std::vector<BandWidth>{{-1, 100}} << "0" << int(BandwidthCalculator::UnitGbps);
    }

    void fromList()
    {
        QFETCH(std::vector<BandWidth>, items);
        QFETCH(QString, value);
        QFETCH(int, unit);

        int iUnit = -1;
        const double dValue = BandwidthCalculator().CalculateBandwidth(items, iUnit);
        QCOMPARE(QString::number(dValue, 'g', 6), value);
        QCOMPARE(iUnit, unit);
    }
};

QTEST_GUILESS_MAIN(TestBandwidthCalculator)
#include "tst_bandwidthcalculator.moc"
