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
    void delayButtonSignalsTwoSecondsAfterRelease()
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

    void delayButtonWaitsWhileChecked()
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

    void flatButtonIgnoresParent()
    {
        QWidget holder;
        auto* pButton = new FlatPushButton(&holder);
        QVERIFY(pButton->isFlat());
        QCOMPARE(pButton->parentWidget(), nullptr);
        (new QVBoxLayout(&holder))->addWidget(pButton);
        QCOMPARE(pButton->parentWidget(), &holder);
    }

    void comboBoxUserSwitches_data()
    {
        QTest::addColumn<QString>("qsSlot");
        QTest::addColumn<bool>("bArgument");
        QTest::addColumn<bool>("bEnabled");
        QTest::newRow("disable") << "setUserDisabled" << true << false;
        QTest::newRow("undisable") << "setUserDisabled" << false << true;
        QTest::newRow("enable") << "setUserEnabled" << true << true;
        QTest::newRow("unenable") << "setUserEnabled" << false << false;
    }

    void comboBoxUserSwitches()
    {
        QFETCH(QString, qsSlot);
        QFETCH(bool, bArgument);
        QFETCH(bool, bEnabled);
        CComboBox box;
        box.setEnabled(!bEnabled);
        QVERIFY(QMetaObject::invokeMethod(&box, qPrintable(qsSlot), Q_ARG(bool, bArgument)));
        QCOMPARE(box.isEnabled(), bEnabled);
    }

    void labelReportsDoubleClick()
    {
        CLabel label(QStringLiteral("Example Task"));
        label.show();
        QSignalSpy spy(&label, &CLabel::SignalDoubleClicked);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }

    void labelToolTip_data()
    {
        QTest::addColumn<QString>("qsOwnTip");
        QTest::addColumn<QString>("qsShown");
        QTest::newRow("its text") << QString() << "A rather long task name";
        QTest::newRow("its own tip") << "own tip" << QStringLiteral("own tip");
    }

    void labelToolTip()
    {
        QFETCH(QString, qsOwnTip);
        QFETCH(QString, qsShown);
        CLabel label(QStringLiteral("A rather long task name"));
        label.setToolTip(qsOwnTip);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&label, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), qsShown);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

QTEST_MAIN(TestSmallControls)
#include "tst_smallcontrols.moc"
