#include "cli/TaskReport.h"

#include "calc/BandwidthCalculator.h"
#include "calc/DeviceGroupTotals.h"
#include "calc/HDDCapacityCalculator.h"
#include "calc/NvrCalculator.h"
#include "cli/CalcOptions.h"

#include <algorithm>

namespace {

constexpr int kHoursPerDay = 24;

} // namespace

TaskReport TaskReport::compute(const TaskInfo& task, const std::vector<DeviceGroupInfo>& vGroups,
                               const CalcOptions& options)
{
    TaskReport report;
    report.qsName = task.Name;
    report.iType = task.Type;
    report.iDvrGroups = static_cast<int>(
        std::count_if(vGroups.cbegin(), vGroups.cend(),
                      [](const DeviceGroupInfo& group) { return group.Type == DeviceKindDvr; }));
    // Whatever is not a DVR group is counted by the NVR page as an IPC group.
    report.iIpcGroups = static_cast<int>(vGroups.size()) - report.iDvrGroups;

    report.dBitrateKbps = DeviceGroupTotals::totalBitrate(vGroups);
    const BandwidthCalculator bandwidth;
    report.qsBandwidth = bandwidth.bandwidthText(report.dBitrateKbps);
    report.dBandwidthKbps = bandwidth.requiredKbps(report.dBitrateKbps);

    const HDDCapacityCalculator hdd;
    for (const int iDays : options.recordDays) {
        Capacity capacity;
        capacity.iDays = iDays;
        double dTB = 0.0;
        hdd.CalculateCapacity(report.dBitrateKbps, iDays * kHoursPerDay, dTB, capacity.dGB);
        capacity.qsText = HDDCapacityCalculator::capacityText(dTB, capacity.dGB);
        report.capacities.append(capacity);
    }
    if (!options.qsDisk.isEmpty()) {
        report.iDiskDays = hdd.recordDaysThatFit(report.dBitrateKbps, options.dDiskGB);
    }

    report.qsModel = options.qsModel;
    const std::vector<NvrBandWidth> vsBandWidth = DeviceGroupTotals::nvrBandWidths(vGroups);
    const int iResult = NvrCalculator().compute(report.qsModel, vsBandWidth);
    report.iNvrCount = std::max(iResult, 0);
    report.qsNvrError = NvrCalculator::errorText(iResult);
    return report;
}
