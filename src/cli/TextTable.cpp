#include "cli/TextTable.h"

#include <QChar>

#include <algorithm>
#include <iterator>

namespace {

struct CodeRange
{
    uint first;
    uint last;
};

// Code points that a terminal draws two cells wide: the East Asian wide and
// full-width blocks and the emoji blocks.
constexpr CodeRange kWideRanges[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F680, 0x1F6FF}, {0x1F900, 0x1FAFF}, {0x20000, 0x3FFFD},
};

int cellsOf(uint uCode)
{
    const QChar::Category category = QChar::category(uCode);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Other_Format) {
        return 0;
    }
    const bool bWide = std::any_of(
        std::begin(kWideRanges), std::end(kWideRanges),
        [uCode](const CodeRange& range) { return uCode >= range.first && uCode <= range.last; });
    return bWide ? 2 : 1;
}

} // namespace

int TextTable::displayWidth(const QString& qsText)
{
    int iCells = 0;
    for (const uint uCode : qsText.toUcs4()) {
        iCells += cellsOf(uCode);
    }
    return iCells;
}

void TextTable::addRow(const QStringList& cells)
{
    QStringList row = cells;
    while (row.size() < m_alignments.size()) {
        row.append(QString());
    }
    m_rows.append(row);
}

QString TextTable::toString() const
{
    QVector<int> viWidths(m_alignments.size(), 0);
    for (const QStringList& row : m_rows) {
        for (int iColumn = 0; iColumn < viWidths.size(); ++iColumn) {
            viWidths[iColumn] = std::max(viWidths[iColumn], displayWidth(row.at(iColumn)));
        }
    }
    QString qsTable;
    for (const QStringList& row : m_rows) {
        QString qsLine;
        for (int iColumn = 0; iColumn < viWidths.size(); ++iColumn) {
            const QString& qsCell = row.at(iColumn);
            const QString qsPadding(viWidths[iColumn] - displayWidth(qsCell), QLatin1Char(' '));
            if (iColumn > 0) {
                qsLine += QStringLiteral("  ");
            }
            qsLine += m_alignments[iColumn] == AlignRight ? qsPadding + qsCell : qsCell + qsPadding;
        }
        // Trailing blanks only make a terminal line wrap sooner.
        while (qsLine.endsWith(QLatin1Char(' '))) {
            qsLine.chop(1);
        }
        qsTable += qsLine + QLatin1Char('\n');
    }
    return qsTable;
}
