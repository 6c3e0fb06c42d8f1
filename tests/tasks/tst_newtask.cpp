#include "TaskTestSupport.h"

#include "controls/CToolTip.h"
#include "tasks/NewTaskWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {

// The visible tool tip opens just below and right of the field's top-left
// corner.
bool tipPointsAt(const QWidget* pField)
{
    for (const QWidget* pWindow : QApplication::topLevelWidgets()) {
        if (pWindow->objectName() == QLatin1String("ctooltip_label") && pWindow->isVisible()) {
            return pWindow->pos() == pField->mapToGlobal(QPoint(0, 0)) + QPoint(2, 21);
        }
    }
    return false;
}

void typeCharacter(QWidget* pWidget, QChar ch, Qt::Key eKey)
{
    QTest::sendKeyEvent(QTest::Press, pWidget, eKey, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, pWidget, eKey, QString(ch), Qt::NoModifier);
}

} // namespace

class TestNewTask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void nameChecks_data();
    void nameChecks();
    void reservedNameUnderTranslation();
    void nameLimitedTo32Bytes();
    void typeChoosesTemplateCounts();
    void countsMustBeInRange_data();
    void countsMustBeInRange();
    void missingDefCfgLeavesCountsEmpty();
    void remarkKeepsFirst64Characters();
    void pastedRemarkIsCutAtCursor();
    void enterInRemarkIsIgnored();
    void editKeepingNameWritesRemarkAtOnce();
    void editToExistingNameIsRefused();
    void cancelledEditWritesNothing();

private:
    void openDialog();
    template <typename T> T* field(const char* name) const
    {
        return m_pDialog->findChild<T*>(QLatin1String(name));
    }
    // Clicks OK; true when the dialog accepted and closed.
    bool clickOk();
    TaskInfo result() const;

    std::unique_ptr<CurrentDirScope> m_pDir;
    std::unique_ptr<NewTaskWidget> m_pDialog;
};

void TestNewTask::initTestCase()
{
    QVERIFY(writeDefCfg());
}

void TestNewTask::init()
{
    m_pDir = std::make_unique<CurrentDirScope>();
}

void TestNewTask::cleanup()
{
    CToolTip::hideText();
    m_pDialog.reset();
    m_pDir.reset();
}

void TestNewTask::openDialog()
{
    m_pDialog = std::make_unique<NewTaskWidget>();
    m_pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pDialog.get()));
}

bool TestNewTask::clickOk()
{
    field<QPushButton>("pOkBtn")->click();
    return m_pDialog->result() == QDialog::Accepted && !m_pDialog->isVisible();
}

TaskInfo TestNewTask::result() const
{
    TaskInfo task;
    m_pDialog->GetTaskInfo(task);
    return task;
}

void TestNewTask::nameChecks_data()
{
    QTest::addColumn<QString>("qsTyped");
    QTest::addColumn<QString>("qsTip");
    QTest::addColumn<QString>("qsStoredName");
    const QString qsExists = QStringLiteral("Task name already exists.");
    QTest::newRow("blanks around")
        << QStringLiteral("  Site 7  ") << QString() << QStringLiteral("Site 7");
    QTest::newRow("reserved") << QStringLiteral("Example Task")
                              << QStringLiteral("Reserved task name can not be added.")
                              << QString();
    QTest::newRow("reserved with blanks")
        << QStringLiteral(" Example Task ")
        << QStringLiteral("Reserved task name can not be added.") << QString();
    QTest::newRow("empty") << QString() << QStringLiteral("The task name is invalid") << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ")
                                 << QStringLiteral("The task name is invalid") << QString();
    QTest::newRow("duplicate") << QStringLiteral("Stored") << qsExists << QString();
    QTest::newRow("duplicate with blanks") << QStringLiteral(" Stored ") << qsExists << QString();
    QTest::newRow("differs in case")
        << QStringLiteral("stored") << QString() << QStringLiteral("stored");
}

void TestNewTask::nameChecks()
{
    QFETCH(QString, qsTyped);
    QFETCH(QString, qsTip);
    QFETCH(QString, qsStoredName);
    QVERIFY(storeTasks({makeTask(QStringLiteral("Stored"))}));
    openDialog();
    field<QLineEdit>("editTaskName")->setText(qsTyped);

    const bool bAccepted = clickOk();
    QCOMPARE(bAccepted, qsTip.isEmpty());
    QCOMPARE(CToolTip::text(), qsTip);
    if (bAccepted) {
        QCOMPARE(result().Name, qsStoredName);
        return;
    }
    QCOMPARE(field<QLineEdit>("editTaskName")->text(), qsTyped);
    QVERIFY(tipPointsAt(field<QLineEdit>("editTaskName")));
}

void TestNewTask::reservedNameUnderTranslation()
{
    ExampleTaskTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QVERIFY(storeTasks({makeTask(QStringLiteral("Example Task"))}));
    openDialog();
    const QString qsReserved = QStringLiteral("Reserved task name can not be added.");
    field<QLineEdit>("editTaskName")->setText(ExampleTaskTranslator::translatedName());
    const bool bTranslatedAccepted = clickOk();
    const QString qsTranslatedTip = CToolTip::text();
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("Example Task"));
    const bool bStoredAccepted = clickOk();
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(!bTranslatedAccepted);
    QCOMPARE(qsTranslatedTip, qsReserved);
    QVERIFY(!bStoredAccepted);
    QCOMPARE(CToolTip::text(), qsReserved);
}

void TestNewTask::nameLimitedTo32Bytes()
{
    openDialog();
    QLineEdit* pName = field<QLineEdit>("editTaskName");
    QTest::keyClicks(pName, QString(40, QLatin1Char('a')));
    QCOMPARE(pName->text(), QString(32, QLatin1Char('a')));

    pName->clear();
    // Two bytes each in the UTF-8 locale of the tests.
    for (int i = 0; i < 20; ++i) {
        typeCharacter(pName, QChar(0x00E4), Qt::Key_Adiaeresis);
    }
    QCOMPARE(pName->text(), QString(16, QChar(0x00E4)));
}

void TestNewTask::typeChoosesTemplateCounts()
{
    openDialog();
    auto* pCombo = field<QComboBox>("comboTaskType");
    QCOMPARE(pCombo->count(), 3);
    const QStringList lstTexts{QStringLiteral("Normal Task"),
                               QStringLiteral("High Definition Task"),
                               QStringLiteral("Standard Definition Task")};
    const QList<int> lstCodes{1, 3, 2};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(pCombo->itemText(i), lstTexts.at(i));
        QCOMPARE(pCombo->itemData(i).toInt(), lstCodes.at(i));
    }
    QCOMPARE(pCombo->currentIndex(), 0);
    QVERIFY(field<QLineEdit>("editIPCCount")->isHidden());
    QVERIFY(field<QLabel>("labelDVR")->isHidden());

    pCombo->setCurrentIndex(1);
    QVERIFY(field<QLineEdit>("editIPCCount")->isVisible());
    QVERIFY(field<QLabel>("labelIPC")->isVisible());
    QCOMPARE(field<QLineEdit>("editIPCCount")->text(), QStringLiteral("16"));
    QCOMPARE(field<QLineEdit>("editDVRCount")->text(), QStringLiteral("2"));
    pCombo->setCurrentIndex(2);
    QCOMPARE(field<QLineEdit>("editIPCCount")->text(), QStringLiteral("8"));
    QCOMPARE(field<QLineEdit>("editDVRCount")->text(), QStringLiteral("1"));

    pCombo->setCurrentIndex(0);
    QVERIFY(field<QLineEdit>("editDVRCount")->isHidden());
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("N"));
    QVERIFY(clickOk());
    QCOMPARE(result(), makeTask(QStringLiteral("N")));
}

void TestNewTask::countsMustBeInRange_data()
{
    QTest::addColumn<QString>("qsIpc");
    QTest::addColumn<QString>("qsDvr");
    QTest::addColumn<QString>("qsFaultyField");
    QTest::newRow("lowest") << QStringLiteral("1") << QStringLiteral("1") << QString();
    QTest::newRow("highest") << QStringLiteral("999") << QStringLiteral(" 999 ") << QString();
    QTest::newRow("ipc 0") << QStringLiteral("0") << QStringLiteral("1")
                           << QStringLiteral("editIPCCount");
    QTest::newRow("ipc 1000") << QStringLiteral("1000") << QStringLiteral("1")
                              << QStringLiteral("editIPCCount");
    QTest::newRow("ipc empty") << QString() << QStringLiteral("1")
                               << QStringLiteral("editIPCCount");
    QTest::newRow("dvr 0") << QStringLiteral("5") << QStringLiteral("0")
                           << QStringLiteral("editDVRCount");
    QTest::newRow("both bad") << QStringLiteral("0") << QStringLiteral("0")
                              << QStringLiteral("editIPCCount");
}

void TestNewTask::countsMustBeInRange()
{
    QFETCH(QString, qsIpc);
    QFETCH(QString, qsDvr);
    QFETCH(QString, qsFaultyField);
    openDialog();
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("Counted"));
    field<QComboBox>("comboTaskType")->setCurrentIndex(1);
    field<QLineEdit>("editIPCCount")->setText(qsIpc);
    field<QLineEdit>("editDVRCount")->setText(qsDvr);

    const bool bAccepted = clickOk();
    QCOMPARE(bAccepted, qsFaultyField.isEmpty());
    if (bAccepted) {
        QCOMPARE(result(),
                 makeTask(QStringLiteral("Counted"), 3, qsDvr.trimmed().toInt(), qsIpc.toInt()));
        return;
    }
    QCOMPARE(CToolTip::text(), QStringLiteral("Device Count Ranges [1~999]"));
    QVERIFY(tipPointsAt(m_pDialog->findChild<QLineEdit*>(qsFaultyField)));
}

void TestNewTask::missingDefCfgLeavesCountsEmpty()
{
    QVERIFY(QFile::remove(defCfgPath()));
    openDialog();
    QVERIFY(writeDefCfg());
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("T"));
    field<QComboBox>("comboTaskType")->setCurrentIndex(1);
    QCOMPARE(field<QLineEdit>("editIPCCount")->text(), QString());
    QCOMPARE(field<QLineEdit>("editDVRCount")->text(), QString());
    QVERIFY(!clickOk());
    QCOMPARE(CToolTip::text(), QStringLiteral("Device Count Ranges [1~999]"));
}

void TestNewTask::remarkKeepsFirst64Characters()
{
    openDialog();
    QTextEdit* pRemark = field<QTextEdit>("editRemark");
    const QString qsTyped = QStringLiteral("0123456789").repeated(7);
    QTest::keyClicks(pRemark, qsTyped);
    QCOMPARE(pRemark->toPlainText(), qsTyped.left(64));
    QCOMPARE(pRemark->textCursor().position(), 64);
}

void TestNewTask::pastedRemarkIsCutAtCursor()
{
    openDialog();
    QTextEdit* pRemark = field<QTextEdit>("editRemark");
    const QString qsOld = QString(60, QLatin1Char('o'));
    pRemark->setPlainText(qsOld);
    QTextCursor cursor = pRemark->textCursor();
    cursor.setPosition(10);
    pRemark->setTextCursor(cursor);
    pRemark->insertPlainText(QStringLiteral("0123456789"));
    QCOMPARE(pRemark->toPlainText(), qsOld.left(10) + QStringLiteral("0123") + qsOld.mid(10));
    QCOMPARE(pRemark->textCursor().position(), 14);
}

void TestNewTask::enterInRemarkIsIgnored()
{
    openDialog();
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("T"));
    QTextEdit* pRemark = field<QTextEdit>("editRemark");
    pRemark->setFocus();
    QTest::keyClicks(pRemark, QStringLiteral("ab"));
    QTest::keyClick(pRemark, Qt::Key_Return);
    QTest::keyClick(pRemark, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(pRemark, QStringLiteral("c"));
    QCOMPARE(pRemark->toPlainText(), QStringLiteral("abc"));
    QVERIFY(m_pDialog->isVisible());
    QCOMPARE(m_pDialog->result(), int(QDialog::Rejected));
}

void TestNewTask::editKeepingNameWritesRemarkAtOnce()
{
    const TaskInfo stored = makeTask(QStringLiteral("A"), 3, 2, 16, QStringLiteral("old"));
    QVERIFY(storeTasks({stored, makeTask(QStringLiteral("B"))}));
    openDialog();
    m_pDialog->SetTaskInfo(stored);
    QCOMPARE(field<QLineEdit>("editTaskName")->text(), QStringLiteral("A"));
    QCOMPARE(field<QTextEdit>("editRemark")->toPlainText(), QStringLiteral("old"));
    for (const char* name : {"labelTaskType", "comboTaskType", "labelDVR", "editDVRCount",
                             "labelIPC", "editIPCCount"}) {
        QVERIFY2(field<QWidget>(name)->isHidden(), name);
    }

    field<QTextEdit>("editRemark")->setPlainText(QStringLiteral("new"));
    QVERIFY(clickOk());
    const TaskInfo expected = makeTask(QStringLiteral("A"), 3, 2, 16, QStringLiteral("new"));
    QCOMPARE(result(), expected);
    TaskInfo written;
    QVERIFY(TaskXmlStore(QStringLiteral("Task.xml")).getTask(QStringLiteral("A"), written));
    QCOMPARE(written, expected);
}

void TestNewTask::editToExistingNameIsRefused()
{
    const TaskInfo stored = makeTask(QStringLiteral("A"), 1, 0, 0, QStringLiteral("old"));
    QVERIFY(storeTasks({stored, makeTask(QStringLiteral("B"))}));
    openDialog();
    m_pDialog->SetTaskInfo(stored);
    field<QLineEdit>("editTaskName")->setText(QStringLiteral("B"));
    field<QTextEdit>("editRemark")->setPlainText(QStringLiteral("new"));
    QVERIFY(!clickOk());
    QCOMPARE(CToolTip::text(), QStringLiteral("Task name already exists."));
    QCOMPARE(storedTasks().front(), stored);
}

void TestNewTask::cancelledEditWritesNothing()
{
    const TaskInfo stored = makeTask(QStringLiteral("A"), 1, 0, 0, QStringLiteral("old"));
    QVERIFY(storeTasks({stored}));
    openDialog();
    m_pDialog->SetTaskInfo(stored);
    field<QTextEdit>("editRemark")->setPlainText(QStringLiteral("new"));
    field<QPushButton>("pCancelBtn")->click();
    QCOMPARE(m_pDialog->result(), int(QDialog::Rejected));
    QCOMPARE(storedTasks().front(), stored);
}

QTEST_MAIN(TestNewTask)
#include "tst_newtask.moc"
