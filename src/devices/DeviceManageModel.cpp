#include "devices/DeviceManageModel.h"

#include "calc/DeviceGroupTotals.h"
#include "controls/CItemDataRole.h"
#include "devices/StreamChoices.h"
#include "model/TaskXmlStore.h"

#include <QPixmap>

namespace {

const QString kTaskFile = QStringLiteral("Task.xml");
const QString kExampleTask = QStringLiteral("Example Task");
const QString kIpcPrefix = QStringLiteral("IPC");
const QString kDvrPrefix = QStringLiteral("DVR");

constexpr int kRoleStreamId = Qt::UserRole;

// setStreamGroupField's field codes.
constexpr int kFieldStreamNum = 0;
constexpr int kFieldResolution = 1;
constexpr int kFieldFrameRate = 2;
constexpr int kFieldBitrate = 3;

constexpr int kKindIpc = 0;
constexpr int kKindDvr = 1;

constexpr int kWd1 = StreamChoices::kResolutionWd1;
constexpr int kFirstDvrResolution = StreamChoices::kResolution4Cif;

// Text that is not a base-10 number reads as 0.
int toInteger(const QString& qsText)
{
    return qsText.toInt(nullptr, 10);
}

int kindOfType(int iType)
{
    return iType == 0 ? kKindIpc : kKindDvr;
}

int kindOfDeviceId(const QString& qsDeviceId)
{
    return qsDeviceId.startsWith(kIpcPrefix) ? kKindIpc : kKindDvr;
}

QString fullFrameRate(int iVideoStandard)
{
    return QString::number(StreamChoices::fullFrameRate(iVideoStandard));
}

QStandardItem* readOnlyItem(const QString& qsText = QString())
{
    auto* pItem = new QStandardItem(qsText);
    pItem->setEditable(false);
    return pItem;
}

QStandardItem* editorItem(const QString& qsText, int iEditorRole, bool bEditable)
{
    auto* pItem = new QStandardItem(qsText);
    pItem->setData(QString(), iEditorRole);
    pItem->setEditable(bEditable);
    return pItem;
}

QStandardItem* choiceItem(const QString& qsText, const QStringList& qsChoices, bool bEditable)
{
    auto* pItem = new QStandardItem(qsText);
    pItem->setData(qsChoices, tools::ComboChoicesRole);
    pItem->setEditable(bEditable);
    return pItem;
}

QStandardItem* zoneItem(bool bEditable, int iZoneRole, const QString& qsPixmap,
                        const QString& qsToolTip)
{
    QStandardItem* pItem = readOnlyItem();
    if (bEditable) {
        pItem->setData(QPixmap(qsPixmap), iZoneRole);
        pItem->setToolTip(qsToolTip);
    }
    return pItem;
}

std::vector<DeviceGroupInfo> storedDeviceGroups(const QString& qsTaskName)
{
    std::vector<DeviceGroupInfo> groups;
    TaskXmlStore store(kTaskFile);
    store.getDeviceGroups(qsTaskName, groups);
    return groups;
}

} // namespace

DeviceManageModel::DeviceManageModel(QObject* parent)
    : QStandardItemModel(parent), m_iVideoStandard(0)
{
    setupHeader();
}

void DeviceManageModel::setupHeader()
{
    if (columnCount() < ColumnCount) {
        insertColumns(columnCount(), ColumnCount - columnCount());
    }
    const QString qsHeaders[ColumnCount] = {
        tr("Device Type"), tr("Device Count"), tr("Stream Count"),
        tr("Resolution"),  tr("Frame Rate"),   tr("Bitrate(Kbps)"),
        tr("Main Stream"), tr("Sub Stream"),   tr("Add/Delete Stream")};
    for (int iColumn = 0; iColumn < ColumnCount; ++iColumn) {
        setHeaderData(iColumn, Qt::Horizontal, qsHeaders[iColumn]);
        setHeaderData(iColumn, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
    }
}

bool DeviceManageModel::loadTask(const QString& qsTaskName)
{
    const std::vector<DeviceGroupInfo> groups = storedDeviceGroups(qsTaskName);
    m_qsTaskName = qsTaskName;
    for (const DeviceGroupInfo& group : groups) {
        appendDeviceGroupRow(group);
    }
    return !groups.empty();
}

bool DeviceManageModel::isEditableTask() const
{
    return m_qsTaskName != kExampleTask;
}

bool DeviceManageModel::appendDeviceGroupRow(const DeviceGroupInfo& group)
{
    const bool bEditable = isEditableTask();
    const bool bIpc = group.Type == 0;

    QList<QStandardItem*> row;
    row << readOnlyItem(group.DeviceId)
        << editorItem(QString::number(group.DeviceNum), tools::IntRange1To999Role, bEditable)
        << readOnlyItem() << readOnlyItem() << readOnlyItem() << readOnlyItem();
    if (bIpc) {
        row << editorItem(QString::number(group.MainStream), tools::IntRange32To16384Role,
                          bEditable)
            << editorItem(QString::number(group.SubStream), tools::IntRange32To16384Role,
                          bEditable);
    } else {
        row << readOnlyItem() << readOnlyItem();
    }
    row << zoneItem(bEditable, tools::ZonePixmap1Role,
                    QStringLiteral(":images/ButtonIcon/Add_White.png"), tr("Add"));
    appendRow(row);

    const QStringList qsResolutions = bIpc ? ipcResolutionList() : dvrResolutionList();
    QStandardItem* pGroupItem = row.first();
    for (const StreamGroupInfo& stream : group.StreamGroups) {
        if (stream.Used) {
            pGroupItem->appendRow(buildStreamGroupRow(stream, qsResolutions, bEditable, true));
        }
    }
    emit signalExpandItem(pGroupItem->index());
    return true;
}

bool DeviceManageModel::appendStreamGroupRow(const QModelIndex& groupIndex,
                                             const StreamGroupInfo& stream)
{
    QStandardItem* pGroupItem = item(groupIndex.row(), ColDeviceType);
    if (!pGroupItem) {
        return false;
    }
    if (!stream.Used) {
        return true;
    }
    const bool bIpc = pGroupItem->text().contains(kIpcPrefix);
    const QStringList qsResolutions = bIpc ? ipcResolutionList() : dvrResolutionList();
    pGroupItem->appendRow(buildStreamGroupRow(stream, qsResolutions, true, false));
    return true;
}

QList<QStandardItem*> DeviceManageModel::buildStreamGroupRow(const StreamGroupInfo& stream,
                                                             const QStringList& qsResolutions,
                                                             bool bEditable,
                                                             bool bWithEditorRoles) const
{
    QStandardItem* pIdItem = readOnlyItem();
    pIdItem->setData(stream.StreamID, kRoleStreamId);

    auto numberItem = [&](int iValue, int iEditorRole) {
        if (bWithEditorRoles) {
            return editorItem(QString::number(iValue), iEditorRole, bEditable);
        }
        auto* pItem = new QStandardItem(QString::number(iValue));
        pItem->setEditable(bEditable);
        return pItem;
    };

    QList<QStandardItem*> row;
    row << pIdItem << readOnlyItem() << numberItem(stream.StreamNum, tools::IntRange1To384000Role)
        << choiceItem(resolutionText(stream.Resolution), qsResolutions, bEditable)
        << choiceItem(stream.FrameRate, frameRateList(m_iVideoStandard), bEditable)
        << numberItem(stream.Bitrate, tools::IntRange32To16384AltRole) << readOnlyItem()
        << readOnlyItem()
        << zoneItem(bEditable, tools::ZonePixmap2Role,
                    QStringLiteral(":images/ButtonIcon/Delete_White.png"), tr("Delete"));
    return row;
}

void DeviceManageModel::clickDevice(const QModelIndex& qIndex)
{
    m_lastClickedIndex = qIndex;
}

void DeviceManageModel::slotItemChanged(QStandardItem* pItem)
{
    if (!pItem) {
        return;
    }
    bool bWritten = false;
    QString qsRestore;
    {
        TaskXmlStore store(kTaskFile);
        bWritten = pItem->parent() ? writeStreamGroupCell(store, pItem, qsRestore)
                                   : writeDeviceGroupCell(store, pItem, qsRestore);
    }
    if (bWritten) {
        emit signalUpdate();
    } else if (!qsRestore.isNull()) {
        // Handled again by this slot with the stored value once the store
        // above has been written back.
        pItem->setText(qsRestore);
    }
}

bool DeviceManageModel::writeDeviceGroupCell(TaskXmlStore& store, QStandardItem* pItem,
                                             QString& qsRestore)
{
    const int iColumn = pItem->column();
    if (iColumn != ColDeviceCount && iColumn != ColMainStream && iColumn != ColSubStream) {
        return false;
    }
    const QStandardItem* pIdItem = item(pItem->row(), ColDeviceType);
    if (!pIdItem) {
        return false;
    }
    const QString qsDeviceId = pIdItem->text();
    const QString qsText = pItem->text();
    const int iRangeColumn = iColumn == ColSubStream ? int(ColMainStream) : iColumn;

    if (!checkRange(qsText, iRangeColumn)) {
        DeviceGroupInfo stored;
        if (store.getDeviceGroupCounts(m_qsTaskName, qsDeviceId, stored)) {
            const int iStored = iColumn == ColDeviceCount  ? stored.DeviceNum
                                : iColumn == ColMainStream ? stored.MainStream
                                                           : stored.SubStream;
            qsRestore = QString::number(iStored);
        }
        return false;
    }

    const int iValue = toInteger(qsText);
    if (iColumn == ColDeviceCount) {
        store.setDeviceNum(m_qsTaskName, qsDeviceId, iValue);
    } else if (iColumn == ColMainStream) {
        store.setMainStream(m_qsTaskName, qsDeviceId, iValue);
    } else {
        store.setSubStream(m_qsTaskName, qsDeviceId, iValue);
    }
    return true;
}

bool DeviceManageModel::writeStreamGroupCell(TaskXmlStore& store, QStandardItem* pItem,
                                             QString& qsRestore)
{
    QStandardItem* pGroupItem = pItem->parent();
    const int iRow = pItem->row();
    if (!pGroupItem->child(iRow, ColStreamCount)) {
        return false;
    }
    const QStandardItem* pIdItem = pGroupItem->child(iRow, ColDeviceType);
    if (!pIdItem) {
        return false;
    }
    const QString qsDeviceId = pGroupItem->text();
    StreamGroupInfo stream;
    stream.Used = true;
    stream.StreamID = pIdItem->data(kRoleStreamId).toInt();

    const QString qsText = pItem->text();
    const int iColumn = pItem->column();
    int iField = -1;
    switch (iColumn) {
    case ColStreamCount:
    case ColBitrate:
        if (!checkRange(qsText, iColumn)) {
            StreamGroupInfo stored = stream;
            if (store.getStreamGroupValues(m_qsTaskName, qsDeviceId, stored)) {
                qsRestore =
                    QString::number(iColumn == ColStreamCount ? stored.StreamNum : stored.Bitrate);
            }
            return false;
        }
        if (iColumn == ColStreamCount) {
            stream.StreamNum = toInteger(qsText);
            iField = kFieldStreamNum;
        } else {
            stream.Bitrate = toInteger(qsText);
            iField = kFieldBitrate;
        }
        break;
    case ColResolution:
        stream.Resolution = resolutionCode(qsText);
        iField = kFieldResolution;
        break;
    case ColFrameRate:
        stream.FrameRate = qsText;
        iField = kFieldFrameRate;
        break;
    default:
        return false;
    }
    store.setStreamGroupField(m_qsTaskName, qsDeviceId, iField, stream);
    return true;
}

bool DeviceManageModel::checkRange(const QString& qsText, int iColumn)
{
    const int iValue = toInteger(qsText);
    QString qsError;
    switch (iColumn) {
    case ColDeviceCount:
        if (iValue < 1 || iValue > 999) {
            qsError = tr("Device Count Ranges [1~999]");
        }
        break;
    case ColStreamCount:
        if (iValue < 1 || iValue > 384000) {
            qsError = tr("Stream Count Ranges [1~384000]");
        }
        break;
    case ColBitrate:
        if (iValue < 32 || iValue > 16384) {
            qsError = tr("Bitrate Ranges [32~16384]");
        }
        break;
    case ColMainStream:
    case ColSubStream:
        if (iValue != 0 && (iValue < 32 || iValue > 16384)) {
            qsError = tr("The Bit rate is not valid(range 0 or 32k-16384k)");
        }
        break;
    default:
        break;
    }
    if (qsError.isEmpty()) {
        return true;
    }
    emit signalCheckRange(qsError);
    return false;
}

bool DeviceManageModel::storeNewDeviceGroup(const QString& qsTaskName, DeviceGroupInfo& group)
{
    const int iKind = kindOfType(group.Type);
    const QString& qsPrefix = iKind == kKindIpc ? kIpcPrefix : kDvrPrefix;
    group.DeviceId = qsPrefix + QString::number(nextDeviceNumber(iKind));
    group.slot(0).StreamID = nextStreamId(iKind);
    TaskXmlStore store(kTaskFile);
    return store.addDeviceGroup(qsTaskName, group);
}

bool DeviceManageModel::removeDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId)
{
    bool bRemoved = false;
    {
        TaskXmlStore store(kTaskFile);
        bRemoved = store.deleteDeviceGroup(qsTaskName, qsDeviceId);
    }
    if (bRemoved && qsDeviceId.size() > 3) {
        releaseDeviceNumber(kindOfDeviceId(qsDeviceId), toInteger(qsDeviceId.mid(3)));
    }
    return bRemoved;
}

bool DeviceManageModel::storeNewStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                            const StreamGroupInfo& stream)
{
    TaskXmlStore store(kTaskFile);
    return store.appendStreamGroup(qsTaskName, qsDeviceId, stream);
}

bool DeviceManageModel::removeStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                          int iStreamId)
{
    TaskXmlStore store(kTaskFile);
    return store.deleteStreamGroup(qsTaskName, qsDeviceId, iStreamId);
}

bool DeviceManageModel::addTemplateDevices(const TaskInfo& task)
{
    m_qsTaskName = task.Name;
    if (task.Type != 2 && task.Type != 3) {
        return true;
    }
    const QString qsFrameRate = fullFrameRate(m_iVideoStandard);
    const bool bHighDefinition = task.Type == 3;

    DeviceGroupInfo ipc;
    ipc.DeviceNum = task.IPCNum;
    ipc.Type = 0;
    ipc.MainStream = 1024;
    ipc.SubStream = 1024;
    StreamGroupInfo& ipcStreams = ipc.slot(0);
    ipcStreams.Used = true;
    ipcStreams.StreamNum = task.IPCNum * 6;
    ipcStreams.Resolution = bHighDefinition ? 2 : 8;
    ipcStreams.FrameRate = qsFrameRate;
    ipcStreams.Bitrate = bHighDefinition ? 6144 : 1536;
    if (!storeNewDeviceGroup(task.Name, ipc)) {
        return false;
    }

    DeviceGroupInfo dvr;
    dvr.DeviceNum = task.DVRNum;
    dvr.Type = 1;
    dvr.MainStream = -1;
    dvr.SubStream = -1;
    StreamGroupInfo& dvrStreams = dvr.slot(0);
    dvrStreams.Used = true;
    dvrStreams.StreamNum = task.DVRNum * 64;
    dvrStreams.Resolution = 8;
    dvrStreams.FrameRate = qsFrameRate;
    dvrStreams.Bitrate = 1792;
    return storeNewDeviceGroup(task.Name, dvr);
}

double DeviceManageModel::totalBitrate(const QString& qsTaskName) const
{
    return DeviceGroupTotals::totalBitrate(storedDeviceGroups(qsTaskName));
}

void DeviceManageModel::collectNvrBandWidth(const QString& qsTaskName,
                                            std::vector<NvrBandWidth>& vsBandWidth) const
{
    const std::vector<NvrBandWidth> vsGroups =
        DeviceGroupTotals::nvrBandWidths(storedDeviceGroups(qsTaskName));
    vsBandWidth.insert(vsBandWidth.end(), vsGroups.begin(), vsGroups.end());
}

void DeviceManageModel::setVideoStandard(int iStandard)
{
    m_iVideoStandard = iStandard;
}

UsedNumbers* DeviceManageModel::usedNumbersOfCurrentTask()
{
    auto it = m_usedNumbers.find(m_qsTaskName);
    return it == m_usedNumbers.end() ? nullptr : &it.value();
}

int DeviceManageModel::nextDeviceNumber(int iKind)
{
    return UsedNumbers::takeSmallestFree(m_usedNumbers[m_qsTaskName].devices(iKind));
}

int DeviceManageModel::nextStreamId(int iKind)
{
    return UsedNumbers::takeSmallestFree(m_usedNumbers[m_qsTaskName].streams(iKind));
}

void DeviceManageModel::releaseDeviceNumber(int iKind, int iNumber)
{
    if (UsedNumbers* pUsed = usedNumbersOfCurrentTask()) {
        pUsed->devices(iKind).erase(iNumber);
    }
}

void DeviceManageModel::releaseStreamId(int iKind, int iStreamId)
{
    if (UsedNumbers* pUsed = usedNumbersOfCurrentTask()) {
        pUsed->streams(iKind).erase(iStreamId);
    }
}

void DeviceManageModel::rebuildUsedNumbers()
{
    if (m_qsTaskName.isEmpty()) {
        return;
    }
    UsedNumbers used;
    for (const DeviceGroupInfo& group : storedDeviceGroups(m_qsTaskName)) {
        const int iKind = kindOfType(group.Type);
        const int iNumber = toInteger(group.DeviceId.mid(3));
        if (iNumber > 0) {
            used.devices(iKind).insert(iNumber);
        }
        for (const StreamGroupInfo& stream : group.StreamGroups) {
            if (stream.Used && stream.StreamID > 0) {
                used.streams(iKind).insert(stream.StreamID);
            }
        }
    }
    m_usedNumbers.insert(m_qsTaskName, used);
}

void DeviceManageModel::forgetTask(const QString& qsTaskName)
{
    m_usedNumbers.remove(qsTaskName);
}

QString DeviceManageModel::resolutionText(int iCode)
{
    return StreamChoices::resolutionText(iCode);
}

int DeviceManageModel::resolutionCode(const QString& qsText)
{
    for (int iCode = 0; iCode < kWd1; ++iCode) {
        if (qsText == resolutionText(iCode)) {
            return iCode;
        }
    }
    return kWd1;
}

QStringList DeviceManageModel::ipcResolutionList()
{
    QStringList qsList;
    for (int iCode = 0; iCode < kWd1; ++iCode) {
        qsList << resolutionText(iCode);
    }
    return qsList;
}

QStringList DeviceManageModel::dvrResolutionList()
{
    QStringList qsList;
    for (int iCode = kFirstDvrResolution; iCode < kWd1; ++iCode) {
        qsList << resolutionText(iCode);
    }
    return qsList;
}

QStringList DeviceManageModel::frameRateList(int iVideoStandard)
{
    QStringList qsList;
    qsList << fullFrameRate(iVideoStandard);
    qsList << QStringLiteral("22") << QStringLiteral("20") << QStringLiteral("18")
           << QStringLiteral("16") << QStringLiteral("15") << QStringLiteral("12.5")
           << QStringLiteral("12") << QStringLiteral("10") << QStringLiteral("9")
           << QStringLiteral("8") << QStringLiteral("7") << QStringLiteral("6")
           << QStringLiteral("5") << QStringLiteral("4") << QStringLiteral("3")
           << QStringLiteral("2") << QStringLiteral("1") << QStringLiteral("1/2")
           << QStringLiteral("1/4") << QStringLiteral("1/8") << QStringLiteral("1/16");
    return qsList;
}
