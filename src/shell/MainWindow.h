#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

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

private:
    void applyFrameStyle();

    Ui::MainWindow* m_pUi;
    bool m_bFullFrame;
};

#endif
