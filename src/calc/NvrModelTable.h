#ifndef NVRMODELTABLE_H
#define NVRMODELTABLE_H

#include "calc/NvrModelInfo.h"

// The built-in recorder models: one process-wide list in a fixed row order,
// filled once by fill() (the first NVR calculator calls it) and kept until the
// library is unloaded. Every access is serialised, so lookups from the
// calculation thread and the combo box never meet half-way.
class NvrModelTable
{
public:
    // Fills the table on the first call; later calls find it filled.
    static void fill();

    // Rows in table order; size() is 0 before the first fill().
    static int size();
    // An empty record for a row that does not exist.
    static NvrModelInfo at(int iRow);

    // First row named qsName (case-sensitive). On a hit copies the row into
    // model, leaving its capacityChannels alone, and returns true; otherwise
    // returns false and leaves model unchanged.
    static bool findModelByName(const QString& qsName, NvrModelInfo& model);

    // First row with this id. On a hit copies the row into model and, unless
    // iExtension is -1, sets capacityChannels = channels + iExtension in model
    // and in the row. Returns whether the id was found.
    static bool findModelById(int iId, NvrModelInfo& model, int iExtension);
};

#endif
