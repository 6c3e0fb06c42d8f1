#ifndef TASKMETATYPES_H
#define TASKMETATYPES_H

// Registers the records that travel in signals with Qt's meta-type system
// under the names "TaskInfo", "NvrBandWidth" and "PrintDevInfo" (and their
// std::vector forms). The main window calls it once, before it connects.
void registerTaskMetaTypes();

#endif
