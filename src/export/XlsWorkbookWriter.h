#ifndef XLSWORKBOOKWRITER_H
#define XLSWORKBOOKWRITER_H

#include "export/XlsSheet.h"

#include <QByteArray>
#include <QString>

// Writes an Excel 97-2003 workbook (BIFF8 records in a compound file) with
// one worksheet of text cells.
class XlsWorkbookWriter
{
public:
    static constexpr int kMaxRows = 65536; // the row of column names included
    static constexpr int kMaxColumns = 256;
    static constexpr int kMaxCellText = 32767;

    // A valid sheet name for a table name: at most 31 UTF-16 units, none of
    // : \ / ? * [ ], no apostrophe at either end, never empty.
    static QString sheetName(const QString& qsTableName);

    // The "Workbook" stream.
    static QByteArray workbookStream(const XlsSheet& sheet);

    // The whole file.
    static QByteArray workbookFile(const XlsSheet& sheet);
};

#endif
