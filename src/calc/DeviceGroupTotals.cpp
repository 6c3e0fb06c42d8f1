#include "calc/DeviceGroupTotals.h"

#include <QtGlobal>

double DeviceGroupTotals::totalBitrate(const std::vector<DeviceGroupInfo>& vGroups)
{
    double dTotal = 0.0;
    for (const DeviceGroupInfo& group : vGroups) {
        // One group alone can pass the range of 32 bits (384000 x 16384).
        qint64 iGroupSum = 0;
        for (const StreamGroupInfo& stream : group.StreamGroups) {
            if (stream.Used) {
                iGroupSum += qint64(stream.StreamNum) * stream.Bitrate;
            }
        }
        dTotal += double(iGroupSum);
    }
    return dTotal;
}

std::vector<NvrBandWidth>
DeviceGroupTotals::nvrBandWidths(const std::vector<DeviceGroupInfo>& vGroups)
{
    std::vector<NvrBandWidth> vsBandWidth;
    for (const DeviceGroupInfo& group : vGroups) {
        if (group.Type != DeviceKindDvr) {
            NvrBandWidth bandWidth;
            bandWidth.Bitrate = group.MainStream + group.SubStream;
            bandWidth.DeviceNum = group.DeviceNum;
            vsBandWidth.push_back(bandWidth);
        }
    }
    return vsBandWidth;
}
