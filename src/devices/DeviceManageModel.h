#ifndef DEVICEMANAGEMODEL_H
#define DEVICEMANAGEMODEL_H

#include "devices/UsedNumbers.h"
#include "model/DeviceGroupInfo.h"
#include "model/NvrBandWidth.h"
#include "model/TaskInfo.h"

#include <QMap>
#include <QModelIndex>
#include <QStandardItemModel>
#include <QStringList>

#include <vector>

class TaskXmlStore;

// The device tree of the current task: one top-level row per device group,
// one child row per stream group. Every accepted cell edit is written to
// Task.xml at once; the model also allocates the identifiers of new groups
// and computes the calculators' inputs from the stored task.
class DeviceManageModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColDeviceType,
        ColDeviceCount,
        ColStreamCount,
        ColResolution,
        ColFrameRate,
        ColBitrate,
        ColMainStream,
        ColSubStream,
        ColAddDelete,
        ColumnCount
    };

    explicit DeviceManageModel(QObject* parent = nullptr);

    void setupHeader();
    bool loadTask(const QString& qsTaskName);
    bool appendDeviceGroupRow(const DeviceGroupInfo& group);
    bool appendStreamGroupRow(const QModelIndex& groupIndex, const StreamGroupInfo& stream);

    bool storeNewDeviceGroup(const QString& qsTaskName, DeviceGroupInfo& group);
    bool removeDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId);
    bool storeNewStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                             const StreamGroupInfo& stream);
    bool removeStreamGroup(const QString& qsTaskName, const QString& qsDeviceId, int iStreamId);
    bool addTemplateDevices(const TaskInfo& task);

    int nextStreamId(int iKind);
    void releaseStreamId(int iKind, int iStreamId);
    void rebuildUsedNumbers();
    void forgetTask(const QString& qsTaskName);

    double totalBitrate(const QString& qsTaskName) const;
    void collectNvrBandWidth(const QString& qsTaskName,
                             std::vector<NvrBandWidth>& vsBandWidth) const;

    bool checkRange(const QString& qsText, int iColumn);
    void setVideoStandard(int iStandard);

    static QString resolutionText(int iCode);
    static int resolutionCode(const QString& qsText);
    static QStringList ipcResolutionList();
    static QStringList dvrResolutionList();
    static QStringList frameRateList(int iVideoStandard);

signals:
    void signalUpdate();
    void signalExpandItem(const QModelIndex& qIndex);
    void signalCheckRange(const QString& qsError);

public slots:
    void clickDevice(const QModelIndex& qIndex);
    void slotItemChanged(QStandardItem* pItem);

private:
    bool isEditableTask() const;
    QList<QStandardItem*> buildStreamGroupRow(const StreamGroupInfo& stream,
                                              const QStringList& qsResolutions, bool bEditable,
                                              bool bWithEditorRoles) const;
    bool writeDeviceGroupCell(TaskXmlStore& store, QStandardItem* pItem, QString& qsRestore);
    bool writeStreamGroupCell(TaskXmlStore& store, QStandardItem* pItem, QString& qsRestore);

    int nextDeviceNumber(int iKind);
    void releaseDeviceNumber(int iKind, int iNumber);
    UsedNumbers* usedNumbersOfCurrentTask();

    QModelIndex m_lastClickedIndex;
    QString m_qsTaskName;
    int m_iVideoStandard;
    QMap<QString, UsedNumbers> m_usedNumbers;
};

#endif
