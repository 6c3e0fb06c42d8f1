#include "calc/OpenNvrList.h"

#include <QtGlobal>

#include <algorithm>

namespace {
constexpr int kInitialLeaves = 1024;
}

void OpenNvrList::reset()
{
    m_iLeaves = kInitialLeaves;
    m_viMaxFree.assign(2 * static_cast<size_t>(m_iLeaves), -1);
    m_viRunLast.resize(static_cast<size_t>(m_iLeaves));
    m_viRunChannels.resize(static_cast<size_t>(m_iLeaves));
    m_iSearchBitrate = 0;
    m_iSearchFrom = 0;
    m_iEnd = 0;
    m_iStaleLeaf = -1;
}

void OpenNvrList::growFor(int iRecorder)
{
    m_iStaleLeaf = -1; // every inner node is rebuilt below
    int iLeaves = m_iLeaves;
    while (iLeaves <= iRecorder) {
        iLeaves *= 2;
    }
    std::vector<int> viMaxFree(2 * static_cast<size_t>(iLeaves), -1);
    std::copy(m_viMaxFree.begin() + m_iLeaves, m_viMaxFree.end(), viMaxFree.begin() + iLeaves);
    for (size_t node = static_cast<size_t>(iLeaves) - 1; node >= 1; --node) {
        viMaxFree[node] = std::max(viMaxFree[2 * node], viMaxFree[2 * node + 1]);
    }
    m_viMaxFree.swap(viMaxFree);
    m_iLeaves = iLeaves;
    m_viRunLast.resize(static_cast<size_t>(iLeaves));
    m_viRunChannels.resize(static_cast<size_t>(iLeaves));
}

void OpenNvrList::append(int iFirst, int iLast, int iFreeBandwidth, int iFreeChannels)
{
    if (iFirst <= iLast && iFreeBandwidth > 0 && iFreeChannels > 0) {
        setRun(iFirst, iLast, iFreeBandwidth, iFreeChannels);
        m_iEnd = std::max(m_iEnd, iLast + 1);
    }
}

int OpenNvrList::fillFirstFit(int iBitrate, int iDevices)
{
    while (iDevices > 0) {
        const int iFirst = firstRunWithFree(iBitrate);
        if (iFirst < 0) {
            break;
        }
        const int iFree = m_viMaxFree[static_cast<size_t>(m_iLeaves + iFirst)];
        const int iChannels = m_viRunChannels[static_cast<size_t>(iFirst)];
        const int iLast = m_viRunLast[static_cast<size_t>(iFirst)];
        const int iTake = std::min(iFree / iBitrate, iChannels);
        const qint64 llRunTakes = static_cast<qint64>(iLast - iFirst + 1) * iTake;

        if (iDevices >= llRunTakes) {
            // Every recorder of the run takes its share; its free bandwidth
            // drops below this bitrate or a resource runs out.
            iDevices -= static_cast<int>(llRunTakes);
            setRun(iFirst, iLast, iFree - iTake * iBitrate, iChannels - iTake);
            continue;
        }
        // The devices run out inside this run: the first recorders take a
        // full share, one may take the rest, the others stay as they were.
        const int iFullRecorders = iDevices / iTake;
        const int iRest = iDevices % iTake;
        int iNext = iFirst;
        if (iFullRecorders > 0) {
            setRun(iFirst, iFirst + iFullRecorders - 1, iFree - iTake * iBitrate,
                   iChannels - iTake);
            iNext += iFullRecorders;
        }
        if (iRest > 0) {
            setRun(iNext, iNext, iFree - iRest * iBitrate, iChannels - iRest);
            ++iNext;
        }
        append(iNext, iLast, iFree, iChannels);
        iDevices = 0;
    }
    return iDevices;
}

void OpenNvrList::setRun(int iFirst, int iLast, int iFreeBandwidth, int iFreeChannels)
{
    if (iFreeBandwidth <= 0 || iFreeChannels <= 0) {
        setFreeBandwidth(iFirst, -1); // an existing run: it is in the tree
        return;
    }
    if (iFirst >= m_iLeaves) {
        growFor(iFirst);
    }
    m_viRunLast[static_cast<size_t>(iFirst)] = iLast;
    m_viRunChannels[static_cast<size_t>(iFirst)] = iFreeChannels;
    setFreeBandwidth(iFirst, iFreeBandwidth);
}

void OpenNvrList::setFreeBandwidth(int iRecorder, int iFreeBandwidth)
{
    if (m_iStaleLeaf != iRecorder) {
        updateAncestors();
    }
    m_viMaxFree[static_cast<size_t>(m_iLeaves + iRecorder)] = iFreeBandwidth;
    m_iStaleLeaf = iRecorder;
}

void OpenNvrList::updateAncestors()
{
    if (m_iStaleLeaf < 0) {
        return;
    }
    size_t node = static_cast<size_t>(m_iLeaves + m_iStaleLeaf);
    m_iStaleLeaf = -1;
    while (node > 1) {
        node /= 2;
        const int iMax = std::max(m_viMaxFree[2 * node], m_viMaxFree[2 * node + 1]);
        if (m_viMaxFree[node] == iMax) {
            break; // the ancestors above are unchanged as well
        }
        m_viMaxFree[node] = iMax;
    }
}

int OpenNvrList::firstRunWithFree(int iBitrate)
{
    // Free bandwidth only shrinks and new runs start behind the old ones, so
    // for the same bitrate the answer never lies before the last one.
    if (iBitrate == m_iSearchBitrate && m_iSearchFrom < m_iLeaves &&
        m_viMaxFree[static_cast<size_t>(m_iLeaves + m_iSearchFrom)] >= iBitrate) {
        return m_iSearchFrom;
    }
    m_iSearchBitrate = iBitrate;
    updateAncestors();
    if (m_viMaxFree[1] < iBitrate) {
        m_iSearchFrom = m_iEnd; // the next run appended
        return -1;
    }
    size_t node = 1;
    while (node < static_cast<size_t>(m_iLeaves)) {
        node = m_viMaxFree[2 * node] >= iBitrate ? 2 * node : 2 * node + 1;
    }
    m_iSearchFrom = static_cast<int>(node) - m_iLeaves;
    return m_iSearchFrom;
}
