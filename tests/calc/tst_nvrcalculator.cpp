#include "ReferenceNvrCount.h"
#include "calc/CalNVRThread.h"
#include "calc/NvrCalculator.h"
#include "calc/NvrModelTable.h"

#include <QtTest>

#include <random>
#include <set>

using Groups = std::vector<NvrBandWidth>;
Q_DECLARE_METATYPE(Groups)

namespace {

// Bitrates the device list can send: main + sub, each 0 or 32..16384, plus
// exact fractions of the model's bandwidth and the bandwidth itself, which
// hit the boundaries of the allocation.
int randomBitrate(std::mt19937& random, const NvrModelInfo& model)
{
    auto pick = [&](int iLow, int iHigh) {
        return std::uniform_int_distribution<int>(iLow, iHigh)(random);
    };
    switch (pick(0, 9)) {
    case 0:
        return 0;
    case 1:
    case 2:
        return model.bandwidth / pick(1, model.channels + 3);
    case 3:
        return model.bandwidth;
    default: {
        const int iMain = pick(0, 5) == 0 ? 0 : pick(32, 16384);
        const int iSub = pick(0, 2) == 0 ? 0 : pick(32, 16384);
        return std::min(iMain + iSub, model.bandwidth);
    }
    }
}

Groups randomGroups(std::mt19937& random, const NvrModelInfo& model)
{
    auto pick = [&](int iLow, int iHigh) {
        return std::uniform_int_distribution<int>(iLow, iHigh)(random);
    };
    const int iGroups = pick(0, 4) == 0 ? pick(30, 200) : pick(0, 12);
    const int iMaxCount = iGroups > 30 ? 999 : (pick(0, 4) == 0 ? 60000 : 40);
    // A small pool of bitrates makes equal bitrates common.
    std::vector<int> pool(static_cast<size_t>(pick(1, 6)));
    for (int& iBitrate : pool) {
        iBitrate = randomBitrate(random, model);
    }
    Groups groups;
    for (int i = 0; i < iGroups; ++i) {
        const int iBitrate = pick(0, 2) == 0
                                 ? randomBitrate(random, model)
                                 : pool[static_cast<size_t>(pick(0, int(pool.size()) - 1))];
        const int iCount = pick(0, 7) == 0 ? 0 : pick(1, iMaxCount);
        groups.push_back({iBitrate, iCount});
    }
    if (pick(0, 40) == 0) {
        groups.push_back({pick(0, 3) == 0 ? model.bandwidth + 1 : 32, 1000000});
    }
    if (pick(0, 40) == 0) {
        groups.push_back({model.bandwidth + pick(1, 1000), pick(0, 3)});
    }
    return groups;
}

} // namespace

class TestNvrCalculator : public QObject
{
    Q_OBJECT
private slots:
    void tableIsFilledOnce()
    {
        QCOMPARE(NvrModelTable::size(), 0);
        NvrCalculator first;
        QCOMPARE(NvrModelTable::size(), 47);
        NvrCalculator second;
        QCOMPARE(NvrModelTable::size(), 47);

        std::set<int> ids;
        for (int iRow = 0; iRow < NvrModelTable::size(); ++iRow) {
            const NvrModelInfo row = NvrModelTable::at(iRow);
            ids.insert(row.id);
            QCOMPARE(row.capacityChannels, 0);
            QCOMPARE(row.secondChannels, iRow >= 32 && iRow <= 43 ? row.channels : 0);
        }
        QCOMPARE(ids.size(), size_t(47));
        QCOMPARE(*ids.begin(), 0);
        QCOMPARE(*ids.rbegin(), 46);
        QCOMPARE(NvrModelTable::at(47).name, QString());
    }

    void tableRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bandwidth");

        QTest::newRow("first") << 0 << 0 << "KV-R08-1" << 8 << 40960;
        QTest::newRow("row 8") << 7 << 28 << "KV-R04-3" << 4 << 20480;
        QTest::newRow("KV-Z64-1 takes 32") << 27 << 37 << "KV-Z64-1" << 32 << 163840;
        QTest::newRow("row 33") << 32 << 16 << "KV-M04-1" << 4 << 20480;
        QTest::newRow("KV-Z16-7 at 40960") << 44 << 39 << "KV-Z16-7" << 16 << 40960;
        QTest::newRow("KV-Z32-7 at 81920") << 45 << 40 << "KV-Z32-7" << 32 << 81920;
        QTest::newRow("last") << 46 << 41 << "KV-Z64-7" << 64 << 163840;
    }

    void tableRows()
    {
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(int, channels);
        QFETCH(int, bandwidth);

        NvrCalculator calculator;
        const NvrModelInfo model = NvrModelTable::at(row);
        QCOMPARE(model.id, id);
        QCOMPARE(model.name, name);
        QCOMPARE(model.channels, channels);
        QCOMPARE(model.bandwidth, bandwidth);

        NvrModelInfo byName;
        byName.capacityChannels = 99;
        QVERIFY(NvrModelTable::findModelByName(name, byName));
        QCOMPARE(byName.id, id);
        QCOMPARE(byName.channels, channels);
        QCOMPARE(byName.bandwidth, bandwidth);
        QCOMPARE(byName.capacityChannels, 99);
    }

    void findByNameMisses()
    {
        NvrCalculator calculator;
        for (const QString& qsName :
             {QString(), QStringLiteral("kv-r08-1"), QStringLiteral("KV-R08")}) {
            NvrModelInfo model;
            QVERIFY(!NvrModelTable::findModelByName(qsName, model));
            QCOMPARE(model.id, 0);
            QCOMPARE(model.name, QString());
            QCOMPARE(model.bandwidth, 0);
        }
    }

    void findByIdSetsCapacity()
    {
        NvrCalculator calculator;
        NvrModelInfo model;
        QVERIFY(NvrModelTable::findModelById(37, model, -1));
        QCOMPARE(model.name, QStringLiteral("KV-Z64-1"));
        QCOMPARE(model.capacityChannels, 0);

        QVERIFY(NvrModelTable::findModelById(37, model, 2));
        QCOMPARE(model.capacityChannels, 34);
        QCOMPARE(NvrModelTable::at(27).capacityChannels, 34);

        QVERIFY(NvrModelTable::findModelById(37, model, 0));
        QCOMPARE(model.capacityChannels, 32);
        QCOMPARE(NvrModelTable::at(27).capacityChannels, 32);

        NvrModelInfo untouched;
        QVERIFY(!NvrModelTable::findModelById(47, untouched, 0));
        QCOMPARE(untouched.name, QString());
    }

    void compute_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Groups>("groups");
        QTest::addColumn<int>("result");

        QTest::newRow("8 + 2, the rest fits the open one")
            << "KV-R08-1" << Groups{{4096, 10}, {2048, 5}} << 2;
        QTest::newRow("a recorder filled to its share is closed")
            << "KV-R16-1" << Groups{{16000, 5}, {512, 3}} << 2;
        QTest::newRow("split recorders stay open")
            << "KV-R16-1" << Groups{{16000, 6}, {512, 3}} << 2;
        QTest::newRow("small groups first in input, placed last")
            << "KV-R16-1" << Groups{{512, 3}, {16000, 6}} << 2;
        QTest::newRow("bitrate equal to the bandwidth") << "KV-R08-1" << Groups{{40960, 3}} << 3;
        QTest::newRow("bitrate above the bandwidth") << "KV-R08-1" << Groups{{40961, 3}} << -2;
        QTest::newRow("channels limit") << "KV-R04-3" << Groups{{32, 9}} << 3;
        QTest::newRow("a million devices") << "KV-R08-1" << Groups{{4096, 1000000}} << 125000;
        QTest::newRow("a million and one") << "KV-R08-1" << Groups{{4096, 999999}, {0, 2}} << -1;
        QTest::newRow("too many wins over too fast")
            << "KV-R08-1" << Groups{{40961, 1000001}} << -1;
        QTest::newRow("counts beyond 32 bits")
            << "KV-R08-1" << Groups{{4096, 2147483647}, {4096, 2147483647}} << -1;
        QTest::newRow("nothing to place") << "KV-R08-1" << Groups{{0, 5}, {4096, 0}} << 0;
        QTest::newRow("empty") << "KV-R08-1" << Groups{} << 0;
        QTest::newRow("count 0 is still too fast") << "KV-R08-1" << Groups{{50000, 0}} << -2;
        QTest::newRow("unknown model") << "" << Groups{{32, 1}} << -2;
        QTest::newRow("unknown model, nothing to place") << "" << Groups{{0, 1}} << 0;
        QTest::newRow("KV-Z64-1 has 32 channels") << "KV-Z64-1" << Groups{{32, 64}} << 2;
    }

    void compute()
    {
        QFETCH(QString, model);
        QFETCH(Groups, groups);
        QFETCH(int, result);

        NvrCalculator calculator;
        QCOMPARE(calculator.compute(model, groups), result);
        QCOMPARE(reference::compute(model, groups), result);
    }

    void illegalCountsAndBitratesArePassedOver()
    {
        NvrCalculator calculator;
        QCOMPARE(calculator.compute(QStringLiteral("KV-R08-1"), Groups{{4096, -5}, {4096, 10}}), 2);
        QCOMPARE(calculator.compute(QStringLiteral("KV-R08-1"), Groups{{-100, 5}}), 0);
        QCOMPARE(calculator.compute(QStringLiteral("KV-R08-1"),
                                    Groups{{4096, -2000000}, {4096, 1000001}}),
                 -1);
    }

    void sameCountAsReference()
    {
        NvrCalculator calculator;
        const unsigned seed = 20261205;
        std::mt19937 random(seed);
        int iCompared = 0;
        std::set<int> results;
        for (int iRun = 0; iRun < 6000; ++iRun) {
            const int iRow =
                std::uniform_int_distribution<int>(0, NvrModelTable::size() - 1)(random);
            const NvrModelInfo model = NvrModelTable::at(iRow);
            const Groups groups = randomGroups(random, model);

            const int iExpected = reference::compute(model.name, groups);
            const int iActual = calculator.compute(model.name, groups);
            if (iActual != iExpected) {
                QString qsGroups;
                for (const NvrBandWidth& group : groups) {
                    qsGroups += QStringLiteral("{%1, %2} ").arg(group.Bitrate).arg(group.DeviceNum);
                }
                QFAIL(qPrintable(QStringLiteral("seed %1 run %2 model %3: %4 instead of %5 for %6")
                                     .arg(seed)
                                     .arg(iRun)
                                     .arg(model.name)
                                     .arg(iActual)
                                     .arg(iExpected)
                                     .arg(qsGroups)));
            }
            ++iCompared;
            results.insert(std::min(iExpected, 2));
        }
        QCOMPARE(iCompared, 6000);
        // Every kind of outcome took part.
        QCOMPARE(results, (std::set<int>{-2, -1, 0, 1, 2}));
    }

    // The calculator's model table is shared: two threads must not disturb
    // each other's count. A thread takes no parent and reports once.
    void threadsReportTheirOwnResults()
    {
        NvrCalculator calculator;
        const Groups wide{{7000, 300000}, {6000, 150000}, {3000, 3}, {512, 20000}};
        const Groups narrow{{32, 999}, {64, 17}, {20480, 40}};
        const int iWide = reference::compute(QStringLiteral("KV-R04-3"), wide);
        const int iNarrow = reference::compute(QStringLiteral("KV-T64-1"), narrow);

        for (int iRound = 0; iRound < 20; ++iRound) {
            CalNVRThread first(this);
            CalNVRThread second;
            QCOMPARE(first.parent(), nullptr);
            QCOMPARE(first.result(), 0);
            QSignalSpy finished(&first, &CalNVRThread::CalSuc);
            first.setParameters(QStringLiteral("KV-R04-3"), wide);
            second.setParameters(QStringLiteral("KV-T64-1"), narrow);
            first.start();
            second.start();
            QVERIFY(first.wait(10000));
            QVERIFY(second.wait(10000));
            QCOMPARE(finished.count(), 1);
            QCOMPARE(first.result(), iWide);
            QCOMPARE(second.result(), iNarrow);
        }
    }
};

QTEST_GUILESS_MAIN(TestNvrCalculator)
#include "tst_nvrcalculator.moc"
