#include "TaskFile.h"

#include "devices/DeviceManageModel.h"

#include <QDir>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TaskFile;

namespace {

const QString kTask = QStringLiteral("Site");
const QString kCountFault = QStringLiteral("Device Count Ranges [1~999]");
const QString kStreamsFault = QStringLiteral("Stream Count Ranges [1~384000]");
const QString kBitrateFault = QStringLiteral("Bitrate Ranges [32~16384]");
const QString kStreamFault = QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)");

QStringList deviceIds(const std::vector<DeviceGroupInfo>& groups)
{
    QStringList qsIds;
    for (const DeviceGroupInfo& group : groups) {
        qsIds << group.DeviceId;
    }
    return qsIds;
}

// The texts of columns 0..7 of a row under pParent.
QStringList rowTexts(const QStandardItem* pParent, int iRow)
{
    QStringList qsTexts;
    for (int iColumn = 0; iColumn < 8; ++iColumn) {
        qsTexts << pParent->child(iRow, iColumn)->text();
    }
    return qsTexts;
}

// One camera with one 1080P stream of 1024 Kbps.
QString ipcGroup(const QString& qsDeviceId, int iStreamId)
{
    return deviceGroup(qsDeviceId, 1, 1024, 1024,
                       streamGroup(iStreamId, 1, 2, QStringLiteral("25"), 1024));
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

} // namespace

class tst_DeviceManageModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resolutionNames_data();
    void resolutionNames();
    void checkRange_data();
    void checkRange();

    void loadTaskBuildsGroupAndStreamRows();
    void rowsCarryEditorRolesAndChoices();
    void exampleTaskIsReadOnlyWithoutZones();
    void loadTaskWithoutGroupsGivesFalse();

    void deviceIdsReuseTheSmallestFreeNumber();
    void numbersAreKeptPerTaskAndKind();

    void templateDevices_data();
    void templateDevices();

    void totalBitrate_data();
    void totalBitrate();
    void nvrBandWidthListsIpcGroupsOnly();

    void cellEdit_data();
    void cellEdit();
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

// A code, its text, and the code that text reads back as (unknown: WD1).
void tst_DeviceManageModel::resolutionNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("codeOfText");
    QTest::newRow("0") << 0 << "2560*1920" << 0;
    QTest::newRow("1") << 1 << "QXGA(2048*1536)" << 1;
    QTest::newRow("2") << 2 << "1080P(1920*1080)" << 2;
    QTest::newRow("6") << 6 << "720P(1280*720)" << 6;
    QTest::newRow("7") << 7 << "VGA(640*480)" << 7;
    QTest::newRow("8") << 8 << "4CIF" << 8;
    QTest::newRow("10") << 10 << "CIF" << 10;
    QTest::newRow("11") << 11 << "QCIF" << 11;
    QTest::newRow("12") << 12 << "WD1" << 12;
    QTest::newRow("13") << 13 << "" << 12;
    QTest::newRow("-1") << -1 << "" << 12;
}

void tst_DeviceManageModel::resolutionNames()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, codeOfText);
    QCOMPARE(DeviceManageModel::resolutionText(code), text);
    QCOMPARE(DeviceManageModel::resolutionCode(text), codeOfText);
}

void tst_DeviceManageModel::checkRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");

    QTest::newRow("count 0") << "0" << 1 << kCountFault;
    QTest::newRow("count 1") << "1" << 1 << "";
    QTest::newRow("count 999") << "999" << 1 << "";
    QTest::newRow("count 1000") << "1000" << 1 << kCountFault;
    QTest::newRow("count text") << "ten" << 1 << kCountFault;
    QTest::newRow("count -5") << "-5" << 1 << kCountFault;
    QTest::newRow("streams 0") << "0" << 2 << kStreamsFault;
    QTest::newRow("streams 384000") << "384000" << 2 << "";
    QTest::newRow("streams 384001") << "384001" << 2 << kStreamsFault;
    QTest::newRow("bitrate 31") << "31" << 5 << kBitrateFault;
    QTest::newRow("bitrate 32") << "32" << 5 << "";
    QTest::newRow("bitrate 16384") << "16384" << 5 << "";
    QTest::newRow("bitrate 16385") << "16385" << 5 << kBitrateFault;
    QTest::newRow("main 0") << "0" << 6 << "";
    QTest::newRow("main 31") << "31" << 6 << kStreamFault;
    QTest::newRow("main 32") << "32" << 6 << "";
    QTest::newRow("main 16385") << "16385" << 6 << kStreamFault;
    QTest::newRow("main text") << "fast" << 6 << "";
    QTest::newRow("sub 31") << "31" << 7 << kStreamFault;
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
    QCOMPARE(spy.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(spy.at(0).at(0).toString(), message);
    }
}

void tst_DeviceManageModel::loadTaskBuildsGroupAndStreamRows()
{
    QVERIFY(write(sampleTask(kTask)));
    QSignalSpy expandSpy(m_pModel.get(), &DeviceManageModel::signalExpandItem);
    QVERIFY(m_pModel->loadTask(kTask));

    QCOMPARE(m_pModel->rowCount(), 2);
    QCOMPARE(expandSpy.count(), 2);
    QCOMPARE(expandSpy.at(1).at(0).value<QModelIndex>(), m_pModel->index(1, 0));

    const QStandardItem* pRoot = m_pModel->invisibleRootItem();
    const QStandardItem* pIpc = m_pModel->item(0, 0);
    const QStandardItem* pDvr = m_pModel->item(1, 0);
    QCOMPARE(rowTexts(pRoot, 0), QStringList({"IPC1", "10", "", "", "", "", "2048", "512"}));
    QCOMPARE(pIpc->rowCount(), 2);
    QCOMPARE(rowTexts(pIpc, 0),
             QStringList({"", "", "4", "1080P(1920*1080)", "25", "2048", "", ""}));
    QCOMPARE(rowTexts(pIpc, 1), QStringList({"", "", "2", "WD1", "1/4", "1024", "", ""}));
    QCOMPARE(pIpc->child(0, 0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(pIpc->child(1, 0)->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(rowTexts(pRoot, 1), QStringList({"DVR1", "3", "", "", "", "", "", ""}));
    QCOMPARE(pDvr->rowCount(), 1);
    QCOMPARE(rowTexts(pDvr, 0), QStringList({"", "", "1", "4CIF", "25", "512", "", ""}));
}

void tst_DeviceManageModel::rowsCarryEditorRolesAndChoices()
{
    QVERIFY(write(sampleTask(kTask)));
    QVERIFY(m_pModel->loadTask(kTask));

    // In-cell editors: 148 device count, 149 main and sub stream, 150 stream
    // count, 151 bitrate; zones: 212 add, 213 delete.
    const QStandardItem* pIpc = m_pModel->item(0, 0);
    QVERIFY(m_pModel->item(0, 1)->data(148).isValid());
    QVERIFY(m_pModel->item(0, 6)->data(149).isValid());
    QVERIFY(m_pModel->item(0, 7)->data(149).isValid());
    QVERIFY(pIpc->child(0, 2)->data(150).isValid());
    QVERIFY(pIpc->child(0, 5)->data(151).isValid());
    QVERIFY(!m_pModel->item(1, 6)->data(149).isValid());
    QVERIFY(m_pModel->item(0, 1)->isEditable());
    for (const QStandardItem* pFixed :
         {m_pModel->item(0, 0), m_pModel->item(0, 2), m_pModel->item(1, 6), m_pModel->item(0, 8),
          pIpc->child(0, 1), pIpc->child(0, 6)}) {
        QVERIFY(!pFixed->isEditable());
    }
    QVERIFY(m_pModel->item(0, 8)->data(212).canConvert<QPixmap>());
    QCOMPARE(m_pModel->item(0, 8)->toolTip(), QStringLiteral("Add"));
    QVERIFY(pIpc->child(0, 8)->data(213).canConvert<QPixmap>());
    QCOMPARE(pIpc->child(0, 8)->toolTip(), QStringLiteral("Delete"));

    const QStringList qsIpcResolutions = pIpc->child(0, 3)->data(142).toStringList();
    QCOMPARE(qsIpcResolutions.size(), 12);
    QCOMPARE(qsIpcResolutions.first(), QStringLiteral("2560*1920"));
    QCOMPARE(qsIpcResolutions.last(), QStringLiteral("QCIF"));
    QVERIFY(!qsIpcResolutions.contains(QStringLiteral("WD1")));
    QCOMPARE(m_pModel->item(1, 0)->child(0, 3)->data(142).toStringList(),
             QStringList({"4CIF", "2CIF", "CIF", "QCIF"}));

    const QStringList qsRates = pIpc->child(0, 4)->data(142).toStringList();
    QCOMPARE(qsRates.size(), 22);
    QCOMPARE(qsRates.mid(0, 3), QStringList({"25", "22", "20"}));
    QCOMPARE(qsRates.last(), QStringLiteral("1/16"));

    // A new video standard reaches the rows built after it.
    m_pModel->setVideoStandard(1);
    QCOMPARE(pIpc->child(0, 4)->data(142).toStringList().first(), QStringLiteral("25"));
    showTask(kTask);
    QCOMPARE(m_pModel->item(0, 0)->child(0, 4)->data(142).toStringList().first(),
             QStringLiteral("30"));
}

void tst_DeviceManageModel::exampleTaskIsReadOnlyWithoutZones()
{
    const QString qsExample = QStringLiteral("Example Task");
    QVERIFY(write(sampleTask(qsExample)));
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
        QVERIFY(pCell && !pCell->isEditable() && pCell->toolTip().isEmpty());
        QVERIFY(!pCell->data(212).isValid() && !pCell->data(213).isValid());
    }
}

void tst_DeviceManageModel::loadTaskWithoutGroupsGivesFalse()
{
    QVERIFY(write(task(kTask)));
    QVERIFY(!m_pModel->loadTask(kTask));
    QCOMPARE(m_pModel->rowCount(), 0);
    QVERIFY(!m_pModel->loadTask(QStringLiteral("Missing")));
}

void tst_DeviceManageModel::deviceIdsReuseTheSmallestFreeNumber()
{
    QVERIFY(write(task(kTask, ipcGroup(QStringLiteral("IPC1"), 1) +
                                  ipcGroup(QStringLiteral("IPC2"), 2) +
                                  ipcGroup(QStringLiteral("IPC3"), 3))));
    showTask(kTask);

    QVERIFY(m_pModel->removeDeviceGroup(kTask, QStringLiteral("IPC2")));
    QCOMPARE(deviceIds(storedGroups(kTask)), QStringList({"IPC1", "IPC3"}));

    DeviceGroupInfo first = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, first));
    QCOMPARE(first.DeviceId, QStringLiteral("IPC2"));
    DeviceGroupInfo second = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, second));
    QCOMPARE(second.DeviceId, QStringLiteral("IPC4"));
    const std::vector<DeviceGroupInfo> groups = storedGroups(kTask);
    QCOMPARE(deviceIds(groups), QStringList({"IPC1", "IPC3", "IPC2", "IPC4"}));

    // Stream identifiers 1..3 were in use; IPC2's stream id was not released.
    QCOMPARE(first.StreamGroups.at(0).StreamID, 4);
    QCOMPARE(second.StreamGroups.at(0).StreamID, 5);
    QCOMPARE(groups.at(3).StreamGroups.at(0).StreamID, 5);
}

void tst_DeviceManageModel::numbersAreKeptPerTaskAndKind()
{
    const QString qsOther = QStringLiteral("Other");
    QVERIFY(write(task(kTask, ipcGroup(QStringLiteral("IPC1"), 1)) + task(qsOther)));
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

    // The task is deleted and a new, empty one of the same name is created.
    m_pModel->forgetTask(kTask);
    QVERIFY(write(task(kTask)));
    showTask(kTask);
    DeviceGroupInfo again = newGroup(0);
    QVERIFY(m_pModel->storeNewDeviceGroup(kTask, again));
    QCOMPARE(again.DeviceId, QStringLiteral("IPC1"));
    QCOMPARE(again.StreamGroups.at(0).StreamID, 1);
}

// A task's kind and video standard, and the camera and recorder groups its
// template adds for 10 cameras and 2 recorders. A normal task gets none.
void tst_DeviceManageModel::templateDevices_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<double>("total");

    QTest::newRow("high definition")
        << 3 << 0
        << QStringList{"0 10 1024 1024 | 1 1 60 2 25 6144", "1 2 -1 -1 | 1 1 128 8 25 1792"}
        << 598016.0;
    QTest::newRow("standard definition NTSC")
        << 2 << 1
        << QStringList{"0 10 1024 1024 | 1 1 60 8 30 1536", "1 2 -1 -1 | 1 1 128 8 30 1792"}
        << 321536.0;
    QTest::newRow("normal") << 1 << 0 << QStringList() << 0.0;
}

void tst_DeviceManageModel::templateDevices()
{
    QFETCH(int, type);
    QFETCH(int, standard);
    QFETCH(QStringList, groups);
    QFETCH(double, total);

    const QString qsName = QStringLiteral("Campus");
    QVERIFY(write(task(qsName, QString(), type)));
    m_pModel->setVideoStandard(standard);
    TaskInfo info;
    info.Name = qsName;
    info.Type = type;
    info.IPCNum = 10;
    info.DVRNum = 2;
    QVERIFY(m_pModel->addTemplateDevices(info));
    QCOMPARE(m_pModel->rowCount(), 0);
    QCOMPARE(m_pModel->totalBitrate(), total);

    const std::vector<DeviceGroupInfo> stored = storedGroups(qsName);
    QStringList qsStored;
    for (const DeviceGroupInfo& group : stored) {
        qsStored << summary(group);
    }
    QCOMPARE(qsStored, groups);
    if (!groups.isEmpty()) {
        QCOMPARE(deviceIds(stored), QStringList({"IPC1", "DVR1"}));
    }
}

void tst_DeviceManageModel::totalBitrate_data()
{
    QTest::addColumn<QString>("deviceGroups");
    QTest::addColumn<QString>("shownTask");
    QTest::addColumn<double>("total");

    const QString qsTwoGroups = deviceGroup(QStringLiteral("IPC1"), 7, 1024, 1024,
                                            streamGroup(1, 4, 2, QStringLiteral("25"), 2048) +
                                                streamGroup(2, 2, 2, QStringLiteral("25"), 1024)) +
                                deviceGroup(QStringLiteral("DVR1"), 50, -1, -1,
                                            streamGroup(1, 1, 8, QStringLiteral("25"), 512));
    // 384000 x 16384 does not fit into 32 bits.
    const QString qsHuge = deviceGroup(QStringLiteral("IPC1"), 1, 1024, 1024,
                                       streamGroup(1, 384000, 0, QStringLiteral("8"), 16384) +
                                           streamGroup(2, 1, 0, QStringLiteral("8"), 32));

    QTest::newRow("used stream groups") << qsTwoGroups << kTask << 10752.0;
    QTest::newRow("beyond 32 bits") << qsHuge << kTask << 6291456032.0;
    QTest::newRow("no groups") << qsTwoGroups << "Empty" << 0.0;
    QTest::newRow("no task") << qsTwoGroups << "Missing" << 0.0;
}

void tst_DeviceManageModel::totalBitrate()
{
    QFETCH(QString, deviceGroups);
    QFETCH(QString, shownTask);
    QFETCH(double, total);
    QVERIFY(write(task(kTask, deviceGroups) + task(QStringLiteral("Empty"))));
    showTask(shownTask);
    QCOMPARE(m_pModel->totalBitrate(), total);
}

void tst_DeviceManageModel::nvrBandWidthListsIpcGroupsOnly()
{
    const QString qsStreams = streamGroup(1, 3, 2, QStringLiteral("25"), 4096);
    QVERIFY(write(task(kTask, deviceGroup(QStringLiteral("IPC1"), 10, 2048, 512, qsStreams) +
                                  deviceGroup(QStringLiteral("DVR1"), 4, -1, -1, qsStreams) +
                                  deviceGroup(QStringLiteral("IPC2"), 3, 0, 256, qsStreams))));
    showTask(kTask);
    std::vector<NvrBandWidth> vsBandWidth;
    m_pModel->collectNvrBandWidth(vsBandWidth);
    QCOMPARE(vsBandWidth.size(), size_t(2));
    QCOMPARE(vsBandWidth[0].Bitrate, 2560);
    QCOMPARE(vsBandWidth[0].DeviceNum, 10);
    QCOMPARE(vsBandWidth[1].Bitrate, 256);
    QCOMPARE(vsBandWidth[1].DeviceNum, 3);

    std::vector<NvrBandWidth> vsNone;
    showTask(QStringLiteral("Missing"));
    m_pModel->collectNvrBandWidth(vsNone);
    QVERIFY(vsNone.empty());
}

// An edit of one cell of the sample task: the row (-1 the IPC group's row,
// else its stream row), the column, the text typed, and what is stored after.
void tst_DeviceManageModel::cellEdit_data()
{
    QTest::addColumn<int>("streamRow");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");

    auto row = [](const char* pName, int iStreamRow, int iColumn, const char* pText,
                  const char* pStored, const QString& qsMessage) {
        QTest::newRow(pName) << iStreamRow << iColumn << QString::fromLatin1(pText)
                             << QString::fromLatin1(pStored) << qsMessage;
    };
    row("device count 12", -1, 1, "12", "12", QString());
    row("device count as stored", -1, 1, " 10", "10", QString());
    row("device count 0", -1, 1, "0", "10", kCountFault);
    row("device count text", -1, 1, "many", "10", kCountFault);
    row("main stream 0", -1, 6, "0", "0", QString());
    row("main stream 31", -1, 6, "31", "2048", kStreamFault);
    row("sub stream 16384", -1, 7, "16384", "16384", QString());
    row("sub stream 16385", -1, 7, "16385", "512", kStreamFault);
    row("stream count 384000", 1, 2, "384000", "384000", QString());
    row("stream count 384001", 1, 2, "384001", "2", kStreamsFault);
    row("resolution", 1, 3, "720P(1280*720)", "6", QString());
    row("frame rate", 1, 4, "12.5", "12.5", QString());
    row("bitrate 32", 1, 5, "32", "32", QString());
    row("bitrate 16385", 1, 5, "16385", "1024", kBitrateFault);
    row("bitrate text", 0, 5, "x", "2048", kBitrateFault);
}

void tst_DeviceManageModel::cellEdit()
{
    QFETCH(int, streamRow);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, message);

    QVERIFY(write(sampleTask(kTask)));
    showTask(kTask);
    const std::vector<DeviceGroupInfo> before = storedGroups(kTask);
    QStandardItem* pGroup = m_pModel->item(0, 0);
    QStandardItem* pCell =
        streamRow < 0 ? m_pModel->item(0, column) : pGroup->child(streamRow, column);
    const QString qsBefore = pCell->text();

    QSignalSpy rangeSpy(m_pModel.get(), &DeviceManageModel::signalCheckRange);
    QSignalSpy updateSpy(m_pModel.get(), &DeviceManageModel::signalUpdate);
    QVERIFY(m_pModel->setData(pCell->index(), text));

    const std::vector<DeviceGroupInfo> after = storedGroups(kTask);
    QCOMPARE(after.size(), size_t(2));
    const DeviceGroupInfo& ipc = after.at(0);
    QString qsStored;
    if (streamRow < 0) {
        qsStored = QString::number(column == 1   ? ipc.DeviceNum
                                   : column == 6 ? ipc.MainStream
                                                 : ipc.SubStream);
    } else {
        const StreamGroupInfo& stream = ipc.StreamGroups.at(size_t(streamRow));
        const int iValues[] = {0, 0, stream.StreamNum, stream.Resolution, 0, stream.Bitrate};
        qsStored = column == 4 ? stream.FrameRate : QString::number(iValues[column]);
    }
    QCOMPARE(qsStored, stored);

    if (message.isEmpty()) {
        QCOMPARE(rangeSpy.count(), 0);
        QCOMPARE(pCell->text(), text);
        QCOMPARE(updateSpy.count(), 1);
    } else {
        QCOMPARE(rangeSpy.count(), 1);
        QCOMPARE(rangeSpy.at(0).at(0).toString(), message);
        QCOMPARE(pCell->text(), qsBefore);
        QCOMPARE(pCell->text(), stored);
    }
    // The other stream group and the other device group stay as they were.
    const size_t iOther = streamRow == 0 ? 1 : 0;
    QCOMPARE(summary(ipc.StreamGroups.at(iOther)), summary(before.at(0).StreamGroups.at(iOther)));
    QCOMPARE(summary(after.at(1)), summary(before.at(1)));
}

// Task.xml goes away while its task is shown: no change is stored or shown,
// each says why, and no file comes back.
void tst_DeviceManageModel::taskFileDeletedUnderneath()
{
    QVERIFY(write(sampleTask(kTask)));
    showTask(kTask);
    QVERIFY(QFile::remove(QStringLiteral("Task.xml")));

    QSignalSpy failSpy(m_pModel.get(), &DeviceManageModel::signalSaveFailed);
    QVERIFY(m_pModel->setData(m_pModel->index(0, 1), QStringLiteral("5")));
    QCOMPARE(m_pModel->index(0, 1).data().toString(), QStringLiteral("10"));
    QCOMPARE(failSpy.count(), 1);
    const QString qsPath = QDir::toNativeSeparators(QDir::current().absoluteFilePath("Task.xml"));
    QCOMPARE(
        failSpy.at(0).at(0).toString(),
        QStringLiteral("The task file %1 does not exist. The change was not stored.").arg(qsPath));
    QCOMPARE(m_pModel->totalBitrate(), 10752.0);

    QString qsError;
    DeviceGroupInfo group = newGroup(0);
    QVERIFY(!m_pModel->storeNewDeviceGroup(kTask, group, &qsError));
    QCOMPARE(qsError, failSpy.at(0).at(0).toString());
    QVERIFY(!m_pModel->removeDeviceGroup(kTask, QStringLiteral("IPC1")));
    showTask(kTask);
    QCOMPARE(m_pModel->rowCount(), 0);
    QVERIFY(!QFile::exists(QStringLiteral("Task.xml")));
}

QTEST_MAIN(tst_DeviceManageModel)
#include "tst_devicemanagemodel.moc"
