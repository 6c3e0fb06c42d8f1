#include "calc/HDDCapacityCalculator.h"

#include <QtTest>

#include <limits>

class TestHDDCapacityCalculator : public QObject
{
    Q_OBJECT
private slots:
    void capacity_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("gbAndTb");

        QTest::newRow("1024 Kbps for a day") << 1024.0 << 1 << "11.3587 0.0113587";
        QTest::newRow("1000 Kbps for 30 days") << 1000.0 << 30 << "332.774 0.332774";
        QTest::newRow("4096 Kbps for 30 days") << 4096.0 << 30 << "1363.04 1.36304";
        QTest::newRow("2048 Kbps for 365 days") << 2048.0 << 365 << "8291.85 8.29185";
        QTest::newRow("no bitrate") << 0.0 << 30 << "0 0";
        QTest::newRow("no time") << 1024.0 << 0 << "0 0";
        QTest::newRow("beyond 20000 TB") << 1e9 << 365 << "0 0";
        QTest::newRow("negative") << -1024.0 << 30 << "0 0";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 30 << "0 0";
    }

    void capacity()
    {
        QFETCH(double, total);
        QFETCH(int, days);
        QFETCH(QString, gbAndTb);

        double dTB = -1.0;
        double dGB = -1.0;
        HDDCapacityCalculator().CalculateCapacity(total, days * 24, dTB, dGB);
        QCOMPARE(QString::number(dGB, 'g', 6) + QLatin1Char(' ') + QString::number(dTB, 'g', 6),
                 gbAndTb);
    }

    void defaultBitrate_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<double>("frameRate");
        QTest::addColumn<int>("shown");

        const int IPC = 0;
        const int DVR = 1;
        const int PAL = 0;
        const int NTSC = 1;
        QTest::newRow("IPC 1080P PAL 25") << IPC << PAL << 2 << 25.0 << 6144;
        QTest::newRow("IPC 1080P NTSC 30") << IPC << NTSC << 2 << 30.0 << 6144;
        QTest::newRow("IPC 1080P PAL 12.5") << IPC << PAL << 2 << 12.5 << 3072;
        QTest::newRow("IPC 1080P PAL 10") << IPC << PAL << 2 << 10.0 << 2457;
        QTest::newRow("IPC 1080P PAL 8") << IPC << PAL << 2 << 8.0 << 1990;
        QTest::newRow("IPC 1080P PAL 1") << IPC << PAL << 2 << 1.0 << 952;
        QTest::newRow("IPC 1080P PAL 1/16") << IPC << PAL << 2 << 1.0 / 16 << 952;
        QTest::newRow("IPC 1080P NTSC 20") << IPC << NTSC << 2 << 20.0 << 4096;
        QTest::newRow("IPC 2560*1920 PAL 8") << IPC << PAL << 0 << 8.0 << 3981;
        QTest::newRow("IPC WD1 PAL 25") << IPC << PAL << 12 << 25.0 << 1920;
        QTest::newRow("DVR 4CIF PAL 25") << DVR << PAL << 8 << 25.0 << 1792;
        QTest::newRow("DVR 4CIF PAL 1") << DVR << PAL << 8 << 1.0 << 415;
        QTest::newRow("DVR WD1 PAL 6") << DVR << PAL << 12 << 6.0 << 878;
        QTest::newRow("DVR QCIF NTSC 30") << DVR << NTSC << 11 << 30.0 << 256;
        QTest::newRow("DVR 1280*960 has no base") << DVR << PAL << 5 << 25.0 << 0;
        QTest::newRow("unknown resolution") << IPC << PAL << 13 << 25.0 << 0;
        QTest::newRow("negative resolution") << DVR << PAL << -1 << 25.0 << 0;
    }

    void defaultBitrate()
    {
        QFETCH(int, type);
        QFETCH(int, standard);
        QFETCH(int, resolution);
        QFETCH(double, frameRate);
        QFETCH(int, shown);

        const double dBitrate =
            HDDCapacityCalculator().GetDefaultBitrate(type, standard, resolution, frameRate);
        QCOMPARE(static_cast<int>(dBitrate), shown);
    }
};

QTEST_GUILESS_MAIN(TestHDDCapacityCalculator)
#include "tst_hddcapacitycalculator.moc"
