#ifndef DEVICEMANAGEMODEL_H
#define DEVICEMANAGEMODEL_H

#include "devices/UsedNumbers.h"
#include "model/DeviceGroupInfo.h"
#include "model/NvrBandWidth.h"
#include "model/TaskInfo.h"

#include <QMap>
#include <QModelIndex>
#include <QPixmap>
#include <QStandardItemModel>
#include <QStringList>

#include <vector>

// The device tree of the current task: one top-level row per device group,
// one child row per stream group. Every accepted cell edit is written to
// Task.xml at once; the model also allocates the identifiers of new groups
// and computes the calculators' inputs from the stored task.
//
// The store is asked once per action: the task's device groups are read when
// the task is shown and then kept in step with every change the model
// stores. A change that does not reach the file is not shown: the operations
// give false with the reason in *pError, and an edited cell returns to the
// stored value after signalSaveFailed.
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

    bool storeNewDeviceGroup(const QString& qsTaskName, DeviceGroupInfo& group,
                             QString* pError = nullptr);
    bool removeDeviceGroup(const QString& qsTaskName, const QString& qsDeviceId,
                           QString* pError = nullptr);
    bool storeNewStreamGroup(const QString& qsTaskName, const QString& qsDeviceId,
                             const StreamGroupInfo& stream, QString* pError = nullptr);
    bool removeStreamGroup(const QString& qsTaskName, const QString& qsDeviceId, int iStreamId,
                           QString* pError = nullptr);
    // The template devices of a new task, which becomes the current task
    // (its rows are built when it is shown).
    bool addTemplateDevices(const TaskInfo& task, QString* pError = nullptr);

    int nextStreamId(int iKind);
    void releaseStreamId(int iKind, int iStreamId);
    void rebuildUsedNumbers();
    // The task is gone: it becomes the current task, without device groups.
    void forgetTask(const QString& qsTaskName);

    // The calculators' inputs from the current task's stored device groups.
    double totalBitrate() const;
    void collectNvrBandWidth(std::vector<NvrBandWidth>& vsBandWidth) const;

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
    // An edited value could not be written to Task.xml; carries the reason.
    void signalSaveFailed(const QString& qsError);

public slots:
    void clickDevice(const QModelIndex& qIndex);
    void slotItemChanged(QStandardItem* pItem);

private:
    bool isEditableTask() const;
    QList<QStandardItem*> buildStreamGroupRow(const StreamGroupInfo& stream,
                                              const QStringList& qsResolutions, bool bEditable,
                                              bool bWithEditorRoles) const;
    bool writeDeviceGroupCell(QStandardItem* pItem, QString& qsRestore, QString& qsError);
    bool writeStreamGroupCell(QStandardItem* pItem, QString& qsRestore, QString& qsError);
    DeviceGroupInfo* storedGroup(const QString& qsDeviceId);
    StreamGroupInfo* storedStream(const QString& qsDeviceId, int iStreamId);
    void readStoredGroups();

    void assignIdentifiers(DeviceGroupInfo& group);
    int nextDeviceNumber(int iKind);
    void releaseDeviceNumber(int iKind, int iNumber);
    UsedNumbers* usedNumbersOfCurrentTask();

    QModelIndex m_lastClickedIndex;
    QString m_qsTaskName;
    // The current task's device groups as the file holds them, used stream
    // groups packed from slot 0.
    std::vector<DeviceGroupInfo> m_storedGroups;
    int m_iVideoStandard;
    QMap<QString, UsedNumbers> m_usedNumbers;
    QPixmap m_addPixmap;
    QPixmap m_deletePixmap;
};

#endif
