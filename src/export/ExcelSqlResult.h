#ifndef EXCELSQLRESULT_H
#define EXCELSQLRESULT_H

#include "export/ExcelSqlStatement.h"

#include <QSqlResult>

class ExcelSqlDriver;

// A statement of ExcelSqlDriver. Statements return no rows; placeholders are
// bound by name and every value is written as text.
class ExcelSqlResult : public QSqlResult
{
public:
    explicit ExcelSqlResult(const ExcelSqlDriver* pDriver);

protected:
    bool prepare(const QString& qsQuery) override;
    bool exec() override;
    bool reset(const QString& qsQuery) override;

    QVariant data(int i) override;
    bool isNull(int i) override;
    bool fetch(int i) override;
    bool fetchFirst() override;
    bool fetchLast() override;
    int size() override;
    int numRowsAffected() override;

private:
    bool parse(const QString& qsQuery);
    bool fail(const QString& qsError);

    ExcelSqlStatement m_statement;
};

#endif
