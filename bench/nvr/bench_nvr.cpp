// Times the NVR count on the largest inputs the device list can send: a
// million devices in a few large groups, in many groups of distinct bitrates,
// and in single-device groups, on a 4-channel 20480 Kbps model and on a
// 64-channel 163840 Kbps one. Prints one line per case; the target is 50 ms.
// Wall-clock time suffers when other processes share the cores, so the
// thread's CPU time is printed as well, and the target is judged on it.

#include "calc/NvrCalculator.h"
#include "calc/NvrModelTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <random>

namespace {

constexpr int kRepeats = 5;
constexpr double kTargetMs = 50.0;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

using Groups = std::vector<NvrBandWidth>;

Groups fewLargeGroups(int iBandwidth)
{
    const int iQuarter = NvrCalculator::kMaxDevices / 4;
    return {{iBandwidth, iQuarter},
            {iBandwidth / 3 + 1, iQuarter},
            {iBandwidth / 7 + 5, iQuarter},
            {32, iQuarter}};
}

// One group per bitrate from the model's bandwidth down to 32 Kbps, with the
// million devices shared out evenly.
Groups distinctBitrates(int iBandwidth)
{
    const int iHighest = std::min(iBandwidth, 32768);
    const int iGroups = iHighest - 32 + 1;
    Groups groups;
    int iLeft = NvrCalculator::kMaxDevices;
    for (int i = 0; i < iGroups; ++i) {
        const int iCount = iLeft / (iGroups - i);
        groups.push_back({iHighest - i, iCount});
        iLeft -= iCount;
    }
    return groups;
}

// A million groups of one device each, with bitrates drawn from what main
// plus sub stream can give, so that equal bitrates are frequent.
Groups singleDevices(int iBandwidth)
{
    std::mt19937 random(1205);
    std::uniform_int_distribution<int> stream(32, 16384);
    Groups groups(NvrCalculator::kMaxDevices);
    for (NvrBandWidth& group : groups) {
        group.Bitrate = std::min(stream(random) + stream(random), iBandwidth);
        group.DeviceNum = 1;
    }
    return groups;
}

bool runCase(QTextStream& out, const QString& qsModel, const QString& qsCase, const Groups& groups)
{
    NvrCalculator calculator;
    double dWorstWallMs = 0.0;
    double dWorstCpuMs = 0.0;
    int iResult = 0;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        const double dCpuStart = threadCpuMs();
        timer.start();
        iResult = calculator.compute(qsModel, groups);
        dWorstWallMs = std::max(dWorstWallMs, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        dWorstCpuMs = std::max(dWorstCpuMs, threadCpuMs() - dCpuStart);
    }
    const bool bWithinTarget = dWorstCpuMs <= kTargetMs;
    out << qSetFieldWidth(10) << qsModel << qSetFieldWidth(24) << qsCase << qSetFieldWidth(9)
        << groups.size() << qSetFieldWidth(9) << iResult << qSetFieldWidth(10)
        << QString::number(dWorstCpuMs, 'f', 2) << qSetFieldWidth(10)
        << QString::number(dWorstWallMs, 'f', 2) << qSetFieldWidth(0)
        << (bWithinTarget ? "  ok" : "  OVER TARGET") << Qt::endl;
    return bWithinTarget;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    NvrModelTable::fill();

    out << qSetFieldWidth(10) << "model" << qSetFieldWidth(24) << "case" << qSetFieldWidth(9)
        << "groups" << qSetFieldWidth(9) << "NVRs" << qSetFieldWidth(10) << "cpu ms"
        << qSetFieldWidth(10) << "wall ms" << qSetFieldWidth(0) << "  (worst of " << kRepeats
        << " runs)" << Qt::endl;

    bool bAllWithinTarget = true;
    for (const QString& qsModel : {QStringLiteral("KV-R04-3"), QStringLiteral("KV-T64-1")}) {
        NvrModelInfo model;
        NvrModelTable::findModelByName(qsModel, model);
        bAllWithinTarget &= runCase(out, qsModel, QStringLiteral("few large groups"),
                                    fewLargeGroups(model.bandwidth));
        bAllWithinTarget &= runCase(out, qsModel, QStringLiteral("distinct bitrates"),
                                    distinctBitrates(model.bandwidth));
        bAllWithinTarget &= runCase(out, qsModel, QStringLiteral("single-device groups"),
                                    singleDevices(model.bandwidth));
    }
    return bAllWithinTarget ? 0 : 1;
}
