#ifndef BANDWIDTHCALCULATOR_H
#define BANDWIDTHCALCULATOR_H

#include "model/BandWidth.h"

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

    // The largest Gbps value shown; anything above is shown as 0Gbps.
    static constexpr double kMaxGbps = 2000.0;
};

#endif
