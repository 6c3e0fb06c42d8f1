#include "devices/NewStreamGroupWidget.h"

#include "ui_NewStreamGroupWidget.h"

#include "controls/CIntValidator.h"
#include "controls/CToolTip.h"
#include "devices/StreamChoices.h"

#include <QRegExpValidator>

namespace {

constexpr int kTypeIpc = 0;
constexpr int kTypeDvr = 1;

// Text that is not a number counts as 0.
int toInteger(const QString& qsText)
{
    return qsText.toInt(nullptr, 10);
}

} // namespace

NewStreamGroupWidget::NewStreamGroupWidget(const QString& qsType, int iVideoStandard,
                                           QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_pUi(new Ui::NewStreamGroupWidget),
      m_iVideoStandard(iVideoStandard)
{
    m_pUi->setupUi(GetContentFrame());
    SetTitle(tr("Add Stream Group"));
    m_pUi->editBitrate->setValidator(new CIntValidator(32, 16384, m_pUi->editBitrate));
    connect(m_pUi->combResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewStreamGroupWidget::onResolutionChanged);
    connect(m_pUi->combFrameRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewStreamGroupWidget::onFramerateChanged);
    m_pUi->labelType->setText(qsType);
    fillLists();

    const QRegExp rxStreamNum(QStringLiteral("[1-9][0-9]+||[0]"), Qt::CaseSensitive,
                              QRegExp::RegExp);
    m_pUi->editStreamNum->setValidator(new QRegExpValidator(rxStreamNum, m_pUi->editStreamNum));
    m_pUi->editStreamNum->setMaxLength(3);
    m_pUi->editStreamNum->setText(QStringLiteral("1"));

    SetOkAutoAccept(false);
    connect(this, &CBaseDialog::ClickedOKBtnSig, this, &NewStreamGroupWidget::onClickOK);
}

NewStreamGroupWidget::~NewStreamGroupWidget() = default;

int NewStreamGroupWidget::currentType() const
{
    return m_pUi->labelType->text().left(3) == QLatin1String("IPC") ? kTypeIpc : kTypeDvr;
}

void NewStreamGroupWidget::fillLists()
{
    const bool bIpc = currentType() == kTypeIpc;
    {
        const QSignalBlocker resolutionBlocker(m_pUi->combResolution);
        const QSignalBlocker frameRateBlocker(m_pUi->combFrameRate);
        if (bIpc) {
            StreamChoices::fillIpcResolutions(m_pUi->combResolution);
            StreamChoices::fillFrameRates(m_pUi->combFrameRate, StreamChoices::IpcFull,
                                          m_iVideoStandard);
        } else {
            StreamChoices::fillDvrResolutions(m_pUi->combResolution);
            StreamChoices::fillFrameRates(m_pUi->combFrameRate, StreamChoices::Dvr,
                                          m_iVideoStandard);
        }
    }
    if (bIpc) {
        StreamChoices::selectValue(m_pUi->combResolution, StreamChoices::kResolution1080P);
        return;
    }
    // The full rate heads the list: passing through the second item makes the
    // change run and propose the bitrate.
    m_pUi->combFrameRate->setCurrentIndex(1);
    StreamChoices::selectValue(m_pUi->combFrameRate,
                               StreamChoices::fullFrameRate(m_iVideoStandard));
    StreamChoices::selectValue(m_pUi->combResolution, StreamChoices::kResolution4Cif);
}

void NewStreamGroupWidget::onResolutionChanged(int iIndex)
{
    if (iIndex < 0) {
        return;
    }
    if (currentType() == kTypeIpc) {
        StreamChoices::followIpcResolution(m_pUi->combFrameRate,
                                           m_pUi->combResolution->itemData(iIndex).toInt(),
                                           m_iVideoStandard);
    }
    writeDefaultBitrate();
}

void NewStreamGroupWidget::onFramerateChanged(int iIndex)
{
    Q_UNUSED(iIndex);
    writeDefaultBitrate();
}

void NewStreamGroupWidget::writeDefaultBitrate()
{
    const double dBitrate = m_calculator.GetDefaultBitrate(
        currentType(), m_iVideoStandard, m_pUi->combResolution->currentData().toInt(),
        StreamChoices::currentValue(m_pUi->combFrameRate));
    m_pUi->editBitrate->setText(QString::number(static_cast<int>(dBitrate)));
}

void NewStreamGroupWidget::onClickOK()
{
    const int iBitrate = toInteger(m_pUi->editBitrate->text());
    if (iBitrate < 32 || iBitrate > 16384) {
        CToolTip::showText(m_pUi->editBitrate->mapToGlobal(QPoint(0, 0)),
                           tr("Bitrate Ranges [32~16384]"), m_pUi->editBitrate);
        return;
    }
    accept();
}

void NewStreamGroupWidget::GetStreamInfo(StreamGroupInfo& info) const
{
    info.Used = true;
    info.StreamNum = toInteger(m_pUi->editStreamNum->text());
    info.Resolution = m_pUi->combResolution->currentData().toInt();
    info.FrameRate = m_pUi->combFrameRate->currentText();
    info.Bitrate = toInteger(m_pUi->editBitrate->text());
}
