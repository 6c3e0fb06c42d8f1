#ifndef NVRSTREAMENTRY_H
#define NVRSTREAMENTRY_H

// One IPC device group with devices to place, inside the NVR count
// calculation.
struct NvrStreamEntry
{
    int bitrate = 0; // Kbps per device
    int count = 0;   // devices
};

#endif
