#ifndef NVRCALCULATOR_H
#define NVRCALCULATOR_H

#include "calc/NvrStreamEntry.h"
#include "calc/OpenNvrList.h"
#include "model/NvrBandWidth.h"

#include <QString>

#include <vector>

// Counts the recorders of one model that the IPC device groups of a task need.
// Each calculator keeps its own working lists, so calculators on different
// threads do not disturb each other; the model table is shared.
class NvrCalculator
{
public:
    enum Result
    {
        ResultNothingToPlace = 0,
        ResultTooManyDevices = -1, // more than kMaxDevices devices
        ResultBitrateTooHigh = -2, // a device sends more than the model takes
    };
    static constexpr int kMaxDevices = 1000000;

    // Fills the model table if it is still empty.
    NvrCalculator();

    // The number of recorders of model qsModelName needed for the groups, or
    // a Result code. A model name not in the table accepts no bitrate at all.
    int compute(const QString& qsModelName, const std::vector<NvrBandWidth>& vsBandWidth);

    // The NVR page's message for a negative result; empty for a count.
    static QString errorText(int iResult);

private:
    // Allocation of the entry list to recorders of the current model.
    int allocate();

    // The groups that have devices to place, highest bitrate first, equal
    // bitrates in input order.
    std::vector<NvrStreamEntry> m_vsEntries;
    // Counting sort by bitrate: where each bitrate's entries start.
    std::vector<int> m_viBucketStart;
    OpenNvrList m_openNvrs;
    int m_iModelId = 0;
};

#endif
