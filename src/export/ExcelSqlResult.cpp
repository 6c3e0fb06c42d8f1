#include "export/ExcelSqlResult.h"

#include "export/ExcelDatabase.h"
#include "export/ExcelSqlDriver.h"

#include <QSqlError>
#include <QVariant>

ExcelSqlResult::ExcelSqlResult(const ExcelSqlDriver* pDriver) : QSqlResult(pDriver)
{
}

// Qt hands prepare() the statement with its placeholders rewritten; the
// statement as the caller wrote it is lastQuery().
bool ExcelSqlResult::prepare(const QString& qsQuery)
{
    Q_UNUSED(qsQuery)
    return parse(lastQuery());
}

bool ExcelSqlResult::parse(const QString& qsQuery)
{
    setActive(false);
    const auto* pDriver = static_cast<const ExcelSqlDriver*>(driver());
    pDriver->database()->receive(qsQuery);
    m_statement = ExcelSqlStatement::parse(qsQuery);
    if (m_statement.kind() == ExcelSqlStatement::Kind::Invalid) {
        return fail(m_statement.error());
    }
    return true;
}

bool ExcelSqlResult::exec()
{
    setActive(false);
    const auto* pDriver = static_cast<const ExcelSqlDriver*>(driver());
    if (!pDriver || !pDriver->isOpen()) {
        return fail(QStringLiteral("the workbook is not open"));
    }
    QStringList values;
    for (const ExcelSqlStatement::Value& value : m_statement.values()) {
        if (!value.bPlaceholder) {
            values.append(value.qsText);
            continue;
        }
        // Qt binds only the placeholders it found in its own reading of the
        // statement; any other one, or one never bound, holds no value.
        const QVariant bound = boundValue(value.qsText);
        if (!bound.isValid()) {
            return fail(QStringLiteral("no value is bound to %1").arg(value.qsText));
        }
        values.append(bound.toString());
    }
    QString qsError;
    if (!pDriver->database()->execute(m_statement, values, &qsError)) {
        return fail(qsError);
    }
    setSelect(false);
    setActive(true);
    return true;
}

bool ExcelSqlResult::reset(const QString& qsQuery)
{
    return parse(qsQuery) && exec();
}

QVariant ExcelSqlResult::data(int i)
{
    Q_UNUSED(i)
    return QVariant();
}

bool ExcelSqlResult::isNull(int i)
{
    Q_UNUSED(i)
    return true;
}

bool ExcelSqlResult::fetch(int i)
{
    Q_UNUSED(i)
    return false;
}

bool ExcelSqlResult::fetchFirst()
{
    return false;
}

bool ExcelSqlResult::fetchLast()
{
    return false;
}

int ExcelSqlResult::size()
{
    return -1;
}

int ExcelSqlResult::numRowsAffected()
{
    return isActive() && m_statement.kind() == ExcelSqlStatement::Kind::Insert ? 1 : 0;
}

bool ExcelSqlResult::fail(const QString& qsError)
{
    setLastError(QSqlError(QStringLiteral("Statement failed"), qsError, QSqlError::StatementError));
    return false;
}
