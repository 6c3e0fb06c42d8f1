#include "TaskFile.h"

#include "devices/DeviceManageModel.h"
#include "model/TaskXmlStore.h"

#include <QDir>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kTask = QStringLiteral("Site");

std::vector<DeviceGroupInfo> storedGroups(const QString& qsTask = kTask)
{
    std::vector<DeviceGroupInfo> groups;
    TaskXmlStore store(QStringLiteral("Task.xml"));
    store.getDeviceGroups(qsTask, groups);
    return groups;
}

const DeviceGroupInfo* findGroup(const std::vector<DeviceGroupInfo>& groups,
                                 const QString& qsDeviceId)
{
    for (const DeviceGroupInfo& group : groups) {
        if (group.DeviceId == qsDeviceId) {
            return &group;
        }
    }
    return nullptr;
}

QStringList deviceIds(const std::vector<DeviceGroupInfo>& groups)
{
    QStringList qsIds;
    for (const DeviceGroupInfo& group : groups) {
        qsIds << group.DeviceId;
    }
    return qsIds;
}

DeviceGroupInfo newGroup(int iType)
{
    DeviceGroupInfo group;
    group.Type = iType;
    group.DeviceNum = 1;
    group.MainStream = iType == 0 ? 1024 : -1;
    group.SubStream = iType == 0 ? 1024 : -1;
    StreamGroupInfo& stream = group.slot(0);
    stream.Used = true;
    stream.StreamNum = 1;
    stream.Resolution = 2;
    stream.FrameRate = QStringLiteral("25");
    stream.Bitrate = 2048;
    return group;
}

// One IPC group with two stream groups (the second at WD1) and one DVR group.
QString sampleTask(const QString& qsName)
{
    using namespace TaskFile;
    return task(qsName, deviceGroup(QStringLiteral("IPC1"), 10, 2048, 512,
                                    streamGroup(1, 4, 2, QStringLiteral("25"), 2048) +
                                        streamGroup(2, 2, 12, QStringLiteral("1/4"), 1024)) +
                            deviceGroup(QStringLiteral("DVR1"), 3, -1, -1,
                                        streamGroup(1, 1, 8, QStringLiteral("25"), 512)));
}

} // namespace

class tst_DeviceManageModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headerHasNineTitledColumns();
    void resolutionTextOfCode_data();
    void resolutionTextOfCode();
    void resolutionCodeOfText_data();
    void resolutionCodeOfText();
    void checkRange_data();
    void checkRange();

    void loadTaskBuildsGroupAndStreamRows();
    void rowsCarryEditorRolesAndChoices();
    void frameRateChoicesFollowVideoStandard();
    void exampleTaskIsReadOnlyWithoutZones();
    void loadTaskWithoutGroupsGivesFalse();

    void deviceIdsReuseTheSmallestFreeNumber();
    void numbersAreKeptPerTaskAndKind();
    void deletedTaskStartsAgainFromOne();

    void highDefinitionTemplate();
    void standardDefinitionTemplateUnderNtsc();
    void normalTaskGetsNoTemplateDevices();

    void totalBitrateSumsUsedStreamGroups();
    void totalBitrateDoesNotOverflow();
    void nvrBandWidthListsIpcGroupsOnly();

    void cellEdit_data();
    void cellEdit();
    void comboCellEditsAreStored();
    void taskFileDeletedUnderneath();

private:
    void showTask(const QString& qsTask);

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<DeviceManageModel> m_pModel;
};

void tst_DeviceManageModel::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    m_pModel.reset(new DeviceManageModel);
    connect(m_pModel.get(), &QStandardItemModel::itemChanged, m_pModel.get(),
            &DeviceManageModel::slotItemChanged);
}

void tst_DeviceManageModel::cleanup()
{
    m_pModel.reset();
    m_pDir.reset();
}

// What the device list does when it shows a task.
void tst_DeviceManageModel::showTask(const QString& qsTask)
{
    const QSignalBlocker blocker(m_pModel.get());
    m_pModel->clear();
    m_pModel->setupHeader();
    if (m_pModel->loadTask(qsTask)) {
        m_pModel->rebuildUsedNumbers();
    }
}

void tst_DeviceManageModel::headerHasNineTitledColumns()
{
    const QStringList qsExpected = {
        QStringLiteral("Device Type"),      QStringLiteral("Device Count"),
        QStringLiteral("Stream Count"),     QStringLiteral("Resolution"),
        QStringLiteral("Frame Rate"),       QStringLiteral("Bitrate(Kbps)"),
        QStringLiteral("Main Stream"),      QStringLiteral("Sub Stream"),
        QStringLiteral("Add/Delete Stream")};
    m_pModel->setupHeader();
    QCOMPARE(m_pModel->columnCount(), 9);
    for (int iColumn = 0; iColumn < 9; ++iColumn) {
        QCOMPARE(m_pModel->headerData(iColumn, Qt::Horizontal).toString(), qsExpected[iColumn]);
        QCOMPARE(m_pModel->headerData(iColumn, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
    }
}

void tst_DeviceManageModel::resolutionTextOfCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "2560*1920";
    QTest::newRow("1") << 1 << "QXGA(2048*1536)";
    QTest::newRow("2") << 2 << "1080P(1920*1080)";
    QTest::newRow("7") << 7 << "VGA(640*480)";
    QTest::newRow("8") << 8 << "4CIF";
    QTest::newRow("10") << 10 << "CIF";
    QTest::newRow("11") << 11 << "QCIF";
    QTest::newRow("12") << 12 << "WD1";
    QTest::newRow("13") << 13 << "";
    QTest::newRow("-1") << -1 << "";
}

void tst_DeviceManageModel::resolutionTextOfCode()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(DeviceManageModel::resolutionText(code), text);
}

void tst_DeviceManageModel::resolutionCodeOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("2560") << "2560*1920" << 0;
    QTest::newRow("1080P") << "1080P(1920*1080)" << 2;
    QTest::newRow("720P") << "720P(1280*720)" << 6;
    QTest::newRow("CIF") << "CIF" << 10;
    QTest::newRow("QCIF") << "QCIF" << 11;
    QTest::newRow("WD1") << "WD1" << 12;
    QTest::newRow("unknown") << "1080p" << 12;
    QTest::newRow("empty") << "" << 12;
}

void tst_DeviceManageModel::resolutionCodeOfText()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(DeviceManageModel::resolutionCode(text), code);
}

void tst_DeviceManageModel::checkRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");

    const QString qsCount = QStringLiteral("Device Count Ranges [1~999]");
    const QString qsStreams = QStringLiteral("Stream Count Ranges [1~384000]");
    const QString qsBitrate = QStringLiteral("Bitrate Ranges [32~16384]");
    const QString qsStream = QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)");

    QTest::newRow("count 0") << "0" << 1 << qsCount;
    QTest::newRow("count 1") << "1" << 1 << "";
    QTest::newRow("count 999") << "999" << 1 << "";
    QTest::newRow("count 1000") << "1000" << 1 << qsCount;
    QTest::newRow("count text") << "ten" << 1 << qsCount;
    QTest::newRow("count -5") << "-5" << 1 << qsCount;
    QTest::newRow("streams 0") << "0" << 2 << qsStreams;
    QTest::newRow("streams 384000") << "384000" << 2 << "";
    QTest::newRow("streams 384001") << "384001" << 2 << qsStreams;
    QTest::newRow("bitrate 31") << "31" << 5 << qsBitrate;
    QTest::newRow("bitrate 32") << "32" << 5 << "";
    QTest::newRow("bitrate 16384") << "16384" << 5 << "";
    QTest::newRow("bitrate 16385") << "16385" << 5 << qsBitrate;
    QTest::newRow("main 0") << "0" << 6 << "";
    QTest::newRow("main 31") << "31" << 6 << qsStream;
    QTest::newRow("main 32") << "32" << 6 << "";
    QTest::newRow("main 16385") << "16385" << 6 << qsStream;
    QTest::newRow("main text") << "fast" << 6 << "";
    QTest::newRow("sub 31") << "31" << 7 << qsStream;
    QTest::newRow("sub 16384") << "16384" << 7 << "";
    QTest::newRow("resolution column") << "0" << 3 << "";
    QTest::newRow("type column") << "-1" << 0 << "";
}

void tst_DeviceManageModel::checkRange()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, message);

    QSignalSpy spy(m_pModel.get(), &DeviceManageModel::signalCheckRange);
    QCOMPARE(m_pModel->checkRange(text, column), message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), message);
    }
}

void tst_DeviceManageModel::loadTaskBuildsGroupAndStreamRows()
{
    QVERIFY(TaskFile::write(sampleTask(kTask)));
    QSignalSpy expandSpy(m_pModel.get(), &DeviceManageModel::signalExpandItem);
    QVERIFY(m_pModel->loadTask(kTask));

    QCOMPARE(m_pModel->rowCount(), 2);
    QCOMPARE(expandSpy.count(), 2);
    QCOMPARE(expandSpy.at(1).at(0).value<QModelIndex>(), m_pModel->index(1, 0));

    QStandardItem* pIpc = m_pModel->item(0, 0);
    QCOMPARE(pIpc->text(), QStringLiteral("IPC1"));
    QCOMPARE(m_pModel->item(0, 1)->text(), QStringLiteral("10"));
    QCOMPARE(m_pModel->item(0, 6)->text(), QStringLiteral("2048"));
    QCOMPARE(m_pModel->item(0, 7)->text(), QStringLiteral("512"));
    QCOMPARE(m_pModel->item(0, 2)->text(), QString());
    QCOMPARE(pIpc->rowCount(), 2);

    QCOMPARE(pIpc->child(0, 0)->text(), QString());
    QCOMPARE(pIpc->child(0, 0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(pIpc->child(1, 0)->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(pIpc->child(0, 2)->text(), QStringLiteral("4"));
    QCOMPARE(pIpc->child(0, 3)->text(), QStringLiteral("1080P(1920*1080)"));
    QCOMPARE(pIpc->child(0, 4)->text(), QStringLiteral("25"));
    QCOMPARE(pIpc->child(0, 5)->text(), QStringLiteral("2048"));
    QCOMPARE(pIpc->child(1, 3)->text(), QStringLiteral("WD1"));
    QCOMPARE(pIpc->child(1, 4)->text(), QStringLiteral("1/4"));

    QStandardItem* pDvr = m_pModel->item(1, 0);
    QCOMPARE(pDvr->text(), QStringLiteral("DVR1"));
    QCOMPARE(m_pModel->item(1, 6)->text(), QString());
    QCOMPARE(m_pModel->item(1, 7)->text(), QString());
    QCOMPARE(pDvr->rowCount(), 1);
    QCOMPARE(pDvr->child(0, 3)->text(), QStringLiteral("4CIF"));
}

void tst_DeviceManageModel::rowsCarryEditorRolesAndChoices()
{
    QVERIFY(TaskFile::write(sampleTask(kTask)));
    QVERIFY(m_pModel->loadTask(kTask));

    auto hasRole = [](const QStandardItem* pItem, int iRole) {
        return pItem->data(iRole).isValid();
    };
    QVERIFY(hasRole(m_pModel->item(0, 1), 148));
    QVERIFY(m_pModel->item(0, 1)->isEditable());
    QVERIFY(hasRole(m_pModel->item(0, 6), 149));
    QVERIFY(hasRole(m_pModel->item(0, 7), 149));
    QVERIFY(!m_pModel->item(0, 0)->isEditable());
    QVERIFY(!m_pModel->item(0, 2)->isEditable());
    QVERIFY(!hasRole(m_pModel->item(1, 6), 149));
    QVERIFY(!m_pModel->item(1, 6)->isEditable());
    QVERIFY(m_pModel->item(0, 8)->data(212).canConvert<QPixmap>());
    QCOMPARE(m_pModel->item(0, 8)->toolTip(), QStringLiteral("Add"));
    QVERIFY(!m_pModel->item(0, 8)->isEditable());

    const QStandardItem* pIpc = m_pModel->item(0, 0);
    QVERIFY(hasRole(pIpc->child(0, 2), 150));
    QVERIFY(hasRole(pIpc->child(0, 5), 151));
    QVERIFY(pIpc->child(0, 8)->data(213).canConvert<QPixmap>());
    QCOMPARE(pIpc->child(0, 8)->toolTip(), QStringLiteral("Delete"));
    QVERIFY(!pIpc->child(0, 1)->isEditable());
    QVERIFY(!pIpc->child(0, 6)->isEditable());

    const QStringList qsIpcResolutions = pIpc->child(0, 3)->data(142).toStringList();
    QCOMPARE(qsIpcResolutions.size(), 12);
    QCOMPARE(qsIpcResolutions.first(), QStringLiteral("2560*1920"));
    QCOMPARE(qsIpcResolutions.last(), QStringLiteral("QCIF"));
    QVERIFY(!qsIpcResolutions.contains(QStringLiteral("WD1")));

    const QStringList qsDvrResolutions =
        m_pModel->item(1, 0)->child(0, 3)->data(142).toStringList();
    QCOMPARE(qsDvrResolutions, QStringList({QStringLiteral("4CIF"), QStringLiteral("2CIF"),
                                            QStringLiteral("CIF"), QStringLiteral("QCIF")}));

    const QStringList qsRates = pIpc->child(0, 4)->data(142).toStringList();
    QCOMPARE(qsRates.size(), 22);
    QCOMPARE(qsRates.mid(0, 3),
             QStringList({QStringLiteral("25"), QStringLiteral("22"), QStringLiteral("20")}));
    QCOMPARE(qsRates.last(), QStringLiteral("1/16"));
}

void tst_DeviceManageModel::frameRateChoicesFollowVideoStandard()
{
    QVERIFY(TaskFile::write(sampleTask(kTask)));
    QVERIFY(m_pModel->loadTask(kTask));
    m_pModel->setVideoStandard(1);
    const QStandardItem* pBuiltUnderPal = m_pModel->item(0, 0)->child(0, 4);
    QCOMPARE(pBuiltUnderPal->data(142).toStringList().first(), QStringLiteral("25"));

    showTask(kTask);
    const QStandardItem* pBuiltUnderNtsc = m_pModel->item(0, 0)->child(0, 4);
    QCOMPARE(pBuiltUnderNtsc->data(142).toStringList().first(), QStringLiteral("30"));
}

void tst_DeviceManageModel::exampleTaskIsReadOnlyWithoutZones()
{
    const QString qsExample = QStringLiteral("Example Task");
    QVERIFY(TaskFile::write(sampleTask(qsExample)));
    QVERIFY(m_pModel->loadTask(qsExample));

    QList<const QStandardItem*> cells;
    for (int iRow = 0; iRow < m_pModel->rowCount(); ++iRow) {
        const QStandardItem* pGroup = m_pModel->item(iRow, 0);
        for (int iColumn = 0; iColumn < 9; ++iColumn) {
            cells << m_pModel->item(iRow, iColumn);
            for (int iChild = 0; iChild < pGroup->rowCount(); ++iChild) {
                cells << pGroup->child(iChild, iColumn);
            }
        }
    }
    QCOMPARE(cells.size(), 2 * 9 + 3 * 9);
    for (const QStandardItem* pCell : cells) {
        QVERIFY(pCell);
        QVERIFY(!pCell->isEditable());
        QVERIFY(!pCell->data(212).isValid());
        QVERIFY(!pCell->data(213).isValid());
        QVERIFY(pCell->toolTip().isEmpty());
    }
}

void tst_DeviceManageModel::loadTaskWithoutGroupsGivesFalse()
{
    QVERIFY(TaskFile::write(TaskFile::task(kTask)));
    QVERIFY(!m_pModel->loadTask(kTask));
    QCOMPARE(m_pModel->rowCount(), 0);
    QVERIFY(!m_pModel->loadTask(QStringLiteral("Missing")));
}

void tst_DeviceManageModel::deviceIdsReuseTheSmallestFreeNumber()
{
    using namespace TaskFile;
    const QString qsStreams = streamGroup(1, 1, 2, QStringLiteral("25"), 1024);
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 1, 1024, 1024, qsStreams) +
                                  deviceGroup(QStringLiteral("IPC2"), 1, 1024, 1024,
                                              streamGroup(2, 1, 2, QStringLiteral("25"), 1024)) +
                                  deviceGroup(QStringLiteral("IPC3"), 1, 1024, 1024,
                                              streamGroup(3, 1, 2, QStringLiteral("25"), 1024)))));
    showTask(kTask);

    QVERIFY(m_pModel->removeDeviceGroup(kTask, QStringLiteral("IPC2")));
    QCOMPARE(deviceIds(storedGroups()), QStringList({"IPC1", "IPC3"}));

    DeviceGroupInfo first = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, first));
    QCOMPARE(first.DeviceId, QStringLiteral("IPC2"));
    DeviceGroupInfo second = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, second));
    QCOMPARE(second.DeviceId, QStringLiteral("IPC4"));
    QCOMPARE(deviceIds(storedGroups()), QStringList({"IPC1", "IPC3", "IPC2", "IPC4"}));

    // Stream identifiers 1..3 were in use; IPC2's stream id was not released.
    QCOMPARE(first.StreamGroups.at(0).StreamID, 4);
    QCOMPARE(second.StreamGroups.at(0).StreamID, 5);
    const std::vector<DeviceGroupInfo> groups = storedGroups();
    const DeviceGroupInfo* pStored = findGroup(groups, QStringLiteral("IPC4"));
    QVERIFY(pStored);
    QCOMPARE(pStored->StreamGroups.at(0).StreamID, 5);
}

void tst_DeviceManageModel::numbersAreKeptPerTaskAndKind()
{
    using namespace TaskFile;
    const QString qsOther = QStringLiteral("Other");
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 1, 1024, 1024,
                                          streamGroup(1, 1, 2, QStringLiteral("25"), 1024))) +
                  task(qsOther)));
    showTask(kTask);

    DeviceGroupInfo dvr = newGroup(1);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, dvr));
    QCOMPARE(dvr.DeviceId, QStringLiteral("DVR1"));
    QCOMPARE(dvr.StreamGroups.at(0).StreamID, 1);
    QCOMPARE(m_pModel->nextStreamId(0), 2);
    m_pModel->releaseStreamId(0, 2);
    QCOMPARE(m_pModel->nextStreamId(0), 2);

    showTask(qsOther);
    DeviceGroupInfo ipc = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(qsOther, ipc));
    QCOMPARE(ipc.DeviceId, QStringLiteral("IPC1"));
}

void tst_DeviceManageModel::deletedTaskStartsAgainFromOne()
{
    using namespace TaskFile;
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 1, 1024, 1024,
                                          streamGroup(1, 1, 2, QStringLiteral("25"), 1024)))));
    showTask(kTask);

    // The task is deleted and a new, empty one of the same name is created.
    m_pModel->forgetTask(kTask);
    QVERIFY(write(task(kTask)));
    showTask(kTask);
    DeviceGroupInfo group = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, group));
    QCOMPARE(group.DeviceId, QStringLiteral("IPC1"));
    QCOMPARE(group.StreamGroups.at(0).StreamID, 1);
}

void tst_DeviceManageModel::highDefinitionTemplate()
{
    const QString qsName = QStringLiteral("Campus");
    QVERIFY(TaskFile::write(TaskFile::task(qsName, QString(), 3)));
    TaskInfo task;
    task.Name = qsName;
    task.Type = 3;
    task.IPCNum = 10;
    task.DVRNum = 2;
    QVERIFY(m_pModel->addTemplateDevices(task));
    QCOMPARE(m_pModel->rowCount(), 0);

    const std::vector<DeviceGroupInfo> groups = storedGroups(qsName);
    QCOMPARE(deviceIds(groups), QStringList({"IPC1", "DVR1"}));

    const DeviceGroupInfo& ipc = groups.at(0);
    QCOMPARE(ipc.Type, 0);
    QCOMPARE(ipc.DeviceNum, 10);
    QCOMPARE(ipc.MainStream, 1024);
    QCOMPARE(ipc.SubStream, 1024);
    const StreamGroupInfo& ipcStream = ipc.StreamGroups.at(0);
    QVERIFY(ipcStream.Used);
    QCOMPARE(ipcStream.StreamID, 1);
    QCOMPARE(ipcStream.StreamNum, 60);
    QCOMPARE(ipcStream.Resolution, 2);
    QCOMPARE(ipcStream.FrameRate, QStringLiteral("25"));
    QCOMPARE(ipcStream.Bitrate, 6144);

    const DeviceGroupInfo& dvr = groups.at(1);
    QCOMPARE(dvr.Type, 1);
    QCOMPARE(dvr.DeviceNum, 2);
    QCOMPARE(dvr.MainStream, -1);
    QCOMPARE(dvr.SubStream, -1);
    const StreamGroupInfo& dvrStream = dvr.StreamGroups.at(0);
    QCOMPARE(dvrStream.StreamID, 1);
    QCOMPARE(dvrStream.StreamNum, 128);
    QCOMPARE(dvrStream.Resolution, 8);
    QCOMPARE(dvrStream.Bitrate, 1792);

    QCOMPARE(m_pModel->totalBitrate(qsName), 598016.0);
}

void tst_DeviceManageModel::standardDefinitionTemplateUnderNtsc()
{
    const QString qsName = QStringLiteral("Shop");
    QVERIFY(TaskFile::write(TaskFile::task(qsName, QString(), 2)));
    m_pModel->setVideoStandard(1);
    TaskInfo task;
    task.Name = qsName;
    task.Type = 2;
    task.IPCNum = 3;
    task.DVRNum = 1;
    QVERIFY(m_pModel->addTemplateDevices(task));

    const std::vector<DeviceGroupInfo> groups = storedGroups(qsName);
    QCOMPARE(groups.size(), size_t(2));
    const StreamGroupInfo& ipcStream = groups.at(0).StreamGroups.at(0);
    QCOMPARE(ipcStream.StreamNum, 18);
    QCOMPARE(ipcStream.Resolution, 8);
    QCOMPARE(ipcStream.FrameRate, QStringLiteral("30"));
    QCOMPARE(ipcStream.Bitrate, 1536);
    const StreamGroupInfo& dvrStream = groups.at(1).StreamGroups.at(0);
    QCOMPARE(dvrStream.StreamNum, 64);
    QCOMPARE(dvrStream.FrameRate, QStringLiteral("30"));
    QCOMPARE(dvrStream.Bitrate, 1792);
}

void tst_DeviceManageModel::normalTaskGetsNoTemplateDevices()
{
    QVERIFY(TaskFile::write(TaskFile::task(kTask)));
    TaskInfo task;
    task.Name = kTask;
    task.IPCNum = 4;
    QVERIFY(m_pModel->addTemplateDevices(task));
    QVERIFY(storedGroups().empty());

    task.Name = QStringLiteral("Missing");
    task.Type = 3;
    QVERIFY(!m_pModel->addTemplateDevices(task));
}

void tst_DeviceManageModel::totalBitrateSumsUsedStreamGroups()
{
    using namespace TaskFile;
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 7, 1024, 1024,
                                          streamGroup(1, 4, 2, QStringLiteral("25"), 2048) +
                                              streamGroup(2, 2, 2, QStringLiteral("25"), 1024)) +
                                  deviceGroup(QStringLiteral("DVR1"), 50, -1, -1,
                                              streamGroup(1, 1, 8, QStringLiteral("25"), 512))) +
                  task(QStringLiteral("Empty"))));
    QCOMPARE(m_pModel->totalBitrate(kTask), 10752.0);
    QCOMPARE(m_pModel->totalBitrate(QStringLiteral("Empty")), 0.0);
    QCOMPARE(m_pModel->totalBitrate(QStringLiteral("Missing")), 0.0);
}

void tst_DeviceManageModel::totalBitrateDoesNotOverflow()
{
    using namespace TaskFile;
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 1, 1024, 1024,
                                          streamGroup(1, 384000, 0, QStringLiteral("8"), 16384) +
                                              streamGroup(2, 1, 0, QStringLiteral("8"), 32)))));
    QCOMPARE(m_pModel->totalBitrate(kTask), 6291456032.0);
}

void tst_DeviceManageModel::nvrBandWidthListsIpcGroupsOnly()
{
    using namespace TaskFile;
    const QString qsStreams = streamGroup(1, 3, 2, QStringLiteral("25"), 4096);
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 10, 2048, 512, qsStreams) +
                                  deviceGroup(QStringLiteral("DVR1"), 4, -1, -1, qsStreams) +
                                  deviceGroup(QStringLiteral("IPC2"), 3, 0, 256, qsStreams))));
    std::vector<NvrBandWidth> vsBandWidth;
    m_pModel->collectNvrBandWidth(kTask, vsBandWidth);
    QCOMPARE(vsBandWidth.size(), size_t(2));
    QCOMPARE(vsBandWidth[0].Bitrate, 2560);
    QCOMPARE(vsBandWidth[0].DeviceNum, 10);
    QCOMPARE(vsBandWidth[1].Bitrate, 256);
    QCOMPARE(vsBandWidth[1].DeviceNum, 3);

    std::vector<NvrBandWidth> vsNone;
    m_pModel->collectNvrBandWidth(QStringLiteral("Missing"), vsNone);
    QVERIFY(vsNone.empty());
}

// An edit of one cell of the sample task: the row (-1 the IPC group's row,
// else its stream row), the column, the text typed, and what is stored after.
void tst_DeviceManageModel::cellEdit_data()
{
    QTest::addColumn<int>("streamRow");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("message");

    const QString qsCount = QStringLiteral("Device Count Ranges [1~999]");
    const QString qsStreams = QStringLiteral("Stream Count Ranges [1~384000]");
    const QString qsBitrate = QStringLiteral("Bitrate Ranges [32~16384]");
    const QString qsStream = QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)");

    QTest::newRow("device count 12") << -1 << 1 << "12" << 12 << "";
    QTest::newRow("device count 0") << -1 << 1 << "0" << 10 << qsCount;
    QTest::newRow("device count text") << -1 << 1 << "many" << 10 << qsCount;
    QTest::newRow("main stream 0") << -1 << 6 << "0" << 0 << "";
    QTest::newRow("main stream 31") << -1 << 6 << "31" << 2048 << qsStream;
    QTest::newRow("sub stream 16384") << -1 << 7 << "16384" << 16384 << "";
    QTest::newRow("sub stream 16385") << -1 << 7 << "16385" << 512 << qsStream;
    QTest::newRow("stream count 384000") << 1 << 2 << "384000" << 384000 << "";
    QTest::newRow("stream count 384001") << 1 << 2 << "384001" << 2 << qsStreams;
    QTest::newRow("bitrate 32") << 1 << 5 << "32" << 32 << "";
    QTest::newRow("bitrate 16385") << 1 << 5 << "16385" << 1024 << qsBitrate;
    QTest::newRow("bitrate text") << 0 << 5 << "x" << 2048 << qsBitrate;
}

void tst_DeviceManageModel::cellEdit()
{
    QFETCH(int, streamRow);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, stored);
    QFETCH(QString, message);

    QVERIFY(TaskFile::write(sampleTask(kTask)));
    showTask(kTask);
    QStandardItem* pGroup = m_pModel->item(0, 0);
    QStandardItem* pCell =
        streamRow < 0 ? m_pModel->item(0, column) : pGroup->child(streamRow, column);
    const QString qsBefore = pCell->text();

    QSignalSpy rangeSpy(m_pModel.get(), &DeviceManageModel::signalCheckRange);
    QSignalSpy updateSpy(m_pModel.get(), &DeviceManageModel::signalUpdate);
    QVERIFY(m_pModel->setData(pCell->index(), text));

    const DeviceGroupInfo* pStored = nullptr;
    const std::vector<DeviceGroupInfo> groups = storedGroups();
    pStored = findGroup(groups, QStringLiteral("IPC1"));
    QVERIFY(pStored);
    int iStored = 0;
    if (streamRow < 0) {
        iStored = column == 1   ? pStored->DeviceNum
                  : column == 6 ? pStored->MainStream
                                : pStored->SubStream;
    } else {
        const StreamGroupInfo& stream = pStored->StreamGroups.at(size_t(streamRow));
        iStored = column == 2 ? stream.StreamNum : stream.Bitrate;
    }
    QCOMPARE(iStored, stored);

    if (message.isEmpty()) {
        QCOMPARE(rangeSpy.count(), 0);
        QCOMPARE(pCell->text(), text);
        QCOMPARE(updateSpy.count(), 1);
    } else {
        QCOMPARE(rangeSpy.count(), 1);
        QCOMPARE(rangeSpy.at(0).at(0).toString(), message);
        QCOMPARE(pCell->text(), qsBefore);
        QCOMPARE(pCell->text(), QString::number(stored));
    }
    // Other groups stay as they were.
    const DeviceGroupInfo* pDvr = findGroup(groups, QStringLiteral("DVR1"));
    QVERIFY(pDvr);
    QCOMPARE(pDvr->DeviceNum, 3);
    QCOMPARE(pDvr->StreamGroups.at(0).Bitrate, 512);
}

void tst_DeviceManageModel::comboCellEditsAreStored()
{
    QVERIFY(TaskFile::write(sampleTask(kTask)));
    showTask(kTask);
    QStandardItem* pStream = m_pModel->item(0, 0)->child(1, 0);
    QSignalSpy updateSpy(m_pModel.get(), &DeviceManageModel::signalUpdate);

    QVERIFY(m_pModel->setData(pStream->index().sibling(1, 3), QStringLiteral("720P(1280*720)")));
    QVERIFY(m_pModel->setData(pStream->index().sibling(1, 4), QStringLiteral("12.5")));
    QCOMPARE(updateSpy.count(), 2);

    const StreamGroupInfo stored =
        findGroup(storedGroups(), QStringLiteral("IPC1"))->StreamGroups.at(1);
    QCOMPARE(stored.StreamID, 2);
    QCOMPARE(stored.Resolution, 6);
    QCOMPARE(stored.FrameRate, QStringLiteral("12.5"));
    QCOMPARE(stored.StreamNum, 2);
    QCOMPARE(stored.Bitrate, 1024);
    const StreamGroupInfo first =
        findGroup(storedGroups(), QStringLiteral("IPC1"))->StreamGroups.at(0);
    QCOMPARE(first.Resolution, 2);
    QCOMPARE(first.FrameRate, QStringLiteral("25"));
}

void tst_DeviceManageModel::taskFileDeletedUnderneath()
{
    QVERIFY(TaskFile::write(sampleTask(kTask)));
    showTask(kTask);
    QVERIFY(QFile::remove(QStringLiteral("Task.xml")));

    QSignalSpy rangeSpy(m_pModel.get(), &DeviceManageModel::signalCheckRange);
    QVERIFY(m_pModel->setData(m_pModel->index(0, 1), QStringLiteral("5")));
    QVERIFY(m_pModel->setData(m_pModel->index(0, 1), QStringLiteral("0")));
    QCOMPARE(rangeSpy.count(), 1);
    QVERIFY(m_pModel->setData(m_pModel->item(0, 0)->child(0, 5)->index(), QStringLiteral("1")));

    QCOMPARE(m_pModel->totalBitrate(kTask), 0.0);
    std::vector<NvrBandWidth> vsBandWidth;
    m_pModel->collectNvrBandWidth(kTask, vsBandWidth);
    QVERIFY(vsBandWidth.empty());
    DeviceGroupInfo group = newGroup(0);
    QVERIFY(!m_pModel->storeNewDeviceGroup(kTask, group));
    QVERIFY(!m_pModel->removeDeviceGroup(kTask, QStringLiteral("IPC1")));
    showTask(kTask);
    QCOMPARE(m_pModel->rowCount(), 0);
    QVERIFY(!QFile::exists(QStringLiteral("Task.xml")));
}

QTEST_MAIN(tst_DeviceManageModel)
#include "tst_devicemanagemodel.moc"
