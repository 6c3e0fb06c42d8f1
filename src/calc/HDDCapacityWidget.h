#ifndef HDDCAPACITYWIDGET_H
#define HDDCAPACITYWIDGET_H

#include "calc/CalcBackgroundWidget.h"
#include "calc/HDDCapacityCalculator.h"

namespace Ui {
class HDDCapacityWidget;
}

// The page that shows the disk capacity the current task needs for a record
// time given in months, weeks or days (three linked edits, at most 365 days).
class HDDCapacityWidget : public CalcBackgroundWidget
{
    Q_OBJECT
public:
    explicit HDDCapacityWidget(QWidget* parent = nullptr);
    ~HDDCapacityWidget() override;

signals:
    // A request for a fresh total; always emitted with 0.0.
    void signalBitRateChanged(double iBitRate);
    void signalPrintInfo(const QString& qsMonth, const QString& qsWeek, const QString& qsDay,
                         const QString& qsCapacity);

public slots:
    // iBitRate: the total stream bitrate in Kbps.
    void slotBitRateChanged(double iBitRate);
    void OnEditMonthChanged(const QString& qsMonth);
    void OnEditWeekChanged(const QString& qsWeek);
    void OnEditDayChanged(const QString& qsDay);
    void slotPrintInfo();

private:
    // The edits write each other; while one slot writes, none of them runs.
    void connectEdits();
    void disconnectEdits();
    // Warns and resets a record time beyond the longest one, else asks for a
    // fresh total.
    void checkRecordTime();
    int recordHours() const;

    Ui::HDDCapacityWidget* m_pUi;
    HDDCapacityCalculator m_calculator;
};

#endif
