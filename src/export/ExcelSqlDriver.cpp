#include "export/ExcelSqlDriver.h"

#include "export/ExcelConnectionString.h"
#include "export/ExcelDatabase.h"
#include "export/ExcelSqlResult.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriverCreator>
#include <QSqlError>

QString ExcelSqlDriver::driverName()
{
    return QStringLiteral("VARDEX_XLS");
}

void ExcelSqlDriver::registerDriver()
{
    static const bool bRegistered = [] {
        QSqlDatabase::registerSqlDriver(driverName(), new QSqlDriverCreator<ExcelSqlDriver>);
        return true;
    }();
    Q_UNUSED(bRegistered)
}

ExcelSqlDriver::ExcelSqlDriver(QObject* parent)
    : QSqlDriver(parent), m_pDatabase(std::make_unique<ExcelDatabase>())
{
}

ExcelSqlDriver::~ExcelSqlDriver() = default;

bool ExcelSqlDriver::hasFeature(DriverFeature feature) const
{
    switch (feature) {
    case PreparedQueries:
    case NamedPlaceholders:
    case Unicode:
        return true;
    default:
        return false;
    }
}

bool ExcelSqlDriver::open(const QString& qsDatabase, const QString& qsUser,
                          const QString& qsPassword, const QString& qsHost, int iPort,
                          const QString& qsOptions)
{
    Q_UNUSED(qsUser)
    Q_UNUSED(qsPassword)
    Q_UNUSED(qsHost)
    Q_UNUSED(iPort)
    Q_UNUSED(qsOptions)
    if (isOpen()) {
        close();
    }
    m_qsConnectionString = qsDatabase;
    const ExcelConnectionString connection(qsDatabase);
    const QString qsPath = QDir::fromNativeSeparators(connection.value(QStringLiteral("DBQ")));
    if (qsPath.isEmpty()) {
        return failOpen(tr("The connection string names no workbook (DBQ)."));
    }
    if (!connection.contains(QStringLiteral("CREATE_DB"))) {
        return failOpen(tr("Only new workbooks can be written (CREATE_DB)."));
    }
    const QString qsFileName = QFileInfo(qsPath).fileName();
    if (qsFileName.isEmpty() || connection.value(QStringLiteral("CREATE_DB")) != qsFileName) {
        return failOpen(tr("CREATE_DB must name the file that DBQ ends with."));
    }
    QString qsError;
    if (!m_pDatabase->create(qsPath, &qsError)) {
        return failOpen(qsError);
    }
    setLastError(QSqlError());
    setOpen(true);
    setOpenError(false);
    return true;
}

void ExcelSqlDriver::close()
{
    if (!isOpen()) {
        return;
    }
    setOpen(false);
    setOpenError(false);
    QString qsError;
    if (m_pDatabase->save(&qsError)) {
        setLastError(QSqlError());
    } else {
        setLastError(
            QSqlError(tr("Unable to write the workbook"), qsError, QSqlError::ConnectionError));
    }
}

QSqlResult* ExcelSqlDriver::createResult() const
{
    return new ExcelSqlResult(this);
}

QString ExcelSqlDriver::connectionString() const
{
    return m_qsConnectionString;
}

QStringList ExcelSqlDriver::statements() const
{
    return m_pDatabase->receivedStatements();
}

ExcelDatabase* ExcelSqlDriver::database() const
{
    return m_pDatabase.get();
}

bool ExcelSqlDriver::failOpen(const QString& qsError)
{
    setLastError(QSqlError(tr("Unable to open the workbook"), qsError, QSqlError::ConnectionError));
    setOpenError(true);
    return false;
}
