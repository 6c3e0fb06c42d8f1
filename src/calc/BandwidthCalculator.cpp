#include "calc/BandwidthCalculator.h"

#include <QCoreApplication>

#include <cmath>

namespace {

constexpr double kLoadFactor = 0.7;
constexpr double kKbpsPerMbps = 1024.0;
constexpr double kKbpsPerGbps = 1024.0 * 1024.0;

// Rounds up to one decimal. The scaling runs in single precision so that
// values such as 1000 Kbps (1.3955 Mbps) land on the published 1.4.
double ceilToTenthOfMbps(double dKbps)
{
    float fTenths = static_cast<float>(dKbps);
    fTenths = fTenths / 1024.0f;
    fTenths = fTenths * 10.0f;
    return static_cast<double>(std::ceil(fTenths)) / 10.0;
}

double ceilToTenthOfGbps(double dKbps)
{
    float fTenths = static_cast<float>(dKbps);
    fTenths = fTenths / 1024.0f;
    fTenths = fTenths / 1024.0f;
    fTenths = fTenths * 10.0f;
    return static_cast<double>(std::ceil(fTenths)) / 10.0;
}

} // namespace

double BandwidthCalculator::CalculateBandwidth(const std::vector<BandWidth>& vsBandWidth,
                                               int& iUnit) const
{
    double dTotal = 0.0;
    for (const BandWidth& item : vsBandWidth) {
        // 384000 streams x 16384 Kbps does not fit 32 bits.
        dTotal += static_cast<double>(static_cast<qint64>(item.Count) * item.Bitrate);
    }
    return CalculateBandwidth(dTotal, iUnit);
}

double BandwidthCalculator::CalculateBandwidth(double dBitRate, int& iUnit) const
{
    iUnit = UnitGbps;
    if (std::isnan(dBitRate) || dBitRate < 0.0) {
        return 0.0;
    }
    const double dRequired = std::ceil(dBitRate / kLoadFactor);
    if (dRequired > kKbpsPerGbps) {
        const double dGbps = ceilToTenthOfGbps(dRequired);
        return dGbps > kMaxGbps ? 0.0 : dGbps;
    }
    if (dRequired > kKbpsPerMbps) {
        iUnit = UnitMbps;
        return ceilToTenthOfMbps(dRequired);
    }
    iUnit = UnitKbps;
    return dRequired;
}

QString BandwidthCalculator::bandwidthText(double dBitRate) const
{
    int iUnit = UnitGbps;
    const double dValue = CalculateBandwidth(dBitRate, iUnit);
    return resultText(dValue, iUnit);
}

double BandwidthCalculator::requiredKbps(double dBitRate) const
{
    int iUnit = UnitGbps;
    return CalculateBandwidth(dBitRate, iUnit) > 0.0 ? std::ceil(dBitRate / kLoadFactor) : 0.0;
}

QString BandwidthCalculator::resultText(double dValue, int iUnit)
{
    // The page's translation context, so that its translations apply.
    const char* pszUnit = QT_TRANSLATE_NOOP("BandwidthCalculateWidget", "Gbps");
    if (iUnit == UnitMbps) {
        pszUnit = QT_TRANSLATE_NOOP("BandwidthCalculateWidget", "Mbps");
    } else if (iUnit == UnitKbps) {
        pszUnit = QT_TRANSLATE_NOOP("BandwidthCalculateWidget", "Kbps");
    }
    return QString::number(dValue, 'g', 6) +
           QCoreApplication::translate("BandwidthCalculateWidget", pszUnit);
}
