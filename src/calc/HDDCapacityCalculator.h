#ifndef HDDCAPACITYCALCULATOR_H
#define HDDCAPACITYCALCULATOR_H

#include <QString>

// Disk capacity for a record time, and the default bitrate proposed for a
// stream by device type, video standard, resolution and frame rate.
class HDDCapacityCalculator
{
public:
    // Capacity that iHours of a total bitrate of dBitRate Kbps need, in TB and
    // in GB. Negative capacities and capacities above kMaxTB give 0 in both.
    void CalculateCapacity(double dBitRate, int iHours, double& dTB, double& dGB) const;

    // The capacity as the HDD page shows it: in TB above 1 TB, else in GB.
    static QString capacityText(double dTB, double dGB);

    // The largest whole number of days, 0..kMaxRecordDays, whose capacity at
    // dBitRate Kbps fits a disk of dDiskGB; kMaxRecordDays + 1 when more
    // than kMaxRecordDays would fit.
    int recordDaysThatFit(double dBitRate, double dDiskGB) const;

    // Default bitrate in Kbps; iDeviceType 1 is a DVR, any other value an
    // IPC; iVideoStandard 0 is PAL (full rate 25), any other NTSC (30).
    // An unknown resolution code gives 0.
    double GetDefaultBitrate(int iDeviceType, int iVideoStandard, int iResolution,
                             double dFrameRate) const;

    static constexpr double kMaxTB = 20000.0;
    static constexpr int kMaxRecordDays = 365;
};

#endif
