#ifndef HOSTWINDOW_H
#define HOSTWINDOW_H

#include "entry/VardexEntry.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QGridLayout;
class QTabWidget;

// The host's window: its own tab bar with the calculator in one tab. The
// calculator's window is a frameless top-level window (layouts leave windows
// alone), so the host keeps it over its tab's area, following moves and
// resizes, and hides it while another tab is current or the host is
// minimised; to the user it sits under the host's tab bar. Whatever moves,
// resizes or closes the calculator's window goes through the host: the
// calculator stays in its tab, and only the host, after asking, ends.
class HostWindow : public QMainWindow
{
    Q_OBJECT
public:
    HostWindow(VardexOpenDialogFn pOpenDialog, VardexChangeSizeFn pChangeSize);

    // Shows the window whole on its screen's available area: at its
    // preferred size where that fits, else filling the area.
    void showOnScreen();
    // Opens the calculator in its tab; false when the library refuses.
    bool openCalculator();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void buildMenus();
    void buildTabs();
    void onFreeStandingToggled(bool bFreeStanding);
    void onTitleBarToggled(bool bShow);
    void adoptCalculatorWindow();
    void hideCalculatorSizeButtons();
    bool filterCalculatorEvent(QEvent* pEvent);
    void placeCalculator();

    VardexOpenDialogFn m_pOpenDialog;
    VardexChangeSizeFn m_pChangeSize;
    QTabWidget* m_pTabs = nullptr;
    QWidget* m_pCalculatorPage = nullptr;
    QGridLayout* m_pCalculatorLayout = nullptr;
    QAction* m_pFreeStandingAction = nullptr;
    QAction* m_pTitleBarAction = nullptr;
    QPointer<QWidget> m_pCalculatorWindow;
};

#endif
