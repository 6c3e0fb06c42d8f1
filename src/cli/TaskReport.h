#ifndef TASKREPORT_H
#define TASKREPORT_H

#include "calc/HDDCapacityCalculator.h"
#include "model/DeviceGroupInfo.h"
#include "model/TaskInfo.h"

#include <QString>
#include <QVector>

#include <vector>

class CalcOptions;

// The results of one task: the texts the window's pages show for it and the
// same results as numbers, computed by the calculators the pages use.
class TaskReport
{
public:
    struct Capacity
    {
        int iDays = 0;
        QString qsText; // as the HDD page shows it
        double dGB = 0.0;
    };

    static constexpr int kNoDisk = -1; // no disk size was asked for

    static TaskReport compute(const TaskInfo& task, const std::vector<DeviceGroupInfo>& vGroups,
                              const CalcOptions& options);

    // The disk holds more days than the longest record time.
    bool diskHoldsMoreThanMaxDays() const
    {
        return iDiskDays > HDDCapacityCalculator::kMaxRecordDays;
    }

    QString qsName;
    int iType = TaskTypeNormal;
    int iIpcGroups = 0;
    int iDvrGroups = 0;
    double dBitrateKbps = 0.0;
    QString qsBandwidth; // as the bandwidth page shows it
    double dBandwidthKbps = 0.0;
    QVector<Capacity> capacities; // one per record time, in the order asked
    QString qsModel;
    int iNvrCount = 0;       // 0 after an error, as the NVR page shows it
    QString qsNvrError;      // the NVR page's message; empty for a count
    int iDiskDays = kNoDisk; // 0..kMaxRecordDays, or more: see above
};

#endif
