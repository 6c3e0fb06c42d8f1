#include "devices/DeviceListWidget.h"

#include "ui_DeviceList.h"

#include "controls/CTreeViewWithRightPixmapDelegate.h"
#include "controls/CWarnDlg.h"
#include "devices/DeviceManageModel.h"
#include "devices/NewDeviceWidget.h"
#include "devices/NewStreamGroupWidget.h"

#include <QHeaderView>

namespace {

const QString kExampleTask = QStringLiteral("Example Task");
const QString kIpcPrefix = QStringLiteral("IPC");
const int kColumnWidths[] = {65, 80, 60, 120, 60, 80, 110, 110, 100};

int kindOfDeviceId(const QString& qsDeviceId)
{
    return qsDeviceId.startsWith(kIpcPrefix) ? 0 : 1;
}

} // namespace

DeviceListWidget::DeviceListWidget(QWidget* parent)
    : QWidget(parent), m_pUi(new Ui::DeviceList), m_pModel(nullptr)
{
    m_pUi->setupUi(this);
    m_pModel = new DeviceManageModel(this);

    CNewTreeView* pView = m_pUi->treeDeviceList;
    pView->setItemDelegate(new CTreeViewWithRightPixmapDelegate(pView));
    pView->setRootIsDecorated(true);
    pView->setSelectionMode(QAbstractItemView::SingleSelection);
    pView->setModel(m_pModel);
    setColumnWidths();

    m_pUi->combVideoStandard->addItem(QCoreApplication::translate("DeviceList", "PAL"), 0);
    m_pUi->combVideoStandard->addItem(QCoreApplication::translate("DeviceList", "NTSC"), 1);
    m_pUi->btnAddDevice->setEnabled(false);
    m_pUi->btnDelDevice->setEnabled(false);

    connect(m_pUi->btnAddDevice, &QPushButton::clicked, this, &DeviceListWidget::addDevice);
    connect(pView, &CNewTreeView::SignalClicked, this, &DeviceListWidget::clickedDevice);
    connect(pView, &QAbstractItemView::clicked, m_pModel, &DeviceManageModel::clickDevice);
    connect(pView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DeviceListWidget::slotSelectionChanged);
    connect(m_pUi->btnDelDevice, &QPushButton::clicked, this, &DeviceListWidget::delDevice);
    connectWriteBack();
    connect(m_pModel, &DeviceManageModel::signalUpdate, this, &DeviceListWidget::Update);
    connect(m_pUi->combVideoStandard, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DeviceListWidget::slotVideoStandardChanged);
    connect(m_pModel, &DeviceManageModel::signalExpandItem, this,
            &DeviceListWidget::slotExpandItem);
    connect(m_pModel, &DeviceManageModel::signalCheckRange, this,
            &DeviceListWidget::slotCheckRange);
}

DeviceListWidget::~DeviceListWidget() = default;

int DeviceListWidget::videoStandard() const
{
    return m_pUi->combVideoStandard->currentData().toInt();
}

// The widths are the least a column gets: a header text that needs more (a
// wider font, another language) widens its column, so that it reads whole.
void DeviceListWidget::setColumnWidths()
{
    const QHeaderView* pHeader = m_pUi->treeDeviceList->header();
    int iColumn = 0;
    for (int iWidth : kColumnWidths) {
        m_pUi->treeDeviceList->setColumnWidth(iColumn,
                                              qMax(iWidth, pHeader->sectionSizeHint(iColumn)));
        ++iColumn;
    }
}

void DeviceListWidget::connectWriteBack()
{
    connect(m_pModel, &QStandardItemModel::itemChanged, m_pModel,
            &DeviceManageModel::slotItemChanged, Qt::UniqueConnection);
}

void DeviceListWidget::disconnectWriteBack()
{
    disconnect(m_pModel, &QStandardItemModel::itemChanged, m_pModel,
               &DeviceManageModel::slotItemChanged);
}

// Empties the tree down to its header; the caller holds the write-back.
void DeviceListWidget::resetTree()
{
    m_pModel->clear();
    m_pModel->setupHeader();
    setColumnWidths();
}

void DeviceListWidget::enableButtonsFor(const QString& qsTaskName)
{
    m_pUi->btnAddDevice->setEnabled(qsTaskName != kExampleTask);
    m_pUi->btnDelDevice->setEnabled(false);
}

void DeviceListWidget::slotShowDevice(const QString& qsTaskName)
{
    if (qsTaskName == m_qsTaskName) {
        return;
    }
    m_qsTaskName = qsTaskName;
    enableButtonsFor(qsTaskName);

    disconnectWriteBack();
    resetTree();
    const bool bHasDevices = m_pModel->loadTask(qsTaskName);
    if (bHasDevices) {
        m_pModel->rebuildUsedNumbers();
    }
    UpdateCapBand(bHasDevices);
    UpdateNvrNum(bHasDevices);
    connectWriteBack();
}

void DeviceListWidget::addDevice()
{
    DeviceGroupInfo group;
    {
        NewDeviceWidget dialog(videoStandard());
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        dialog.GetDeviceInfo(group);
    }
    if (!m_pModel->storeNewDeviceGroup(m_qsTaskName, group)) {
        CWarnDlg::Information(tr("Information"), tr("Adding failed."), this);
        return;
    }
    disconnectWriteBack();
    m_pModel->appendDeviceGroupRow(group);
    connectWriteBack();
    UpdateCapBand(true);
    UpdateNvrNum(true);
}

void DeviceListWidget::addStreamGroup(const QModelIndex& qIndex, const QString& qsDeviceId)
{
    // Refused before the dialog opens, so that nothing is typed in vain.
    if (m_pModel->rowCount(qIndex.sibling(qIndex.row(), 0)) >= DeviceGroupInfo::kMaxStreamGroups) {
        CWarnDlg::Information(tr("Information"),
                              tr("Up to 1000 stream groups can be added to a device."), this);
        return;
    }
    StreamGroupInfo stream;
    {
        NewStreamGroupWidget dialog(qsDeviceId.left(3), videoStandard());
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        dialog.GetStreamInfo(stream);
    }
    stream.StreamID = m_pModel->nextStreamId(kindOfDeviceId(qsDeviceId));
    m_pModel->storeNewStreamGroup(m_qsTaskName, qsDeviceId, stream);
    disconnectWriteBack();
    m_pModel->appendStreamGroupRow(qIndex, stream);
    connectWriteBack();
    // Stream groups take no part in the recorder list.
    UpdateCapBand(true);
}

void DeviceListWidget::delStreamGroup(const QModelIndex& qIndex, const QString& qsDeviceId)
{
    const int iKind = kindOfDeviceId(qsDeviceId);
    const int iStreamId = qIndex.sibling(qIndex.row(), 0).data(Qt::UserRole).toInt();
    m_pModel->removeStreamGroup(m_qsTaskName, qsDeviceId, iStreamId);
    m_pModel->releaseStreamId(iKind, iStreamId);
    const QModelIndex groupIndex = qIndex.parent();
    m_pModel->removeRow(qIndex.row(), groupIndex.sibling(groupIndex.row(), 0));
    UpdateCapBand(true);
}

void DeviceListWidget::clickedDevice(const QModelIndex& qIndex, tools::CItemDataRole enumTypeRole)
{
    if (!qIndex.isValid()) {
        return;
    }
    if (enumTypeRole == tools::ZonePixmap1Role && !qIndex.parent().isValid()) {
        const QStandardItem* pGroup = m_pModel->item(qIndex.row(), 0);
        if (pGroup) {
            addStreamGroup(qIndex, pGroup->text());
        }
    } else if (enumTypeRole == tools::ZonePixmap2Role && qIndex.parent().isValid()) {
        const QModelIndex groupIndex = qIndex.parent();
        delStreamGroup(qIndex, groupIndex.sibling(groupIndex.row(), 0).data().toString());
    }
}

QModelIndexList DeviceListWidget::selectedRowHeads() const
{
    QModelIndexList heads;
    const QModelIndexList selected = m_pUi->treeDeviceList->selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        const QModelIndex head = index.sibling(index.row(), 0);
        if (!heads.contains(head)) {
            heads << head;
        }
    }
    return heads;
}

void DeviceListWidget::delDevice()
{
    const QModelIndexList heads = selectedRowHeads();
    if (heads.isEmpty()) {
        return;
    }
    for (int i = heads.size() - 1; i >= 0; --i) {
        const QPersistentModelIndex head(heads.at(i));
        if (!head.isValid()) {
            return;
        }
        // Only device-group rows are deleted here; stream rows have their own zone.
        if (head.parent().isValid()) {
            continue;
        }
        const QString qsDeviceId = head.data().toString();
        m_pModel->removeRow(head.row());
        m_pModel->removeDeviceGroup(m_qsTaskName, qsDeviceId);
    }
    Update();
    if (m_pModel->rowCount() == 0) {
        m_pUi->btnDelDevice->setEnabled(false);
    }
}

void DeviceListWidget::slotBitRateChanged(double iBitRate)
{
    if (iBitRate == 0.0) {
        UpdateCapBand(true);
    } else {
        UpdateNvrNum(true);
    }
}

void DeviceListWidget::UpdateCapBand(bool bChange)
{
    emit signalBitRateChanged(bChange ? m_pModel->totalBitrate(m_qsTaskName) : 0.0);
}

void DeviceListWidget::UpdateNvrNum(bool bChange)
{
    std::vector<NvrBandWidth> vsBandWidth;
    if (bChange) {
        m_pModel->collectNvrBandWidth(m_qsTaskName, vsBandWidth);
    }
    emit signalBitRateChanged(vsBandWidth);
}

void DeviceListWidget::Update()
{
    UpdateCapBand(true);
    UpdateNvrNum(true);
}

void DeviceListWidget::slotVideoStandardChanged(int iIndex)
{
    Q_UNUSED(iIndex);
    m_pModel->setVideoStandard(videoStandard());
}

void DeviceListWidget::slotSelectionChanged(const QItemSelection& selected,
                                            const QItemSelection& deselected)
{
    Q_UNUSED(selected);
    Q_UNUSED(deselected);
    if (m_qsTaskName == kExampleTask) {
        m_pUi->btnDelDevice->setEnabled(false);
        return;
    }
    const QModelIndexList heads = selectedRowHeads();
    if (!heads.isEmpty()) {
        // Stream-group rows show no text in their first column.
        m_pUi->btnDelDevice->setEnabled(!heads.first().data().toString().isEmpty());
    }
}

void DeviceListWidget::slotNoTask()
{
    m_pUi->btnAddDevice->setEnabled(false);
    UpdateCapBand(true);
    UpdateNvrNum(true);
}

void DeviceListWidget::slotDelTask(const QString& qsTaskName)
{
    m_qsTaskName = qsTaskName;
    enableButtonsFor(qsTaskName);
    m_pModel->forgetTask(qsTaskName);
    disconnectWriteBack();
    resetTree();
    connectWriteBack();
    UpdateCapBand(true);
    UpdateNvrNum(true);
}

void DeviceListWidget::slotAddDefTask(const TaskInfo& struTaskInfo)
{
    m_pModel->addTemplateDevices(struTaskInfo);
}

void DeviceListWidget::slotExpandItem(const QModelIndex& qmIndex)
{
    m_pUi->treeDeviceList->expand(qmIndex);
}

void DeviceListWidget::slotCheckRange(const QString& qsError)
{
    CWarnDlg::Information(tr("Information"), qsError, this);
}

void DeviceListWidget::slotPrintInfo()
{
    auto text = [this](int iRow, int iColumn, const QModelIndex& parent) {
        return m_pModel->index(iRow, iColumn, parent).data().toString();
    };
    std::vector<PrintDevInfo> vsDevInfo;
    for (int iRow = 0; iRow < m_pModel->rowCount(); ++iRow) {
        PrintDevInfo group;
        group.DeviceType = text(iRow, 0, QModelIndex());
        group.DeviceCount = text(iRow, 1, QModelIndex());
        group.MainStream = text(iRow, 6, QModelIndex());
        group.SubStream = text(iRow, 7, QModelIndex());
        vsDevInfo.push_back(group);

        const QModelIndex groupIndex = m_pModel->index(iRow, 0);
        for (int iChild = 0; iChild < m_pModel->rowCount(groupIndex); ++iChild) {
            PrintDevInfo stream;
            stream.StreamCount = text(iChild, 2, groupIndex);
            stream.Resolution = text(iChild, 3, groupIndex);
            stream.FrameRate = text(iChild, 4, groupIndex);
            stream.Bitrate = text(iChild, 5, groupIndex);
            vsDevInfo.push_back(stream);
        }
    }
    emit signalPrintInfo(vsDevInfo);
}
