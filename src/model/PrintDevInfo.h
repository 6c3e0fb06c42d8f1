#ifndef PRINTDEVINFO_H
#define PRINTDEVINFO_H

#include <QMetaType>
#include <QString>

// One row of the device table as printed and exported, with the display
// texts of the tree's cells.
struct PrintDevInfo
{
    QString DeviceType;
    QString DeviceCount;
    QString StreamCount;
    QString Resolution;
    QString FrameRate;
    QString Bitrate;
    QString MainStream;
    QString SubStream;
};

Q_DECLARE_METATYPE(PrintDevInfo)

#endif
