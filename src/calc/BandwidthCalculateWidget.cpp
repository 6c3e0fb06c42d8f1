#include "calc/BandwidthCalculateWidget.h"

#include "ui_BandwidthCalculateWidget.h"

BandwidthCalculateWidget::BandwidthCalculateWidget(QWidget* parent)
    : CalcBackgroundWidget(parent), m_pUi(new Ui::BandwidthCalculateWidget)
{
    m_pUi->setupUi(this);
    setResultLabelStyle(m_pUi->labelBandwidthDecription, m_pUi->labelBandiwth);
    m_pUi->labelBandiwth->setText(QStringLiteral("0") + tr("Kbps"));
}

BandwidthCalculateWidget::~BandwidthCalculateWidget()
{
    delete m_pUi;
}

void BandwidthCalculateWidget::showBandwidth(std::vector<BandWidth>& vsBandWidth)
{
    int iUnit = BandwidthCalculator::UnitGbps;
    const double dValue = m_calculator.CalculateBandwidth(vsBandWidth, iUnit);
    showResult(dValue, iUnit);
}

void BandwidthCalculateWidget::showBandwidth(double dBandWidth)
{
    int iUnit = BandwidthCalculator::UnitGbps;
    const double dValue = m_calculator.CalculateBandwidth(dBandWidth, iUnit);
    showResult(dValue, iUnit);
}

void BandwidthCalculateWidget::slotPrintInfo()
{
    emit signalPrintInfo(m_pUi->labelBandiwth->text());
}

void BandwidthCalculateWidget::showResult(double dValue, int iUnit)
{
    QString qsUnit;
    switch (iUnit) {
    case BandwidthCalculator::UnitMbps:
        qsUnit = tr("Mbps");
        break;
    case BandwidthCalculator::UnitKbps:
        qsUnit = tr("Kbps");
        break;
    default:
        qsUnit = tr("Gbps");
        break;
    }
    m_pUi->labelBandiwth->setText(QString::number(dValue, 'g', 6) + qsUnit);
}
