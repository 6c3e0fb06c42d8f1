#include "model/Gb2312Table.h"

#include <QString>
#include <QTextCodec>

namespace {

constexpr int kRows = 87;
constexpr int kCellsPerRow = 94;
constexpr uchar kFirstByte = 0xA0; // row n, cell m: bytes 0xA0 + n, 0xA0 + m

struct CellRange
{
    int iRow;
    int iFirst;
    int iLast;
};

// The assigned cells of the symbol rows 1-9 and of the two partial rows of
// characters; rows 16-87 are otherwise full and rows 10-15 empty.
const CellRange kPartialRows[] = {
    {1, 1, 94},  {2, 17, 66}, {2, 69, 78}, {2, 81, 92}, {3, 1, 94},
    {4, 1, 83},  {5, 1, 86},  {6, 1, 24},  {6, 33, 56}, {7, 1, 33},
    {7, 49, 81}, {8, 1, 26},  {8, 37, 73}, {9, 4, 79},  {55, 1, 89},
};
constexpr int kFirstCharacterRow = 16;
constexpr int kPartialCharacterRow = 55;

// Middle dot and em dash in Qt's codec, katakana middle dot and horizontal
// bar to iconv: a file holding them reads differently depending on the reader.
const CellRange kDisputedCells[] = {{1, 4, 4}, {1, 10, 10}};

int cellIndex(int iRow, int iCell)
{
    return (iRow - 1) * kCellsPerRow + iCell - 1;
}

std::vector<bool> assignedCells()
{
    std::vector<bool> vAssigned(kRows * kCellsPerRow, false);
    const auto mark = [&vAssigned](const CellRange& range, bool bAssigned) {
        for (int iCell = range.iFirst; iCell <= range.iLast; ++iCell) {
            vAssigned[size_t(cellIndex(range.iRow, iCell))] = bAssigned;
        }
    };
    for (int iRow = kFirstCharacterRow; iRow <= kRows; ++iRow) {
        if (iRow != kPartialCharacterRow) {
            mark({iRow, 1, kCellsPerRow}, true);
        }
    }
    for (const CellRange& range : kPartialRows) {
        mark(range, true);
    }
    for (const CellRange& range : kDisputedCells) {
        mark(range, false);
    }
    return vAssigned;
}

} // namespace

const Gb2312Table& Gb2312Table::instance()
{
    static const Gb2312Table table;
    return table;
}

Gb2312Table::Gb2312Table() : m_codes(0x10000, 0), m_chars(kRows * kCellsPerRow, 0)
{
    QTextCodec* pCodec = QTextCodec::codecForName("GB2312");
    const std::vector<bool> vAssigned = assignedCells();
    for (int iRow = 1; iRow <= kRows; ++iRow) {
        for (int iCell = 1; iCell <= kCellsPerRow; ++iCell) {
            const char bytes[2] = {char(kFirstByte + iRow), char(kFirstByte + iCell)};
            const QString decoded = pCodec->toUnicode(bytes, 2);
            if (decoded.size() != 1 || decoded.at(0) == QChar::ReplacementCharacter) {
                continue;
            }
            const int iIndex = cellIndex(iRow, iCell);
            const char16_t uChar = decoded.at(0).unicode();
            m_chars[size_t(iIndex)] = uChar;
            if (vAssigned[size_t(iIndex)]) {
                m_codes[uChar] = quint16((kFirstByte + iRow) << 8 | (kFirstByte + iCell));
            }
        }
    }
}

char16_t Gb2312Table::decode(uchar lead, uchar trail) const
{
    const int iRow = lead - kFirstByte;
    const int iCell = trail - kFirstByte;
    if (iRow < 1 || iRow > kRows || iCell < 1 || iCell > kCellsPerRow) {
        return 0;
    }
    return m_chars[size_t(cellIndex(iRow, iCell))];
}
