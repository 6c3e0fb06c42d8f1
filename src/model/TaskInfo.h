#ifndef TASKINFO_H
#define TASKINFO_H

#include <QMetaType>
#include <QString>

// Values of TaskInfo::Type.
enum TaskType : int
{
    TaskTypeNormal = 1,      // "Normal Task": no template devices
    TaskTypeStandardDef = 2, // "Standard Definition Task": template StandardDef
    TaskTypeHighDef = 3      // "High Definition Task": template HighDef
};

// One calculation task.
struct TaskInfo
{
    QString Name;
    int Type = 1; // TaskType
    int DVRNum = 0;
    int IPCNum = 0;
    QString Remark;

    // The type's name as the new-task dialog offers it; a code the dialog
    // does not offer (a hand-made file) is named with its number.
    static QString typeText(int iType);

    bool operator==(const TaskInfo& other) const;
    bool operator!=(const TaskInfo& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(TaskInfo)

#endif
