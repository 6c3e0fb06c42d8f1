#include "devices/DeviceManageModel.h"

#include "calc/DeviceGroupTotals.h"
#include "controls/CItemDataRole.h"
#include "devices/StreamChoices.h"
#include "model/TaskXmlStore.h"

#include <QPixmap>

#include <algorithm>

namespace {

const QString kTaskFile = QStringLiteral("Task.xml");
const QString kExampleTask = QStringLiteral("Example Task");
const QString kIpcPrefix = QStringLiteral("IPC");
const QString kDvrPrefix = QStringLiteral("DVR");

constexpr int kRoleStreamId = Qt::UserRole;

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

QStandardItem* zoneItem(bool bEditable, int iZoneRole, const QPixmap& pixmap,
                        const QString& qsToolTip)
{
    QStandardItem* pItem = readOnlyItem();
    if (bEditable) {
        pItem->setData(pixmap, iZoneRole);
        pItem->setToolTip(qsToolTip);
    }
    return pItem;
}

// The group as the file holds it once stored: its used slots, packed from
// slot 0.
DeviceGroupInfo asStored(DeviceGroupInfo group)
{
    std::vector<StreamGroupInfo>& vSlots = group.StreamGroups;
    vSlots.erase(std::remove_if(vSlots.begin(), vSlots.end(),
                                [](const StreamGroupInfo& stream) { return !stream.Used; }),
                 vSlots.end());
    return group;
}

int usedSlots(const DeviceGroupInfo& group)
{
    return int(std::count_if(group.StreamGroups.begin(), group.StreamGroups.end(),
                             [](const StreamGroupInfo& stream) { return stream.Used; }));
}

int* deviceField(DeviceGroupInfo& group, int iColumn)
{
    switch (iColumn) {
    case DeviceManageModel::ColDeviceCount:
        return &group.DeviceNum;
    case DeviceManageModel::ColMainStream:
        return &group.MainStream;
    default:
        return &group.SubStream;
    }
}

// setStreamGroupField's code for the field a stream-group column shows.
int streamFieldOf(int iColumn)
{
    switch (iColumn) {
    case DeviceManageModel::ColStreamCount:
        return TaskXmlStore::StreamFieldNum;
    case DeviceManageModel::ColResolution:
        return TaskXmlStore::StreamFieldResolution;
    case DeviceManageModel::ColFrameRate:
        return TaskXmlStore::StreamFieldFrameRate;
    case DeviceManageModel::ColBitrate:
        return TaskXmlStore::StreamFieldBitrate;
    default:
        return -1;
    }
}

// Sets the field a stream-group column shows from the cell's text.
void setStreamField(StreamGroupInfo& stream, int iColumn, const QString& qsText)
{
    switch (iColumn) {
    case DeviceManageModel::ColStreamCount:
        stream.StreamNum = toInteger(qsText);
        break;
    case DeviceManageModel::ColResolution:
        stream.Resolution = DeviceManageModel::resolutionCode(qsText);
        break;
    case DeviceManageModel::ColFrameRate:
        stream.FrameRate = qsText;
        break;
    default:
        stream.Bitrate = toInteger(qsText);
        break;
    }
}

QString streamFieldText(const StreamGroupInfo& stream, int iColumn)
{
    switch (iColumn) {
    case DeviceManageModel::ColStreamCount:
        return QString::number(stream.StreamNum);
    case DeviceManageModel::ColResolution:
        return DeviceManageModel::resolutionText(stream.Resolution);
    case DeviceManageModel::ColFrameRate:
        return stream.FrameRate;
    default:
        return QString::number(stream.Bitrate);
    }
}

} // namespace

DeviceManageModel::DeviceManageModel(QObject* parent)
    : QStandardItemModel(parent), m_iVideoStandard(0),
      // Loaded once: a picture loaded per row costs more than the row.
      m_addPixmap(QStringLiteral(":images/ButtonIcon/Add_White.png")),
      m_deletePixmap(QStringLiteral(":images/ButtonIcon/Delete_White.png"))
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
    m_qsTaskName = qsTaskName;
    readStoredGroups();
    for (const DeviceGroupInfo& group : m_storedGroups) {
        appendDeviceGroupRow(group);
    }
    return !m_storedGroups.empty();
}

void DeviceManageModel::readStoredGroups()
{
    m_storedGroups.clear();
    TaskXmlStore(kTaskFile).getDeviceGroups(m_qsTaskName, m_storedGroups);
}

DeviceGroupInfo* DeviceManageModel::storedGroup(const QString& qsDeviceId)
{
    const auto it = std::find_if(
        m_storedGroups.begin(), m_storedGroups.end(),
        [&qsDeviceId](const DeviceGroupInfo& group) { return group.DeviceId == qsDeviceId; });
    return it == m_storedGroups.end() ? nullptr : &*it;
}

StreamGroupInfo* DeviceManageModel::storedStream(const QString& qsDeviceId, int iStreamId)
{
    DeviceGroupInfo* pGroup = storedGroup(qsDeviceId);
    if (!pGroup) {
        return nullptr;
    }
    const auto it = std::find_if(pGroup->StreamGroups.begin(), pGroup->StreamGroups.end(),
                                 [iStreamId](const StreamGroupInfo& stream) {
                                     return stream.Used && stream.StreamID == iStreamId;
                                 });
    return it == pGroup->StreamGroups.end() ? nullptr : &*it;
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
    row << zoneItem(bEditable, tools::ZonePixmap1Role, m_addPixmap, tr("Add"));
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
        << choiceItem(streamFieldText(stream, ColResolution), qsResolutions, bEditable)
        << choiceItem(stream.FrameRate, frameRateList(m_iVideoStandard), bEditable)
        << numberItem(stream.Bitrate, tools::IntRange32To16384AltRole) << readOnlyItem()
        << readOnlyItem()
        << zoneItem(bEditable, tools::ZonePixmap2Role, m_deletePixmap, tr("Delete"));
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
    QString qsRestore;
    QString qsError;
    const bool bWritten = pItem->parent() ? writeStreamGroupCell(pItem, qsRestore, qsError)
                                          : writeDeviceGroupCell(pItem, qsRestore, qsError);
    if (bWritten) {
        emit signalUpdate();
        return;
    }
    if (!qsRestore.isNull()) {
        // Handled again by this slot: the stored value passes and asks nothing.
        pItem->setText(qsRestore);
    }
    if (!qsError.isEmpty()) {
        emit signalSaveFailed(qsError);
    }
}

bool DeviceManageModel::writeDeviceGroupCell(QStandardItem* pItem, QString& qsRestore,
                                             QString& qsError)
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
    DeviceGroupInfo* pStored = storedGroup(qsDeviceId);
    const QString qsStored = pStored ? QString::number(*deviceField(*pStored, iColumn)) : QString();
    const int iRangeColumn = iColumn == ColSubStream ? int(ColMainStream) : iColumn;
    if (!checkRange(pItem->text(), iRangeColumn)) {
        qsRestore = qsStored;
        return false;
    }

    const int iValue = toInteger(pItem->text());
    if (pStored && *deviceField(*pStored, iColumn) == iValue) {
        return true; // nothing to write: the stored value, or one set back
    }
    TaskXmlStore store(kTaskFile);
    const bool bStored =
        iColumn == ColDeviceCount  ? store.setDeviceNum(m_qsTaskName, qsDeviceId, iValue, &qsError)
        : iColumn == ColMainStream ? store.setMainStream(m_qsTaskName, qsDeviceId, iValue, &qsError)
                                   : store.setSubStream(m_qsTaskName, qsDeviceId, iValue, &qsError);
    if (!qsError.isEmpty()) {
        qsRestore = qsStored;
        return false;
    }
    if (bStored) {
        // Every group of that identifier, as the store writes them.
        for (DeviceGroupInfo& group : m_storedGroups) {
            if (group.DeviceId == qsDeviceId) {
                *deviceField(group, iColumn) = iValue;
            }
        }
    }
    return true;
}

bool DeviceManageModel::writeStreamGroupCell(QStandardItem* pItem, QString& qsRestore,
                                             QString& qsError)
{
    QStandardItem* pGroupItem = pItem->parent();
    const int iRow = pItem->row();
    const int iColumn = pItem->column();
    const QStandardItem* pIdItem = pGroupItem->child(iRow, ColDeviceType);
    if (!pGroupItem->child(iRow, ColStreamCount) || !pIdItem || streamFieldOf(iColumn) < 0) {
        return false;
    }
    const QString qsDeviceId = pGroupItem->text();
    StreamGroupInfo stream;
    stream.Used = true;
    stream.StreamID = pIdItem->data(kRoleStreamId).toInt();
    StreamGroupInfo* pStored = storedStream(qsDeviceId, stream.StreamID);
    const QString qsStored = pStored ? streamFieldText(*pStored, iColumn) : QString();

    const QString qsText = pItem->text();
    if ((iColumn == ColStreamCount || iColumn == ColBitrate) && !checkRange(qsText, iColumn)) {
        qsRestore = qsStored;
        return false;
    }
    setStreamField(stream, iColumn, qsText);
    if (pStored && streamFieldText(stream, iColumn) == qsStored) {
        return true; // nothing to write: the stored value, or one set back
    }
    const bool bStored = TaskXmlStore(kTaskFile).setStreamGroupField(
        m_qsTaskName, qsDeviceId, streamFieldOf(iColumn), stream, &qsError);
    if (!qsError.isEmpty()) {
        qsRestore = qsStored;
        return false;
    }
    if (bStored && pStored) {
        setStreamField(*pStored, iColumn, qsText);
    }
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

bool DeviceManageModel::storeNewDeviceGroup(const QString& qsTaskName, DeviceGroupInfo& group,
                                            QString* pError)
{
    assignIdentifiers(group);
    if (!TaskXmlStore(kTaskFile).addDeviceGroup(qsTaskName, group, pError)) {
        return false;
    }
    if (qsTaskName == m_qsTaskName) {
        m_storedGroups.push_back(asStored(group));
    }
    return true;
}

// The next free DeviceId of the group's kind, and the next stream identifier
// for its first slot.
void DeviceManageModel::assignIdentifiers(DeviceGroupInfo& group)
{
    const int iKind = kindOfType(group.Type);
    const QString& qsPrefix = iKind == kKindIpc ? kIpcPrefix : kDvrPrefix;
    group.DeviceId = qsPrefix + QString::number(nextDeviceNumber(iKind));
    group.slot(0).StreamID = nextStreamId(iKind);
}

bool DeviceManageModel::removeDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                          QString* pError)
{
    if (!TaskXmlStore(kTaskFile).deleteDeviceGroup(qsTaskName, qsDeviceId, pError)) {
        return false;
    }
    const auto it = std::find_if(
        m_storedGroups.begin(), m_storedGroups.end(),
        [&qsDeviceId](const DeviceGroupInfo& group) { return group.DeviceId == qsDeviceId; });
    if (qsTaskName == m_qsTaskName && it != m_storedGroups.end()) {
        m_storedGroups.erase(it);
    }
    if (qsDeviceId.size() > 3) {
        releaseDeviceNumber(kindOfDeviceId(qsDeviceId), toInteger(qsDeviceId.mid(3)));
    }
    return true;
}

bool DeviceManageModel::storeNewStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                            const StreamGroupInfo& stream, QString* pError)
{
    if (!TaskXmlStore(kTaskFile).appendStreamGroup(qsTaskName, qsDeviceId, stream, pError)) {
        return false;
    }
    DeviceGroupInfo* pGroup = qsTaskName == m_qsTaskName ? storedGroup(qsDeviceId) : nullptr;
    // Past the last slot the file holds more than a device group shows.
    if (pGroup && stream.Used && usedSlots(*pGroup) < DeviceGroupInfo::kMaxStreamGroups) {
        pGroup->slot(usedSlots(*pGroup)) = stream;
    }
    return true;
}

bool DeviceManageModel::removeStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                                          int iStreamId, QString* pError)
{
    if (!TaskXmlStore(kTaskFile).deleteStreamGroup(qsTaskName, qsDeviceId, iStreamId, pError)) {
        return false;
    }
    DeviceGroupInfo* pGroup = qsTaskName == m_qsTaskName ? storedGroup(qsDeviceId) : nullptr;
    if (!pGroup) {
        return true;
    }
    if (usedSlots(*pGroup) == DeviceGroupInfo::kMaxStreamGroups) {
        // A stream group the file holds past the last slot moves up into it.
        readStoredGroups();
        return true;
    }
    std::vector<StreamGroupInfo>& vSlots = pGroup->StreamGroups;
    const auto it =
        std::find_if(vSlots.begin(), vSlots.end(), [iStreamId](const StreamGroupInfo& s) {
            return s.Used && s.StreamID == iStreamId;
        });
    if (it != vSlots.end()) {
        vSlots.erase(it);
    }
    return true;
}

bool DeviceManageModel::addTemplateDevices(const TaskInfo& task, QString* pError)
{
    m_qsTaskName = task.Name;
    m_storedGroups.clear();
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

    assignIdentifiers(ipc);
    assignIdentifiers(dvr);
    const std::vector<DeviceGroupInfo> vTemplates = {ipc, dvr};
    if (!TaskXmlStore(kTaskFile).addDeviceGroups(task.Name, vTemplates, pError)) {
        return false;
    }
    m_storedGroups = vTemplates;
    return true;
}

double DeviceManageModel::totalBitrate() const
{
    return DeviceGroupTotals::totalBitrate(m_storedGroups);
}

void DeviceManageModel::collectNvrBandWidth(std::vector<NvrBandWidth>& vsBandWidth) const
{
    const std::vector<NvrBandWidth> vsGroups = DeviceGroupTotals::nvrBandWidths(m_storedGroups);
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
    for (const DeviceGroupInfo& group : m_storedGroups) {
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
    m_qsTaskName = qsTaskName;
    m_storedGroups.clear();
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
