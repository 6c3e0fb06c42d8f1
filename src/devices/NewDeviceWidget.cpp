#include "devices/NewDeviceWidget.h"

#include "ui_NewDevice.h"

#include "controls/CIntValidator.h"
#include "controls/CToolTip.h"
#include "devices/StreamChoices.h"

namespace {

constexpr int kTypeIpc = 0;
constexpr int kTypeDvr = 1;
constexpr int kCustomize = -1;
constexpr int kDefaultStreamRate = 1024;
const int kStreamRates[] = {0, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384};

// Text that is not a number counts as 0.
int toInteger(const QString& qsText)
{
    return qsText.toInt(nullptr, 10);
}

bool isCustomize(const QComboBox* pCombo)
{
    return pCombo->currentData().isValid() && pCombo->currentData().toInt() == kCustomize;
}

} // namespace

NewDeviceWidget::NewDeviceWidget(int iVideoStandard, QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_pUi(new Ui::NewDevice),
      m_iVideoStandard(iVideoStandard)
{
    m_pUi->setupUi(GetContentFrame());
    SetOkAutoAccept(false);
    connect(m_pUi->combDeviceType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewDeviceWidget::onTypeChanged);
    connect(m_pUi->combResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewDeviceWidget::onResolutionChanged);
    connect(m_pUi->combFrameRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewDeviceWidget::onFramerateChanged);
    connect(this, &CBaseDialog::ClickedOKBtnSig, this, &NewDeviceWidget::onClickAddBtn);
    setFixedSize(400, 420);
    initialise();
}

NewDeviceWidget::~NewDeviceWidget() = default;

void NewDeviceWidget::initialise()
{
    SetTitle(tr("Add Device"));
    // The first item becomes current and fills the camera lists.
    m_pUi->combDeviceType->addItem(tr("IPC"), kTypeIpc);
    m_pUi->combDeviceType->addItem(tr("DVR"), kTypeDvr);

    m_pUi->editNum->setValidator(new CIntValidator(1, 999, m_pUi->editNum));
    m_pUi->editNum->setText(QStringLiteral("5"));
    m_pUi->editFrameRate->setValidator(new CIntValidator(32, 16384, m_pUi->editFrameRate));
    writeDefaultBitrate();

    setUpStreamChoice(m_pUi->combMainStream, m_pUi->editMainStream);
    connect(m_pUi->combMainStream, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewDeviceWidget::onMainStreamCBoxChanged);
    setUpStreamChoice(m_pUi->combSubStream, m_pUi->editSubStream);
    connect(m_pUi->combSubStream, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewDeviceWidget::onSubStreamCBoxChanged);
}

void NewDeviceWidget::setUpStreamChoice(QComboBox* pCombo, QLineEdit* pCustomEdit)
{
    for (int iRate : kStreamRates) {
        pCombo->addItem(QString::number(iRate), iRate);
    }
    pCombo->addItem(tr("Customize"), kCustomize);
    pCombo->setCurrentIndex(pCombo->findData(kDefaultStreamRate));
    pCustomEdit->hide();
    pCustomEdit->setValidator(new CIntValidator(32, 16384, pCustomEdit));
}

int NewDeviceWidget::currentType() const
{
    return m_pUi->combDeviceType->currentData().toInt();
}

void NewDeviceWidget::onTypeChanged(int iIndex)
{
    const bool bIpc = m_pUi->combDeviceType->itemData(iIndex).toInt() == kTypeIpc;
    {
        const QSignalBlocker resolutionBlocker(m_pUi->combResolution);
        const QSignalBlocker frameRateBlocker(m_pUi->combFrameRate);
        m_pUi->combMainStream->setVisible(bIpc);
        m_pUi->label_8->setVisible(bIpc);
        m_pUi->combSubStream->setVisible(bIpc);
        m_pUi->label_7->setVisible(bIpc);
        // A recorder has no streams of its own: its custom fields go with it.
        m_pUi->editMainStream->setVisible(bIpc && isCustomize(m_pUi->combMainStream));
        m_pUi->editSubStream->setVisible(bIpc && isCustomize(m_pUi->combSubStream));
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
    } else {
        // 4CIF heads the list: passing through QCIF makes the change run.
        StreamChoices::selectValue(m_pUi->combResolution, StreamChoices::kResolutionQcif);
        StreamChoices::selectValue(m_pUi->combResolution, StreamChoices::kResolution4Cif);
    }
}

void NewDeviceWidget::onResolutionChanged(int iIndex)
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

void NewDeviceWidget::onFramerateChanged(int iIndex)
{
    Q_UNUSED(iIndex);
    writeDefaultBitrate();
}

void NewDeviceWidget::onSubStreamCBoxChanged(int iIndex)
{
    m_pUi->editSubStream->setVisible(m_pUi->combSubStream->itemData(iIndex).toInt() == kCustomize);
}

void NewDeviceWidget::onMainStreamCBoxChanged(int iIndex)
{
    m_pUi->editMainStream->setVisible(m_pUi->combMainStream->itemData(iIndex).toInt() ==
                                      kCustomize);
}

void NewDeviceWidget::writeDefaultBitrate()
{
    const double dBitrate = m_calculator.GetDefaultBitrate(
        currentType(), m_iVideoStandard, m_pUi->combResolution->currentData().toInt(),
        StreamChoices::currentValue(m_pUi->combFrameRate));
    m_pUi->editFrameRate->setText(QString::number(static_cast<int>(dBitrate)));
}

bool NewDeviceWidget::isStreamRateRefused(const QLineEdit* pCustomEdit)
{
    if (pCustomEdit->isHidden()) {
        return false;
    }
    const int iRate = toInteger(pCustomEdit->text());
    return iRate != 0 && (iRate < 32 || iRate > 16384);
}

void NewDeviceWidget::showFault(QWidget* pField, const QString& qsMessage)
{
    CToolTip::showText(pField->mapToGlobal(QPoint(0, 0)), qsMessage, pField);
}

void NewDeviceWidget::onClickAddBtn()
{
    const QString qsStreamFault = tr("The Bit rate is not valid(range 0 or 32k-16384k)");
    if (isStreamRateRefused(m_pUi->editMainStream)) {
        showFault(m_pUi->editMainStream, qsStreamFault);
        return;
    }
    if (isStreamRateRefused(m_pUi->editSubStream)) {
        showFault(m_pUi->editSubStream, qsStreamFault);
        return;
    }
    const int iCount = toInteger(m_pUi->editNum->text());
    if (iCount < 1 || iCount > 999) {
        showFault(m_pUi->editNum, tr("Device Number Range [1~999]"));
        return;
    }
    const int iBitrate = toInteger(m_pUi->editFrameRate->text());
    if (iBitrate < 32 || iBitrate > 16384) {
        showFault(m_pUi->editFrameRate, tr("Bitrate Ranges [32~16384]"));
        return;
    }
    accept();
}

int NewDeviceWidget::streamValue(const QComboBox* pCombo, const QLineEdit* pCustomEdit)
{
    return isCustomize(pCombo) ? toInteger(pCustomEdit->text()) : pCombo->currentData().toInt();
}

void NewDeviceWidget::GetDeviceInfo(DeviceGroupInfo& info) const
{
    info.DeviceNum = toInteger(m_pUi->editNum->text());
    info.Type = currentType();
    if (info.Type == kTypeIpc) {
        info.MainStream = streamValue(m_pUi->combMainStream, m_pUi->editMainStream);
        info.SubStream = streamValue(m_pUi->combSubStream, m_pUi->editSubStream);
    } else {
        info.MainStream = -1;
        info.SubStream = -1;
    }
    StreamGroupInfo& stream = info.slot(0);
    stream.Used = true;
    stream.StreamNum = 1;
    stream.Resolution = m_pUi->combResolution->currentData().toInt();
    stream.FrameRate = m_pUi->combFrameRate->currentText();
    stream.Bitrate = toInteger(m_pUi->editFrameRate->text());
}
