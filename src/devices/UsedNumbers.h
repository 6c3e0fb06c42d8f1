#ifndef USEDNUMBERS_H
#define USEDNUMBERS_H

#include <set>

// The identifiers in use within one task: device numbers (the digits after
// "IPC" or "DVR") and stream-group identifiers, each per device kind
// (0 IPC, 1 DVR).
struct UsedNumbers
{
    std::set<int> IpcDevices;
    std::set<int> DvrDevices;
    std::set<int> IpcStreams;
    std::set<int> DvrStreams;

    std::set<int>& devices(int iKind) { return iKind == 0 ? IpcDevices : DvrDevices; }
    std::set<int>& streams(int iKind) { return iKind == 0 ? IpcStreams : DvrStreams; }

    // The smallest positive number missing from the set; it joins the set.
    static int takeSmallestFree(std::set<int>& numbers);
};

#endif
