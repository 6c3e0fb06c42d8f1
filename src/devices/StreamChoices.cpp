#include "devices/StreamChoices.h"

#include <QComboBox>
#include <QStringList>

namespace StreamChoices {

namespace {

const char* const kResolutionTexts[kResolutionCount] = {"2560*1920",
                                                        "QXGA(2048*1536)",
                                                        "1080P(1920*1080)",
                                                        "UXGA(1600*1200)",
                                                        "1600*912",
                                                        "1280*960",
                                                        "720P(1280*720)",
                                                        "VGA(640*480)",
                                                        "4CIF",
                                                        "2CIF",
                                                        "CIF",
                                                        "QCIF",
                                                        "WD1"};

const char* const kIpcFullRates[] = {"1/16", "1/8", "1/4",  "1/2", "1",  "2",  "4", "6",
                                     "8",    "10",  "12.5", "15",  "18", "20", "22"};
const char* const kIpcUpTo20Rates[] = {"20", "1/16", "1/8", "1/4", "1/2",  "1",  "2",
                                       "4",  "6",    "8",   "10",  "12.5", "15", "18"};
const char* const kIpcUpTo8Rates[] = {"8", "1/16", "1/8", "1/4", "1/2", "1", "2", "4", "6"};
const char* const kDvrRates[] = {"1/16", "1/8", "1/4", "1/2", "1",  "2",  "3",  "4",  "5",  "6",
                                 "7",    "8",   "9",   "10",  "12", "15", "16", "18", "20", "22"};

double frameRateValue(const QString& qsText)
{
    const int iSlash = qsText.indexOf(QLatin1Char('/'));
    if (iSlash < 0) {
        return qsText.toDouble();
    }
    const double dDenominator = qsText.mid(iSlash + 1).toDouble();
    return dDenominator == 0.0 ? 0.0 : qsText.left(iSlash).toDouble() / dDenominator;
}

template <size_t N> void addRates(QComboBox* pCombo, const char* const (&rates)[N])
{
    for (const char* pRate : rates) {
        const QString qsRate = QString::fromLatin1(pRate);
        pCombo->addItem(qsRate, frameRateValue(qsRate));
    }
}

void addResolutions(QComboBox* pCombo, int iFirstCode)
{
    for (int iCode = iFirstCode; iCode < kResolutionCount; ++iCode) {
        pCombo->addItem(resolutionText(iCode), iCode);
    }
}

} // namespace

QString resolutionText(int iCode)
{
    if (iCode < 0 || iCode >= kResolutionCount) {
        return QString();
    }
    return QString::fromLatin1(kResolutionTexts[iCode]);
}

int fullFrameRate(int iVideoStandard)
{
    return iVideoStandard == 1 ? 30 : 25;
}

void fillIpcResolutions(QComboBox* pCombo)
{
    pCombo->clear();
    addResolutions(pCombo, 0);
}

void fillDvrResolutions(QComboBox* pCombo)
{
    pCombo->clear();
    addResolutions(pCombo, kResolution4Cif);
}

void fillFrameRates(QComboBox* pCombo, FrameRateList list, int iVideoStandard)
{
    pCombo->clear();
    const int iFullRate = fullFrameRate(iVideoStandard);
    switch (list) {
    case IpcFull:
        pCombo->addItem(QString::number(iFullRate), double(iFullRate));
        addRates(pCombo, kIpcFullRates);
        break;
    case IpcUpTo20:
        addRates(pCombo, kIpcUpTo20Rates);
        break;
    case IpcUpTo8:
        addRates(pCombo, kIpcUpTo8Rates);
        break;
    case Dvr:
        pCombo->addItem(QString::number(iFullRate), double(iFullRate));
        addRates(pCombo, kDvrRates);
        break;
    }
}

bool selectValue(QComboBox* pCombo, double dValue)
{
    for (int i = 0; i < pCombo->count(); ++i) {
        if (pCombo->itemData(i).toDouble() == dValue) {
            pCombo->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

double currentValue(const QComboBox* pCombo)
{
    return pCombo->currentData().toDouble();
}

void followIpcResolution(QComboBox* pFrameRates, int iResolutionCode, int iVideoStandard)
{
    const double dPrevious = currentValue(pFrameRates);
    double dCap = 0.0;
    FrameRateList list = IpcFull;
    if (iResolutionCode == kResolution2560x1920) {
        dCap = 8.0;
        list = IpcUpTo8;
    } else if (iResolutionCode == kResolutionQxga) {
        dCap = 20.0;
        list = IpcUpTo20;
    }
    {
        const QSignalBlocker blocker(pFrameRates);
        fillFrameRates(pFrameRates, list, iVideoStandard);
    }
    if (list == IpcFull) {
        pFrameRates->setCurrentIndex(0);
        return;
    }
    const bool bKeepPrevious = dPrevious != 0.0 && dPrevious <= dCap;
    if (!bKeepPrevious || !selectValue(pFrameRates, dPrevious)) {
        selectValue(pFrameRates, dCap);
    }
}

} // namespace StreamChoices
