#include "HostWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>

HostWindow::HostWindow(VardexOpenDialogFn pOpenDialog, VardexChangeSizeFn pChangeSize)
    : m_pOpenDialog(pOpenDialog), m_pChangeSize(pChangeSize)
{
    setWindowTitle(tr("Vardex Host"));
    setWindowIcon(QIcon(QStringLiteral(":/images/VEX-Calculate.png")));
    buildTabs();
    buildMenus();
    installEventFilter(this);
}

void HostWindow::buildTabs()
{
    m_pTabs = new QTabWidget(this);
    m_pCalculatorPage = new QWidget(m_pTabs);
    m_pCalculatorLayout = new QGridLayout(m_pCalculatorPage);
    m_pTabs->addTab(m_pCalculatorPage, tr("Calculator"));

    auto* pAbout = new QLabel(tr("This host loads the Vardex calculator library from its own "
                                 "folder and shows it in the Calculator tab."),
                              m_pTabs);
    pAbout->setAlignment(Qt::AlignCenter);
    pAbout->setWordWrap(true);
    m_pTabs->addTab(pAbout, tr("About"));

    setCentralWidget(m_pTabs);
    m_pCalculatorPage->installEventFilter(this);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &HostWindow::placeCalculator);
}

void HostWindow::buildMenus()
{
    QMenu* pFileMenu = menuBar()->addMenu(tr("&File"));
    QAction* pQuitAction = pFileMenu->addAction(tr("&Quit"));
    pQuitAction->setShortcut(QKeySequence::Quit);
    connect(pQuitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* pViewMenu = menuBar()->addMenu(tr("&View"));
    m_pFreeStandingAction = pViewMenu->addAction(tr("&Free-standing Frame"));
    m_pFreeStandingAction->setCheckable(true);
    connect(m_pFreeStandingAction, &QAction::toggled, this, &HostWindow::onFreeStandingToggled);
    m_pTitleBarAction = pViewMenu->addAction(tr("Calculator &Title Bar"));
    m_pTitleBarAction->setCheckable(true);
    connect(m_pTitleBarAction, &QAction::toggled, this, &HostWindow::onTitleBarToggled);
}

bool HostWindow::openCalculator()
{
    if (!m_pOpenDialog(m_pCalculatorPage, m_pCalculatorLayout, m_pTitleBarAction->isChecked())) {
        return false;
    }
    if (!m_pCalculatorWindow) {
        for (int i = 0; i < m_pCalculatorLayout->count(); ++i) {
            if (QWidget* pWidget = m_pCalculatorLayout->itemAt(i)->widget()) {
                m_pCalculatorWindow = pWidget;
            }
        }
    }
    m_pChangeSize(m_pFreeStandingAction->isChecked());
    placeCalculator();
    return true;
}

void HostWindow::onFreeStandingToggled(bool bFreeStanding)
{
    m_pChangeSize(bFreeStanding);
}

void HostWindow::onTitleBarToggled(bool bShow)
{
    m_pOpenDialog(m_pCalculatorPage, m_pCalculatorLayout, bShow);
    placeCalculator();
}

void HostWindow::placeCalculator()
{
    if (!m_pCalculatorWindow) {
        return;
    }
    const bool bVisible =
        isVisible() && !isMinimized() && m_pTabs->currentWidget() == m_pCalculatorPage;
    if (!bVisible) {
        m_pCalculatorWindow->hide();
        return;
    }
    m_pCalculatorWindow->setGeometry(
        QRect(m_pCalculatorPage->mapToGlobal(QPoint(0, 0)), m_pCalculatorPage->size()));
    m_pCalculatorWindow->show();
    m_pCalculatorWindow->raise();
}

bool HostWindow::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        placeCalculator();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}

void HostWindow::closeEvent(QCloseEvent* pEvent)
{
    // The host closes the calculator with itself, without the calculator's
    // own close question.
    if (m_pCalculatorWindow) {
        m_pCalculatorWindow->hide();
    }
    pEvent->accept();
}
