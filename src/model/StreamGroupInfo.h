#ifndef STREAMGROUPINFO_H
#define STREAMGROUPINFO_H

#include <QString>

// One stream-group slot of a device group: a number of streams with one
// resolution, frame rate and bitrate. Only slots marked Used exist in the file.
struct StreamGroupInfo
{
    bool Used = false;
    int StreamID = 0;
    int StreamNum = 0;
    int Resolution = 0; // ResolutionCode
    QString FrameRate;  // the frame-rate text exactly as offered, e.g. "1/16"
    int Bitrate = 0;    // Kbps per stream
};

#endif
