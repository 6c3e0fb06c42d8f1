#ifndef DEVICELISTWIDGET_H
#define DEVICELISTWIDGET_H

#include "controls/CItemDataRole.h"
#include "model/NvrBandWidth.h"
#include "model/PrintDevInfo.h"
#include "model/TaskInfo.h"

#include <QItemSelection>
#include <QModelIndex>
#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class DeviceList;
}

class DeviceManageModel;

// The panel that shows the device groups and stream groups of the current
// task, adds and deletes them, holds the video standard for new devices, and
// feeds the calculators: after every change it emits the task's total bitrate
// and the per-group recorder bandwidth list.
class DeviceListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceListWidget(QWidget* parent = nullptr);
    ~DeviceListWidget() override;

signals:
    void signalBitRateChanged(double iBitRate);
    void signalBitRateChanged(std::vector<NvrBandWidth>& vsBandWidth);
    void signalPrintInfo(std::vector<PrintDevInfo>& vsDevInfo);

public slots:
    void addDevice();
    void addStreamGroup(const QModelIndex& qIndex, const QString& qsDeviceId);
    void delStreamGroup(const QModelIndex& qIndex, const QString& qsDeviceId);
    void slotShowDevice(const QString& qsTaskName);
    void clickedDevice(const QModelIndex& qIndex, tools::CItemDataRole enumTypeRole);
    void delDevice();
    void slotBitRateChanged(double iBitRate);
    void UpdateCapBand(bool bChange = true);
    void UpdateNvrNum(bool bChange = true);
    void Update();
    void slotVideoStandardChanged(int iIndex);
    void slotSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void slotNoTask();
    void slotDelTask(const QString& qsTaskName);
    void slotAddDefTask(const TaskInfo& struTaskInfo);
    void slotExpandItem(const QModelIndex& qmIndex);
    void slotCheckRange(const QString& qsError);
    void slotPrintInfo();

private:
    int videoStandard() const;
    void setColumnWidths();
    void connectWriteBack();
    void disconnectWriteBack();
    void resetTree();
    void enableButtonsFor(const QString& qsTaskName);
    QModelIndexList selectedRowHeads() const;
    // A change that did not reach Task.xml; the tree shows what it holds.
    void reportNotStored(const QString& qsError);

    std::unique_ptr<Ui::DeviceList> m_pUi;
    DeviceManageModel* m_pModel;
    QString m_qsTaskName;
};

#endif
