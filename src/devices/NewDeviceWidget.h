#ifndef NEWDEVICEWIDGET_H
#define NEWDEVICEWIDGET_H

#include "calc/HDDCapacityCalculator.h"
#include "controls/CBaseDialog.h"
#include "model/DeviceGroupInfo.h"

#include <memory>

namespace Ui {
class NewDevice;
}

class QComboBox;
class QLineEdit;

// The dialog that adds one device group to the current task: device type,
// count, the cameras' main and sub stream, and the first stream group with a
// proposed bitrate.
class NewDeviceWidget : public CBaseDialog
{
    Q_OBJECT
public:
    explicit NewDeviceWidget(int iVideoStandard, QWidget* parent = nullptr);
    ~NewDeviceWidget() override;

    // Fills the record from the accepted dialog; DeviceId and the first
    // stream group's StreamID are left to the caller.
    void GetDeviceInfo(DeviceGroupInfo& info) const;

public slots:
    void onTypeChanged(int iIndex);
    void onResolutionChanged(int iIndex);
    void onFramerateChanged(int iIndex);
    void onSubStreamCBoxChanged(int iIndex);
    void onMainStreamCBoxChanged(int iIndex);
    void onClickAddBtn();

private:
    void initialise();
    void setUpStreamChoice(QComboBox* pCombo, QLineEdit* pCustomEdit);
    int currentType() const;
    void writeDefaultBitrate();
    static void showFault(QWidget* pField, const QString& qsMessage);
    static int streamValue(const QComboBox* pCombo, const QLineEdit* pCustomEdit);
    static bool isStreamRateRefused(const QLineEdit* pCustomEdit);

    std::unique_ptr<Ui::NewDevice> m_pUi;
    int m_iVideoStandard;
    HDDCapacityCalculator m_calculator;
};

#endif
