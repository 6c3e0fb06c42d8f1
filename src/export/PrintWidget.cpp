#include "export/PrintWidget.h"

#include "controls/CPathComboBox.h"
#include "controls/CToolTip.h"
#include "controls/CWarnDlg.h"
#include "export/ExcelSqlDriver.h"
#include "export/PortableFileName.h"

#include "ui_PrintWidget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const char* const kConnectionName = "excelexport";

const char* const kPlaceholders[] = {":devicetype", ":devicecout", ":streamcount", ":resolution",
                                     ":framerate",  ":bitrate",    ":mainstream",  ":substream"};

// The folder of the last successful export, shown by every new dialog.
QString& lastExportFolder()
{
#ifdef Q_OS_WIN
    static QString qsFolder = QStringLiteral("C:\\");
#else
    static QString qsFolder = QDir::homePath() + QLatin1Char('/');
#endif
    return qsFolder;
}

bool insertRow(QSqlQuery& query, const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i) {
        query.bindValue(QLatin1String(kPlaceholders[i]), cells.at(i));
    }
    return query.exec();
}

QStringList deviceRow(const PrintDevInfo& info)
{
    return {info.DeviceType, info.DeviceCount, info.StreamCount, info.Resolution,
            info.FrameRate,  info.Bitrate,     info.MainStream,  info.SubStream};
}
} // namespace

PrintWidget::PrintWidget(QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_pUi(new Ui::PrintWidget)
{
    m_pUi->setupUi(GetContentFrame());
    setFixedSize(320, 240);
    SetTitle(tr("Save"));
    SetOkAutoAccept(false);
    connect(this, &CBaseDialog::ClickedOKBtnSig, this, &PrintWidget::onClickExport);
    m_pUi->comboBox->SetPathType(CPathComboBox::Directory);
    m_pUi->comboBox->addItem(lastExportFolder());
}

PrintWidget::~PrintWidget() = default;

void PrintWidget::SetTaskInfo(const QString& qsTaskName, const std::vector<PrintDevInfo>& vsDevInfo)
{
    m_qsTaskName = qsTaskName;
    m_vecDevInfo = vsDevInfo;
    m_pUi->edtName->setText(qsTaskName + QStringLiteral(".xls"));
}

void PrintWidget::SetNvrInfo(const QString& qsType, const QString& qsCount)
{
    m_qsNvrType = qsType;
    m_qsNvrCount = qsCount;
}

void PrintWidget::SetBandwidthInfo(const QString& qsBandwidth)
{
    m_qsBandwidth = qsBandwidth;
}

void PrintWidget::SetCapacityInfo(const QString& qsMonth, const QString& qsWeek,
                                  const QString& qsDay, const QString& qsCapacity)
{
    m_qsRecordMonths = qsMonth;
    m_qsRecordWeeks = qsWeek;
    m_qsRecordDays = qsDay;
    m_qsCapacity = qsCapacity;
}

void PrintWidget::showPathDialog()
{
}

void PrintWidget::onClickExport()
{
    if (!checkFileName()) {
        return;
    }
    const QString qsPath = m_pUi->comboBox->currentText() + m_pUi->edtName->text();
    if (QFileInfo(qsPath).isFile()) {
        CWarnDlg question(this);
        if (question.ExecQuestion(tr("Hint"), tr("The file name has been used; replace it?")) !=
            1) {
            return;
        }
        QFile::remove(qsPath);
    }
    if (!writeSheet()) {
        return;
    }
    CWarnDlg saved(this);
    saved.ExecWarning(tr("Hint"), tr("Saved."));
    lastExportFolder() = m_pUi->comboBox->currentText();
    accept();
}

// A name that some system cannot hold is refused at the field before
// anything is written or replaced.
bool PrintWidget::checkFileName()
{
    QString qsFault;
    switch (PortableFileName::check(m_pUi->edtName->text())) {
    case PortableFileName::Fault::None:
        return true;
    case PortableFileName::Fault::Empty:
        qsFault = tr("Please enter a file name.");
        break;
    case PortableFileName::Fault::ForbiddenCharacter:
        qsFault = tr("A file name can not contain \\ / : * ? \" < > |");
        break;
    case PortableFileName::Fault::TrailingDotOrSpace:
        qsFault = tr("A file name can not end with a dot or a space.");
        break;
    case PortableFileName::Fault::DeviceName:
        qsFault = tr("This file name is reserved by the system.");
        break;
    }
    QLineEdit* pField = m_pUi->edtName;
    CToolTip::showText(pField->mapToGlobal(QPoint(0, 0)), qsFault, pField);
    return false;
}

bool PrintWidget::writeSheet()
{
    ExcelSqlDriver::registerDriver();
    const QString qsConnection = QString::fromLatin1(kConnectionName);
    // Replacing a connection of the same name would also drop the old one,
    // with a warning.
    QSqlDatabase::removeDatabase(qsConnection);
    QSqlDatabase db = QSqlDatabase::addDatabase(ExcelSqlDriver::driverName(), qsConnection);
    if (!db.isValid()) {
        showFailure();
        return false;
    }
    db.setDatabaseName(connectionString());
    if (!db.open()) {
        showFailure();
        return false;
    }
    QSqlQuery query(db);
    query.exec(createTableStatement());
    query.prepare(insertStatement());
    for (const PrintDevInfo& info : m_vecDevInfo) {
        if (!insertRow(query, deviceRow(info))) {
            db.close();
            CWarnDlg failed(this);
            failed.ExecQuestion(tr("Warn"), tr("Saving failed."));
            return false;
        }
    }
    for (const QStringList& cells : summaryRows()) {
        if (!insertRow(query, cells)) {
            db.close();
            showFailure();
            return false;
        }
    }
    // The workbook is written when the connection closes.
    db.close();
    if (db.lastError().isValid()) {
        showFailure();
        return false;
    }
    return true;
}

QString PrintWidget::connectionString() const
{
    const QString qsFileName = m_pUi->edtName->text();
    return QStringLiteral("DRIVER={Microsoft Excel Driver (*.xls)};") +
           QStringLiteral("DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB=") +
           QLatin1Char('"') + qsFileName + QStringLiteral("\";DBQ=") +
           m_pUi->comboBox->currentText() + qsFileName;
}

// The task name is free text: a "]" in it is doubled, as inside any
// bracketed name, so that the driver reads the name where it ends.
QString PrintWidget::quotedTableName() const
{
    QString qsName = m_qsTaskName;
    return QLatin1Char('[') + qsName.replace(QLatin1Char(']'), QStringLiteral("]]")) +
           QLatin1Char(']');
}

QString PrintWidget::createTableStatement() const
{
    return QStringLiteral("CREATE TABLE %1 (").arg(quotedTableName()) +
           QStringLiteral("[Device Type] char(64), [Device Count] char(64), [Stream Count] "
                          "char(64), [Resolution] char(64), [Frame Rate] char(64), "
                          "[Bitrate(Kbps)] char(64), [Main Stream] char(64), [Sub Stream] "
                          "char(64)") +
           QStringLiteral(")");
}

QString PrintWidget::insertStatement() const
{
    return QStringLiteral("INSERT INTO %1 ").arg(quotedTableName()) +
           QStringLiteral("(\"Device Type\", \"Device Count\", \"Stream Count\", \"Resolution\", "
                          "\"Frame Rate\",  \"Bitrate(Kbps)\", \"Main Stream\", \"Sub Stream\") "
                          "VALUES(:devicetype, :devicecout, :streamcount, :resolution, "
                          ":framerate, :bitrate, :mainstream, :substream)");
}

// Five empty rows, then the task, the recorders, the record time and the
// bandwidth.
QVector<QStringList> PrintWidget::summaryRows() const
{
    const QString qsEmpty;
    QVector<QStringList> rows(
        5, QStringList{qsEmpty, qsEmpty, qsEmpty, qsEmpty, qsEmpty, qsEmpty, qsEmpty, qsEmpty});
    auto row = [&](const QString& a, const QString& b, const QString& c, const QString& d) {
        return QStringList{a, b, c, d, qsEmpty, qsEmpty, qsEmpty, qsEmpty};
    };
    rows.append(row(tr("Task Name:"), m_qsTaskName, qsEmpty, qsEmpty));
    rows.append(row(tr("NVR Type:"), m_qsNvrType, tr("NVR Count:"), m_qsNvrCount));
    rows.append(
        row(tr("Record Time:"), m_qsRecordDays + tr("day"), tr("HDD Capacity:"), m_qsCapacity));
    rows.append(row(tr("Bandwidth:"), m_qsBandwidth, qsEmpty, qsEmpty));
    return rows;
}

void PrintWidget::showFailure()
{
    CWarnDlg failed(this);
    failed.ExecWarning(tr("Warn"), tr("Saving failed."));
}
