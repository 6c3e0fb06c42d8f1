#ifndef NVRCALCULATEWIDGET_H
#define NVRCALCULATEWIDGET_H

#include "calc/CalcBackgroundWidget.h"
#include "calc/NvrCalculator.h"
#include "model/NvrBandWidth.h"

#include <vector>

namespace Ui {
class NVRCalculateWidget;
}

struct NvrModelInfo;

// The page on which the user picks a recorder model and reads how many of
// them the IPC device groups of the current task need.
class NVRCalculateWidget : public CalcBackgroundWidget
{
    Q_OBJECT
public:
    explicit NVRCalculateWidget(QWidget* parent = nullptr);
    ~NVRCalculateWidget() override;

signals:
    void signalPrintInfo(const QString& qsModel, const QString& qsCount);

public slots:
    // Counts on a worker thread behind the progress dialog; returns when the
    // count is shown.
    void showNvrNum(std::vector<NvrBandWidth>& vsBandWidth);
    // The model changed: counts again for the groups last received.
    void onTypeChanged(int iIndex);
    void slotPrintInfo();

private:
    // Offers the models only when Device.Xml can be read.
    void fillModelComboBox();
    static QString modelToolTip(const NvrModelInfo& model);
    int countOnWorkerThread(const std::vector<NvrBandWidth>& vsBandWidth);
    void reportError(int iResult);

    // Built first: it fills the model table that the combo box lists.
    NvrCalculator m_calculator;
    std::vector<NvrBandWidth> m_vsBandWidth;
    Ui::NVRCalculateWidget* m_pUi;
};

#endif
