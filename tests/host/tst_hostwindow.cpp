#include "CalculatorPlugin.h"
#include "HostWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The demo host with the calculator library from the build, on a 1366 x 768
// screen. The library keeps its one window for the life of the process, so
// every test shares one host.
class tst_HostWindow : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_runDir;
    CalculatorPlugin m_plugin;
    std::unique_ptr<HostWindow> m_pHost;
    QWidget* m_pCalculator = nullptr;

    QRect tabArea() const
    {
        const QWidget* pPage = m_pHost->findChild<QTabWidget*>()->currentWidget();
        return QRect(pPage->mapToGlobal(QPoint(0, 0)), pPage->size());
    }

    QWidget* titleBar() const
    {
        const QList<QWidget*> children = m_pCalculator->findChildren<QWidget*>();
        for (QWidget* pChild : children) {
            if (pChild->inherits("CWindowTitle")) {
                return pChild;
            }
        }
        return nullptr;
    }

    QAction* action(const QString& qsText) const
    {
        const QList<QAction*> actions = m_pHost->findChildren<QAction*>();
        for (QAction* pAction : actions) {
            if (pAction->text() == qsText) {
                return pAction;
            }
        }
        return nullptr;
    }

    void mouse(QEvent::Type type, const QPoint& pos)
    {
        QWidget* pBar = titleBar();
        QMouseEvent event(type, pos, pBar->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pBar, &event);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_runDir.path()));
        QVERIFY2(m_plugin.load(qEnvironmentVariable("VARDEX_BIN_DIR")),
                 qPrintable(m_plugin.errorString()));
        m_pHost = std::make_unique<HostWindow>(m_plugin.openDialog(), m_plugin.changeSize());
        m_pHost->showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(m_pHost.get()));
        QVERIFY(m_pHost->openCalculator());
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (pWidget->inherits("MainWindow")) {
                m_pCalculator = pWidget;
            }
        }
        QVERIFY(m_pCalculator);
        action(QStringLiteral("Calculator &Title Bar"))->setChecked(true);
        QVERIFY(titleBar()->isVisible());
    }

    // The whole host lies on the screen, and the calculator, whole, on its tab.
    void opensWholeOnTheScreen()
    {
        QVERIFY(m_pHost->screen()->availableGeometry().contains(m_pHost->frameGeometry()));
        QTRY_COMPARE(m_pCalculator->geometry(), tabArea());
    }

    // In turn, on the host's one calculator: what its title bar and the
    // window system do to it, and a visit to the other tab.
    void calculatorStaysInItsTab_data()
    {
        QTest::addColumn<QString>("qsAction");
        for (const char* pszAction : {"maximise", "restore", "drag", "minimise", "other tab"}) {
            QTest::newRow(pszAction) << QString::fromLatin1(pszAction);
        }
    }

    void calculatorStaysInItsTab()
    {
        QFETCH(QString, qsAction);
        const QPoint grip(300, 10);
        if (qsAction == QLatin1String("maximise") || qsAction == QLatin1String("restore")) {
            mouse(QEvent::MouseButtonDblClick, grip);
        } else if (qsAction == QLatin1String("drag")) {
            mouse(QEvent::MouseButtonPress, grip);
            mouse(QEvent::MouseMove, grip + QPoint(150, 90));
            mouse(QEvent::MouseButtonRelease, grip + QPoint(150, 90));
        } else if (qsAction == QLatin1String("minimise")) {
            m_pCalculator->showMinimized();
        } else {
            auto* pTabs = m_pHost->findChild<QTabWidget*>();
            pTabs->setCurrentIndex(1);
            QVERIFY(!m_pCalculator->isVisible());
            pTabs->setCurrentIndex(0);
        }
        QTRY_COMPARE(m_pCalculator->geometry(), tabArea());
        QVERIFY(m_pCalculator->isVisible());
        QVERIFY(!m_pCalculator->isMinimized());
    }

    void titleBarOffersOnlyClosing()
    {
        QStringList lstShown;
        for (const char* pszName : {"m_pMinBtn", "m_pMaxBtn", "m_pCloseBtn"}) {
            if (titleBar()->findChild<QPushButton*>(QLatin1String(pszName))->isVisible()) {
                lstShown << QLatin1String(pszName);
            }
        }
        QCOMPARE(lstShown, QStringList{QStringLiteral("m_pCloseBtn")});
    }

    // Keys reach the calculator in its tab: F1 looks for the manual.
    void f1ReachesTheCalculator()
    {
        QString qsText;
        ModalAnswer answer([&qsText](QWidget* pDialog) {
            qsText = WarnDlgContent::of(pDialog).qsText;
            WarnDlgContent::click(pDialog, "m_pCloseBtn");
        });
        QTest::keyClick(m_pCalculator, Qt::Key_F1);
        QCOMPARE(qsText, QStringLiteral("Can not find Manual."));
    }

    // The calculator's close button asks the host, never the calculator's
    // own question that would quit the whole application.
    void closingTheCalculatorAsksTheHost_data()
    {
        QTest::addColumn<int>("iAnswer");
        QTest::addColumn<bool>("bHostOpen");
        QTest::newRow("no") << int(QMessageBox::No) << true;
        QTest::newRow("yes") << int(QMessageBox::Yes) << false;
    }

    void closingTheCalculatorAsksTheHost()
    {
        QFETCH(int, iAnswer);
        QFETCH(bool, bHostOpen);
        bool bAskedByHost = false;
        std::unique_ptr<ModalAnswer> pSecondQuestion;
        ModalAnswer answer([&](QWidget* pDialog) {
            // A second question, of the host or of the calculator, is one too
            // many: it is closed unanswered.
            pSecondQuestion = std::make_unique<ModalAnswer>([](QWidget* p) { p->hide(); });
            auto* pBox = qobject_cast<QMessageBox*>(pDialog);
            bAskedByHost = pBox != nullptr;
            if (pBox) {
                pBox->button(QMessageBox::StandardButton(iAnswer))->click();
            } else {
                pDialog->hide();
            }
        });
        titleBar()->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"))->click();
        QTRY_VERIFY(answer.answered());
        QCoreApplication::sendPostedEvents();
        QVERIFY(!pSecondQuestion->answered());
        QVERIFY(bAskedByHost);
        QCOMPARE(m_pHost->isVisible(), bHostOpen);
        QCOMPARE(m_pCalculator->isVisible(), bHostOpen);
    }
};

QTEST_MAIN(tst_HostWindow)
#include "tst_hostwindow.moc"
