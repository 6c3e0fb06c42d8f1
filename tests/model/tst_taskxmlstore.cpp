#include "model/TaskXmlStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

const QString kTaskFile = QStringLiteral("Task.xml");
const QString kT = QStringLiteral("T");
const QString kU = QStringLiteral("U");
const QString kIpc1 = QStringLiteral("IPC1");

// A store on Task.xml for one call: it saves when it goes.
TaskXmlStore store()
{
    return TaskXmlStore(kTaskFile);
}

// A file as a person might write it: another root name, UTF-8, indented.
const char* const kHandMadeFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<Tasks>
  <Task>
    <Name>T</Name>
    <Type>3</Type>
    <IPCNum>16</IPCNum>
    <DVRNum>4</DVRNum>
    <Remark>r</Remark>
    <DeviceGroupList>
      <DeviceGroup>
        <DeviceNum>2</DeviceNum>
        <Type>0</Type>
        <DeviceId>IPC1</DeviceId>
        <MainStream>2048</MainStream>
        <SubStream>512</SubStream>
        <StreamGroupList>
          <StreamGroup>
            <StreamID>1</StreamID><StreamNum>3</StreamNum><Resolution>2</Resolution>
            <FrameRate>25</FrameRate><Bitrate>1024</Bitrate>
          </StreamGroup>
          <StreamGroup>
            <StreamID>4</StreamID><StreamNum>1</StreamNum><Resolution>6</Resolution>
            <FrameRate>1/16</FrameRate><Bitrate>512</Bitrate>
          </StreamGroup>
        </StreamGroupList>
      </DeviceGroup>
    </DeviceGroupList>
  </Task>
  <Task>
    <Name>U</Name><Type>x7</Type><IPCNum>1</IPCNum><DVRNum></DVRNum>
  </Task>
</Tasks>
)";

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& fileName, const QByteArray& content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

// Task T with the device group IPC1 of that many stream groups.
QByteArray fileWithStreamGroups(int iCount)
{
    QByteArray content = "<?xml version=\"1.0\"?><Tasks><Task><Name>T</Name><DeviceGroupList>"
                         "<DeviceGroup><DeviceId>IPC1</DeviceId><StreamGroupList>";
    for (int i = 1; i <= iCount; ++i) {
        content += "<StreamGroup><StreamID>" + QByteArray::number(i) +
                   "</StreamID><Bitrate>32</Bitrate></StreamGroup>";
    }
    return content + "</StreamGroupList></DeviceGroup></DeviceGroupList></Task></Tasks>";
}

// True when every byte is ASCII or part of a pair of GB2312 proper.
bool isStrictGb2312(const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        if (lead < 0x80) {
            continue;
        }
        if (i + 1 >= bytes.size()) {
            return false;
        }
        const auto trail = static_cast<unsigned char>(bytes.at(++i));
        if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE) {
            return false;
        }
    }
    return true;
}

DeviceGroupInfo makeGroup(const QString& qsDeviceId, int iType = DeviceKindIpc)
{
    DeviceGroupInfo group;
    group.DeviceId = qsDeviceId;
    group.Type = iType;
    group.DeviceNum = 3;
    group.MainStream = iType == DeviceKindDvr ? -1 : 4096;
    group.SubStream = iType == DeviceKindDvr ? -1 : 512;
    return group;
}

StreamGroupInfo makeStream(int iStreamId, int iBitrate = 2048)
{
    StreamGroupInfo stream;
    stream.Used = true;
    stream.StreamID = iStreamId;
    stream.StreamNum = 1;
    stream.Resolution = Resolution720p;
    stream.FrameRate = QStringLiteral("12.5");
    stream.Bitrate = iBitrate;
    return stream;
}

TaskInfo makeTask(const QString& qsName, const QString& qsRemark = QString())
{
    TaskInfo task;
    task.Name = qsName;
    task.Type = TaskTypeHighDef;
    task.IPCNum = 16;
    task.DVRNum = 4;
    task.Remark = qsRemark;
    return task;
}

using Operation = std::function<bool(TaskXmlStore&)>;

// Where the operations put what they read.
struct
{
    TaskInfo task;
    std::vector<TaskInfo> tasks;
    std::vector<DeviceGroupInfo> groups;
    DeviceGroupInfo group;
    StreamGroupInfo stream;
} out;

// Each operation on task "T", device group "IPC1", stream group 1 (all
// present in kHandMadeFile). setStreamGroupField has no result: false.
const std::vector<std::pair<const char*, Operation>> kOperations = {
    {"addTask", [](TaskXmlStore& s) { return s.addTask(makeTask(QStringLiteral("New"))); }},
    {"deleteTask", [](TaskXmlStore& s) { return s.deleteTask(kT); }},
    {"getTask", [](TaskXmlStore& s) { return s.getTask(kT, out.task); }},
    {"getAllTasks", [](TaskXmlStore& s) { return s.getAllTasks(out.tasks); }},
    {"modifyTask",
     [](TaskXmlStore& s) { return s.modifyTask(kT, makeTask(QStringLiteral("T2"))); }},
    {"taskExists", [](TaskXmlStore& s) { return s.taskExists(kT); }},
    {"setTaskRemark", [](TaskXmlStore& s) { return s.setTaskRemark(kT, QStringLiteral("note")); }},
    {"addDeviceGroup",
     [](TaskXmlStore& s) {
         return s.addDeviceGroup(kT, makeGroup(QStringLiteral("DVR1"), DeviceKindDvr));
     }},
    {"getDeviceGroups", [](TaskXmlStore& s) { return s.getDeviceGroups(kT, out.groups); }},
    {"deleteDeviceGroup", [](TaskXmlStore& s) { return s.deleteDeviceGroup(kT, kIpc1); }},
    {"setDeviceNum", [](TaskXmlStore& s) { return s.setDeviceNum(kT, kIpc1, 9); }},
    {"setMainStream", [](TaskXmlStore& s) { return s.setMainStream(kT, kIpc1, 8192); }},
    {"setSubStream", [](TaskXmlStore& s) { return s.setSubStream(kT, kIpc1, 256); }},
    {"getDeviceGroupCounts",
     [](TaskXmlStore& s) { return s.getDeviceGroupCounts(kT, kIpc1, out.group); }},
    {"appendStreamGroup",
     [](TaskXmlStore& s) { return s.appendStreamGroup(kT, kIpc1, makeStream(7)); }},
    {"deleteStreamGroup", [](TaskXmlStore& s) { return s.deleteStreamGroup(kT, kIpc1, 1); }},
    {"setStreamGroupField",
     [](TaskXmlStore& s) {
         s.setStreamGroupField(kT, kIpc1, TaskXmlStore::StreamFieldBitrate, makeStream(1));
         return false;
     }},
    {"getStreamGroupValues",
     [](TaskXmlStore& s) {
         out.stream = makeStream(1);
         return s.getStreamGroupValues(kT, kIpc1, out.stream);
     }},
};

// addTask on a missing file starts a new one: that test leaves it out.
void addOperationRows(size_t first = 0)
{
    QTest::addColumn<int>("operation");
    for (size_t i = first; i < kOperations.size(); ++i) {
        QTest::newRow(kOperations[i].first) << int(i);
    }
}

bool runOperation(TaskXmlStore& store, int iOperation)
{
    return kOperations.at(size_t(iOperation)).second(store);
}

} // namespace

class TstTaskXmlStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_qsOldCurrent = QDir::currentPath();
        m_pDir = new QTemporaryDir;
        QVERIFY(m_pDir->isValid());
        QVERIFY(QDir::setCurrent(m_pDir->path()));
        m_bLintTaskFile = true;
    }

    void cleanup()
    {
        // Every Task.xml the store wrote must be XML to any parser.
        const bool bLint = m_bLintTaskFile && QFile::exists(kTaskFile);
        int iLintExit = 0;
        QByteArray lintErrors;
        if (bLint) {
            QProcess lint;
            lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), kTaskFile});
            const bool bFinished = lint.waitForFinished();
            iLintExit =
                bFinished && lint.exitStatus() == QProcess::NormalExit ? lint.exitCode() : -1;
            lintErrors = lint.readAllStandardError();
        }
        QDir::setCurrent(m_qsOldCurrent);
        delete m_pDir;
        m_pDir = nullptr;
        QVERIFY2(iLintExit == 0, lintErrors.constData());
    }

    void missingFileQueriesLeaveNoFile_data() { addOperationRows(1); }

    void missingFileQueriesLeaveNoFile()
    {
        QFETCH(int, operation);
        {
            TaskXmlStore store(kTaskFile);
            QCOMPARE(store.fileState(), TaskXmlStore::FileState::Missing);
            QVERIFY(!runOperation(store, operation));
            QVERIFY(!store.save());
        }
        QVERIFY(!QFile::exists(kTaskFile));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void missingFileAddTaskCreatesExampleTask()
    {
        TaskInfo example;
        example.Name = QStringLiteral("Example Task");
        QVERIFY(store().addTask(example));

        QCOMPARE(readFile(kTaskFile),
                 QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskList>\n<Task>"
                            "\n<Name>Example Task</Name>\n<Type>1</Type>\n<IPCNum>0</IPCNum>"
                            "\n<DVRNum>0</DVRNum>\n<Remark></Remark>\n</Task>\n</TaskList>\n"));
        std::vector<TaskInfo> vTasks;
        QVERIFY(store().getAllTasks(vTasks));
        QCOMPARE(vTasks.size(), size_t(1));
        QVERIFY(vTasks[0] == example);
    }

    void damagedFileIsNeverOverwritten_data() { addOperationRows(); }

    void damagedFileIsNeverOverwritten()
    {
        QFETCH(int, operation);
        m_bLintTaskFile = false;
        const QByteArray damaged = QByteArray(kHandMadeFile).left(700);
        writeFile(kTaskFile, damaged);
        {
            TaskXmlStore store(kTaskFile);
            QCOMPARE(store.fileState(), TaskXmlStore::FileState::Damaged);
            QVERIFY(!store.isOpen());
            QVERIFY(!runOperation(store, operation));
        }
        QCOMPARE(readFile(kTaskFile), damaged);
    }

    void checkFileTellsWhyClosed()
    {
        m_bLintTaskFile = false;
        QCOMPARE(TaskXmlStore::checkFile(kTaskFile), TaskXmlStore::FileState::Missing);
        QCOMPARE(TaskXmlStore::checkFile(QString()), TaskXmlStore::FileState::Unreadable);
        QCOMPARE(TaskXmlStore(QString()).fileState(), TaskXmlStore::FileState::Unreadable);
        writeFile(kTaskFile, "<Tasks><Task></Tasks>");
        QCOMPARE(TaskXmlStore::checkFile(kTaskFile), TaskXmlStore::FileState::Damaged);
        writeFile(kTaskFile, QByteArray());
        QCOMPARE(TaskXmlStore::checkFile(kTaskFile), TaskXmlStore::FileState::Damaged);
        writeFile(kTaskFile, kHandMadeFile);
        QCOMPARE(TaskXmlStore::checkFile(kTaskFile), TaskXmlStore::FileState::Open);
        QCOMPARE(readFile(kTaskFile), QByteArray(kHandMadeFile));

        TaskXmlStore store(kTaskFile);
        QVERIFY(store.isOpen());
        QVERIFY(store.save());
        QCOMPARE(store.fileState(), TaskXmlStore::FileState::Saved);
        QVERIFY(!store.taskExists(kT));
    }

    void onlyChangingOperationsRewriteFileAsGb2312_data() { addOperationRows(); }

    void onlyChangingOperationsRewriteFileAsGb2312()
    {
        QFETCH(int, operation);
        writeFile(kTaskFile, kHandMadeFile);
        const QLatin1String name(kOperations[size_t(operation)].first);
        const bool bChanges =
            !name.startsWith(QLatin1String("get")) && name != QLatin1String("taskExists");
        {
            TaskXmlStore store(kTaskFile);
            QVERIFY(store.isOpen());
            QCOMPARE(runOperation(store, operation), name != QLatin1String("setStreamGroupField"));
        }
        const QByteArray written = readFile(kTaskFile);
        if (!bChanges) {
            QCOMPARE(written, QByteArray(kHandMadeFile));
            return;
        }
        QVERIFY(
            written.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Tasks>\n<Task>\n"));
        QVERIFY(!written.contains("  "));
    }

    void failedSaveKeepsPreviousFile()
    {
        writeFile(kTaskFile, kHandMadeFile);
        rlimit oldLimit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
        rlimit smallLimit = oldLimit;
        smallLimit.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
        bool bSaved = true;
        bool bStillOpen = false;
        {
            TaskXmlStore store(kTaskFile);
            store.setTaskRemark(kT, QString(8000, QLatin1Char('x')));
            bSaved = store.save();
            bStillOpen = store.isOpen();
        }
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!bSaved);
        QVERIFY(bStillOpen);
        QCOMPARE(readFile(kTaskFile), QByteArray(kHandMadeFile));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{kTaskFile});
    }

    void addTaskRefusesDuplicateName()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(!store().addTask(makeTask(kT)));
        QVERIFY(store().addTask(makeTask(QStringLiteral("t"), QStringLiteral("r"))));

        TaskInfo read;
        QVERIFY(store().getTask(QStringLiteral("t"), read));
        QVERIFY(read == makeTask(QStringLiteral("t"), QStringLiteral("r")));
        QVERIFY(readFile(kTaskFile).endsWith("<Task>\n<Name>t</Name>\n<Type>3</Type>\n"
                                             "<IPCNum>16</IPCNum>\n<DVRNum>4</DVRNum>\n"
                                             "<Remark>r</Remark>\n</Task>\n</Tasks>\n"));
    }

    void deleteTaskRemovesOnlyThatTask()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(!store().deleteTask(QStringLiteral("X")));
        QVERIFY(store().deleteTask(kT));
        std::vector<TaskInfo> vTasks;
        QVERIFY(store().getAllTasks(vTasks));
        QCOMPARE(vTasks.size(), size_t(1));
        QCOMPARE(vTasks[0].Name, kU);
    }

    void getTaskMatchesExactCaseAndReadsLeniently()
    {
        writeFile(kTaskFile, kHandMadeFile);
        TaskInfo untouched = makeTask(QStringLiteral("keep"));
        QVERIFY(!store().getTask(QStringLiteral("t"), untouched));
        QVERIFY(untouched == makeTask(QStringLiteral("keep")));
        QVERIFY(!store().getTask(QStringLiteral("T "), untouched));
        QVERIFY(store().getTask(kT, untouched));
        QCOMPARE(untouched.Remark, QStringLiteral("r"));

        // Missing elements read as empty, texts that are no number as 0.
        QVERIFY(store().getTask(kU, untouched));
        QCOMPARE(untouched.Type, 0); // "x7"
        QCOMPARE(untouched.IPCNum, 1);
        QCOMPARE(untouched.DVRNum, 0); // empty element
        QCOMPARE(untouched.Remark, QString());
    }

    void getAllTasksAppendsInFileOrder()
    {
        writeFile(kTaskFile, kHandMadeFile);
        std::vector<TaskInfo> vTasks{makeTask(QStringLiteral("before"))};
        QVERIFY(store().getAllTasks(vTasks));
        QCOMPARE(vTasks.size(), size_t(3));
        QCOMPARE(vTasks[0].Name, QStringLiteral("before"));
        QVERIFY(vTasks[1] == makeTask(kT, QStringLiteral("r")));
        QCOMPARE(vTasks[2].Name, kU);
    }

    void modifyTaskChangesFieldsAndKeepsDevices()
    {
        writeFile(kTaskFile, kHandMadeFile);
        TaskInfo changed = makeTask(kT, QStringLiteral("new remark"));
        QVERIFY(store().modifyTask(kT, changed));
        changed.Name = QStringLiteral("Renamed");
        changed.Type = TaskTypeStandardDef;
        QVERIFY(store().modifyTask(kT, changed));
        QVERIFY(!store().modifyTask(kT, changed));

        TaskInfo read;
        QVERIFY(store().getTask(QStringLiteral("Renamed"), read));
        QVERIFY(read == changed);
        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(QStringLiteral("Renamed"), vGroups));
        QCOMPARE(vGroups.size(), size_t(1));
        QCOMPARE(vGroups[0].DeviceId, kIpc1);
    }

    void modifyTaskToAnotherTasksNameWritesNothing()
    {
        writeFile(kTaskFile, kHandMadeFile);
        TaskInfo task;
        QVERIFY(store().getTask(kT, task));
        const QByteArray before = readFile(kTaskFile);
        task.Name = kU;
        task.Remark = QStringLiteral("changed");
        QVERIFY(!store().modifyTask(kT, task));
        QCOMPARE(readFile(kTaskFile), before);

        TaskInfo same;
        QVERIFY(store().getTask(kU, same));
        QVERIFY(store().modifyTask(kU, same));
        QCOMPARE(readFile(kTaskFile), before);
    }

    void taskExistsAndSetTaskRemark()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(store().taskExists(kU));
        QVERIFY(!store().taskExists(QStringLiteral("u")));
        QVERIFY(store().setTaskRemark(kT, QStringLiteral("a & b")));
        const QByteArray before = readFile(kTaskFile);
        QVERIFY(before.contains("<Remark>a &amp; b</Remark>"));
        QVERIFY(store().setTaskRemark(QStringLiteral("nobody"), QStringLiteral("x")));
        QCOMPARE(readFile(kTaskFile), before);
    }

    void firstDeviceGroupBecomesSixthChild()
    {
        QVERIFY(store().addTask(makeTask(QStringLiteral("A"))));
        DeviceGroupInfo group = makeGroup(kIpc1);
        group.slot(0) = makeStream(1, 2048);
        QVERIFY(store().addDeviceGroup(QStringLiteral("A"), group));
        QVERIFY(readFile(kTaskFile).endsWith(
            "<Remark/>\n<DeviceGroupList>\n<DeviceGroup>\n<DeviceNum>3</DeviceNum>"
            "\n<Type>0</Type>\n<DeviceId>IPC1</DeviceId>\n<MainStream>4096</MainStream>"
            "\n<SubStream>512</SubStream>\n<StreamGroupList>\n<StreamGroup>"
            "\n<StreamID>1</StreamID>\n<StreamNum>1</StreamNum>\n<Resolution>6</Resolution>"
            "\n<FrameRate>12.5</FrameRate>\n<Bitrate>2048</Bitrate>\n</StreamGroup>"
            "\n</StreamGroupList>\n</DeviceGroup>\n</DeviceGroupList>\n</Task>\n</TaskList>\n"));
        QVERIFY(store().addDeviceGroup(QStringLiteral("A"), makeGroup(QStringLiteral("DVR1"), 1)));
        QCOMPARE(readFile(kTaskFile).count("<DeviceGroupList>"), 1);
    }

    void addDeviceGroupRefusesDuplicateIdAndMissingTask()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(!store().addDeviceGroup(kT, makeGroup(kIpc1)));
        QVERIFY(!store().addDeviceGroup(QStringLiteral("X"), makeGroup(QStringLiteral("IPC2"))));
        const QByteArray before = readFile(kTaskFile);
        QVERIFY(!store().addDeviceGroup(kT, makeGroup(kIpc1)));
        QCOMPARE(readFile(kTaskFile), before);
        QCOMPARE(before.count("<DeviceGroup>"), 1);
    }

    void getDeviceGroupsPacksUsedSlots()
    {
        QVERIFY(store().addTask(makeTask(QStringLiteral("A"))));
        DeviceGroupInfo group = makeGroup(kIpc1);
        group.slot(2) = makeStream(5, 100);
        group.slot(7) = makeStream(2, 200);
        group.slot(4).StreamID = 9; // not used: never written
        QVERIFY(store().addDeviceGroup(QStringLiteral("A"), group));

        std::vector<DeviceGroupInfo> vGroups(1);
        QVERIFY(store().getDeviceGroups(QStringLiteral("A"), vGroups));
        QCOMPARE(vGroups.size(), size_t(2));
        const DeviceGroupInfo& read = vGroups[1];
        QCOMPARE(read.DeviceId, kIpc1);
        QCOMPARE(read.DeviceNum, 3);
        QCOMPARE(read.MainStream, 4096);
        QCOMPARE(read.StreamGroups.size(), size_t(2));
        QVERIFY(read.StreamGroups[0].Used && read.StreamGroups[1].Used);
        QCOMPARE(read.StreamGroups[0].StreamID, 5);
        QCOMPARE(read.StreamGroups[0].Bitrate, 100);
        QCOMPARE(read.StreamGroups[1].StreamID, 2);
        QCOMPARE(read.StreamGroups[1].FrameRate, QStringLiteral("12.5"));

        std::vector<DeviceGroupInfo> vNone;
        QVERIFY(store().addTask(makeTask(QStringLiteral("B"))));
        QVERIFY(store().getDeviceGroups(QStringLiteral("B"), vNone));
        QVERIFY(vNone.empty());
        QVERIFY(!store().getDeviceGroups(QStringLiteral("b"), vNone));
    }

    void dvrStreamsStayNegative()
    {
        QVERIFY(store().addTask(makeTask(QStringLiteral("A"))));
        QVERIFY(store().addDeviceGroup(QStringLiteral("A"), makeGroup(QStringLiteral("DVR1"), 1)));
        QVERIFY(
            readFile(kTaskFile).contains("<MainStream>-1</MainStream>\n<SubStream>-1</SubStream>"));
        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(QStringLiteral("A"), vGroups));
        QCOMPARE(vGroups.at(0).MainStream, -1);
        QCOMPARE(vGroups.at(0).SubStream, -1);
        QCOMPARE(vGroups.at(0).Type, int(DeviceKindDvr));
    }

    void deleteDeviceGroupRemovesFirstOfTwins()
    {
        QByteArray twins(kHandMadeFile);
        const int iStart = twins.indexOf("<DeviceGroup>");
        const int iEnd = twins.indexOf("</DeviceGroup>") + int(strlen("</DeviceGroup>"));
        QByteArray second = twins.mid(iStart, iEnd - iStart);
        second.replace("<DeviceNum>2</DeviceNum>", "<DeviceNum>5</DeviceNum>");
        twins.insert(iEnd, second);
        writeFile(kTaskFile, twins);

        QVERIFY(!store().deleteDeviceGroup(kT, QStringLiteral("ipc1")));
        QVERIFY(store().deleteDeviceGroup(kT, kIpc1));
        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(kT, vGroups));
        QCOMPARE(vGroups.size(), size_t(1));
        QCOMPARE(vGroups[0].DeviceNum, 5);
        QVERIFY(store().deleteDeviceGroup(kT, kIpc1));
        QVERIFY(!store().deleteDeviceGroup(kT, kIpc1));
    }

    void deviceFieldSettersWriteEveryMatch()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(store().setDeviceNum(kT, kIpc1, 7));
        QVERIFY(store().setMainStream(kT, kIpc1, 0));
        QVERIFY(store().setSubStream(kT, kIpc1, -1));
        QVERIFY(store().setDeviceNum(kT, QStringLiteral("IPC9"), 1));
        QVERIFY(!store().setDeviceNum(QStringLiteral("X"), kIpc1, 1));
        const QByteArray written = readFile(kTaskFile);
        QVERIFY(
            written.contains("<DeviceNum>7</DeviceNum>\n<Type>0</Type>\n<DeviceId>IPC1</DeviceId>\n"
                             "<MainStream>0</MainStream>\n<SubStream>-1</SubStream>"));
    }

    void getDeviceGroupCountsReadsOnlyCounts()
    {
        writeFile(kTaskFile, kHandMadeFile);
        DeviceGroupInfo group = makeGroup(QStringLiteral("other"), 1);
        QVERIFY(store().getDeviceGroupCounts(kT, kIpc1, group));
        QCOMPARE(group.DeviceNum, 2);
        QCOMPARE(group.MainStream, 2048);
        QCOMPARE(group.SubStream, 512);
        QCOMPARE(group.DeviceId, QStringLiteral("other"));
        QCOMPARE(group.Type, 1);
        QVERIFY(store().getDeviceGroupCounts(kT, QStringLiteral("IPC2"), group));
        QVERIFY(!store().getDeviceGroupCounts(QStringLiteral("X"), kIpc1, group));
    }

    void appendStreamGroupOnlyWhenUsed()
    {
        writeFile(kTaskFile, kHandMadeFile);
        StreamGroupInfo unused = makeStream(8);
        unused.Used = false;
        QVERIFY(store().appendStreamGroup(kT, kIpc1, unused));
        QVERIFY(store().appendStreamGroup(kT, kIpc1, makeStream(9, 333)));
        QVERIFY(!store().appendStreamGroup(kT, QStringLiteral("DVR1"), makeStream(9)));
        QVERIFY(!store().appendStreamGroup(kU, kIpc1, makeStream(9)));
        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(kT, vGroups));
        QCOMPARE(vGroups.at(0).StreamGroups.size(), size_t(3));
        QCOMPARE(vGroups.at(0).StreamGroups[2].StreamID, 9);
        QCOMPARE(vGroups.at(0).StreamGroups[2].Bitrate, 333);
        QVERIFY(
            !readFile(kTaskFile).contains("<Name>U</Name>\n<Type>x7</Type>\n<IPCNum>1</IPCNum>\n"
                                          "<DVRNum></DVRNum>\n<DeviceGroupList>"));
    }

    void deleteStreamGroupById()
    {
        writeFile(kTaskFile, kHandMadeFile);
        QVERIFY(!store().deleteStreamGroup(kT, kIpc1, 2));
        QVERIFY(store().deleteStreamGroup(kT, kIpc1, 1));
        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(kT, vGroups));
        QCOMPARE(vGroups.at(0).StreamGroups.size(), size_t(1));
        QCOMPARE(vGroups.at(0).StreamGroups[0].StreamID, 4);
    }

    void setStreamGroupField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("streamId");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray original = "<StreamID>4</StreamID>\n<StreamNum>1</StreamNum>\n"
                                    "<Resolution>6</Resolution>\n<FrameRate>1/16</FrameRate>\n"
                                    "<Bitrate>512</Bitrate>";
        QTest::newRow("StreamNum")
            << 0 << 4 << QByteArray(original).replace("<StreamNum>1<", "<StreamNum>77<");
        QTest::newRow("Resolution")
            << 1 << 4 << QByteArray(original).replace("<Resolution>6<", "<Resolution>11<");
        QTest::newRow("FrameRate") << 2 << 4 << QByteArray(original).replace("1/16", "1/8");
        QTest::newRow("Bitrate") << 3 << 4 << QByteArray(original).replace("512", "16384");
        QTest::newRow("unknown field") << 4 << 4 << QByteArray();
        QTest::newRow("negative field") << -1 << 4 << QByteArray();
        QTest::newRow("missing group") << 0 << 5 << QByteArray();
    }

    void setStreamGroupField()
    {
        QFETCH(int, field);
        QFETCH(int, streamId);
        QFETCH(QByteArray, expected);
        writeFile(kTaskFile, kHandMadeFile);
        StreamGroupInfo stream;
        stream.StreamID = streamId;
        stream.StreamNum = 77;
        stream.Resolution = ResolutionQcif;
        stream.FrameRate = QStringLiteral("1/8");
        stream.Bitrate = 16384;
        store().setStreamGroupField(kT, kIpc1, field, stream);
        const QByteArray written = readFile(kTaskFile);
        if (expected.isEmpty()) {
            // Nothing changed, so nothing was written: the hand-made file stands.
            QCOMPARE(written, QByteArray(kHandMadeFile));
            return;
        }
        QVERIFY2(written.contains(expected), written.constData());
        QVERIFY(written.contains("<StreamID>1</StreamID>\n<StreamNum>3</StreamNum>\n"
                                 "<Resolution>2</Resolution>\n<FrameRate>25</FrameRate>\n"
                                 "<Bitrate>1024</Bitrate>"));
    }

    void getStreamGroupValuesReadsBitrateAndCount()
    {
        writeFile(kTaskFile, kHandMadeFile);
        StreamGroupInfo stream;
        stream.StreamID = 4;
        stream.FrameRate = QStringLiteral("keep");
        QVERIFY(store().getStreamGroupValues(kT, kIpc1, stream));
        QCOMPARE(stream.Bitrate, 512);
        QCOMPARE(stream.StreamNum, 1);
        QCOMPARE(stream.Resolution, 0);
        QCOMPARE(stream.FrameRate, QStringLiteral("keep"));
        QVERIFY(!store().getStreamGroupValues(QStringLiteral("X"), kIpc1, stream));
    }

    void moreThanMaxStreamGroupsAreTruncatedOnRead()
    {
        const int iInFile = DeviceGroupInfo::kMaxStreamGroups + 1;
        writeFile(kTaskFile, fileWithStreamGroups(iInFile));

        std::vector<DeviceGroupInfo> vGroups;
        QVERIFY(store().getDeviceGroups(kT, vGroups));
        const std::vector<StreamGroupInfo>& vSlots = vGroups.at(0).StreamGroups;
        QCOMPARE(vSlots.size(), size_t(DeviceGroupInfo::kMaxStreamGroups));
        QCOMPARE(vSlots.back().StreamID, DeviceGroupInfo::kMaxStreamGroups);
        QCOMPARE(readFile(kTaskFile).count("<StreamGroup>"), iInFile);

        DeviceGroupInfo copy = vGroups.at(0);
        copy.DeviceId = QStringLiteral("IPC2");
        copy.StreamGroups.resize(iInFile, makeStream(0));
        QVERIFY(store().addDeviceGroup(kT, copy));
        QCOMPARE(readFile(kTaskFile).count("<StreamGroup>"), iInFile + 1000);
    }

    void appendStreamGroupStopsAtTheSlots_data()
    {
        QTest::addColumn<int>("iInFile");
        QTest::addColumn<bool>("bAppended");
        QTest::newRow("the last slot") << DeviceGroupInfo::kMaxStreamGroups - 1 << true;
        QTest::newRow("beyond the slots") << DeviceGroupInfo::kMaxStreamGroups << false;
    }

    void appendStreamGroupStopsAtTheSlots()
    {
        QFETCH(int, iInFile);
        QFETCH(bool, bAppended);
        writeFile(kTaskFile, fileWithStreamGroups(iInFile));
        QCOMPARE(store().appendStreamGroup(kT, kIpc1, makeStream(5000)), bAppended);
        QCOMPARE(readFile(kTaskFile).count("<StreamGroup>"), DeviceGroupInfo::kMaxStreamGroups);
    }

    void chineseNameIsGb2312OnDisk()
    {
        const QString name = QString::fromUtf8("测试任务");
        QVERIFY(store().addTask(makeTask(name)));
        const QByteArray written = readFile(kTaskFile);
        QVERIFY(written.contains("<Name>\xB2\xE2\xCA\xD4\xC8\xCE\xCE\xF1</Name>"));
        QVERIFY(isStrictGb2312(written));
        QVERIFY(store().taskExists(name));
    }

    void anyTextRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("emoji") << QString::fromUtf8("cam 😀 hall")
                               << QByteArray("cam &#x1F600; hall");
        QTest::newRow("hebrew") << QString::fromUtf8("שלום")
                                << QByteArray("&#x5E9;&#x5DC;&#x5D5;&#x5DD;");
        QTest::newRow("arabic") << QString::fromUtf8("مرحبا") << QByteArray("&#x645;&#x631;");
        QTest::newRow("accents") << QString::fromUtf8("Ångström café")
                                 << QByteArray("&#xC5;ngstr&#xF6;m caf\xA8\xA6");
        QTest::newRow("gbk only") << QString::fromUtf8("丂€") << QByteArray("&#x4E02;&#x20AC;");
        QTest::newRow("markup") << QStringLiteral("a&b <c> \"d\" ]]>")
                                << QByteArray("a&amp;b &lt;c&gt;");
        QTest::newRow("line ends")
            << QStringLiteral("one\r\ntwo\tthree") << QByteArray("one&#xD;\ntwo\tthree");
        QTest::newRow("blanks only")
            << QStringLiteral("  \t ") << QByteArray("<Remark>  \t </Remark>");
        QTest::newRow("mixed") << QString::fromUtf8("东门 Ωμέγα 🚀 ok") << QByteArray("&#x1F680;");
    }

    void anyTextRoundTrips()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, onDisk);
        QVERIFY(store().addTask(makeTask(text, text)));
        QVERIFY(store().addTask(makeTask(QStringLiteral("plain"))));
        QVERIFY(store().setTaskRemark(QStringLiteral("plain"), text));

        const QByteArray written = readFile(kTaskFile);
        QVERIFY2(written.contains(onDisk), written.constData());
        const QByteArray body = written.mid(written.indexOf('\n'));
        QVERIFY(!body.contains('?'));
        QVERIFY(isStrictGb2312(body));

        TaskInfo read;
        QVERIFY(store().getTask(text, read));
        QCOMPARE(read.Remark, text);
        QVERIFY(store().getTask(QStringLiteral("plain"), read));
        QCOMPARE(read.Remark, text);
    }

    void forbiddenControlCharactersAreDropped()
    {
        QString remark = QStringLiteral("a");
        remark += QChar(0x01);
        remark += QStringLiteral("b");
        remark += QChar(0xFFFF);
        remark += QChar(0xD800); // a lone surrogate
        remark += QStringLiteral("c");
        QVERIFY(store().addTask(makeTask(QStringLiteral("A"), remark)));
        TaskInfo read;
        QVERIFY(store().getTask(QStringLiteral("A"), read));
        QCOMPARE(read.Remark, QStringLiteral("abc"));
    }

private:
    QTemporaryDir* m_pDir = nullptr;
    QString m_qsOldCurrent;
    bool m_bLintTaskFile = true;
};

QTEST_GUILESS_MAIN(TstTaskXmlStore)
#include "tst_taskxmlstore.moc"
