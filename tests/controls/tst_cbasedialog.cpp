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
} // namespace

class TestCBaseDialog : public QObject
{
    Q_OBJECT
private slots:
    void constructorFlagsChooseBarAndButtons_data();
    void constructorFlagsChooseBarAndButtons();
    void showBottomFrameSwitchesFrameStyleAndKeepsExtraRules();
    void titleAndButtonTexts();
    void contentWidgetGoesIntoContentFrame();
    void okAcceptsByDefault();
    void okWithoutAutoAcceptOnlySignals();
    void closeButtonActsAsCancel();
    void closeWithoutAutoCloseOnlySignals();
    void cancelRejects();
    void escapeDoesNothing();
    void pressInTitleBandDrags();
    void pressBelowTitleBandDoesNotDrag();
    void cornersAreCutFromTheMask();
    void okButtonCanBeDisabled();
};

void TestCBaseDialog::constructorFlagsChooseBarAndButtons_data()
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

void TestCBaseDialog::constructorFlagsChooseBarAndButtons()
{
    QFETCH(bool, bBottom);
    QFETCH(bool, bOk);
    QFETCH(bool, bCancel);
    QFETCH(QString, qsFrameImage);
    CBaseDialog dlg(nullptr, bBottom, bOk, bCancel);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.objectName(), QStringLiteral("CBaseDialogClass"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Dialog"));
    QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!button(dlg, "m_pCloseBtn")->isVisible());
    QCOMPARE(dlg.findChild<QFrame*>(QStringLiteral("m_pBottomFrame"))->isVisible(), bBottom);
    QCOMPARE(button(dlg, "pOkBtn")->isVisible(), bBottom && bOk);
    QCOMPARE(button(dlg, "pCancelBtn")->isVisible(), bBottom && bCancel);
    QVERIFY(dlg.styleSheet().contains(qsFrameImage + QLatin1String("\")")));
    const QMargins expectedMargins = bBottom ? QMargins(6, 3, 6, 5) : QMargins(6, 4, 6, 11);
    QCOMPARE(dlg.layout()->contentsMargins(), expectedMargins);
}

void TestCBaseDialog::showBottomFrameSwitchesFrameStyleAndKeepsExtraRules()
{
    CBaseDialog dlg(nullptr, true, true, true);
    const QString qsExtra = QStringLiteral("QLabel{color: black;}");
    dlg.setStyleSheet(dlg.styleSheet() + qsExtra);
    dlg.ShowBottomFrame(false);
    QCOMPARE(dlg.styleSheet(),
             QStringLiteral("QDialog#CBaseDialogClass{border-image:url(\":/images/Dialog/"
                            "dialog_bg2.png\") 34 6 16 6;\nborder-width:34 6 16 6;}") +
                 qsExtra);
    dlg.ShowBottomFrame(true);
    QCOMPARE(dlg.styleSheet(), QStringLiteral("QDialog#CBaseDialogClass{border-image:url(\":/"
                                              "images/Dialog/dialog_bg.png\") 58;\nborder-width:"
                                              "58;}") +
                                   qsExtra);
    dlg.show();
    QVERIFY(button(dlg, "pOkBtn")->isVisible());
    QVERIFY(button(dlg, "pCancelBtn")->isVisible());
}

void TestCBaseDialog::titleAndButtonTexts()
{
    CBaseDialog dlg;
    QCOMPARE(dlg.GetTitle(), QString());
    dlg.SetTitle(QStringLiteral("Add Device"));
    QCOMPARE(dlg.GetTitle(), QStringLiteral("Add Device"));
    QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text(),
             QStringLiteral("Add Device"));
    QCOMPARE(button(dlg, "pOkBtn")->text(), QStringLiteral("OK"));
    QCOMPARE(button(dlg, "pCancelBtn")->toolTip(), QStringLiteral("Cancel"));
    dlg.SetOkBtnText(QStringLiteral("Export"));
    dlg.SetCancelBtnText(QStringLiteral("Back"));
    QCOMPARE(button(dlg, "pOkBtn")->text(), QStringLiteral("Export"));
    QCOMPARE(button(dlg, "pOkBtn")->toolTip(), QStringLiteral("Export"));
    QCOMPARE(button(dlg, "pCancelBtn")->toolTip(), QStringLiteral("Back"));
}

void TestCBaseDialog::contentWidgetGoesIntoContentFrame()
{
    CBaseDialog dlg;
    QVERIFY(!dlg.SetContentWidget(nullptr));
    auto* pContent = new QLabel(QStringLiteral("content"));
    QVERIFY(dlg.SetContentWidget(pContent));
    QCOMPARE(dlg.GetContentFrame()->objectName(), QStringLiteral("m_pContentFrame"));
    QCOMPARE(pContent->parentWidget(), dlg.GetContentFrame());
    QCOMPARE(dlg.GetContentFrame()->layout()->contentsMargins(), QMargins());
    auto* pSecond = new QLabel(QStringLiteral("second"));
    QVERIFY(dlg.SetContentWidget(pSecond));
    QCOMPARE(dlg.GetContentFrame()->layout()->count(), 2);
}

void TestCBaseDialog::okAcceptsByDefault()
{
    CBaseDialog dlg;
    QSignalSpy okSpy(&dlg, &CBaseDialog::ClickedOKBtnSig);
    ModalAnswer answer([](QWidget* pModal) { button(*pModal, "pOkBtn")->click(); });
    QCOMPARE(dlg.exec(), 1);
    QVERIFY(answer.answered());
    QCOMPARE(okSpy.count(), 0);
}

void TestCBaseDialog::okWithoutAutoAcceptOnlySignals()
{
    CBaseDialog dlg;
    dlg.SetOkAutoAccept(false);
    QSignalSpy okSpy(&dlg, &CBaseDialog::ClickedOKBtnSig);
    bool bStillOpen = false;
    ModalAnswer answer([&](QWidget* pModal) {
        button(*pModal, "pOkBtn")->click();
        bStillOpen = pModal->isVisible();
        button(*pModal, "pCancelBtn")->click();
    });
    QCOMPARE(dlg.exec(), 0);
    QVERIFY(answer.answered());
    QVERIFY(bStillOpen);
    QCOMPARE(okSpy.count(), 1);
}

void TestCBaseDialog::closeButtonActsAsCancel()
{
    CBaseDialog dlg;
    dlg.ShowCloseBtn(true);
    ModalAnswer answer([](QWidget* pModal) { button(*pModal, "m_pCloseBtn")->click(); });
    QCOMPARE(dlg.exec(), 0);
    QVERIFY(answer.answered());
}

void TestCBaseDialog::closeWithoutAutoCloseOnlySignals()
{
    CBaseDialog dlg;
    dlg.ShowCloseBtn(true);
    dlg.SetCloseAutoClose(false);
    QSignalSpy closeSpy(&dlg, &CBaseDialog::ClickedCloseBtnSig);
    bool bStillOpen = false;
    ModalAnswer answer([&](QWidget* pModal) {
        button(*pModal, "m_pCloseBtn")->click();
        bStillOpen = pModal->isVisible();
        static_cast<QDialog*>(pModal)->reject();
    });
    dlg.exec();
    QVERIFY(answer.answered());
    QVERIFY(bStillOpen);
    QCOMPARE(closeSpy.count(), 1);
}

void TestCBaseDialog::cancelRejects()
{
    CBaseDialog dlg;
    dlg.SetOkAutoAccept(false);
    ModalAnswer answer([](QWidget* pModal) { button(*pModal, "pCancelBtn")->click(); });
    QCOMPARE(dlg.exec(), 0);
    QVERIFY(answer.answered());
}

void TestCBaseDialog::escapeDoesNothing()
{
    CBaseDialog dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QSignalSpy finishedSpy(&dlg, &QDialog::finished);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
    QCOMPARE(finishedSpy.count(), 0);
}

void TestCBaseDialog::pressInTitleBandDrags()
{
    CBaseDialog dlg;
    dlg.move(100, 100);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QPoint start = dlg.pos();
    sendMouse(dlg, QEvent::MouseButtonPress, QPoint(60, 32), Qt::LeftButton);
    sendMouse(dlg, QEvent::MouseMove, QPoint(90, 52), Qt::LeftButton);
    QCOMPARE(dlg.pos(), start + QPoint(30, 20));
    sendMouse(dlg, QEvent::MouseButtonRelease, QPoint(60, 32), Qt::NoButton);
    const QPoint afterRelease = dlg.pos();
    sendMouse(dlg, QEvent::MouseMove, QPoint(120, 80), Qt::NoButton);
    QCOMPARE(dlg.pos(), afterRelease);
}

void TestCBaseDialog::pressBelowTitleBandDoesNotDrag()
{
    CBaseDialog dlg;
    dlg.move(100, 100);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QPoint start = dlg.pos();
    sendMouse(dlg, QEvent::MouseButtonPress, QPoint(60, 33), Qt::LeftButton);
    sendMouse(dlg, QEvent::MouseMove, QPoint(90, 63), Qt::LeftButton);
    QCOMPARE(dlg.pos(), start);
}

void TestCBaseDialog::cornersAreCutFromTheMask()
{
    CBaseDialog dlg;
    dlg.resize(300, 200);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QRegion mask = dlg.mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(299, 0)));
    QVERIFY(!mask.contains(QPoint(0, 199)));
    QVERIFY(!mask.contains(QPoint(299, 199)));
    QVERIFY(mask.contains(QPoint(150, 0)));
    QVERIFY(mask.contains(QPoint(0, 100)));
    QVERIFY(mask.contains(QPoint(299, 100)));
    QVERIFY(mask.contains(QPoint(150, 199)));
    dlg.resize(400, 250);
    QTRY_VERIFY(dlg.mask().contains(QPoint(399, 125)));
    QVERIFY(!dlg.mask().contains(QPoint(399, 249)));
}

void TestCBaseDialog::okButtonCanBeDisabled()
{
    CBaseDialog dlg;
    QVERIFY(QMetaObject::invokeMethod(&dlg, "SetOkBtnEnable", Q_ARG(bool, false)));
    QVERIFY(!button(dlg, "pOkBtn")->isEnabled());
    dlg.SetOkBtnEnable(true);
    QVERIFY(button(dlg, "pOkBtn")->isEnabled());
}

QTEST_MAIN(TestCBaseDialog)
#include "tst_cbasedialog.moc"
