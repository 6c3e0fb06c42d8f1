#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class BandwidthCalculateWidget;
class CWindowTitle;
class DeviceListWidget;
class HDDCapacityWidget;
class NVRCalculateWidget;
class QGridLayout;
class TaskManageWidget;
class TopWidget;

namespace Ui {
class MainWindow;
}

// The one top-level form of the calculator: it creates, lays out and connects
// every component of the screen, and owns the frame style.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~MainWindow() override;

    void showTitleBar(bool bShow);
    void changeSize(bool bFull);
    bool openManual();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyFrameStyle();
    void createLayout();
    void connectComponents();
    void connectReportCollection();

    Ui::MainWindow* m_pUi;
    TaskManageWidget* m_pTaskManage;
    DeviceListWidget* m_pDeviceList;
    HDDCapacityWidget* m_pHddCapacity;
    BandwidthCalculateWidget* m_pBandwidth;
    NVRCalculateWidget* m_pNvrCalculate;
    TopWidget* m_pTopWidget;
    CWindowTitle* m_pTitle;
    bool m_bFullFrame;
    // Row 0 title bar, row 1 top band, row 2 task list and device list,
    // row 3 the calculator row.
    QGridLayout* m_pMainGrid;
    // The three calculator pages side by side.
    QGridLayout* m_pCalcGrid;
};

#endif
