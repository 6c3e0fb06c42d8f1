#ifndef NVRMODELINFO_H
#define NVRMODELINFO_H

#include <QString>

// One recorder model: how many cameras it records and how much incoming
// stream bandwidth it accepts.
struct NvrModelInfo
{
    int id = 0;
    QString name;
    int channels = 0;
    int secondChannels = 0;   // carried along, read by no calculation
    int capacityChannels = 0; // channels the calculation works with
    int bandwidth = 0;        // Kbps
};

#endif
