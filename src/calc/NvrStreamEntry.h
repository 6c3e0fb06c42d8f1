#ifndef NVRSTREAMENTRY_H
#define NVRSTREAMENTRY_H

// One IPC device group inside the NVR count calculation.
struct NvrStreamEntry
{
    int index = 0;   // 1-based position in the input
    int bitrate = 0; // Kbps per device
    int count = 0;   // devices
};

#endif
