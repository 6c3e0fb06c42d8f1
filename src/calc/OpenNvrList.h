#ifndef OPENNVRLIST_H
#define OPENNVRLIST_H

#include <vector>

// The recorders of one NVR count calculation that still have bandwidth and
// channels left, in the order they were opened (which is their numbering).
//
// Recorders opened together with the same load are identical and stay so
// until a group fills only part of them, so the list keeps runs of identical
// recorders rather than single ones: a group of many devices fills a whole run
// in one step. A max-tree over the recorder numbers finds the first run with
// enough free bandwidth without walking the runs in front of it.
class OpenNvrList
{
public:
    // Empties the list.
    void reset();

    // Adds recorders iFirst..iLast, each with the given free bandwidth and
    // channels; a recorder with no bandwidth or no channel left is not open.
    void append(int iFirst, int iLast, int iFreeBandwidth, int iFreeChannels);

    // Places iDevices devices of iBitrate Kbps first fit: every open recorder,
    // in order, with at least iBitrate free takes as many as its bandwidth and
    // channels allow. Returns the devices that found no room.
    int fillFirstFit(int iBitrate, int iDevices);

private:
    // Makes room for recorder numbers up to iRecorder.
    void growFor(int iRecorder);
    // Sets the run starting at recorder iFirst; drops it when it is full.
    void setRun(int iFirst, int iLast, int iFreeBandwidth, int iFreeChannels);
    // Sets a leaf; its ancestors follow when the tree is next searched or
    // another leaf changes, so a recorder filled device by device costs one
    // walk up the tree.
    void setFreeBandwidth(int iRecorder, int iFreeBandwidth);
    void updateAncestors();
    // First run start whose recorders have at least iBitrate free, or -1.
    int firstRunWithFree(int iBitrate);

    int m_iLeaves = 0;
    // Max-tree of free bandwidth; the leaf of a run's first recorder holds
    // the run's free bandwidth, every other leaf -1.
    std::vector<int> m_viMaxFree;
    // By a run's first recorder: its last recorder and its free channels.
    std::vector<int> m_viRunLast;
    std::vector<int> m_viRunChannels;
    // The leaf whose ancestors are not updated yet, or -1.
    int m_iStaleLeaf = -1;
    // One past the last recorder appended.
    int m_iEnd = 0;
    // The last search: its bitrate and where its answer was (or, when it
    // found none, m_iEnd at that time). Groups of equal bitrate mostly fill
    // the same recorder one after the other, which then needs no search.
    int m_iSearchBitrate = 0;
    int m_iSearchFrom = 0;
};

#endif
