#ifndef DEVICEGROUPINFO_H
#define DEVICEGROUPINFO_H

#include "model/StreamGroupInfo.h"

#include <QString>

#include <vector>

// Values of DeviceGroupInfo::Type; the kind is also the DeviceId prefix.
enum DeviceKind : int
{
    DeviceKindIpc = 0, // network camera; the only kind the NVR count takes
    DeviceKindDvr = 1  // recorder; MainStream and SubStream are -1
};

// One device group: a number of identical cameras or recorders with the same
// stream settings, and up to kMaxStreamGroups stream-group slots.
//
// The slots grow on demand: a slot past the end of StreamGroups is an unused
// slot, so a fresh record costs nothing for the slots it does not use.
struct DeviceGroupInfo
{
    static constexpr int kMaxStreamGroups = 1000;

    int DeviceNum = 0;
    int Type = 0; // DeviceKind
    QString DeviceId;
    int MainStream = 0; // Kbps per device; -1 for a DVR group
    int SubStream = 0;  // Kbps per device; -1 for a DVR group
    std::vector<StreamGroupInfo> StreamGroups;

    // Slot iSlot (0 <= iSlot < kMaxStreamGroups), created unused when missing.
    StreamGroupInfo& slot(int iSlot);
};

#endif
