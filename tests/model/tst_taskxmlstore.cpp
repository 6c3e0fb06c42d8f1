#include "model/TaskXmlStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString kTaskFile = QStringLiteral("Task.xml");

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

enum Operation
{
    OpAddTask,
    OpDeleteTask,
    OpGetTask,
    OpGetAllTasks,
    OpModifyTask,
    OpTaskExists,
    OpSetTaskRemark,
    OpAddDeviceGroup,
    OpGetDeviceGroups,
    OpDeleteDeviceGroup,
    OpSetDeviceNum,
    OpSetMainStream,
    OpSetSubStream,
    OpGetDeviceGroupCounts,
    OpAppendStreamGroup,
    OpDeleteStreamGroup,
    OpSetStreamGroupField,
    OpGetStreamGroupValues,
    OpNone
};

// Runs one operation on task "T", device group "IPC1", stream group 1 (all
// present in kHandMadeFile). setStreamGroupField has no result: false.
bool runOperation(TaskXmlStore& store, int iOperation)
{
    const QString t = QStringLiteral("T");
    const QString ipc = QStringLiteral("IPC1");
    TaskInfo task;
    DeviceGroupInfo group;
    StreamGroupInfo stream = makeStream(1);
    std::vector<TaskInfo> vTasks;
    std::vector<DeviceGroupInfo> vGroups;
    switch (iOperation) {
    case OpAddTask:
        return store.addTask(makeTask(QStringLiteral("New")));
    case OpDeleteTask:
        return store.deleteTask(t);
    case OpGetTask:
        return store.getTask(t, task);
    case OpGetAllTasks:
        return store.getAllTasks(vTasks);
    case OpModifyTask:
        return store.modifyTask(t, makeTask(QStringLiteral("T2")));
    case OpTaskExists:
        return store.taskExists(t);
    case OpSetTaskRemark:
        return store.setTaskRemark(t, QStringLiteral("note"));
    case OpAddDeviceGroup:
        return store.addDeviceGroup(t, makeGroup(QStringLiteral("DVR1"), DeviceKindDvr));
    case OpGetDeviceGroups:
        return store.getDeviceGroups(t, vGroups);
    case OpDeleteDeviceGroup:
        return store.deleteDeviceGroup(t, ipc);
    case OpSetDeviceNum:
        return store.setDeviceNum(t, ipc, 9);
    case OpSetMainStream:
        return store.setMainStream(t, ipc, 8192);
    case OpSetSubStream:
        return store.setSubStream(t, ipc, 256);
    case OpGetDeviceGroupCounts:
        return store.getDeviceGroupCounts(t, ipc, group);
    case OpAppendStreamGroup:
        return store.appendStreamGroup(t, ipc, makeStream(7));
    case OpDeleteStreamGroup:
        return store.deleteStreamGroup(t, ipc, 1);
    case OpSetStreamGroupField:
        store.setStreamGroupField(t, ipc, TaskXmlStore::StreamFieldBitrate, stream);
        return false;
    case OpGetStreamGroupValues:
        return store.getStreamGroupValues(t, ipc, stream);
    default:
        return false;
    }
}

// addTask on a missing file starts a new one, so that test leaves it out.
void addOperationRows(int iFirst = OpAddTask)
{
    QTest::addColumn<int>("operation");
    const char* const names[] = {
        "addTask",           "deleteTask",           "getTask",
        "getAllTasks",       "modifyTask",           "taskExists",
        "setTaskRemark",     "addDeviceGroup",       "getDeviceGroups",
        "deleteDeviceGroup", "setDeviceNum",         "setMainStream",
        "setSubStream",      "getDeviceGroupCounts", "appendStreamGroup",
        "deleteStreamGroup", "setStreamGroupField",  "getStreamGroupValues"};
    for (int i = iFirst; i < OpNone; ++i) {
        QTest::newRow(names[i]) << i;
    }
}

} // namespace

class TstTaskXmlStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingFileQueriesLeaveNoFile_data();
    void missingFileQueriesLeaveNoFile();
    void missingFileAddTaskCreatesExampleTask();
    void damagedFileIsNeverOverwritten_data();
    void damagedFileIsNeverOverwritten();
    void checkFileTellsWhyClosed();
    void everyOperationRewritesFileAsGb2312_data();
    void everyOperationRewritesFileAsGb2312();
    void failedSaveKeepsPreviousFile();

    void addTaskRefusesDuplicateName();
    void deleteTaskRemovesOnlyThatTask();
    void getTaskMatchesExactCase();
    void getAllTasksAppendsInFileOrder();
    void readingRulesForMissingAndNonNumericText();
    void modifyTaskChangesFieldsAndKeepsDevices();
    void modifyTaskToAnotherTasksNameWritesNothing();
    void modifyTaskWithEqualRecordSucceeds();
    void taskExistsAndSetTaskRemark();

    void firstDeviceGroupBecomesSixthChild();
    void addDeviceGroupRefusesDuplicateIdAndMissingTask();
    void getDeviceGroupsPacksUsedSlots();
    void dvrStreamsStayNegative();
    void deleteDeviceGroupRemovesFirstOfTwins();
    void deviceFieldSettersWriteEveryMatch();
    void getDeviceGroupCountsReadsOnlyCounts();

    void appendStreamGroupOnlyWhenUsed();
    void deleteStreamGroupById();
    void setStreamGroupField_data();
    void setStreamGroupField();
    void getStreamGroupValuesReadsBitrateAndCount();
    void moreThanMaxStreamGroupsAreTruncatedOnRead();

    void chineseNameIsGb2312OnDisk();
    void anyTextRoundTrips_data();
    void anyTextRoundTrips();
    void forbiddenControlCharactersAreDropped();

private:
    QTemporaryDir* m_pDir = nullptr;
    QString m_qsOldCurrent;
    bool m_bLintTaskFile = true;
};

void TstTaskXmlStore::init()
{
    m_qsOldCurrent = QDir::currentPath();
    m_pDir = new QTemporaryDir;
    QVERIFY(m_pDir->isValid());
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    m_bLintTaskFile = true;
}

void TstTaskXmlStore::cleanup()
{
    // Every Task.xml the store wrote must be XML to any parser.
    const bool bLint = m_bLintTaskFile && QFile::exists(kTaskFile);
    int iLintExit = 0;
    QByteArray lintErrors;
    if (bLint) {
        QProcess lint;
        lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), kTaskFile});
        const bool bFinished = lint.waitForFinished();
        iLintExit = bFinished && lint.exitStatus() == QProcess::NormalExit ? lint.exitCode() : -1;
        lintErrors = lint.readAllStandardError();
    }
    QDir::setCurrent(m_qsOldCurrent);
    delete m_pDir;
    m_pDir = nullptr;
    QVERIFY2(iLintExit == 0, lintErrors.constData());
}

void TstTaskXmlStore::missingFileQueriesLeaveNoFile_data()
{
    addOperationRows(OpDeleteTask);
}

void TstTaskXmlStore::missingFileQueriesLeaveNoFile()
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

void TstTaskXmlStore::missingFileAddTaskCreatesExampleTask()
{
    TaskInfo example;
    example.Name = QStringLiteral("Example Task");
    QVERIFY(TaskXmlStore(kTaskFile).addTask(example));

    QCOMPARE(readFile(kTaskFile), QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                             "<TaskList>\n"
                                             "<Task>\n"
                                             "<Name>Example Task</Name>\n"
                                             "<Type>1</Type>\n"
                                             "<IPCNum>0</IPCNum>\n"
                                             "<DVRNum>0</DVRNum>\n"
                                             "<Remark></Remark>\n"
                                             "</Task>\n"
                                             "</TaskList>\n"));
    std::vector<TaskInfo> vTasks;
    QVERIFY(TaskXmlStore(kTaskFile).getAllTasks(vTasks));
    QCOMPARE(vTasks.size(), size_t(1));
    QVERIFY(vTasks[0] == example);
}

void TstTaskXmlStore::damagedFileIsNeverOverwritten_data()
{
    addOperationRows();
}

void TstTaskXmlStore::damagedFileIsNeverOverwritten()
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

void TstTaskXmlStore::checkFileTellsWhyClosed()
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
    QVERIFY(!store.taskExists(QStringLiteral("T")));
}

void TstTaskXmlStore::everyOperationRewritesFileAsGb2312_data()
{
    addOperationRows();
}

void TstTaskXmlStore::everyOperationRewritesFileAsGb2312()
{
    QFETCH(int, operation);
    writeFile(kTaskFile, kHandMadeFile);
    {
        TaskXmlStore store(kTaskFile);
        QVERIFY(store.isOpen());
        QCOMPARE(runOperation(store, operation), operation != OpSetStreamGroupField);
    }
    const QByteArray written = readFile(kTaskFile);
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Tasks>\n<Task>\n"));
    QVERIFY(!written.contains("  "));
}

void TstTaskXmlStore::failedSaveKeepsPreviousFile()
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
        store.setTaskRemark(QStringLiteral("T"), QString(8000, QLatin1Char('x')));
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

void TstTaskXmlStore::addTaskRefusesDuplicateName()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(!TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("T"))));
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("t"), QStringLiteral("r"))));

    TaskInfo read;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("t"), read));
    QVERIFY(read == makeTask(QStringLiteral("t"), QStringLiteral("r")));
    QVERIFY(readFile(kTaskFile).endsWith("<Task>\n<Name>t</Name>\n<Type>3</Type>\n"
                                         "<IPCNum>16</IPCNum>\n<DVRNum>4</DVRNum>\n"
                                         "<Remark>r</Remark>\n</Task>\n</Tasks>\n"));
}

void TstTaskXmlStore::deleteTaskRemovesOnlyThatTask()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(!TaskXmlStore(kTaskFile).deleteTask(QStringLiteral("X")));
    QVERIFY(TaskXmlStore(kTaskFile).deleteTask(QStringLiteral("T")));
    std::vector<TaskInfo> vTasks;
    QVERIFY(TaskXmlStore(kTaskFile).getAllTasks(vTasks));
    QCOMPARE(vTasks.size(), size_t(1));
    QCOMPARE(vTasks[0].Name, QStringLiteral("U"));
}

void TstTaskXmlStore::getTaskMatchesExactCase()
{
    writeFile(kTaskFile, kHandMadeFile);
    TaskInfo untouched = makeTask(QStringLiteral("keep"));
    QVERIFY(!TaskXmlStore(kTaskFile).getTask(QStringLiteral("t"), untouched));
    QVERIFY(untouched == makeTask(QStringLiteral("keep")));
    QVERIFY(!TaskXmlStore(kTaskFile).getTask(QStringLiteral("T "), untouched));
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("T"), untouched));
    QCOMPARE(untouched.Remark, QStringLiteral("r"));
}

void TstTaskXmlStore::getAllTasksAppendsInFileOrder()
{
    writeFile(kTaskFile, kHandMadeFile);
    std::vector<TaskInfo> vTasks{makeTask(QStringLiteral("before"))};
    QVERIFY(TaskXmlStore(kTaskFile).getAllTasks(vTasks));
    QCOMPARE(vTasks.size(), size_t(3));
    QCOMPARE(vTasks[0].Name, QStringLiteral("before"));
    QVERIFY(vTasks[1] == makeTask(QStringLiteral("T"), QStringLiteral("r")));
    QCOMPARE(vTasks[2].Name, QStringLiteral("U"));
}

void TstTaskXmlStore::readingRulesForMissingAndNonNumericText()
{
    writeFile(kTaskFile, kHandMadeFile);
    TaskInfo task;
    task.Remark = QStringLiteral("old");
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("U"), task));
    QCOMPARE(task.Type, 0); // "x7"
    QCOMPARE(task.IPCNum, 1);
    QCOMPARE(task.DVRNum, 0); // empty element
    QCOMPARE(task.Remark, QString());
}

void TstTaskXmlStore::modifyTaskChangesFieldsAndKeepsDevices()
{
    writeFile(kTaskFile, kHandMadeFile);
    TaskInfo changed = makeTask(QStringLiteral("T"), QStringLiteral("new remark"));
    QVERIFY(TaskXmlStore(kTaskFile).modifyTask(QStringLiteral("T"), changed));
    changed.Name = QStringLiteral("Renamed");
    changed.Type = TaskTypeStandardDef;
    QVERIFY(TaskXmlStore(kTaskFile).modifyTask(QStringLiteral("T"), changed));
    QVERIFY(!TaskXmlStore(kTaskFile).modifyTask(QStringLiteral("T"), changed));

    TaskInfo read;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("Renamed"), read));
    QVERIFY(read == changed);
    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("Renamed"), vGroups));
    QCOMPARE(vGroups.size(), size_t(1));
    QCOMPARE(vGroups[0].DeviceId, QStringLiteral("IPC1"));
}

void TstTaskXmlStore::modifyTaskToAnotherTasksNameWritesNothing()
{
    writeFile(kTaskFile, kHandMadeFile);
    TaskInfo task;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("T"), task));
    const QByteArray before = readFile(kTaskFile);
    task.Name = QStringLiteral("U");
    task.Remark = QStringLiteral("changed");
    QVERIFY(!TaskXmlStore(kTaskFile).modifyTask(QStringLiteral("T"), task));
    QCOMPARE(readFile(kTaskFile), before);
}

void TstTaskXmlStore::modifyTaskWithEqualRecordSucceeds()
{
    writeFile(kTaskFile, kHandMadeFile);
    TaskInfo same;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("U"), same));
    const QByteArray before = readFile(kTaskFile);
    QVERIFY(TaskXmlStore(kTaskFile).modifyTask(QStringLiteral("U"), same));
    QCOMPARE(readFile(kTaskFile), before);
}

void TstTaskXmlStore::taskExistsAndSetTaskRemark()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(TaskXmlStore(kTaskFile).taskExists(QStringLiteral("U")));
    QVERIFY(!TaskXmlStore(kTaskFile).taskExists(QStringLiteral("u")));
    QVERIFY(TaskXmlStore(kTaskFile).setTaskRemark(QStringLiteral("T"), QStringLiteral("a & b")));
    const QByteArray before = readFile(kTaskFile);
    QVERIFY(before.contains("<Remark>a &amp; b</Remark>"));
    QVERIFY(TaskXmlStore(kTaskFile).setTaskRemark(QStringLiteral("nobody"), QStringLiteral("x")));
    QCOMPARE(readFile(kTaskFile), before);
}

void TstTaskXmlStore::firstDeviceGroupBecomesSixthChild()
{
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("A"))));
    DeviceGroupInfo group = makeGroup(QStringLiteral("IPC1"));
    group.slot(0) = makeStream(1, 2048);
    QVERIFY(TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("A"), group));
    QVERIFY(readFile(kTaskFile).endsWith("<Remark/>\n"
                                         "<DeviceGroupList>\n"
                                         "<DeviceGroup>\n"
                                         "<DeviceNum>3</DeviceNum>\n"
                                         "<Type>0</Type>\n"
                                         "<DeviceId>IPC1</DeviceId>\n"
                                         "<MainStream>4096</MainStream>\n"
                                         "<SubStream>512</SubStream>\n"
                                         "<StreamGroupList>\n"
                                         "<StreamGroup>\n"
                                         "<StreamID>1</StreamID>\n"
                                         "<StreamNum>1</StreamNum>\n"
                                         "<Resolution>6</Resolution>\n"
                                         "<FrameRate>12.5</FrameRate>\n"
                                         "<Bitrate>2048</Bitrate>\n"
                                         "</StreamGroup>\n"
                                         "</StreamGroupList>\n"
                                         "</DeviceGroup>\n"
                                         "</DeviceGroupList>\n"
                                         "</Task>\n"
                                         "</TaskList>\n"));
    QVERIFY(TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("A"),
                                                   makeGroup(QStringLiteral("DVR1"), 1)));
    QCOMPARE(readFile(kTaskFile).count("<DeviceGroupList>"), 1);
}

void TstTaskXmlStore::addDeviceGroupRefusesDuplicateIdAndMissingTask()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(!TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("T"),
                                                    makeGroup(QStringLiteral("IPC1"))));
    QVERIFY(!TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("X"),
                                                    makeGroup(QStringLiteral("IPC2"))));
    const QByteArray before = readFile(kTaskFile);
    QVERIFY(!TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("T"),
                                                    makeGroup(QStringLiteral("IPC1"))));
    QCOMPARE(readFile(kTaskFile), before);
    QCOMPARE(before.count("<DeviceGroup>"), 1);
}

void TstTaskXmlStore::getDeviceGroupsPacksUsedSlots()
{
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("A"))));
    DeviceGroupInfo group = makeGroup(QStringLiteral("IPC1"));
    group.slot(2) = makeStream(5, 100);
    group.slot(7) = makeStream(2, 200);
    group.slot(4).StreamID = 9; // not used: never written
    QVERIFY(TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("A"), group));

    std::vector<DeviceGroupInfo> vGroups(1);
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("A"), vGroups));
    QCOMPARE(vGroups.size(), size_t(2));
    const DeviceGroupInfo& read = vGroups[1];
    QCOMPARE(read.DeviceId, QStringLiteral("IPC1"));
    QCOMPARE(read.DeviceNum, 3);
    QCOMPARE(read.MainStream, 4096);
    QCOMPARE(read.StreamGroups.size(), size_t(2));
    QVERIFY(read.StreamGroups[0].Used && read.StreamGroups[1].Used);
    QCOMPARE(read.StreamGroups[0].StreamID, 5);
    QCOMPARE(read.StreamGroups[0].Bitrate, 100);
    QCOMPARE(read.StreamGroups[1].StreamID, 2);
    QCOMPARE(read.StreamGroups[1].FrameRate, QStringLiteral("12.5"));

    std::vector<DeviceGroupInfo> vNone;
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("B"))));
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("B"), vNone));
    QVERIFY(vNone.empty());
    QVERIFY(!TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("b"), vNone));
}

void TstTaskXmlStore::dvrStreamsStayNegative()
{
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("A"))));
    QVERIFY(TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("A"),
                                                   makeGroup(QStringLiteral("DVR1"), 1)));
    QVERIFY(readFile(kTaskFile).contains("<MainStream>-1</MainStream>\n<SubStream>-1</SubStream>"));
    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("A"), vGroups));
    QCOMPARE(vGroups.at(0).MainStream, -1);
    QCOMPARE(vGroups.at(0).SubStream, -1);
    QCOMPARE(vGroups.at(0).Type, int(DeviceKindDvr));
}

void TstTaskXmlStore::deleteDeviceGroupRemovesFirstOfTwins()
{
    QByteArray twins(kHandMadeFile);
    const int iStart = twins.indexOf("<DeviceGroup>");
    const int iEnd = twins.indexOf("</DeviceGroup>") + int(strlen("</DeviceGroup>"));
    QByteArray second = twins.mid(iStart, iEnd - iStart);
    second.replace("<DeviceNum>2</DeviceNum>", "<DeviceNum>5</DeviceNum>");
    twins.insert(iEnd, second);
    writeFile(kTaskFile, twins);

    QVERIFY(
        !TaskXmlStore(kTaskFile).deleteDeviceGroup(QStringLiteral("T"), QStringLiteral("ipc1")));
    QVERIFY(TaskXmlStore(kTaskFile).deleteDeviceGroup(QStringLiteral("T"), QStringLiteral("IPC1")));
    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("T"), vGroups));
    QCOMPARE(vGroups.size(), size_t(1));
    QCOMPARE(vGroups[0].DeviceNum, 5);
    QVERIFY(TaskXmlStore(kTaskFile).deleteDeviceGroup(QStringLiteral("T"), QStringLiteral("IPC1")));
    QVERIFY(
        !TaskXmlStore(kTaskFile).deleteDeviceGroup(QStringLiteral("T"), QStringLiteral("IPC1")));
}

void TstTaskXmlStore::deviceFieldSettersWriteEveryMatch()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(TaskXmlStore(kTaskFile).setDeviceNum(QStringLiteral("T"), QStringLiteral("IPC1"), 7));
    QVERIFY(TaskXmlStore(kTaskFile).setMainStream(QStringLiteral("T"), QStringLiteral("IPC1"), 0));
    QVERIFY(TaskXmlStore(kTaskFile).setSubStream(QStringLiteral("T"), QStringLiteral("IPC1"), -1));
    QVERIFY(TaskXmlStore(kTaskFile).setDeviceNum(QStringLiteral("T"), QStringLiteral("IPC9"), 1));
    QVERIFY(!TaskXmlStore(kTaskFile).setDeviceNum(QStringLiteral("X"), QStringLiteral("IPC1"), 1));
    const QByteArray written = readFile(kTaskFile);
    QVERIFY(written.contains("<DeviceNum>7</DeviceNum>\n<Type>0</Type>\n<DeviceId>IPC1</DeviceId>\n"
                             "<MainStream>0</MainStream>\n<SubStream>-1</SubStream>"));
}

void TstTaskXmlStore::getDeviceGroupCountsReadsOnlyCounts()
{
    writeFile(kTaskFile, kHandMadeFile);
    DeviceGroupInfo group = makeGroup(QStringLiteral("other"), 1);
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroupCounts(QStringLiteral("T"),
                                                         QStringLiteral("IPC1"), group));
    QCOMPARE(group.DeviceNum, 2);
    QCOMPARE(group.MainStream, 2048);
    QCOMPARE(group.SubStream, 512);
    QCOMPARE(group.DeviceId, QStringLiteral("other"));
    QCOMPARE(group.Type, 1);
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroupCounts(QStringLiteral("T"),
                                                         QStringLiteral("IPC2"), group));
    QVERIFY(!TaskXmlStore(kTaskFile).getDeviceGroupCounts(QStringLiteral("X"),
                                                          QStringLiteral("IPC1"), group));
}

void TstTaskXmlStore::appendStreamGroupOnlyWhenUsed()
{
    writeFile(kTaskFile, kHandMadeFile);
    StreamGroupInfo unused = makeStream(8);
    unused.Used = false;
    QVERIFY(TaskXmlStore(kTaskFile).appendStreamGroup(QStringLiteral("T"), QStringLiteral("IPC1"),
                                                      unused));
    QVERIFY(TaskXmlStore(kTaskFile).appendStreamGroup(QStringLiteral("T"), QStringLiteral("IPC1"),
                                                      makeStream(9, 333)));
    QVERIFY(!TaskXmlStore(kTaskFile).appendStreamGroup(QStringLiteral("T"), QStringLiteral("DVR1"),
                                                       makeStream(9)));
    QVERIFY(!TaskXmlStore(kTaskFile).appendStreamGroup(QStringLiteral("U"), QStringLiteral("IPC1"),
                                                       makeStream(9)));
    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("T"), vGroups));
    QCOMPARE(vGroups.at(0).StreamGroups.size(), size_t(3));
    QCOMPARE(vGroups.at(0).StreamGroups[2].StreamID, 9);
    QCOMPARE(vGroups.at(0).StreamGroups[2].Bitrate, 333);
    QVERIFY(!readFile(kTaskFile).contains("<Name>U</Name>\n<Type>x7</Type>\n<IPCNum>1</IPCNum>\n"
                                          "<DVRNum></DVRNum>\n<DeviceGroupList>"));
}

void TstTaskXmlStore::deleteStreamGroupById()
{
    writeFile(kTaskFile, kHandMadeFile);
    QVERIFY(
        !TaskXmlStore(kTaskFile).deleteStreamGroup(QStringLiteral("T"), QStringLiteral("IPC1"), 2));
    QVERIFY(
        TaskXmlStore(kTaskFile).deleteStreamGroup(QStringLiteral("T"), QStringLiteral("IPC1"), 1));
    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("T"), vGroups));
    QCOMPARE(vGroups.at(0).StreamGroups.size(), size_t(1));
    QCOMPARE(vGroups.at(0).StreamGroups[0].StreamID, 4);
}

void TstTaskXmlStore::setStreamGroupField_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("streamId");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray original = "<StreamID>4</StreamID>\n<StreamNum>1</StreamNum>\n"
                                "<Resolution>6</Resolution>\n<FrameRate>1/16</FrameRate>\n"
                                "<Bitrate>512</Bitrate>";
    QTest::newRow("StreamNum") << 0 << 4
                               << QByteArray(original).replace("<StreamNum>1<", "<StreamNum>77<");
    QTest::newRow("Resolution") << 1 << 4
                                << QByteArray(original).replace("<Resolution>6<",
                                                                "<Resolution>11<");
    QTest::newRow("FrameRate") << 2 << 4 << QByteArray(original).replace("1/16", "1/8");
    QTest::newRow("Bitrate") << 3 << 4 << QByteArray(original).replace("512", "16384");
    QTest::newRow("unknown field") << 4 << 4 << original;
    QTest::newRow("negative field") << -1 << 4 << original;
    QTest::newRow("missing group") << 0 << 5 << original;
}

void TstTaskXmlStore::setStreamGroupField()
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
    TaskXmlStore(kTaskFile).setStreamGroupField(QStringLiteral("T"), QStringLiteral("IPC1"), field,
                                                stream);
    const QByteArray written = readFile(kTaskFile);
    QVERIFY2(written.contains(expected), written.constData());
    QVERIFY(written.contains("<StreamID>1</StreamID>\n<StreamNum>3</StreamNum>\n"
                             "<Resolution>2</Resolution>\n<FrameRate>25</FrameRate>\n"
                             "<Bitrate>1024</Bitrate>"));
}

void TstTaskXmlStore::getStreamGroupValuesReadsBitrateAndCount()
{
    writeFile(kTaskFile, kHandMadeFile);
    StreamGroupInfo stream;
    stream.StreamID = 4;
    stream.FrameRate = QStringLiteral("keep");
    QVERIFY(TaskXmlStore(kTaskFile).getStreamGroupValues(QStringLiteral("T"),
                                                         QStringLiteral("IPC1"), stream));
    QCOMPARE(stream.Bitrate, 512);
    QCOMPARE(stream.StreamNum, 1);
    QCOMPARE(stream.Resolution, 0);
    QCOMPARE(stream.FrameRate, QStringLiteral("keep"));
    QVERIFY(!TaskXmlStore(kTaskFile).getStreamGroupValues(QStringLiteral("X"),
                                                          QStringLiteral("IPC1"), stream));
}

void TstTaskXmlStore::moreThanMaxStreamGroupsAreTruncatedOnRead()
{
    QByteArray content = "<?xml version=\"1.0\"?><Tasks><Task><Name>T</Name><DeviceGroupList>"
                         "<DeviceGroup><DeviceId>IPC1</DeviceId><StreamGroupList>";
    const int iInFile = DeviceGroupInfo::kMaxStreamGroups + 1;
    for (int i = 1; i <= iInFile; ++i) {
        content += "<StreamGroup><StreamID>" + QByteArray::number(i) +
                   "</StreamID><Bitrate>32</Bitrate></StreamGroup>";
    }
    content += "</StreamGroupList></DeviceGroup></DeviceGroupList></Task></Tasks>";
    writeFile(kTaskFile, content);

    std::vector<DeviceGroupInfo> vGroups;
    QVERIFY(TaskXmlStore(kTaskFile).getDeviceGroups(QStringLiteral("T"), vGroups));
    const std::vector<StreamGroupInfo>& vSlots = vGroups.at(0).StreamGroups;
    QCOMPARE(vSlots.size(), size_t(DeviceGroupInfo::kMaxStreamGroups));
    QCOMPARE(vSlots.back().StreamID, DeviceGroupInfo::kMaxStreamGroups);
    QCOMPARE(readFile(kTaskFile).count("<StreamGroup>"), iInFile);

    DeviceGroupInfo copy = vGroups.at(0);
    copy.DeviceId = QStringLiteral("IPC2");
    copy.StreamGroups.resize(iInFile, makeStream(0));
    QVERIFY(TaskXmlStore(kTaskFile).addDeviceGroup(QStringLiteral("T"), copy));
    QCOMPARE(readFile(kTaskFile).count("<StreamGroup>"), iInFile + 1000);
}

void TstTaskXmlStore::chineseNameIsGb2312OnDisk()
{
    const QString name = QString::fromUtf8("测试任务");
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(name)));
    const QByteArray written = readFile(kTaskFile);
    QVERIFY(written.contains("<Name>\xB2\xE2\xCA\xD4\xC8\xCE\xCE\xF1</Name>"));
    QVERIFY(isStrictGb2312(written));
    QVERIFY(TaskXmlStore(kTaskFile).taskExists(name));
}

void TstTaskXmlStore::anyTextRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("emoji") << QString::fromUtf8("cam 😀 hall") << QByteArray("cam &#x1F600; hall");
    QTest::newRow("hebrew") << QString::fromUtf8("שלום")
                            << QByteArray("&#x5E9;&#x5DC;&#x5D5;&#x5DD;");
    QTest::newRow("arabic") << QString::fromUtf8("مرحبا") << QByteArray("&#x645;&#x631;");
    QTest::newRow("accents") << QString::fromUtf8("Ångström café")
                             << QByteArray("&#xC5;ngstr&#xF6;m caf\xA8\xA6");
    QTest::newRow("gbk only") << QString::fromUtf8("丂€") << QByteArray("&#x4E02;&#x20AC;");
    QTest::newRow("markup") << QStringLiteral("a&b <c> \"d\" ]]>")
                            << QByteArray("a&amp;b &lt;c&gt;");
    QTest::newRow("line ends") << QStringLiteral("one\r\ntwo\tthree")
                               << QByteArray("one&#xD;\ntwo\tthree");
    QTest::newRow("blanks only") << QStringLiteral("  \t ") << QByteArray("<Remark>  \t </Remark>");
    QTest::newRow("mixed") << QString::fromUtf8("东门 Ωμέγα 🚀 ok") << QByteArray("&#x1F680;");
}

void TstTaskXmlStore::anyTextRoundTrips()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, onDisk);
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(text, text)));
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("plain"))));
    QVERIFY(TaskXmlStore(kTaskFile).setTaskRemark(QStringLiteral("plain"), text));

    const QByteArray written = readFile(kTaskFile);
    QVERIFY2(written.contains(onDisk), written.constData());
    const QByteArray body = written.mid(written.indexOf('\n'));
    QVERIFY(!body.contains('?'));
    QVERIFY(isStrictGb2312(body));

    TaskInfo read;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(text, read));
    QCOMPARE(read.Remark, text);
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("plain"), read));
    QCOMPARE(read.Remark, text);
}

void TstTaskXmlStore::forbiddenControlCharactersAreDropped()
{
    QString remark = QStringLiteral("a");
    remark += QChar(0x01);
    remark += QStringLiteral("b");
    remark += QChar(0xFFFF);
    remark += QChar(0xD800); // a lone surrogate
    remark += QStringLiteral("c");
    QVERIFY(TaskXmlStore(kTaskFile).addTask(makeTask(QStringLiteral("A"), remark)));
    TaskInfo read;
    QVERIFY(TaskXmlStore(kTaskFile).getTask(QStringLiteral("A"), read));
    QCOMPARE(read.Remark, QStringLiteral("abc"));
}

QTEST_GUILESS_MAIN(TstTaskXmlStore)
#include "tst_taskxmlstore.moc"
