#include "calc/HDDCapacityCalculator.h"

#include <QCoreApplication>

#include <cmath>
#include <iterator>

namespace {

constexpr int kDeviceTypeDvr = 1;

// Base bitrates (Kbps) by resolution code 0..12.
constexpr double kIpcBase[] = {12288, 8192, 6144, 5688, 4864, 4096, 3072,
                               1280,  1536, 1024, 512,  256,  1920};
constexpr double kDvrBase[] = {4096, 4096, 4096, 3584, 4096, 0,   3072,
                               1536, 1792, 1024, 512,  256,  2240};
static_assert(std::size(kIpcBase) == std::size(kDvrBase), "one base per resolution code");

// 1 / 0.997: the file system's overhead on the raw stream volume.
constexpr double kOverhead = 1.0030090270812437;
constexpr int kHoursPerDay = 24;

// The capacity formula, before the shown range is applied.
double gigabytesFor(double dBitRate, int iHours)
{
    return static_cast<double>(iHours) * (dBitRate * 3600.0) * kOverhead / 8000000.0 * 1.024;
}

} // namespace

void HDDCapacityCalculator::CalculateCapacity(double dBitRate, int iHours, double& dTB,
                                              double& dGB) const
{
    dGB = gigabytesFor(dBitRate, iHours);
    dTB = dGB / 1000.0;
    if (!(dTB >= 0.0 && dTB <= kMaxTB)) {
        dTB = 0.0;
        dGB = 0.0;
    }
}

QString HDDCapacityCalculator::capacityText(double dTB, double dGB)
{
    // The page's translation context, so that its translations apply.
    if (dTB > 1.0) {
        return QString::number(dTB, 'g', 6) +
               QCoreApplication::translate("HDDCapacityWidget", "TB");
    }
    return QString::number(dGB, 'g', 6) + QCoreApplication::translate("HDDCapacityWidget", "GB");
}

int HDDCapacityCalculator::recordDaysThatFit(double dBitRate, double dDiskGB) const
{
    int iDays = 0;
    while (iDays <= kMaxRecordDays &&
           gigabytesFor(dBitRate, (iDays + 1) * kHoursPerDay) <= dDiskGB) {
        ++iDays;
    }
    return iDays;
}

double HDDCapacityCalculator::GetDefaultBitrate(int iDeviceType, int iVideoStandard,
                                                int iResolution, double dFrameRate) const
{
    if (iResolution < 0 || iResolution >= static_cast<int>(std::size(kIpcBase))) {
        return 0.0;
    }
    const double dFullRate = iVideoStandard != 0 ? 30.0 : 25.0;
    if (iDeviceType == kDeviceTypeDvr) {
        const double dBase = kDvrBase[iResolution];
        return dBase / 5.0 + dFrameRate * 4.0 * dBase / (dFullRate * 5.0);
    }
    const double dBase = kIpcBase[iResolution];
    if (dFrameRate >= 10.0) {
        return dFrameRate * dBase / dFullRate;
    }
    const double dTenFps = 10.0 * dBase / dFullRate;
    if (dFrameRate >= 1.0) {
        return dTenFps * std::pow(0.9, 10.0 - dFrameRate);
    }
    return dTenFps * std::pow(0.9, 9.0);
}
