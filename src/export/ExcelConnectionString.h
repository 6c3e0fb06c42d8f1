#ifndef EXCELCONNECTIONSTRING_H
#define EXCELCONNECTIONSTRING_H

#include <QMap>
#include <QString>

// The attributes of a driver connection string, "KEY=value;KEY=value": keys
// are compared without case; a value may be enclosed in braces or in single
// or double quotes, which are removed and may hold semicolons.
class ExcelConnectionString
{
public:
    explicit ExcelConnectionString(const QString& qsText);

    bool contains(const QString& qsKey) const;
    QString value(const QString& qsKey) const;

private:
    QMap<QString, QString> m_values;
};

#endif
