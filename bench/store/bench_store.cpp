// Times the task store on a large Task.xml (50 tasks x 20 device groups x 20
// stream groups) against a bare DOM parse and serialisation of the same file.
// Each store operation is one caller's life of a store: parse, operate, save.

#include "model/TaskXmlStore.h"
#include "model/XmlNode.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTasks = 50;
constexpr int kDeviceGroups = 20;
constexpr int kStreamGroups = 20;
constexpr int kRuns = 9;

QString taskName(int iTask)
{
    return QStringLiteral("Task %1").arg(iTask);
}

void appendField(XmlNode& parent, const char* tag, const QString& qsValue)
{
    parent.appendElement(QString::fromLatin1(tag)).setText(qsValue);
}

void appendField(XmlNode& parent, const char* tag, int iValue)
{
    parent.appendElement(QString::fromLatin1(tag)).setText(iValue);
}

bool writeLargeTaskFile(const QString& fileName)
{
    XmlNode root;
    root.createDocument(QStringLiteral("TaskList"));
    for (int iTask = 0; iTask < kTasks; ++iTask) {
        XmlNode task = root.appendElement(QStringLiteral("Task"));
        appendField(task, "Name", taskName(iTask));
        appendField(task, "Type", 3);
        appendField(task, "IPCNum", 16);
        appendField(task, "DVRNum", 4);
        appendField(task, "Remark", QString::fromUtf8("东门停车场 remark"));
        XmlNode deviceList = task.appendElement(QStringLiteral("DeviceGroupList"));
        for (int iGroup = 1; iGroup <= kDeviceGroups; ++iGroup) {
            XmlNode group = deviceList.appendElement(QStringLiteral("DeviceGroup"));
            appendField(group, "DeviceNum", 8);
            appendField(group, "Type", 0);
            appendField(group, "DeviceId", QStringLiteral("IPC%1").arg(iGroup));
            appendField(group, "MainStream", 4096);
            appendField(group, "SubStream", 512);
            XmlNode streamList = group.appendElement(QStringLiteral("StreamGroupList"));
            for (int iStream = 1; iStream <= kStreamGroups; ++iStream) {
                XmlNode stream = streamList.appendElement(QStringLiteral("StreamGroup"));
                appendField(stream, "StreamID", iStream);
                appendField(stream, "StreamNum", 2);
                appendField(stream, "Resolution", 6);
                appendField(stream, "FrameRate", QStringLiteral("12.5"));
                appendField(stream, "Bitrate", 2048);
            }
        }
    }
    return root.save(fileName);
}

// What Qt offers out of the box: parse into a DOM (with its default parser or
// with the stream reader the store uses), save through a GB2312 stream.
bool bareRoundTrip(const QString& source, const QString& target, bool bStreamReader)
{
    QFile in(source);
    QDomDocument document;
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    QXmlStreamReader reader(&in);
    if (!(bStreamReader ? document.setContent(&reader, false) : document.setContent(&in))) {
        return false;
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QTextStream stream(&out);
    stream.setCodec(QTextCodec::codecForName("GB2312"));
    document.save(stream, 0);
    return true;
}

double medianMs(const std::function<void()>& run)
{
    std::vector<double> vMs;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        vMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(vMs.begin(), vMs.end());
    return vMs[vMs.size() / 2];
}

double g_dBareMs = 0;
double g_dBareStreamMs = 0;

void report(const char* name, double dMs)
{
    std::printf("%-40s %8.1f ms  %5.2f x bare  %5.2f x bare (stream reader)\n", name, dMs,
                dMs / g_dBareMs, dMs / g_dBareStreamMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString taskFile = dir.filePath(QStringLiteral("Task.xml"));
    const QString bareFile = dir.filePath(QStringLiteral("Bare.xml"));
    if (!dir.isValid() || !writeLargeTaskFile(taskFile)) {
        std::fprintf(stderr, "cannot write the test file\n");
        return 1;
    }
    const QString middleTask = taskName(kTasks / 2);
    const QString deviceId = QStringLiteral("IPC%1").arg(kDeviceGroups / 2);
    std::printf("Task.xml: %d tasks x %d device groups x %d stream groups, %lld bytes; "
                "median of %d runs\n",
                kTasks, kDeviceGroups, kStreamGroups, QFile(taskFile).size(), kRuns);

    bool bOk = true;
    g_dBareMs = medianMs([&] { bOk = bareRoundTrip(taskFile, bareFile, false) && bOk; });
    g_dBareStreamMs = medianMs([&] { bOk = bareRoundTrip(taskFile, bareFile, true) && bOk; });
    report("bare QDom parse + serialise", g_dBareMs);
    report("bare QDom (stream reader) + serialise", g_dBareStreamMs);

    const double dSetContentMs = medianMs([&] {
        QFile in(taskFile);
        QDomDocument document;
        bOk = in.open(QIODevice::ReadOnly) && document.setContent(&in) && bOk;
    });
    report("bare QDomDocument::setContent", dSetContentMs);
    const double dReadMs = medianMs([&] {
        XmlNode root;
        bOk = root.load(taskFile) && root.parsed() && bOk;
    });
    report("read (XmlNode::load)", dReadMs);
    std::printf("%-40s %8.2f x setContent\n", "", dReadMs / dSetContentMs);
    XmlNode loaded;
    bOk = loaded.load(taskFile) && bOk;
    report("write (XmlNode::save)", medianMs([&] { bOk = loaded.save(bareFile) && bOk; }));

    std::size_t uRecords = 0;
    report("getAllTasks", medianMs([&] {
               std::vector<TaskInfo> vTasks;
               bOk = TaskXmlStore(taskFile).getAllTasks(vTasks) && bOk;
               uRecords = vTasks.size();
           }));
    bOk = bOk && uRecords == kTasks;
    report("getDeviceGroups", medianMs([&] {
               std::vector<DeviceGroupInfo> vGroups;
               bOk = TaskXmlStore(taskFile).getDeviceGroups(middleTask, vGroups) && bOk;
               uRecords = vGroups.size();
           }));
    bOk = bOk && uRecords == kDeviceGroups;
    StreamGroupInfo stream;
    stream.StreamID = kStreamGroups / 2;
    stream.Bitrate = 1024;
    report("setStreamGroupField", medianMs([&] {
               TaskXmlStore(taskFile).setStreamGroupField(middleTask, deviceId,
                                                          TaskXmlStore::StreamFieldBitrate, stream);
           }));
    if (!bOk) {
        std::fprintf(stderr, "an operation failed\n");
        return 1;
    }
    return 0;
}
