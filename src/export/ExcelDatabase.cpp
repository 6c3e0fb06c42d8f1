#include "export/ExcelDatabase.h"

#include "export/XlsWorkbookWriter.h"

#include <QFileInfo>

namespace {
bool failWith(QString* pError, const QString& qsError)
{
    *pError = qsError;
    return false;
}

int columnIndex(const QStringList& columns, const QString& qsName)
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).compare(qsName, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}
} // namespace

ExcelDatabase::ExcelDatabase() = default;

ExcelDatabase::~ExcelDatabase() = default;

bool ExcelDatabase::create(const QString& qsPath, QString* pError)
{
    m_pSheet.reset();
    const QFileInfo folder(QFileInfo(qsPath).absolutePath());
    if (!folder.isDir()) {
        return failWith(pError, QStringLiteral("folder %1 does not exist").arg(folder.filePath()));
    }
    if (QFileInfo(qsPath).isDir()) {
        return failWith(pError, QStringLiteral("%1 is a folder").arg(qsPath));
    }
    m_pFile = std::make_unique<QSaveFile>(qsPath);
    if (!m_pFile->open(QIODevice::WriteOnly)) {
        const QString qsError = m_pFile->errorString();
        m_pFile.reset();
        return failWith(pError, qsError);
    }
    return true;
}

bool ExcelDatabase::isOpen() const
{
    return m_pFile != nullptr;
}

bool ExcelDatabase::save(QString* pError)
{
    const std::unique_ptr<QSaveFile> pFile = std::move(m_pFile);
    const std::unique_ptr<XlsSheet> pSheet = std::move(m_pSheet);
    if (!pFile || !pSheet) {
        return true;
    }
    const QByteArray bytes = XlsWorkbookWriter::workbookFile(*pSheet);
    if (pFile->write(bytes) != bytes.size() || !pFile->commit()) {
        return failWith(pError, pFile->errorString());
    }
    return true;
}

void ExcelDatabase::receive(const QString& qsSql)
{
    m_receivedStatements.append(qsSql);
}

QStringList ExcelDatabase::receivedStatements() const
{
    return m_receivedStatements;
}

bool ExcelDatabase::execute(const ExcelSqlStatement& statement, const QStringList& values,
                            QString* pError)
{
    if (!isOpen()) {
        return failWith(pError, QStringLiteral("the workbook is not open"));
    }
    switch (statement.kind()) {
    case ExcelSqlStatement::Kind::CreateTable:
        return createTable(statement, pError);
    case ExcelSqlStatement::Kind::Insert:
        return insertRow(statement, values, pError);
    case ExcelSqlStatement::Kind::Invalid:
        break;
    }
    return failWith(pError, statement.error());
}

bool ExcelDatabase::createTable(const ExcelSqlStatement& statement, QString* pError)
{
    if (m_pSheet) {
        return failWith(pError, QStringLiteral("a workbook holds one table"));
    }
    if (statement.columns().size() > XlsWorkbookWriter::kMaxColumns) {
        return failWith(pError, QStringLiteral("too many columns"));
    }
    m_pSheet = std::make_unique<XlsSheet>();
    m_pSheet->qsName = statement.table();
    m_pSheet->columnNames = statement.columns();
    return true;
}

bool ExcelDatabase::insertRow(const ExcelSqlStatement& statement, const QStringList& values,
                              QString* pError)
{
    if (!m_pSheet || m_pSheet->qsName.compare(statement.table(), Qt::CaseInsensitive) != 0) {
        return failWith(pError, QStringLiteral("no table %1").arg(statement.table()));
    }
    const QStringList columns =
        statement.columns().isEmpty() ? m_pSheet->columnNames : statement.columns();
    if (columns.size() != values.size()) {
        return failWith(
            pError,
            QStringLiteral("%1 columns but %2 values").arg(columns.size()).arg(values.size()));
    }
    if (m_pSheet->rows.size() + 1 >= XlsWorkbookWriter::kMaxRows) {
        return failWith(pError, QStringLiteral("the sheet is full"));
    }
    QStringList row;
    for (int i = 0; i < m_pSheet->columnNames.size(); ++i) {
        row.append(QString());
    }
    for (int i = 0; i < columns.size(); ++i) {
        const int column = columnIndex(m_pSheet->columnNames, columns.at(i));
        if (column < 0) {
            return failWith(pError, QStringLiteral("no column %1").arg(columns.at(i)));
        }
        if (values.at(i).size() > XlsWorkbookWriter::kMaxCellText) {
            return failWith(pError, QStringLiteral("a text is longer than a cell takes"));
        }
        row[column] = values.at(i);
    }
    m_pSheet->rows.append(row);
    return true;
}
