#include "shell/MainWindow.h"

#include "ui_MainWindow.h"

#include <QGridLayout>

namespace {
const char* const kFullFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:58;}";
const char* const kEmbeddedFrameStyle =
    "QMainWindow#MainWindow{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:23 58 58 58;}";
} // namespace

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), m_pUi(new Ui::MainWindow), m_bFullFrame(true)
{
    m_pUi->setupUi(this);
    applyFrameStyle();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);

    auto* pMainGrid = new QGridLayout(m_pUi->centralWidget);
    pMainGrid->setContentsMargins(4, 0, 4, 6);
    pMainGrid->setColumnStretch(1, 2);
    pMainGrid->setRowStretch(1, 1);
    pMainGrid->setRowStretch(2, 8);
    pMainGrid->setRowStretch(3, 3);
    pMainGrid->setHorizontalSpacing(0);
    pMainGrid->setVerticalSpacing(0);
}

MainWindow::~MainWindow()
{
    delete m_pUi;
}

void MainWindow::showTitleBar(bool bShow)
{
    Q_UNUSED(bShow)
}

void MainWindow::changeSize(bool bFull)
{
    if (bFull == m_bFullFrame) {
        return;
    }
    m_bFullFrame = bFull;
    applyFrameStyle();
}

void MainWindow::applyFrameStyle()
{
    setStyleSheet(QString::fromLatin1(m_bFullFrame ? kFullFrameStyle : kEmbeddedFrameStyle));
}
