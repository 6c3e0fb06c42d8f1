#ifndef BANDWIDTHCALCULATOR_H
#define BANDWIDTHCALCULATOR_H

#include "model/BandWidth.h"

#include <QString>

#include <vector>

// Turns a total stream bitrate (Kbps) into the network bandwidth the links need
// at 70 % load, rounded up and scaled to Gbps, Mbps or Kbps.
class BandwidthCalculator
{
public:
    // Unit codes given back through the out-parameters.
    enum Unit
    {
        UnitGbps = 0,
        UnitMbps = 1,
        UnitKbps = 2
    };

    // Bandwidth for the sum of Count x Bitrate over the items.
    double CalculateBandwidth(const std::vector<BandWidth>& vsBandWidth, int& iUnit) const;
    // Bandwidth for a total bitrate in Kbps.
    double CalculateBandwidth(double dBitRate, int& iUnit) const;

    // The bandwidth for a total bitrate in Kbps as the bandwidth page shows
    // it, e.g. "11.5Mbps".
    QString bandwidthText(double dBitRate) const;
    // The required bandwidth in whole Kbps, unscaled; 0 where the page shows
    // 0Gbps (a negative total, or more than kMaxGbps).
    double requiredKbps(double dBitRate) const;
    // A value and unit code of CalculateBandwidth() as the page shows them.
    static QString resultText(double dValue, int iUnit);

    // The largest Gbps value shown; anything above is shown as 0Gbps.
    static constexpr double kMaxGbps = 2000.0;
};

#endif
