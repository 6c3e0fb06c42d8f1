#ifndef NVRBANDWIDTH_H
#define NVRBANDWIDTH_H

#include <QMetaType>

// One IPC device group as the NVR calculation sees it.
struct NvrBandWidth
{
    int Bitrate = 0;   // MainStream + SubStream: Kbps one device sends to a recorder
    int DeviceNum = 0; // devices in the group
};

Q_DECLARE_METATYPE(NvrBandWidth)

#endif
