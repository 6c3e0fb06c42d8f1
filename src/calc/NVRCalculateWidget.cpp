#include "calc/NVRCalculateWidget.h"

#include "calc/CalNVRThread.h"
#include "calc/ChaseDialog.h"
#include "calc/NvrModelTable.h"
#include "controls/CWarnDlg.h"
#include "model/AppFilePath.h"
#include "model/XmlNode.h"

#include "ui_NVRCalculateWidget.h"

#include <QLoggingCategory>

namespace {
// The models offered, one line each as the page is built; shown with the rule
// "vardex.nvr.models.debug=true" (QT_LOGGING_RULES).
Q_LOGGING_CATEGORY(lcModelList, "vardex.nvr.models", QtInfoMsg)

const int kKbpsPerMbps = 1024;
} // namespace

NVRCalculateWidget::NVRCalculateWidget(QWidget* parent)
    : CalcBackgroundWidget(parent), m_pUi(new Ui::NVRCalculateWidget)
{
    m_pUi->setupUi(this);
    setResultLabelStyle(m_pUi->labelNVRNumberDescription, m_pUi->labelNVRNumber);
    connect(m_pUi->combNVRType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NVRCalculateWidget::onTypeChanged);
    fillModelComboBox();
}

NVRCalculateWidget::~NVRCalculateWidget()
{
    delete m_pUi;
}

void NVRCalculateWidget::showNvrNum(std::vector<NvrBandWidth>& vsBandWidth)
{
    if (vsBandWidth.empty()) {
        m_pUi->labelNVRNumber->setText(QStringLiteral("0"));
    } else {
        int iResult = countOnWorkerThread(vsBandWidth);
        if (iResult < 0) {
            reportError(iResult);
            iResult = 0;
        }
        m_pUi->labelNVRNumber->setText(QString::number(iResult));
    }
    // A copy: the sender's vector may be gone before the model changes.
    m_vsBandWidth = vsBandWidth;
}

void NVRCalculateWidget::onTypeChanged(int /*iIndex*/)
{
    std::vector<NvrBandWidth> vsBandWidth = m_vsBandWidth;
    showNvrNum(vsBandWidth);
}

void NVRCalculateWidget::slotPrintInfo()
{
    emit signalPrintInfo(m_pUi->combNVRType->currentText(), m_pUi->labelNVRNumber->text());
}

void NVRCalculateWidget::fillModelComboBox()
{
    XmlNode deviceFile;
    if (!deviceFile.load(appFilePath(QStringLiteral("Device.Xml")))) {
        return;
    }
    m_pUi->combNVRType->clear();
    for (int iRow = 0; iRow < NvrModelTable::size(); ++iRow) {
        const NvrModelInfo model = NvrModelTable::at(iRow);
        m_pUi->combNVRType->addItem(model.name);
        qCDebug(lcModelList) << model.name;
        m_pUi->combNVRType->setItemData(iRow, modelToolTip(model), Qt::ToolTipRole);
    }
}

// What the user weighs when choosing a model: how many cameras it records and
// how much stream bandwidth it takes in.
QString NVRCalculateWidget::modelToolTip(const NvrModelInfo& model)
{
    const double dMbps = model.bandwidth / double(kKbpsPerMbps);
    return tr("%1: %2 channels, bandwidth up to %3Mbps")
        .arg(model.name)
        .arg(model.channels)
        .arg(QString::number(dMbps, 'g', 6));
}

int NVRCalculateWidget::countOnWorkerThread(const std::vector<NvrBandWidth>& vsBandWidth)
{
    ChaseDialog chase(this, QStringLiteral(":/images/Loading.gif"), tr("Calculation..."), false);
    CalNVRThread thread;
    thread.setParameters(m_pUi->combNVRType->currentText(), vsBandWidth);
    // Emitted on the worker thread, so delivered through this thread's event
    // loop: a result that comes before exec() starts still closes the dialog.
    connect(&thread, &CalNVRThread::CalSuc, &chase, &ChaseDialog::OnImmediatelyStopChase);
    thread.start();
    chase.exec();
    // The dialog may have been closed by other means; the count is still
    // needed.
    thread.wait();
    return thread.result();
}

void NVRCalculateWidget::reportError(int iResult)
{
    CWarnDlg::Information(tr("Error"), NvrCalculator::errorText(iResult), this);
}
