#ifndef XLSREADBACK_H
#define XLSREADBACK_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <freexl.h>

// An exported workbook as an independent reader (FreeXL) sees it: the first
// sheet's name and its cells as texts, "" for an empty cell. Any cell that is
// not text, or any reader error, is reported in `qsError`.
struct XlsReadBack
{
    QString qsError;
    unsigned sheetCount = 0;
    unsigned biffVersion = 0;
    QString qsSheetName;
    QVector<QStringList> rows;

    static XlsReadBack read(const QString& qsPath)
    {
        XlsReadBack result;
        const void* pHandle = nullptr;
        const int openCode = freexl_open(qsPath.toUtf8().constData(), &pHandle);
        if (openCode != FREEXL_OK) {
            result.qsError = QStringLiteral("freexl_open: %1").arg(openCode);
            freexl_close(pHandle);
            return result;
        }
        result.readSheet(pHandle);
        freexl_close(pHandle);
        return result;
    }

private:
    void readSheet(const void* pHandle)
    {
        freexl_get_info(pHandle, FREEXL_BIFF_SHEET_COUNT, &sheetCount);
        freexl_get_info(pHandle, FREEXL_BIFF_VERSION, &biffVersion);
        const char* pName = nullptr;
        if (freexl_get_worksheet_name(pHandle, 0, &pName) != FREEXL_OK ||
            freexl_select_active_worksheet(pHandle, 0) != FREEXL_OK) {
            qsError = QStringLiteral("no first sheet");
            return;
        }
        qsSheetName = QString::fromUtf8(pName);
        unsigned rowCount = 0;
        unsigned short columnCount = 0;
        freexl_worksheet_dimensions(pHandle, &rowCount, &columnCount);
        for (unsigned row = 0; row < rowCount; ++row) {
            QStringList cells;
            for (unsigned short column = 0; column < columnCount; ++column) {
                cells.append(cellText(pHandle, row, column));
            }
            rows.append(cells);
        }
    }

    QString cellText(const void* pHandle, unsigned row, unsigned short column)
    {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(pHandle, row, column, &value) != FREEXL_OK) {
            qsError = QStringLiteral("cell %1,%2 unreadable").arg(row).arg(column);
            return QString();
        }
        if (value.type == FREEXL_CELL_NULL) {
            return QString();
        }
        if (value.type != FREEXL_CELL_SST_TEXT && value.type != FREEXL_CELL_TEXT) {
            qsError = QStringLiteral("cell %1,%2 is not text").arg(row).arg(column);
            return QString();
        }
        return QString::fromUtf8(value.value.text_value);
    }
};

#endif
