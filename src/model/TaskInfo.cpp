#include "model/TaskInfo.h"

bool TaskInfo::operator==(const TaskInfo& other) const
{
    return Name == other.Name && Type == other.Type && DVRNum == other.DVRNum &&
           IPCNum == other.IPCNum && Remark == other.Remark;
}
