#ifndef TOPWIDGET_H
#define TOPWIDGET_H

#include "model/PrintDevInfo.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace Ui {
class TopWidget;
}

class QPrinter;

// The band under the title bar: the tab buttons, the hint line and the button
// that saves the current task to Excel. On that button it collects the
// current results of every page through signalPrintInfo(), whose receivers
// answer synchronously through the slotPrintInfo overloads.
class TopWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TopWidget(QWidget* parent = nullptr);
    ~TopWidget() override;

    // The tab look of the free-standing window (true) or of the window
    // embedded under the host's tab bar (false).
    void changeTabStyle(bool bFull);

signals:
    void signalPrintInfo();

public slots:
    void slotCurrentTask(const QString& qsTaskName);
    void slotPrintInfo(std::vector<PrintDevInfo>& vsDevInfo);
    void slotPrintInfo(const QString& qsBandwidth);
    void slotPrintInfo(const QString& qsType, const QString& qsNum);
    void slotPrintInfo(const QString& qsMonth, const QString& qsWeek, const QString& qsDay,
                       const QString& qsCap);
    // Printing is not offered; kept for senders that connect to it by name.
    void slotPic(QPrinter* printer);
    void onPrint();
    void onBtnClickedAbout();
    void onGetHelp();
    void getVersion();

private:
    Ui::TopWidget* m_pUi;
    QString m_strTaskName;
    std::vector<PrintDevInfo> m_vecDevInfo;
    QString m_strNvrType;
    QString m_strNvrNum;
    QString m_strBandwidth;
    QString m_strRecordMonth;
    QString m_strRecordWeek;
    QString m_strRecordDay;
    QString m_strCapacity;
    bool m_bFullTab;
};

#endif
