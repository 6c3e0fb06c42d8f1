#ifndef EXCELSQLDRIVER_H
#define EXCELSQLDRIVER_H

#include <QSqlDriver>
#include <QStringList>

#include <memory>

class ExcelDatabase;

// A Qt SQL driver that writes an Excel 97-2003 workbook. It takes the
// connection string of the ODBC Excel driver as database name:
// CREATE_DB="file name" creates a new workbook and DBQ=folder/file name is
// where it goes; CREATE_DB must name the file that DBQ ends with. It runs
// CREATE TABLE and INSERT INTO (see ExcelSqlStatement), with named
// placeholders; the workbook is written when the connection closes, and a
// failed write leaves the driver's lastError() set.
class ExcelSqlDriver : public QSqlDriver
{
    Q_OBJECT
public:
    static QString driverName();
    // Makes the driver available to QSqlDatabase::addDatabase(driverName()).
    static void registerDriver();

    explicit ExcelSqlDriver(QObject* parent = nullptr);
    ~ExcelSqlDriver() override;

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString& qsDatabase, const QString& qsUser, const QString& qsPassword,
              const QString& qsHost, int iPort, const QString& qsOptions) override;
    void close() override;
    QSqlResult* createResult() const override;

    // What the driver received, for diagnosis: the last connection string and
    // every statement, prepared or run, in order.
    QString connectionString() const;
    QStringList statements() const;

    ExcelDatabase* database() const;

private:
    bool failOpen(const QString& qsError);

    std::unique_ptr<ExcelDatabase> m_pDatabase;
    QString m_qsConnectionString;
};

#endif
