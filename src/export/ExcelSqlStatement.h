#ifndef EXCELSQLSTATEMENT_H
#define EXCELSQLSTATEMENT_H

#include <QString>
#include <QStringList>
#include <QVector>

// The two statements a workbook takes:
//   CREATE TABLE name (column type, ...)
//   INSERT INTO name [(column, ...)] VALUES (value, ...)
// Names are bare or enclosed in [], "" or `` (a doubled closing character
// inside stands for itself, as "]]" in brackets); a value is a named
// placeholder (":name") or a string literal ('text', '' for a quote).
class ExcelSqlStatement
{
public:
    enum class Kind
    {
        Invalid,
        CreateTable,
        Insert
    };

    struct Value
    {
        bool bPlaceholder;
        QString qsText; // the placeholder with its colon, or the literal's text
    };

    static ExcelSqlStatement parse(const QString& qsSql);

    Kind kind() const { return m_kind; }
    QString error() const { return m_qsError; }
    QString table() const { return m_qsTable; }
    QStringList columns() const { return m_columns; }
    QVector<Value> values() const { return m_values; }

private:
    friend class ExcelSqlParser;

    Kind m_kind = Kind::Invalid;
    QString m_qsError;
    QString m_qsTable;
    QStringList m_columns;
    QVector<Value> m_values;
};

#endif
