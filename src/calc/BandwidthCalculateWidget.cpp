#include "calc/BandwidthCalculateWidget.h"

#include "ui_BandwidthCalculateWidget.h"

BandwidthCalculateWidget::BandwidthCalculateWidget(QWidget* parent)
    : CalcBackgroundWidget(parent), m_pUi(new Ui::BandwidthCalculateWidget)
{
    m_pUi->setupUi(this);
    setResultLabelStyle(m_pUi->labelBandwidthDecription, m_pUi->labelBandiwth);
    m_pUi->labelBandiwth->setText(
        BandwidthCalculator::resultText(0.0, BandwidthCalculator::UnitKbps));
}

BandwidthCalculateWidget::~BandwidthCalculateWidget()
{
    delete m_pUi;
}

void BandwidthCalculateWidget::showBandwidth(std::vector<BandWidth>& vsBandWidth)
{
    int iUnit = BandwidthCalculator::UnitGbps;
    const double dValue = m_calculator.CalculateBandwidth(vsBandWidth, iUnit);
    m_pUi->labelBandiwth->setText(BandwidthCalculator::resultText(dValue, iUnit));
}

void BandwidthCalculateWidget::showBandwidth(double dBandWidth)
{
    m_pUi->labelBandiwth->setText(m_calculator.bandwidthText(dBandWidth));
}

void BandwidthCalculateWidget::slotPrintInfo()
{
    emit signalPrintInfo(m_pUi->labelBandiwth->text());
}
