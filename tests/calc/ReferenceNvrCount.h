#ifndef REFERENCENVRCOUNT_H
#define REFERENCENVRCOUNT_H

#include "calc/NvrModelTable.h"
#include "model/NvrBandWidth.h"

#include <QString>

#include <algorithm>
#include <list>
#include <vector>

// The recorder count done the plain way: one open recorder at a time, walked
// first fit from the start of the open list for every group. The product
// must give the same count for every legal input. Equal bitrates keep their
// input order, as in the product.
namespace reference {

struct Entry
{
    int index;
    int bitrate;
    int count;
};

struct OpenNvr
{
    int number;
    int freeBandwidth;
    int freeChannels;
};

inline int allocate(int iModelId, std::vector<Entry> entries)
{
    NvrModelInfo model;
    NvrModelTable::findModelById(iModelId, model, 0);
    const int B = model.bandwidth;
    const int C = model.capacityChannels;
    int N = 0;
    std::list<OpenNvr> open;

    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.bitrate != b.bitrate ? a.bitrate > b.bitrate : a.index < b.index;
    });
    for (const Entry& entry : entries) {
        const int b = entry.bitrate;
        int n = entry.count;
        if (b > B) {
            return 0;
        }
        for (auto it = open.begin(); it != open.end() && n > 0;) {
            if (it->freeBandwidth < b) {
                ++it;
                continue;
            }
            const int k = std::min({it->freeBandwidth / b, it->freeChannels, n});
            it->freeBandwidth -= k * b;
            it->freeChannels -= k;
            n -= k;
            if (it->freeBandwidth == 0 || it->freeChannels == 0) {
                it = open.erase(it);
            } else {
                ++it;
            }
        }
        if (n <= 0) {
            continue;
        }
        const int k = std::min(B / b, C);
        auto openOne = [&](int iDevices, bool bKeepOpen) {
            ++N;
            const OpenNvr nvr{N, B - iDevices * b, C - iDevices};
            if (bKeepOpen && nvr.freeBandwidth > 0 && nvr.freeChannels > 0) {
                open.push_back(nvr);
            }
        };
        if (k < n && k != 0) {
            const int q = n % k == 0 ? n / k : n / k + 1;
            for (int i = 1; i <= q; ++i) {
                const bool bLast = i == q && n % k != 0;
                openOne(bLast ? n % k : k, true);
            }
        } else if (k == n) {
            openOne(n, false);
        } else {
            openOne(n, true);
        }
    }
    return N;
}

inline int compute(const QString& qsModelName, const std::vector<NvrBandWidth>& input)
{
    NvrModelInfo model;
    NvrModelTable::findModelByName(qsModelName, model);
    const int B = model.bandwidth;
    std::vector<Entry> entries;
    long long total = 0; // wide enough for any sum of 32-bit counts
    bool bTooFast = false;
    for (size_t i = 0; i < input.size(); ++i) {
        const Entry entry{static_cast<int>(i) + 1, input[i].Bitrate, input[i].DeviceNum};
        total += entry.count;
        if (entry.bitrate > B) {
            bTooFast = true;
        }
        if (entry.bitrate != 0 && entry.count != 0) {
            entries.push_back(entry);
        }
    }
    if (total > 1000000) {
        return -1;
    }
    if (bTooFast) {
        return -2;
    }
    if (entries.empty()) {
        return 0;
    }
    return allocate(model.id, entries);
}

} // namespace reference

#endif
