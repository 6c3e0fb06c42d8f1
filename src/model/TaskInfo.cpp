#include "model/TaskInfo.h"

#include <QCoreApplication>

QString TaskInfo::typeText(int iType)
{
    switch (iType) {
    case TaskTypeNormal:
        return QCoreApplication::translate("NewTask", "Normal Task");
    case TaskTypeStandardDef:
        return QCoreApplication::translate("NewTask", "Standard Definition Task");
    case TaskTypeHighDef:
        return QCoreApplication::translate("NewTask", "High Definition Task");
    default:
        return QCoreApplication::translate("TaskInfo", "Unknown Task Type %1").arg(iType);
    }
}

bool TaskInfo::operator==(const TaskInfo& other) const
{
    return Name == other.Name && Type == other.Type && DVRNum == other.DVRNum &&
           IPCNum == other.IPCNum && Remark == other.Remark;
}
