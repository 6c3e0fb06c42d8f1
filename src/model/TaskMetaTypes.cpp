#include "model/TaskMetaTypes.h"

#include "model/NvrBandWidth.h"
#include "model/PrintDevInfo.h"
#include "model/TaskInfo.h"

#include <QMetaType>

#include <vector>

void registerTaskMetaTypes()
{
    qRegisterMetaType<TaskInfo>("TaskInfo");
    qRegisterMetaType<NvrBandWidth>("NvrBandWidth");
    qRegisterMetaType<PrintDevInfo>("PrintDevInfo");
    qRegisterMetaType<std::vector<NvrBandWidth>>("std::vector<NvrBandWidth>");
    qRegisterMetaType<std::vector<PrintDevInfo>>("std::vector<PrintDevInfo>");
}
