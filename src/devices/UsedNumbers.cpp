#include "devices/UsedNumbers.h"

int UsedNumbers::takeSmallestFree(std::set<int>& numbers)
{
    int iCandidate = 1;
    for (int iUsed : numbers) {
        if (iUsed > iCandidate) {
            break;
        }
        if (iUsed == iCandidate) {
            ++iCandidate;
        }
    }
    numbers.insert(iCandidate);
    return iCandidate;
}
