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
    void initTestCase() { QVERIFY(writeDefCfg()); }

    void init() { m_pDir = std::make_unique<CurrentDirScope>(); }

    void cleanup()
    {
        CToolTip::hideText();
        m_pDialog.reset();
        m_pDir.reset();
    }

    void nameChecks_data()
    {
        QTest::addColumn<bool>("bTranslated");
        QTest::addColumn<QString>("qsTyped");
        QTest::addColumn<QString>("qsTip");
        QTest::addColumn<QString>("qsStoredName");
        const QString qsReserved = QStringLiteral("Reserved task name can not be added.");
        const QString qsInvalid = QStringLiteral("The task name is invalid");
        const QString qsExists = QStringLiteral("Task name already exists.");
        const QString qsNone;
        QTest::newRow("blanks around") << false << "  Site 7  " << qsNone << "Site 7";
        QTest::newRow("reserved") << false << "Example Task" << qsReserved << qsNone;
        QTest::newRow("reserved with blanks") << false << " Example Task " << qsReserved << qsNone;
        QTest::newRow("reserved, translated")
            << true << ExampleTaskTranslator::translatedName() << qsReserved << qsNone;
        QTest::newRow("reserved by stored name, translated")
            << true << "Example Task" << qsReserved << qsNone;
        QTest::newRow("empty") << false << qsNone << qsInvalid << qsNone;
        QTest::newRow("blanks only") << false << "   " << qsInvalid << qsNone;
        QTest::newRow("duplicate") << false << "Stored" << qsExists << qsNone;
        QTest::newRow("duplicate with blanks") << false << " Stored " << qsExists << qsNone;
        QTest::newRow("differs in case") << false << "stored" << qsNone << "stored";
    }

    void nameChecks()
    {
        QFETCH(bool, bTranslated);
        QFETCH(QString, qsTyped);
        QFETCH(QString, qsTip);
        QFETCH(QString, qsStoredName);
        ExampleTaskTranslator translator; // leaves the application when destroyed
        if (bTranslated) {
            QCoreApplication::installTranslator(&translator);
        }
        QVERIFY(storeTasks(
            {makeTask(QStringLiteral("Example Task")), makeTask(QStringLiteral("Stored"))}));
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

    void nameLimitedTo32Bytes()
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

    void typeChoosesTemplateCounts()
    {
        openDialog();
        auto* pCombo = field<QComboBox>("comboTaskType");
        QCOMPARE(pCombo->currentText(), QStringLiteral("Normal Task"));
        QVERIFY(field<QLineEdit>("editIPCCount")->isHidden());
        QVERIFY(field<QLabel>("labelDVR")->isHidden());

        pCombo->setCurrentIndex(1);
        QVERIFY(field<QLineEdit>("editIPCCount")->isVisible());
        QVERIFY(field<QLabel>("labelIPC")->isVisible());
        QCOMPARE(field<QLineEdit>("editIPCCount")->text(), QStringLiteral("16"));
        pCombo->setCurrentIndex(2);
        QCOMPARE(field<QLineEdit>("editDVRCount")->text(), QStringLiteral("1"));

        pCombo->setCurrentIndex(0);
        QVERIFY(field<QLineEdit>("editDVRCount")->isHidden());
        field<QLineEdit>("editTaskName")->setText(QStringLiteral("N"));
        QVERIFY(clickOk());
        QCOMPARE(result(), makeTask(QStringLiteral("N")));
    }

    void countsMustBeInRange_data()
    {
        QTest::addColumn<QString>("qsIpc");
        QTest::addColumn<QString>("qsDvr");
        QTest::addColumn<QString>("qsFaultyField");
        const auto row = [](const char* pszName, const char* pszIpc, const char* pszDvr,
                            const char* pszFaulty) {
            QTest::newRow(pszName) << QString::fromLatin1(pszIpc) << QString::fromLatin1(pszDvr)
                                   << QString::fromLatin1(pszFaulty);
        };
        row("lowest", "1", "1", "");
        row("highest", "999", " 999 ", "");
        row("ipc 0", "0", "1", "editIPCCount");
        row("ipc 1000", "1000", "1", "editIPCCount");
        row("ipc empty", "", "1", "editIPCCount");
        row("dvr 0", "5", "0", "editDVRCount");
        row("both bad", "0", "0", "editIPCCount");
    }

    void countsMustBeInRange()
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
            QCOMPARE(result(), makeTask(QStringLiteral("Counted"), 3, qsDvr.trimmed().toInt(),
                                        qsIpc.toInt()));
            return;
        }
        QCOMPARE(CToolTip::text(), QStringLiteral("Device Count Ranges [1~999]"));
        QVERIFY(tipPointsAt(m_pDialog->findChild<QLineEdit*>(qsFaultyField)));
    }

    void missingDefCfgLeavesCountsEmpty()
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

    // Typed or pasted, what goes beyond 64 characters is cut where it was put.
    void remarkKeepsFirst64Characters()
    {
        openDialog();
        QTextEdit* pRemark = field<QTextEdit>("editRemark");
        const QString qsTyped = QStringLiteral("0123456789").repeated(7);
        QTest::keyClicks(pRemark, qsTyped);
        QCOMPARE(pRemark->toPlainText(), qsTyped.left(64));
        QCOMPARE(pRemark->textCursor().position(), 64);

        const QString qsOld = QString(60, QLatin1Char('o'));
        pRemark->setPlainText(qsOld);
        QTextCursor cursor = pRemark->textCursor();
        cursor.setPosition(10);
        pRemark->setTextCursor(cursor);
        pRemark->insertPlainText(QStringLiteral("0123456789"));
        QCOMPARE(pRemark->toPlainText(), qsOld.left(10) + QStringLiteral("0123") + qsOld.mid(10));
        QCOMPARE(pRemark->textCursor().position(), 14);
    }

    void enterInRemarkIsIgnored()
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

private:
    void openDialog()
    {
        m_pDialog = std::make_unique<NewTaskWidget>();
        m_pDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pDialog.get()));
    }

    template <typename T> T* field(const char* name) const
    {
        return m_pDialog->findChild<T*>(QLatin1String(name));
    }

    // Clicks OK; true when the dialog accepted and closed.
    bool clickOk()
    {
        field<QPushButton>("pOkBtn")->click();
        return m_pDialog->result() == QDialog::Accepted && !m_pDialog->isVisible();
    }

    TaskInfo result() const
    {
        TaskInfo task;
        m_pDialog->GetTaskInfo(task);
        return task;
    }

    std::unique_ptr<CurrentDirScope> m_pDir;
    std::unique_ptr<NewTaskWidget> m_pDialog;
};

QTEST_MAIN(TestNewTask)
#include "tst_newtask.moc"
