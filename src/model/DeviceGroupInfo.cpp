#include "model/DeviceGroupInfo.h"

#include <QtGlobal>

StreamGroupInfo& DeviceGroupInfo::slot(int iSlot)
{
    Q_ASSERT(iSlot >= 0 && iSlot < kMaxStreamGroups);
    if (static_cast<size_t>(iSlot) >= StreamGroups.size()) {
        StreamGroups.resize(static_cast<size_t>(iSlot) + 1);
    }
    return StreamGroups[static_cast<size_t>(iSlot)];
}
