#ifndef DEVICEGROUPTOTALS_H
#define DEVICEGROUPTOTALS_H

#include "model/DeviceGroupInfo.h"
#include "model/NvrBandWidth.h"

#include <vector>

// The calculators' inputs from a task's stored device groups: what the
// window's pages and the command line both compute from.
class DeviceGroupTotals
{
public:
    // Sum over the groups of the sum over their used stream groups of
    // StreamNum x Bitrate, in Kbps; DeviceNum is not a factor.
    static double totalBitrate(const std::vector<DeviceGroupInfo>& vGroups);
    // One entry {MainStream + SubStream, DeviceNum} per group that is not a
    // DVR group, in file order.
    static std::vector<NvrBandWidth> nvrBandWidths(const std::vector<DeviceGroupInfo>& vGroups);
};

#endif
