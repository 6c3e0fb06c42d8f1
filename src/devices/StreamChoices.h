#ifndef STREAMCHOICES_H
#define STREAMCHOICES_H

#include <QString>

class QComboBox;

// The resolution and frame-rate choices of the add-device and
// add-stream-group dialogs. Every item carries its value in Qt::UserRole:
// the resolution code, or the frame rate as a number ("1/4" is 0.25).
namespace StreamChoices {

enum FrameRateList
{
    IpcFull,
    IpcUpTo20,
    IpcUpTo8,
    Dvr
};

constexpr int kResolutionCount = 13;
constexpr int kResolution2560x1920 = 0;
constexpr int kResolutionQxga = 1;
constexpr int kResolution1080P = 2;
constexpr int kResolution4Cif = 8;
constexpr int kResolutionQcif = 11;
constexpr int kResolutionWd1 = 12;

// The text of a resolution code, empty for an unknown code.
QString resolutionText(int iCode);

// The full frame rate of a video standard: 30 for NTSC (1), else 25.
int fullFrameRate(int iVideoStandard);

void fillIpcResolutions(QComboBox* pCombo);
void fillDvrResolutions(QComboBox* pCombo);
void fillFrameRates(QComboBox* pCombo, FrameRateList list, int iVideoStandard);

// Makes the item whose value equals dValue current; false when there is none.
bool selectValue(QComboBox* pCombo, double dValue);

// The value of the current item, 0 when there is none.
double currentValue(const QComboBox* pCombo);

// A camera's frame-rate list follows its resolution: the two largest
// resolutions cap the rate at 8 and 20 and keep a lower choice; any other
// resolution offers the full list from the full rate.
void followIpcResolution(QComboBox* pFrameRates, int iResolutionCode, int iVideoStandard);

} // namespace StreamChoices

#endif
