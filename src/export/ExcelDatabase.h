#ifndef EXCELDATABASE_H
#define EXCELDATABASE_H

#include "export/ExcelSqlStatement.h"
#include "export/XlsSheet.h"

#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <memory>

// The workbook behind an open connection: one table, held in memory and
// written to the file atomically when the connection closes. It also keeps
// every statement it received, in order.
class ExcelDatabase
{
public:
    ExcelDatabase();
    ~ExcelDatabase();

    // Starts a new workbook at the path; fails when the folder is missing or
    // cannot be written.
    bool create(const QString& qsPath, QString* pError);
    bool isOpen() const;
    // Writes the workbook (nothing when no table was created) and ends it.
    bool save(QString* pError);

    void receive(const QString& qsSql);
    QStringList receivedStatements() const;

    // Runs a parsed statement; `values` are the texts of its values, in order.
    bool execute(const ExcelSqlStatement& statement, const QStringList& values, QString* pError);

private:
    bool createTable(const ExcelSqlStatement& statement, QString* pError);
    bool insertRow(const ExcelSqlStatement& statement, const QStringList& values, QString* pError);

    std::unique_ptr<QSaveFile> m_pFile;
    std::unique_ptr<XlsSheet> m_pSheet;
    QStringList m_receivedStatements;
};

#endif
