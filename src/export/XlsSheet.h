#ifndef XLSSHEET_H
#define XLSSHEET_H

#include <QString>
#include <QStringList>
#include <QVector>

// One worksheet of text cells: a first row of column names, then the rows,
// each holding one text per column ("" for an empty cell).
struct XlsSheet
{
    QString qsName;
    QStringList columnNames;
    QVector<QStringList> rows;
};

#endif
