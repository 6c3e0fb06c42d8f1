#ifndef NEWSTREAMGROUPWIDGET_H
#define NEWSTREAMGROUPWIDGET_H

#include "calc/HDDCapacityCalculator.h"
#include "controls/CBaseDialog.h"
#include "model/StreamGroupInfo.h"

#include <memory>

namespace Ui {
class NewStreamGroupWidget;
}

// The dialog that adds a further stream group to an existing device group.
// The device type is read from the type text shown ("IPC..." is a camera).
class NewStreamGroupWidget : public CBaseDialog
{
    Q_OBJECT
public:
    NewStreamGroupWidget(const QString& qsType, int iVideoStandard, QWidget* parent = nullptr);
    ~NewStreamGroupWidget() override;

    // Fills the record from the accepted dialog; StreamID is left to the caller.
    void GetStreamInfo(StreamGroupInfo& info) const;

public slots:
    void onResolutionChanged(int iIndex);
    void onFramerateChanged(int iIndex);
    void onClickOK();

private:
    void fillLists();
    int currentType() const;
    void writeDefaultBitrate();

    std::unique_ptr<Ui::NewStreamGroupWidget> m_pUi;
    int m_iVideoStandard;
    HDDCapacityCalculator m_calculator;
};

#endif
