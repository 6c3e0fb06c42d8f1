#include "controls/CToolTip.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

namespace {
QLabel* tipLabel()
{
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* pWidget : all) {
        if (pWidget->objectName() == QLatin1String("ctooltip_label") && pWidget->isVisible()) {
            return qobject_cast<QLabel*>(pWidget);
        }
    }
    return nullptr;
}

void sendMove(QWidget* pWidget, const QPointF& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &move);
}
} // namespace

class TestCToolTip : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CToolTip::hideText();
        QTRY_VERIFY(!tipLabel());
    }

    // One tip label at a time, placed below right of the position and
    // resized to each new text.
    void showsTextBelowRightOfPosition()
    {
        CToolTip::showText(QPoint(100, 100), QStringLiteral("Please input the name."));
        QLabel* pTip = tipLabel();
        QVERIFY(pTip);
        QCOMPARE(pTip->text(), QStringLiteral("Please input the name."));
        QCOMPARE(pTip->pos(), QPoint(102, 121));

        CToolTip::showText(QPoint(200, 80), QStringLiteral("a much longer second text"));
        QCOMPARE(tipLabel(), pTip);
        QCOMPARE(CToolTip::text(), QStringLiteral("a much longer second text"));
        QCOMPARE(pTip->pos(), QPoint(202, 101));
        QCOMPARE(pTip->size(), pTip->sizeHint());

        CToolTip::showText(QPoint(50, 50), QString());
        QVERIFY(!CToolTip::isVisible());
        QCOMPARE(CToolTip::text(), QString());
    }

    void placementNearScreenEdges_data()
    {
        QTest::addColumn<int>("iFromRight");
        QTest::addColumn<int>("iFromBottom");
        QTest::addColumn<bool>("bLeft");
        QTest::addColumn<bool>("bAbove");
        QTest::newRow("right edge") << 10 << 300 << true << false;
        QTest::newRow("bottom edge") << 600 << 10 << false << true;
        QTest::newRow("bottom right corner") << 3 << 3 << true << true;
    }

    void placementNearScreenEdges()
    {
        QFETCH(int, iFromRight);
        QFETCH(int, iFromBottom);
        QFETCH(bool, bLeft);
        QFETCH(bool, bAbove);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint pos(screen.x() + screen.width() - iFromRight,
                         screen.y() + screen.height() - iFromBottom);
        CToolTip::showText(pos, QStringLiteral("The number must be between 1 and 999."));
        QLabel* pTip = tipLabel();
        QVERIFY(pTip);
        // Where the window was placed (a platform may add a frame around it).
        const QRect tip(pTip->pos(), pTip->size());
        QVERIFY(screen.contains(tip));
        QCOMPARE(tip.x(), bLeft ? pos.x() + 2 - tip.width() - 4 : pos.x() + 2);
        QCOMPARE(tip.y(), bAbove ? pos.y() + 21 - tip.height() - 24 : pos.y() + 21);
        QCOMPARE(tip.right() < pos.x(), bLeft);
        QCOMPARE(tip.bottom() < pos.y(), bAbove);
    }

    void tipBelongsToItsFieldAndDiesWithIt()
    {
        auto* pWindow = new QWidget;
        auto* pEdit = new QLineEdit(pWindow);
        pWindow->show();
        CToolTip::showText(pEdit->mapToGlobal(QPoint(0, pEdit->height())),
                           QStringLiteral("Name exists."), pEdit);
        QVERIFY(pWindow->findChild<QLabel*>(QStringLiteral("ctooltip_label")));
        delete pWindow;
        QVERIFY(!CToolTip::isVisible());
        CToolTip::showText(QPoint(10, 10), QStringLiteral("again"));
        QCOMPARE(CToolTip::text(), QStringLiteral("again"));
    }

    void leavingTheFieldHidesAfterDelay()
    {
        QWidget window;
        auto* pEdit = new QLineEdit(&window);
        window.show();
        CToolTip::showText(QPoint(20, 20), QStringLiteral("Name exists."), pEdit);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(pEdit, &leave);
        QTest::qWait(100);
        QVERIFY(CToolTip::isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!CToolTip::isVisible(), 1000);
    }

    void moveOutOfRectHides()
    {
        QWidget window;
        window.resize(200, 200);
        window.show();
        CToolTip::showText(QPoint(20, 20), QStringLiteral("in the rect"), &window,
                           QRect(0, 0, 50, 50));
        sendMove(&window, QPointF(10, 10));
        QTest::qWait(400);
        QVERIFY(CToolTip::isVisible());
        sendMove(&window, QPointF(120, 120));
        QTRY_VERIFY_WITH_TIMEOUT(!CToolTip::isVisible(), 1000);
    }

    void rectWithoutWidgetIsRefused()
    {
        QTest::ignoreMessage(QtWarningMsg,
                             "CToolTip::setTipRect: Cannot pass null widget if rect is set");
        CToolTip::showText(QPoint(20, 20), QStringLiteral("text"), nullptr, QRect(0, 0, 10, 10));
        QCOMPARE(CToolTip::text(), QStringLiteral("text"));
    }
};

QTEST_MAIN(TestCToolTip)
#include "tst_ctooltip.moc"
