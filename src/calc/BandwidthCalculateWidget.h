#ifndef BANDWIDTHCALCULATEWIDGET_H
#define BANDWIDTHCALCULATEWIDGET_H

#include "calc/BandwidthCalculator.h"
#include "calc/CalcBackgroundWidget.h"
#include "model/BandWidth.h"

#include <vector>

namespace Ui {
class BandwidthCalculateWidget;
}

// The page that shows the network bandwidth the current task needs.
class BandwidthCalculateWidget : public CalcBackgroundWidget
{
    Q_OBJECT
public:
    explicit BandwidthCalculateWidget(QWidget* parent = nullptr);
    ~BandwidthCalculateWidget() override;

signals:
    // The shown result, in answer to slotPrintInfo().
    void signalPrintInfo(const QString& qsBandwidth);

public slots:
    void showBandwidth(std::vector<BandWidth>& vsBandWidth);
    // dBandWidth: the total stream bitrate in Kbps.
    void showBandwidth(double dBandWidth);
    void slotPrintInfo();

private:
    Ui::BandwidthCalculateWidget* m_pUi;
    BandwidthCalculator m_calculator;
};

#endif
