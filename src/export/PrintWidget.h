#ifndef PRINTWIDGET_H
#define PRINTWIDGET_H

#include "controls/CBaseDialog.h"
#include "model/PrintDevInfo.h"

#include <QScopedPointer>
#include <QString>
#include <QStringList>

#include <vector>

namespace Ui {
class PrintWidget;
}

class QSqlQuery;

// The "Save" dialog: asks for a file name and a folder and writes the current
// task, its device rows and its results as an Excel sheet.
class PrintWidget : public CBaseDialog
{
    Q_OBJECT
public:
    explicit PrintWidget(QWidget* parent = nullptr);
    ~PrintWidget() override;

    void SetTaskInfo(const QString& qsTaskName, const std::vector<PrintDevInfo>& vsDevInfo);
    void SetNvrInfo(const QString& qsType, const QString& qsCount);
    void SetBandwidthInfo(const QString& qsBandwidth);
    void SetCapacityInfo(const QString& qsMonth, const QString& qsWeek, const QString& qsDay,
                         const QString& qsCapacity);

public slots:
    // The folder is chosen through the path box's own pop-up; kept for
    // callers that connect to it by name.
    void showPathDialog();
    void onClickExport();

private:
    bool checkFileName();
    bool writeSheet();
    QString connectionString() const;
    QString quotedTableName() const;
    QString createTableStatement() const;
    QString insertStatement() const;
    QVector<QStringList> summaryRows() const;
    void showFailure();

    QScopedPointer<Ui::PrintWidget> m_pUi;
    QString m_qsTaskName;
    std::vector<PrintDevInfo> m_vecDevInfo;
    QString m_qsNvrType;
    QString m_qsNvrCount;
    QString m_qsBandwidth;
    QString m_qsRecordMonths;
    QString m_qsRecordWeeks;
    QString m_qsRecordDays;
    QString m_qsCapacity;
};

#endif
