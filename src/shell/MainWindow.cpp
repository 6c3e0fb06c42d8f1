#include "shell/MainWindow.h"

#include "calc/BandwidthCalculateWidget.h"
#include "calc/HDDCapacityWidget.h"
#include "calc/NVRCalculateWidget.h"
#include "controls/CWarnDlg.h"
#include "devices/DeviceListWidget.h"
#include "model/TaskMetaTypes.h"
#include "shell/CWindowTitle.h"
#include "shell/TopWidget.h"
#include "shell/UserManual.h"
#include "tasks/TaskManageWidget.h"

#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>

namespace {
const char* const kFullFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:58;}";
const char* const kEmbeddedFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:23 58 58 58;}";
} // namespace

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), m_pUi(new Ui::MainWindow), m_pTaskManage(nullptr),
      m_pDeviceList(nullptr), m_pHddCapacity(nullptr), m_pBandwidth(nullptr),
      m_pNvrCalculate(nullptr), m_pTopWidget(nullptr), m_pTitle(nullptr), m_bFullFrame(true),
      m_pMainGrid(nullptr), m_pCalcGrid(nullptr)
{
    m_pUi->setupUi(this);
    applyFrameStyle();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);

    createLayout();
    connectComponents();
}

MainWindow::~MainWindow()
{
    delete m_pUi;
}

// The components are created without a parent; the layouts give them the
// central widget as parent.
void MainWindow::createLayout()
{
    m_pTitle = new CWindowTitle(this);
    m_pMainGrid = new QGridLayout(m_pUi->centralWidget);
    m_pMainGrid->setContentsMargins(4, 0, 4, 6);
    m_pMainGrid->addWidget(m_pTitle, 0, 0, 1, 2);

    m_pTopWidget = new TopWidget(nullptr);
    m_pMainGrid->addWidget(m_pTopWidget, 1, 0, 1, 2);

    m_pTaskManage = new TaskManageWidget(nullptr);
    m_pMainGrid->addWidget(m_pTaskManage, 2, 0);
    m_pDeviceList = new DeviceListWidget(nullptr);
    m_pMainGrid->addWidget(m_pDeviceList, 2, 1);

    m_pCalcGrid = new QGridLayout;
    m_pCalcGrid->setSpacing(2);
    m_pNvrCalculate = new NVRCalculateWidget(nullptr);
    m_pCalcGrid->addWidget(m_pNvrCalculate, 0, 0);
    m_pHddCapacity = new HDDCapacityWidget(nullptr);
    m_pCalcGrid->addWidget(m_pHddCapacity, 0, 1);
    m_pBandwidth = new BandwidthCalculateWidget(nullptr);
    m_pCalcGrid->addWidget(m_pBandwidth, 0, 2);
    for (int iColumn = 0; iColumn < 3; ++iColumn) {
        m_pCalcGrid->setColumnStretch(iColumn, 1);
    }

    m_pMainGrid->setColumnStretch(1, 2);
    m_pMainGrid->setRowStretch(1, 1);
    m_pMainGrid->setRowStretch(2, 8);
    m_pMainGrid->setRowStretch(3, 3);
    m_pMainGrid->setHorizontalSpacing(0);
    m_pMainGrid->setVerticalSpacing(0);
    m_pMainGrid->addLayout(m_pCalcGrid, 3, 0, 1, 2);
}

// The components never know each other: these connections are the window's
// data flow. All are direct, so every signal is handled before its emit returns.
void MainWindow::connectComponents()
{
    using NvrList = std::vector<NvrBandWidth>&;
    connect(m_pTaskManage, &TaskManageWidget::signalShowDevice, m_pDeviceList,
            &DeviceListWidget::slotShowDevice);
    connect(m_pDeviceList, qOverload<double>(&DeviceListWidget::signalBitRateChanged),
            m_pHddCapacity, &HDDCapacityWidget::slotBitRateChanged);
    connect(m_pHddCapacity, &HDDCapacityWidget::signalBitRateChanged, m_pDeviceList,
            &DeviceListWidget::slotBitRateChanged);
    connect(m_pDeviceList, qOverload<double>(&DeviceListWidget::signalBitRateChanged), m_pBandwidth,
            qOverload<double>(&BandwidthCalculateWidget::showBandwidth));
    registerTaskMetaTypes();
    connect(m_pDeviceList, qOverload<NvrList>(&DeviceListWidget::signalBitRateChanged),
            m_pNvrCalculate, &NVRCalculateWidget::showNvrNum);
    connect(m_pTaskManage, &TaskManageWidget::signalNoTask, m_pDeviceList,
            &DeviceListWidget::slotNoTask);
    connect(m_pTaskManage, &TaskManageWidget::signalDelTask, m_pDeviceList,
            &DeviceListWidget::slotDelTask);
    connect(m_pTaskManage, &TaskManageWidget::signalAddDefTask, m_pDeviceList,
            &DeviceListWidget::slotAddDefTask);
    connect(m_pTaskManage, &TaskManageWidget::signalShowDevice, m_pTopWidget,
            &TopWidget::slotCurrentTask);
    connect(m_pDeviceList, &DeviceListWidget::signalPrintInfo, m_pTopWidget,
            qOverload<std::vector<PrintDevInfo>&>(&TopWidget::slotPrintInfo));
    connectReportCollection();
}

// One signalPrintInfo() of the top band makes the device list, the NVR page,
// the bandwidth page and the HDD page answer, in the order of these
// connections, before the emit returns.
void MainWindow::connectReportCollection()
{
    using Text = const QString&;
    connect(m_pTopWidget, &TopWidget::signalPrintInfo, m_pDeviceList,
            &DeviceListWidget::slotPrintInfo);
    connect(m_pTopWidget, &TopWidget::signalPrintInfo, m_pNvrCalculate,
            &NVRCalculateWidget::slotPrintInfo);
    connect(m_pNvrCalculate, &NVRCalculateWidget::signalPrintInfo, m_pTopWidget,
            qOverload<Text, Text>(&TopWidget::slotPrintInfo));
    connect(m_pTopWidget, &TopWidget::signalPrintInfo, m_pBandwidth,
            &BandwidthCalculateWidget::slotPrintInfo);
    connect(m_pBandwidth, &BandwidthCalculateWidget::signalPrintInfo, m_pTopWidget,
            qOverload<Text>(&TopWidget::slotPrintInfo));
    connect(m_pTopWidget, &TopWidget::signalPrintInfo, m_pHddCapacity,
            &HDDCapacityWidget::slotPrintInfo);
    connect(m_pHddCapacity, &HDDCapacityWidget::signalPrintInfo, m_pTopWidget,
            qOverload<Text, Text, Text, Text>(&TopWidget::slotPrintInfo));
}

void MainWindow::showTitleBar(bool bShow)
{
    m_pTitle->setVisible(bShow);
}

void MainWindow::changeSize(bool bFull)
{
    if (bFull == m_bFullFrame) {
        return;
    }
    m_bFullFrame = bFull;
    applyFrameStyle();
    m_pTopWidget->changeTabStyle(bFull);
}

bool MainWindow::openManual()
{
    return UserManual::open() == UserManual::Opened;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        UserManual::openOrExplain(this);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (CWarnDlg::Question(tr("Confirm"), tr("Sure to close software"), this) != 1) {
        event->ignore();
        return;
    }
    // Queued, so that the event loop ends only after the close completes.
    QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
    event->accept();
}

void MainWindow::applyFrameStyle()
{
    setStyleSheet(QString::fromLatin1(m_bFullFrame ? kFullFrameStyle : kEmbeddedFrameStyle));
}
