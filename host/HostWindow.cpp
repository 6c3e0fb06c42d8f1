#include "HostWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace {
const QSize kPreferredSize(1200, 860);
// Room a window manager's frame takes around the window.
const QSize kFrameAllowance(16, 48);
} // namespace

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

void HostWindow::showOnScreen()
{
    const QRect available = screen()->availableGeometry();
    const QSize framed = kPreferredSize + kFrameAllowance;
    if (framed.width() <= available.width() && framed.height() <= available.height()) {
        resize(kPreferredSize);
        move(available.center() - rect().center());
        show();
        return;
    }
    // Without a window manager nothing maximises: the geometry does it.
    setGeometry(available);
    showMaximized();
}

bool HostWindow::openCalculator()
{
    if (!m_pOpenDialog(m_pCalculatorPage, m_pCalculatorLayout, m_pTitleBarAction->isChecked())) {
        return false;
    }
    adoptCalculatorWindow();
    m_pChangeSize(m_pFreeStandingAction->isChecked());
    placeCalculator();
    return true;
}

void HostWindow::adoptCalculatorWindow()
{
    if (m_pCalculatorWindow) {
        return;
    }
    for (int i = 0; i < m_pCalculatorLayout->count(); ++i) {
        if (QWidget* pWidget = m_pCalculatorLayout->itemAt(i)->widget()) {
            m_pCalculatorWindow = pWidget;
        }
    }
    if (m_pCalculatorWindow) {
        m_pCalculatorWindow->installEventFilter(this);
        hideCalculatorSizeButtons();
    }
}

// The tab gives the calculator its size: its own title bar keeps only the
// close button.
void HostWindow::hideCalculatorSizeButtons()
{
    for (const char* pszName : {"m_pMinBtn", "m_pMaxBtn"}) {
        if (auto* pButton = m_pCalculatorWindow->findChild<QPushButton*>(QLatin1String(pszName))) {
            pButton->hide();
        }
    }
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
    // The calculator's own size buttons leave fixed and maximum sizes behind.
    m_pCalculatorWindow->setMinimumSize(m_pCalculatorWindow->minimumSizeHint());
    m_pCalculatorWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_pCalculatorWindow->setWindowState(Qt::WindowNoState);
    m_pCalculatorWindow->setGeometry(
        QRect(m_pCalculatorPage->mapToGlobal(QPoint(0, 0)), m_pCalculatorPage->size()));
    m_pCalculatorWindow->show();
    m_pCalculatorWindow->raise();
}

bool HostWindow::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pCalculatorWindow) {
        return filterCalculatorEvent(pEvent);
    }
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

// The calculator's window moved, resized or minimised by anything but the
// host (its title bar, the window system) goes back over its tab; closing it
// is the host's closing. True when the event is taken.
bool HostWindow::filterCalculatorEvent(QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        placeCalculator();
        return false;
    case QEvent::Close:
        // The calculator's own close would quit the whole application.
        pEvent->ignore();
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return true;
    default:
        return false;
    }
}

void HostWindow::closeEvent(QCloseEvent* pEvent)
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, windowTitle(), tr("Close Vardex Host and the calculator?"));
    if (answer != QMessageBox::Yes) {
        pEvent->ignore();
        return;
    }
    // The host closes the calculator with itself, without the calculator's
    // own close question.
    if (m_pCalculatorWindow) {
        m_pCalculatorWindow->hide();
    }
    pEvent->accept();
}
