#include "calc/NvrCalculator.h"

#include "calc/NvrModelTable.h"

#include <algorithm>

NvrCalculator::NvrCalculator()
{
    NvrModelTable::fill();
}

int NvrCalculator::compute(const QString& qsModelName, const std::vector<NvrBandWidth>& vsBandWidth)
{
    NvrModelInfo model;
    NvrModelTable::findModelByName(qsModelName, model);
    m_iModelId = model.id;

    m_vsEntries.clear();
    qint64 llTotalDevices = 0; // a sum of 32-bit counts
    bool bTooFast = false;
    for (size_t i = 0; i < vsBandWidth.size(); ++i) {
        NvrStreamEntry entry;
        entry.index = static_cast<int>(i) + 1;
        entry.bitrate = vsBandWidth[i].Bitrate;
        entry.count = vsBandWidth[i].DeviceNum;
        // A negative count or bitrate is no device: it neither offsets the
        // total nor takes a place.
        if (entry.count > 0) {
            llTotalDevices += entry.count;
        }
        if (entry.bitrate > model.bandwidth) {
            bTooFast = true;
        }
        if (entry.bitrate > 0 && entry.count > 0) {
            m_vsEntries.push_back(entry);
        }
    }
    if (llTotalDevices > kMaxDevices) {
        return ResultTooManyDevices;
    }
    if (bTooFast) {
        return ResultBitrateTooHigh;
    }
    if (m_vsEntries.empty()) {
        return ResultNothingToPlace;
    }
    return allocate();
}

const std::vector<NvrStreamEntry>& NvrCalculator::sortedByBitrate(int iHighest)
{
    // Entries above iHighest are not placed at all: they go first, in input
    // order, and stop the allocation.
    auto key = [iHighest](const NvrStreamEntry& entry) {
        return entry.bitrate > iHighest ? 0 : iHighest - entry.bitrate + 1;
    };
    m_viBucketStart.assign(static_cast<size_t>(iHighest) + 2, 0);
    for (const NvrStreamEntry& entry : m_vsEntries) {
        ++m_viBucketStart[static_cast<size_t>(key(entry))];
    }
    int iStart = 0;
    for (int& iBucket : m_viBucketStart) {
        const int iSize = iBucket;
        iBucket = iStart;
        iStart += iSize;
    }
    m_vsSorted.resize(m_vsEntries.size());
    for (const NvrStreamEntry& entry : m_vsEntries) {
        m_vsSorted[static_cast<size_t>(m_viBucketStart[static_cast<size_t>(key(entry))]++)] = entry;
    }
    return m_vsSorted;
}

int NvrCalculator::allocate()
{
    NvrModelInfo model;
    NvrModelTable::findModelById(m_iModelId, model, 0);
    const int iBandwidth = model.bandwidth;
    const int iChannels = model.capacityChannels;

    m_openNvrs.reset();

    int iRecorders = 0;
    for (const NvrStreamEntry& entry : sortedByBitrate(iBandwidth)) {
        const int iBitrate = entry.bitrate;
        if (iBitrate > iBandwidth) {
            return 0;
        }
        const int iLeft = m_openNvrs.fillFirstFit(iBitrate, entry.count);
        if (iLeft == 0) {
            continue;
        }
        // Devices one fresh recorder takes.
        const int iPerRecorder = std::min(iBandwidth / iBitrate, iChannels);
        if (iPerRecorder < iLeft && iPerRecorder != 0) {
            const int iFull = iLeft / iPerRecorder;
            const int iRest = iLeft % iPerRecorder;
            m_openNvrs.append(iRecorders + 1, iRecorders + iFull,
                              iBandwidth - iPerRecorder * iBitrate, iChannels - iPerRecorder);
            iRecorders += iFull;
            if (iRest > 0) {
                ++iRecorders;
                m_openNvrs.append(iRecorders, iRecorders, iBandwidth - iRest * iBitrate,
                                  iChannels - iRest);
            }
        } else if (iPerRecorder == iLeft) {
            // A recorder filled to its computed share is closed, whatever it
            // has left.
            ++iRecorders;
        } else {
            ++iRecorders;
            m_openNvrs.append(iRecorders, iRecorders, iBandwidth - iLeft * iBitrate,
                              iChannels - iLeft);
        }
    }
    return iRecorders;
}
