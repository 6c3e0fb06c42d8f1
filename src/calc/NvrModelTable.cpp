#include "calc/NvrModelTable.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

#include <vector>

namespace {

struct BuiltInModel
{
    int id;
    const char* name;
    int channels;
    int secondChannels;
    int bandwidth;
};

// Rows 28 and 32 take 32 channels and rows 45 and 46 accept half the usual
// bandwidth: those are the models' real limits.
constexpr BuiltInModel kBuiltInModels[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "KV-R08-1"), 8, 0, 40960},
    {1, QT_TRANSLATE_NOOP("QObject", "KV-R16-1"), 16, 0, 81920},
    {42, QT_TRANSLATE_NOOP("QObject", "KV-R32-1"), 32, 0, 163840},
    {44, QT_TRANSLATE_NOOP("QObject", "KV-T64-1"), 64, 0, 163840},
    {2, QT_TRANSLATE_NOOP("QObject", "KV-R08-2"), 8, 0, 40960},
    {3, QT_TRANSLATE_NOOP("QObject", "KV-R16-2"), 16, 0, 81920},
    {43, QT_TRANSLATE_NOOP("QObject", "KV-R32-2"), 32, 0, 163840},
    {28, QT_TRANSLATE_NOOP("QObject", "KV-R04-3"), 4, 0, 20480},
    {29, QT_TRANSLATE_NOOP("QObject", "KV-R08-3"), 8, 0, 40960},
    {30, QT_TRANSLATE_NOOP("QObject", "KV-R16-3"), 16, 0, 81920},
    {31, QT_TRANSLATE_NOOP("QObject", "KV-R04-4"), 4, 0, 20480},
    {32, QT_TRANSLATE_NOOP("QObject", "KV-R08-4"), 8, 0, 40960},
    {33, QT_TRANSLATE_NOOP("QObject", "KV-R16-4"), 16, 0, 81920},
    {34, QT_TRANSLATE_NOOP("QObject", "KV-R04-5"), 4, 0, 20480},
    {35, QT_TRANSLATE_NOOP("QObject", "KV-R08-5"), 8, 0, 40960},
    {36, QT_TRANSLATE_NOOP("QObject", "KV-R16-5"), 16, 0, 81920},
    {4, QT_TRANSLATE_NOOP("QObject", "KV-T08-1"), 8, 0, 40960},
    {5, QT_TRANSLATE_NOOP("QObject", "KV-T16-1"), 16, 0, 81920},
    {6, QT_TRANSLATE_NOOP("QObject", "KV-T32-1"), 32, 0, 163840},
    {7, QT_TRANSLATE_NOOP("QObject", "KV-W08-1"), 8, 0, 40960},
    {8, QT_TRANSLATE_NOOP("QObject", "KV-W16-1"), 16, 0, 81920},
    {9, QT_TRANSLATE_NOOP("QObject", "KV-W32-1"), 32, 0, 163840},
    {45, QT_TRANSLATE_NOOP("QObject", "KV-W64-1"), 64, 0, 163840},
    {46, QT_TRANSLATE_NOOP("QObject", "KV-W64-7"), 64, 0, 163840},
    {10, QT_TRANSLATE_NOOP("QObject", "KV-Z08-1"), 8, 0, 40960},
    {11, QT_TRANSLATE_NOOP("QObject", "KV-Z16-1"), 16, 0, 81920},
    {12, QT_TRANSLATE_NOOP("QObject", "KV-Z32-1"), 32, 0, 163840},
    {37, QT_TRANSLATE_NOOP("QObject", "KV-Z64-1"), 32, 0, 163840},
    {13, QT_TRANSLATE_NOOP("QObject", "KV-Z08-6"), 8, 0, 40960},
    {14, QT_TRANSLATE_NOOP("QObject", "KV-Z16-6"), 16, 0, 81920},
    {15, QT_TRANSLATE_NOOP("QObject", "KV-Z32-6"), 32, 0, 163840},
    {38, QT_TRANSLATE_NOOP("QObject", "KV-Z64-6"), 32, 0, 163840},
    {16, QT_TRANSLATE_NOOP("QObject", "KV-M04-1"), 4, 4, 20480},
    {17, QT_TRANSLATE_NOOP("QObject", "KV-M08-1"), 8, 8, 40960},
    {18, QT_TRANSLATE_NOOP("QObject", "KV-M16-1"), 16, 16, 81920},
    {19, QT_TRANSLATE_NOOP("QObject", "KV-P04-1"), 4, 4, 20480},
    {20, QT_TRANSLATE_NOOP("QObject", "KV-P08-1"), 8, 8, 40960},
    {21, QT_TRANSLATE_NOOP("QObject", "KV-P16-1"), 16, 16, 81920},
    {22, QT_TRANSLATE_NOOP("QObject", "KV-P04-6"), 4, 4, 20480},
    {23, QT_TRANSLATE_NOOP("QObject", "KV-P08-6"), 8, 8, 40960},
    {24, QT_TRANSLATE_NOOP("QObject", "KV-P16-6"), 16, 16, 81920},
    {25, QT_TRANSLATE_NOOP("QObject", "KV-Q04-1"), 4, 4, 20480},
    {26, QT_TRANSLATE_NOOP("QObject", "KV-Q08-1"), 8, 8, 40960},
    {27, QT_TRANSLATE_NOOP("QObject", "KV-Q16-1"), 16, 16, 81920},
    {39, QT_TRANSLATE_NOOP("QObject", "KV-Z16-7"), 16, 0, 40960},
    {40, QT_TRANSLATE_NOOP("QObject", "KV-Z32-7"), 32, 0, 81920},
    {41, QT_TRANSLATE_NOOP("QObject", "KV-Z64-7"), 64, 0, 163840},
};

struct Table
{
    QMutex mutex;
    std::vector<NvrModelInfo> rows;
};

Table& table()
{
    static Table s_table;
    return s_table;
}

void copyModel(const NvrModelInfo& row, NvrModelInfo& model)
{
    model.id = row.id;
    model.name = row.name;
    model.channels = row.channels;
    model.secondChannels = row.secondChannels;
    model.bandwidth = row.bandwidth;
}

} // namespace

void NvrModelTable::fill()
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    if (!t.rows.empty()) {
        return;
    }
    t.rows.reserve(std::size(kBuiltInModels));
    for (const BuiltInModel& builtIn : kBuiltInModels) {
        NvrModelInfo row;
        row.id = builtIn.id;
        row.name = QCoreApplication::translate("QObject", builtIn.name);
        row.channels = builtIn.channels;
        row.secondChannels = builtIn.secondChannels;
        row.bandwidth = builtIn.bandwidth;
        t.rows.push_back(row);
    }
}

int NvrModelTable::size()
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    return static_cast<int>(t.rows.size());
}

NvrModelInfo NvrModelTable::at(int iRow)
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    if (iRow < 0 || iRow >= static_cast<int>(t.rows.size())) {
        return NvrModelInfo();
    }
    return t.rows[static_cast<size_t>(iRow)];
}

bool NvrModelTable::findModelByName(const QString& qsName, NvrModelInfo& model)
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    for (const NvrModelInfo& row : t.rows) {
        if (row.name == qsName) {
            copyModel(row, model);
            return true;
        }
    }
    return false;
}

bool NvrModelTable::findModelById(int iId, NvrModelInfo& model, int iExtension)
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    for (NvrModelInfo& row : t.rows) {
        if (row.id == iId) {
            copyModel(row, model);
            if (iExtension != -1) {
                row.capacityChannels = row.channels + iExtension;
                model.capacityChannels = row.capacityChannels;
            }
            return true;
        }
    }
    return false;
}
