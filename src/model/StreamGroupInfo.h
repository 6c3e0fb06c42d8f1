#ifndef STREAMGROUPINFO_H
#define STREAMGROUPINFO_H

#include <QString>

// Values of StreamGroupInfo::Resolution: what is stored is always the code,
// never the row of a combo box.
enum ResolutionCode : int
{
    Resolution2560x1920 = 0,
    ResolutionQxga = 1,  // 2048*1536
    Resolution1080p = 2, // 1920*1080
    ResolutionUxga = 3,  // 1600*1200
    Resolution1600x912 = 4,
    Resolution1280x960 = 5,
    Resolution720p = 6, // 1280*720
    ResolutionVga = 7,  // 640*480
    Resolution4Cif = 8,
    Resolution2Cif = 9,
    ResolutionCif = 10,
    ResolutionQcif = 11,
    ResolutionWd1 = 12
};

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
