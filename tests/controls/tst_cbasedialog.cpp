#include "controls/CBaseDialog.h"

#include "ModalAnswer.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QPushButton* button(const QWidget& dlg, const char* pszName)
{
    return dlg.findChild<QPushButton*>(QLatin1String(pszName));
}

void sendMouse(QWidget& w, QEvent::Type type, const QPoint& localPos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, localPos, w.mapToGlobal(localPos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

QString frameStyle(const char* pszBorder)
{
    return QStringLiteral("QDialog#CBaseDialogClass{border-image:url(\":/images/Dialog/%1;}")
        .arg(QLatin1String(pszBorder));
}
} // namespace

class TestCBaseDialog : public QObject
{
    Q_OBJECT
private slots:
    void constructorFlagsChooseBarAndButtons_data()
    {
        QTest::addColumn<bool>("bBottom");
        QTest::addColumn<bool>("bOk");
        QTest::addColumn<bool>("bCancel");
        QTest::addColumn<QString>("qsFrameImage");
        QTest::newRow("bar with both") << true << true << true << "dialog_bg.png";
        QTest::newRow("bar with OK only") << true << true << false << "dialog_bg.png";
        QTest::newRow("bar with Cancel only") << true << false << true << "dialog_bg.png";
        QTest::newRow("no bar") << false << false << false << "dialog_bg2.png";
    }

    void constructorFlagsChooseBarAndButtons()
    {
        QFETCH(bool, bBottom);
        QFETCH(bool, bOk);
        QFETCH(bool, bCancel);
        QFETCH(QString, qsFrameImage);
        CBaseDialog dlg(nullptr, bBottom, bOk, bCancel);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.objectName(), QStringLiteral("CBaseDialogClass"));
        QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!button(dlg, "m_pCloseBtn")->isVisible());
        QCOMPARE(dlg.findChild<QFrame*>(QStringLiteral("m_pBottomFrame"))->isVisible(), bBottom);
        QCOMPARE(button(dlg, "pOkBtn")->isVisible(), bBottom && bOk);
        QCOMPARE(button(dlg, "pCancelBtn")->isVisible(), bBottom && bCancel);
        QVERIFY(dlg.styleSheet().contains(qsFrameImage + QLatin1String("\")")));
        const QMargins expectedMargins = bBottom ? QMargins(6, 3, 6, 5) : QMargins(6, 4, 6, 11);
        QCOMPARE(dlg.layout()->contentsMargins(), expectedMargins);
    }

    void showBottomFrameSwitchesFrameStyleAndKeepsExtraRules()
    {
        CBaseDialog dlg(nullptr, true, true, true);
        const QString qsExtra = QStringLiteral("QLabel{color: black;}");
        dlg.setStyleSheet(dlg.styleSheet() + qsExtra);
        dlg.ShowBottomFrame(false);
        QCOMPARE(dlg.styleSheet(),
                 frameStyle("dialog_bg2.png\") 34 6 16 6;\nborder-width:34 6 16 6") + qsExtra);
        dlg.ShowBottomFrame(true);
        QCOMPARE(dlg.styleSheet(), frameStyle("dialog_bg.png\") 58;\nborder-width:58") + qsExtra);
        dlg.show();
        QVERIFY(button(dlg, "pOkBtn")->isVisible());
        QVERIFY(button(dlg, "pCancelBtn")->isVisible());
    }

    void titleAndButtonTexts()
    {
        CBaseDialog dlg;
        dlg.SetTitle(QStringLiteral("Add Device"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text(),
                 QStringLiteral("Add Device"));
        dlg.SetOkBtnText(QStringLiteral("Export"));
        dlg.SetCancelBtnText(QStringLiteral("Back"));
        QCOMPARE(button(dlg, "pOkBtn")->text(), QStringLiteral("Export"));
        QCOMPARE(button(dlg, "pOkBtn")->toolTip(), QStringLiteral("Export"));
        QCOMPARE(button(dlg, "pCancelBtn")->toolTip(), QStringLiteral("Back"));
        QVERIFY(QMetaObject::invokeMethod(&dlg, "SetOkBtnEnable", Q_ARG(bool, false)));
        QVERIFY(!button(dlg, "pOkBtn")->isEnabled());
    }

    void contentWidgetGoesIntoContentFrame()
    {
        CBaseDialog dlg;
        QVERIFY(!dlg.SetContentWidget(nullptr));
        auto* pContent = new QLabel(QStringLiteral("content"));
        QVERIFY(dlg.SetContentWidget(pContent));
        QCOMPARE(pContent->parentWidget(), dlg.GetContentFrame());
        QCOMPARE(dlg.GetContentFrame()->layout()->contentsMargins(), QMargins());
        QVERIFY(dlg.SetContentWidget(new QLabel(QStringLiteral("second"))));
        QCOMPARE(dlg.GetContentFrame()->layout()->count(), 2);
    }

    // With auto-accept/auto-close off, OK and the close button only signal and
    // leave the dialog to its owner.
    void buttonsFinishOrSignal_data()
    {
        QTest::addColumn<QString>("qsButton");
        QTest::addColumn<bool>("bAutoOff");
        QTest::addColumn<int>("iResult"); // -1: still open after the click
        QTest::addColumn<int>("iOkSignals");
        QTest::addColumn<int>("iCloseSignals");
        QTest::newRow("OK accepts") << "pOkBtn" << false << 1 << 0 << 0;
        QTest::newRow("OK without auto-accept") << "pOkBtn" << true << -1 << 1 << 0;
        QTest::newRow("close button cancels") << "m_pCloseBtn" << false << 0 << 0 << 0;
        QTest::newRow("close without auto-close") << "m_pCloseBtn" << true << -1 << 0 << 1;
        QTest::newRow("cancel rejects") << "pCancelBtn" << true << 0 << 0 << 0;
    }

    void buttonsFinishOrSignal()
    {
        QFETCH(QString, qsButton);
        QFETCH(bool, bAutoOff);
        QFETCH(int, iResult);
        QFETCH(int, iOkSignals);
        QFETCH(int, iCloseSignals);
        CBaseDialog dlg;
        dlg.ShowCloseBtn(true);
        dlg.SetOkAutoAccept(!bAutoOff);
        dlg.SetCloseAutoClose(!bAutoOff);
        QSignalSpy okSpy(&dlg, &CBaseDialog::ClickedOKBtnSig);
        QSignalSpy closeSpy(&dlg, &CBaseDialog::ClickedCloseBtnSig);
        bool bStillOpen = false;
        ModalAnswer answer([&](QWidget* pModal) {
            pModal->findChild<QPushButton*>(qsButton)->click();
            bStillOpen = pModal->isVisible();
            if (bStillOpen) {
                static_cast<QDialog*>(pModal)->done(-1);
            }
        });
        QCOMPARE(dlg.exec(), iResult);
        QVERIFY(answer.answered());
        QCOMPARE(bStillOpen, iResult == -1);
        QCOMPARE(okSpy.count(), iOkSignals);
        QCOMPARE(closeSpy.count(), iCloseSignals);
    }

    void escapeDoesNothing()
    {
        CBaseDialog dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QSignalSpy finishedSpy(&dlg, &QDialog::finished);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        QCOMPARE(finishedSpy.count(), 0);
    }

    // Only a press inside the 33-pixel title band drags the frameless dialog.
    void dragByTitleBand_data()
    {
        QTest::addColumn<int>("iPressY");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("last line of the band") << 32 << QPoint(30, 20);
        QTest::newRow("first line below it") << 33 << QPoint();
    }

    void dragByTitleBand()
    {
        QFETCH(int, iPressY);
        QFETCH(QPoint, moved);
        CBaseDialog dlg;
        dlg.move(100, 100);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QPoint start = dlg.pos();
        sendMouse(dlg, QEvent::MouseButtonPress, QPoint(60, iPressY), Qt::LeftButton);
        sendMouse(dlg, QEvent::MouseMove, QPoint(90, iPressY + 20), Qt::LeftButton);
        QCOMPARE(dlg.pos(), start + moved);
        sendMouse(dlg, QEvent::MouseButtonRelease, QPoint(60, iPressY), Qt::NoButton);
        sendMouse(dlg, QEvent::MouseMove, QPoint(120, 80), Qt::NoButton);
        QCOMPARE(dlg.pos(), start + moved);
    }

    void cornersAreCutFromTheMask()
    {
        CBaseDialog dlg;
        dlg.resize(300, 200);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const auto in = [&dlg](int iX, int iY) { return dlg.mask().contains(QPoint(iX, iY)); };
        QVERIFY(!in(0, 0) && !in(299, 0) && !in(0, 199) && !in(299, 199));
        QVERIFY(in(150, 0) && in(0, 100) && in(299, 100) && in(150, 199));
        dlg.resize(400, 250);
        QTRY_VERIFY(in(399, 125));
        QVERIFY(!in(399, 249));
    }
};

QTEST_MAIN(TestCBaseDialog)
#include "tst_cbasedialog.moc"
