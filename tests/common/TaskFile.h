#ifndef TASKFILE_H
#define TASKFILE_H

#include "model/TaskXmlStore.h"

#include <QFile>
#include <QString>

#include <vector>

// The one builder of hand-made Task.xml files for the tests, and a reader.
namespace TaskFile {

inline QString streamGroup(int iStreamId, int iStreamNum, int iResolution,
                           const QString& qsFrameRate, int iBitrate)
{
    return QStringLiteral("<StreamGroup><StreamID>%1</StreamID><StreamNum>%2</StreamNum>"
                          "<Resolution>%3</Resolution><FrameRate>%4</FrameRate>"
                          "<Bitrate>%5</Bitrate></StreamGroup>")
        .arg(iStreamId)
        .arg(iStreamNum)
        .arg(iResolution)
        .arg(qsFrameRate)
        .arg(iBitrate);
}

inline QString deviceGroup(const QString& qsDeviceId, int iDeviceNum, int iMainStream,
                           int iSubStream, const QString& qsStreamGroups)
{
    const int iType = qsDeviceId.startsWith(QLatin1String("IPC")) ? 0 : 1;
    return QStringLiteral("<DeviceGroup><DeviceNum>%1</DeviceNum><Type>%2</Type>"
                          "<DeviceId>%3</DeviceId><MainStream>%4</MainStream>"
                          "<SubStream>%5</SubStream><StreamGroupList>%6</StreamGroupList>"
                          "</DeviceGroup>")
        .arg(iDeviceNum)
        .arg(iType)
        .arg(qsDeviceId)
        .arg(iMainStream)
        .arg(iSubStream)
        .arg(qsStreamGroups);
}

inline QString task(const QString& qsName, const QString& qsDeviceGroups = QString(), int iType = 1)
{
    const QString qsList =
        qsDeviceGroups.isEmpty()
            ? QString()
            : QStringLiteral("<DeviceGroupList>%1</DeviceGroupList>").arg(qsDeviceGroups);
    return QStringLiteral("<Task><Name>%1</Name><Type>%2</Type><IPCNum>0</IPCNum>"
                          "<DVRNum>0</DVRNum><Remark></Remark>%3</Task>")
        .arg(qsName)
        .arg(iType)
        .arg(qsList);
}

// IPC1: 10 cameras of 2048 + 512, streams 4 x 1080P 2048 and 2 x WD1 1024;
// DVR1: 3 recorders, streams 1 x 4CIF 512. Total 10752 Kbps.
inline QString sampleTask(const QString& qsName)
{
    return task(qsName, deviceGroup(QStringLiteral("IPC1"), 10, 2048, 512,
                                    streamGroup(1, 4, 2, QStringLiteral("25"), 2048) +
                                        streamGroup(2, 2, 12, QStringLiteral("1/4"), 1024)) +
                            deviceGroup(QStringLiteral("DVR1"), 3, -1, -1,
                                        streamGroup(1, 1, 8, QStringLiteral("25"), 512)));
}

// Writes Task.xml into the current directory.
inline bool write(const QString& qsTasks)
{
    QFile file(QStringLiteral("Task.xml"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QString qsXml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TaskList>%1</TaskList>\n")
            .arg(qsTasks);
    return file.write(qsXml.toUtf8()) > 0;
}

// The device groups Task.xml in the current directory holds for a task.
inline std::vector<DeviceGroupInfo> storedGroups(const QString& qsTask)
{
    std::vector<DeviceGroupInfo> groups;
    TaskXmlStore store(QStringLiteral("Task.xml"));
    store.getDeviceGroups(qsTask, groups);
    return groups;
}

// A stream group as "Used StreamID StreamNum Resolution FrameRate Bitrate".
inline QString summary(const StreamGroupInfo& stream)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(int(stream.Used))
        .arg(stream.StreamID)
        .arg(stream.StreamNum)
        .arg(stream.Resolution)
        .arg(stream.FrameRate)
        .arg(stream.Bitrate);
}

// A device group as "Type DeviceNum MainStream SubStream" and its first
// stream group.
inline QString summary(const DeviceGroupInfo& group)
{
    return QStringLiteral("%1 %2 %3 %4 | %5")
        .arg(group.Type)
        .arg(group.DeviceNum)
        .arg(group.MainStream)
        .arg(group.SubStream)
        .arg(summary(group.StreamGroups.at(0)));
}

} // namespace TaskFile

#endif
