// Task.xml: the read and rewrite of any file, then every store operation,
// each on a store of its own as the window uses them, with a check of what
// each one wrote.

#include "FuzzChecks.h"

#include "model/TaskXmlStore.h"
#include "model/XmlDocumentReader.h"

#include <QDomDocument>

#include <functional>
#include <vector>

namespace {

struct Target
{
    QString qsTask = QStringLiteral("T");
    QString qsDevice = QStringLiteral("IPC1");
    int iStream = 1;
};

// The first task, device group and stream group of the file, so that the
// operations meet what is there.
Target findTarget(const QString& fileName)
{
    Target target;
    std::vector<TaskInfo> vTasks;
    if (TaskXmlStore(fileName).getAllTasks(vTasks) && !vTasks.empty()) {
        target.qsTask = vTasks.front().Name;
    }
    std::vector<DeviceGroupInfo> vGroups;
    if (TaskXmlStore(fileName).getDeviceGroups(target.qsTask, vGroups) && !vGroups.empty()) {
        target.qsDevice = vGroups.front().DeviceId;
        target.iStream = vGroups.front().slot(0).StreamID;
    }
    return target;
}

StreamGroupInfo stream(int iStreamId)
{
    StreamGroupInfo stream;
    stream.Used = true;
    stream.StreamID = iStreamId;
    stream.StreamNum = 2;
    stream.FrameRate = QStringLiteral("12.5");
    stream.Bitrate = 1024;
    return stream;
}

std::vector<std::function<void(TaskXmlStore&)>> operations(const Target& t)
{
    TaskInfo added;
    added.Name = QStringLiteral("New \u00E9");
    TaskInfo task;
    task.Name = t.qsTask;
    task.Remark = QStringLiteral("changed \U0001F600");
    DeviceGroupInfo group;
    group.DeviceId = QStringLiteral("IPC999");
    group.slot(0) = stream(1);
    TaskInfo info;
    std::vector<TaskInfo> vTasks;
    std::vector<DeviceGroupInfo> vGroups;
    StreamGroupInfo read = stream(t.iStream);
    return {
        [=](TaskXmlStore& s) { s.addTask(added); },
        [=](TaskXmlStore& s) mutable { s.getTask(t.qsTask, info); },
        [=](TaskXmlStore& s) mutable { s.getAllTasks(vTasks); },
        [=](TaskXmlStore& s) { s.modifyTask(t.qsTask, task); },
        [=](TaskXmlStore& s) { s.taskExists(t.qsTask); },
        [=](TaskXmlStore& s) {
            QStringList qsRenamed;
            s.makeTaskNamesUnique(qsRenamed);
        },
        [=](TaskXmlStore& s) { s.addDeviceGroup(t.qsTask, group); },
        [=](TaskXmlStore& s) {
            s.addDeviceGroups(t.qsTask, {group, group});
        },
        [=](TaskXmlStore& s) mutable { s.getDeviceGroups(t.qsTask, vGroups); },
        [=](TaskXmlStore& s) { s.setDeviceNum(t.qsTask, t.qsDevice, 7); },
        [=](TaskXmlStore& s) { s.setMainStream(t.qsTask, t.qsDevice, 4096); },
        [=](TaskXmlStore& s) { s.setSubStream(t.qsTask, t.qsDevice, -1); },
        [=](TaskXmlStore& s) mutable {
            DeviceGroupInfo counts;
            s.getDeviceGroupCounts(t.qsTask, t.qsDevice, counts);
        },
        [=](TaskXmlStore& s) { s.appendStreamGroup(t.qsTask, t.qsDevice, stream(999)); },
        [=](TaskXmlStore& s) {
            for (int iField = TaskXmlStore::StreamFieldNum;
                 iField <= TaskXmlStore::StreamFieldBitrate; ++iField) {
                s.setStreamGroupField(t.qsTask, t.qsDevice, iField, stream(t.iStream));
            }
        },
        [=](TaskXmlStore& s) mutable { s.getStreamGroupValues(t.qsTask, t.qsDevice, read); },
        [=](TaskXmlStore& s) { s.deleteStreamGroup(t.qsTask, t.qsDevice, t.iStream); },
        [=](TaskXmlStore& s) { s.deleteDeviceGroup(t.qsTask, t.qsDevice); },
        [=](TaskXmlStore& s) { s.deleteTask(t.qsTask); },
    };
}

// A file the store rewrote must be read by libxml2 and by the store again.
void checkRewrite(const QString& fileName, const QByteArray& before)
{
    const QByteArray after = fileBytes(fileName);
    if (after == before) {
        return;
    }
    fuzzCheck(strictParserAccepts(after), "libxml2 rejects the file the store wrote");
    QDomDocument document;
    fuzzCheck(XmlDocumentReader::read(after, document), "the store's file does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = inputBytes(data, size);
    checkRoundTrip(input);
    const QString fileName = writeInputFile(QStringLiteral("Task.xml"), input);
    for (const auto& operation : operations(findTarget(fileName))) {
        const QByteArray before = fileBytes(fileName);
        {
            TaskXmlStore store(fileName);
            operation(store);
        }
        checkRewrite(fileName, before);
    }
    return 0;
}
