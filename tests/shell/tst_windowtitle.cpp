#include "shell/CWindowTitle.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
const char* const kRestoreStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/back.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/back_hover.png); }";
const char* const kFullScreenStyle =
    "QPushButton{border:none;margin:0;border-image:url(:/images/title/full-screen.png);}"
    "QPushButton:hover{border:none;margin:0;border-image:url(:/images/title/"
    "full-screen_hover.png); }";

void sendMouse(QWidget* pTarget, QEvent::Type type, const QPoint& localPos,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, localPos, pTarget->mapToGlobal(localPos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(pTarget, &event);
}
} // namespace

// On a 1280 x 1024 screen: maximise, restore, double-click and dragging.
class tst_WindowTitle : public QObject
{
    Q_OBJECT
private:
    MainWindow* m_pWindow = nullptr;
    CWindowTitle* m_pTitle = nullptr;

    QRect available() const { return m_pWindow->screen()->availableGeometry(); }
    QPushButton* maxButton() const
    {
        return m_pTitle->findChild<QPushButton*>(QStringLiteral("m_pMaxBtn"));
    }
    void doubleClickTitle()
    {
        sendMouse(m_pTitle, QEvent::MouseButtonDblClick, QPoint(200, 10), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_pWindow = new MainWindow(nullptr);
        m_pWindow->setFixedSize(1024, 768);
        m_pWindow->move(50, 40);
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pWindow));
        m_pTitle = m_pWindow->findChild<CWindowTitle*>();
        QVERIFY(m_pTitle);
        QVERIFY(maxButton());
    }

    void cleanup()
    {
        delete m_pWindow;
        m_pWindow = nullptr;
    }

    void maxButtonMaximisesAndRestores()
    {
        QTest::mouseClick(maxButton(), Qt::LeftButton);
        QVERIFY(m_pTitle->isWindowMaximized());
        QTRY_COMPARE(m_pWindow->size(), available().size());
        QTRY_COMPARE(m_pWindow->pos(), QPoint(0, 0));
        QCOMPARE(maxButton()->styleSheet(), QString::fromLatin1(kRestoreStyle));

        QTest::mouseClick(maxButton(), Qt::LeftButton);
        QVERIFY(!m_pTitle->isWindowMaximized());
        QTRY_COMPARE(m_pWindow->size(), QSize(1024, 768));
        QCOMPARE(maxButton()->styleSheet(), QString::fromLatin1(kFullScreenStyle));
    }

    void doubleClickTwiceCentresTheWindow()
    {
        doubleClickTitle();
        QVERIFY(m_pTitle->isWindowMaximized());
        QTRY_COMPARE(m_pWindow->size(), QSize(1280, 1024));
        doubleClickTitle();
        QVERIFY(!m_pTitle->isWindowMaximized());
        QTRY_COMPARE(m_pWindow->size(), QSize(1024, 768));
        const QPoint centred(available().width() / 2 - 512, available().height() / 2 - 384);
        QCOMPARE(centred, QPoint(128, 128));
        QTRY_COMPARE(m_pWindow->pos(), centred);
        QCOMPARE(m_pWindow->minimumSize(), QSize(1024, 768));
        QCOMPARE(m_pWindow->maximumSize(), QSize(1024, 768));
    }

    void draggingMovesTheWindow()
    {
        const QPoint start = m_pWindow->pos();
        sendMouse(m_pTitle, QEvent::MouseButtonPress, QPoint(300, 12), Qt::LeftButton);
        sendMouse(m_pTitle, QEvent::MouseMove, QPoint(330, 32), Qt::LeftButton);
        sendMouse(m_pTitle, QEvent::MouseButtonRelease, QPoint(330, 32), Qt::NoButton);
        QTRY_COMPARE(m_pWindow->pos(), start + QPoint(30, 20));

        // Moving without a press does nothing.
        const QPoint afterDrag = m_pWindow->pos();
        sendMouse(m_pTitle, QEvent::MouseMove, QPoint(400, 40), Qt::NoButton);
        QCOMPARE(m_pWindow->pos(), afterDrag);
    }

    void noDraggingWhileMaximised()
    {
        doubleClickTitle();
        QTRY_COMPARE(m_pWindow->pos(), QPoint(0, 0));
        sendMouse(m_pTitle, QEvent::MouseButtonPress, QPoint(300, 12), Qt::LeftButton);
        sendMouse(m_pTitle, QEvent::MouseMove, QPoint(350, 52), Qt::LeftButton);
        sendMouse(m_pTitle, QEvent::MouseButtonRelease, QPoint(350, 52), Qt::NoButton);
        QTest::qWait(50);
        QCOMPARE(m_pWindow->pos(), QPoint(0, 0));
    }

    void minimiseButtonMinimises()
    {
        QTest::mouseClick(m_pTitle->findChild<QPushButton*>(QStringLiteral("m_pMinBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(m_pWindow->isMinimized());
    }
};

QTEST_MAIN(tst_WindowTitle)
#include "tst_windowtitle.moc"
