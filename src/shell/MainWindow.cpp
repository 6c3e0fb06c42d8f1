#include "shell/MainWindow.h"

#include "controls/CWarnDlg.h"
#include "shell/CWindowTitle.h"
#include "shell/UserManual.h"

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
    : QMainWindow(parent, flags), m_pUi(new Ui::MainWindow), m_pTitle(nullptr), m_bFullFrame(true),
      m_pMainGrid(nullptr), m_pCalcGrid(nullptr)
{
    m_pUi->setupUi(this);
    applyFrameStyle();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);

    m_pTitle = new CWindowTitle(this);
    createLayout();
}

MainWindow::~MainWindow()
{
    delete m_pUi;
}

void MainWindow::createLayout()
{
    m_pMainGrid = new QGridLayout(m_pUi->centralWidget);
    m_pMainGrid->setContentsMargins(4, 0, 4, 6);
    m_pMainGrid->addWidget(m_pTitle, 0, 0, 1, 2);

    m_pCalcGrid = new QGridLayout;
    m_pCalcGrid->setSpacing(2);
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
}

bool MainWindow::openManual()
{
    return openUserManual();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && !openManual()) {
        CWarnDlg::Information(tr("Info"), tr("Can not find Manual."), this);
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
