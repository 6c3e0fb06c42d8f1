#include "controls/CComboBox.h"
#include "controls/CDelayButton.h"
#include "controls/CLabel.h"
#include "controls/FlatPushButton.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

class TestSmallControls : public QObject
{
    Q_OBJECT
private slots:
    void delayButtonSignalsTwoSecondsAfterRelease();
    void delayButtonWaitsWhileChecked();
    void flatButtonIgnoresParent();
    void comboBoxUserSwitches_data();
    void comboBoxUserSwitches();
    void labelReportsDoubleClick();
    void labelShowsItsTextAsToolTip();
    void labelKeepsOwnToolTip();
};

void TestSmallControls::delayButtonSignalsTwoSecondsAfterRelease()
{
    CDelayButton button;
    button.show();
    QSignalSpy spy(&button, &CDelayButton::SignalDelayRelease);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::qWait(1500);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 1500);
    QTest::qWait(2100);
    QCOMPARE(spy.count(), 1);
}

void TestSmallControls::delayButtonWaitsWhileChecked()
{
    CDelayButton button;
    button.setCheckable(true);
    button.show();
    QSignalSpy spy(&button, &CDelayButton::SignalDelayRelease);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QTest::qWait(2300);
    QCOMPARE(spy.count(), 0);
    button.setChecked(false);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 2500);
}

void TestSmallControls::flatButtonIgnoresParent()
{
    QWidget holder;
    FlatPushButton* pButton = new FlatPushButton(&holder);
    QVERIFY(pButton->isFlat());
    QCOMPARE(pButton->parentWidget(), nullptr);
    auto* pLayout = new QVBoxLayout(&holder);
    pLayout->addWidget(pButton);
    QCOMPARE(pButton->parentWidget(), &holder);
}

void TestSmallControls::comboBoxUserSwitches_data()
{
    QTest::addColumn<QString>("qsSlot");
    QTest::addColumn<bool>("bArgument");
    QTest::addColumn<bool>("bEnabled");
    QTest::newRow("disable") << "setUserDisabled" << true << false;
    QTest::newRow("undisable") << "setUserDisabled" << false << true;
    QTest::newRow("enable") << "setUserEnabled" << true << true;
    QTest::newRow("unenable") << "setUserEnabled" << false << false;
}

void TestSmallControls::comboBoxUserSwitches()
{
    QFETCH(QString, qsSlot);
    QFETCH(bool, bArgument);
    QFETCH(bool, bEnabled);
    CComboBox box;
    box.setEnabled(!bEnabled);
    QVERIFY(QMetaObject::invokeMethod(&box, qsSlot.toLatin1().constData(), Q_ARG(bool, bArgument)));
    QCOMPARE(box.isEnabled(), bEnabled);
}

void TestSmallControls::labelReportsDoubleClick()
{
    CLabel label(QStringLiteral("Example Task"));
    label.show();
    QSignalSpy spy(&label, &CLabel::SignalDoubleClicked);
    QTest::mouseDClick(&label, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestSmallControls::labelShowsItsTextAsToolTip()
{
    CLabel label(QStringLiteral("A rather long task name"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&label, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("A rather long task name"));
    QToolTip::hideText();
}

void TestSmallControls::labelKeepsOwnToolTip()
{
    CLabel label(QStringLiteral("short"));
    label.setToolTip(QStringLiteral("own tip"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&label, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("own tip"));
    QToolTip::hideText();
}

QTEST_MAIN(TestSmallControls)
#include "tst_smallcontrols.moc"
