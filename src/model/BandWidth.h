#ifndef BANDWIDTH_H
#define BANDWIDTH_H

// One bandwidth item: the product of its two factors is its bitrate in Kbps.
struct BandWidth
{
    int Count = 0;
    int Bitrate = 0;
};

#endif
