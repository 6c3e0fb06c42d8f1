#include "calc/NvrCalculator.h"

#include "calc/NvrModelTable.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool isPlaceable(const NvrBandWidth& group)
{
    return group.Bitrate > 0 && group.DeviceNum > 0;
}

} // namespace

NvrCalculator::NvrCalculator()
{
    NvrModelTable::fill();
}

QString NvrCalculator::errorText(int iResult)
{
    // The page's translation context, so that its translations apply.
    switch (iResult) {
    case ResultTooManyDevices:
        return QCoreApplication::translate("NVRCalculateWidget",
                                           "The sum of IPC number can not be bigger than 1000000");
    case ResultBitrateTooHigh:
        return QCoreApplication::translate("NVRCalculateWidget",
                                           "The Bit Rate of IPC Typeis bigger than NVR Bandwidth");
    default:
        return QString();
    }
}

int NvrCalculator::compute(const QString& qsModelName, const std::vector<NvrBandWidth>& vsBandWidth)
{
    NvrModelInfo model;
    NvrModelTable::findModelByName(qsModelName, model);
    m_iModelId = model.id;
    const int iBandwidth = model.bandwidth;

    // Entries go into buckets by bitrate as they are checked, highest bitrate
    // first, so that the sort below is a plain counting sort.
    m_viBucketStart.assign(static_cast<size_t>(iBandwidth) + 1, 0);
    auto bucketOf = [iBandwidth](const NvrBandWidth& group) {
        return static_cast<size_t>(iBandwidth - group.Bitrate);
    };
    qint64 llTotalDevices = 0; // a sum of 32-bit counts
    bool bTooFast = false;
    size_t placeableEntries = 0;
    for (const NvrBandWidth& group : vsBandWidth) {
        // A negative count or bitrate is no device: it neither offsets the
        // total nor takes a place.
        if (group.DeviceNum > 0) {
            llTotalDevices += group.DeviceNum;
        }
        if (group.Bitrate > iBandwidth) {
            bTooFast = true;
        } else if (isPlaceable(group)) {
            ++m_viBucketStart[bucketOf(group)];
            ++placeableEntries;
        }
    }
    if (llTotalDevices > kMaxDevices) {
        return ResultTooManyDevices;
    }
    if (bTooFast) {
        return ResultBitrateTooHigh;
    }
    if (placeableEntries == 0) {
        return ResultNothingToPlace;
    }

    int iStart = 0;
    for (int& iBucket : m_viBucketStart) {
        const int iSize = iBucket;
        iBucket = iStart;
        iStart += iSize;
    }
    // Equal bitrates keep their input order.
    m_vsEntries.resize(placeableEntries);
    for (const NvrBandWidth& group : vsBandWidth) {
        if (isPlaceable(group)) {
            NvrStreamEntry& entry =
                m_vsEntries[static_cast<size_t>(m_viBucketStart[bucketOf(group)]++)];
            entry.bitrate = group.Bitrate;
            entry.count = group.DeviceNum;
        }
    }
    return allocate();
}

int NvrCalculator::allocate()
{
    NvrModelInfo model;
    NvrModelTable::findModelById(m_iModelId, model, 0);
    const int iBandwidth = model.bandwidth;
    const int iChannels = model.capacityChannels;

    m_openNvrs.reset();

    int iRecorders = 0;
    for (const NvrStreamEntry& entry : m_vsEntries) {
        const int iBitrate = entry.bitrate; // never above iBandwidth: compute() checked
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
