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

    void entryChecks_data()
    {
        QTest::addColumn<bool>("bTranslated");
        QTest::addColumn<QString>("qsName");
        QTest::addColumn<QString>("qsRemark");
        QTest::addColumn<QString>("qsTip");
        QTest::addColumn<QString>("qsTipField");
        const QString qsReserved = QStringLiteral("Reserved task name can not be added.");
        const QString qsInvalid = QStringLiteral("The task name is invalid");
        const QString qsExists = QStringLiteral("Task name already exists.");
        const QString qsBadName = QStringLiteral(
            "The task name contains control or invalid characters that cannot be saved.");
        const QString qsBadRemark = QStringLiteral(
            "The remark contains control or invalid characters that cannot be saved.");
        const QString qsNone;
        const auto row = [&](const char* pszRow, const QString& qsName, const QString& qsTip,
                             const QString& qsRemark = QString(), bool bTranslated = false) {
            const char* pszField = qsTip == qsBadRemark ? "editRemark" : "editTaskName";
            QTest::newRow(pszRow) << bTranslated << qsName << qsRemark << qsTip
                                  << QString::fromLatin1(pszField);
        };
        row("blanks around", QStringLiteral("  Site 7  "), qsNone);
        row("reserved", QStringLiteral("Example Task"), qsReserved);
        row("reserved with blanks", QStringLiteral(" Example Task "), qsReserved);
        row("reserved, translated", ExampleTaskTranslator::translatedName(), qsReserved, qsNone,
            true);
        row("reserved by stored name, translated", QStringLiteral("Example Task"), qsReserved,
            qsNone, true);
        row("empty", qsNone, qsInvalid);
        row("blanks only", QStringLiteral("   "), qsInvalid);
        row("duplicate", QStringLiteral("Stored"), qsExists);
        row("duplicate with blanks", QStringLiteral(" Stored "), qsExists);
        row("differs in case", QStringLiteral("stored"), qsNone);
        row("emoji and Chinese", QString::fromUtf8("东门 😀"), qsNone);
        row("control character", QStringLiteral("Site\x01"), qsBadName);
        row("only a control character", QStringLiteral("\x01"), qsBadName);
        row("tab inside", QStringLiteral("Site\t7"), qsBadName);
        row("U+FFFF", QStringLiteral("Site") + QChar(0xFFFF), qsBadName);
        row("lone surrogate", QStringLiteral("Site") + QChar(0xD83D), qsBadName);
        row("remark with lines and tabs", QStringLiteral("R"), qsNone,
            QStringLiteral("one\ntwo\tthree 😀"));
        row("remark with a control character", QStringLiteral("R"), qsBadRemark,
            QStringLiteral("a\x1F"
                           "b"));
        row("remark with U+FFFE", QStringLiteral("R"), qsBadRemark, QString(QChar(0xFFFE)));
        row("remark with a lone surrogate", QStringLiteral("R"), qsBadRemark,
            QStringLiteral("x") + QChar(0xDE00));
    }

    void entryChecks()
    {
        QFETCH(bool, bTranslated);
        QFETCH(QString, qsName);
        QFETCH(QString, qsRemark);
        QFETCH(QString, qsTip);
        QFETCH(QString, qsTipField);
        ExampleTaskTranslator translator; // leaves the application when destroyed
        if (bTranslated) {
            QCoreApplication::installTranslator(&translator);
        }
        QVERIFY(storeTasks(
            {makeTask(QStringLiteral("Example Task")), makeTask(QStringLiteral("Stored"))}));
        openDialog();
        field<QLineEdit>("editTaskName")->setText(qsName);
        field<QTextEdit>("editRemark")->setPlainText(qsRemark);

        const bool bAccepted = clickOk();
        QCOMPARE(bAccepted, qsTip.isEmpty());
        QCOMPARE(CToolTip::text(), qsTip);
        if (bAccepted) {
            QCOMPARE(result().Name, qsName.trimmed());
            QCOMPARE(result().Remark, qsRemark);
            return;
        }
        QCOMPARE(field<QLineEdit>("editTaskName")->text(), qsName);
        QCOMPARE(field<QTextEdit>("editRemark")->toPlainText(), qsRemark);
        QVERIFY(tipPointsAt(m_pDialog->findChild<QWidget*>(qsTipField)));
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

    void remarkKeeps64Characters_data()
    {
        QTest::addColumn<QString>("qsBefore");
        QTest::addColumn<int>("iCursor");
        QTest::addColumn<QString>("qsPut");
        QTest::addColumn<QString>("qsAfter");
        QTest::addColumn<int>("iCursorAfter");
        const QString qsDigits = QStringLiteral("0123456789");
        const QString qsOld = QString(60, QLatin1Char('o'));
        const QString qs63 = QString(63, QLatin1Char('a'));
        const QString qsEmoji = QString::fromUtf8("😀");
        const QString qsAccented = QStringLiteral("e\u0301");
        QTest::newRow("put at the end")
            << QString() << 0 << qsDigits.repeated(7) << qsDigits.repeated(7).left(64) << 64;
        QTest::newRow("put in the middle")
            << qsOld << 10 << qsDigits << qsOld.left(10) + qsDigits.left(4) + qsOld.mid(10) << 14;
        // A longer remark read from the file loses its first characters.
        QTest::newRow("set longer than the limit")
            << qsDigits.repeated(7) << 0 << QString() << qsDigits.repeated(7).mid(6) << 0;
        // What the user sees as one character is kept or cut whole.
        QTest::newRow("emoji at the limit")
            << qs63 << 63 << qsEmoji + qsEmoji << qs63 + qsEmoji << 65;
        QTest::newRow("accented letter at the limit")
            << qs63 << 63 << qsAccented + qsAccented << qs63 + qsAccented << 65;
    }

    // Typed or pasted, what goes beyond 64 characters is cut where it was put.
    void remarkKeeps64Characters()
    {
        QFETCH(QString, qsBefore);
        QFETCH(int, iCursor);
        QFETCH(QString, qsPut);
        QFETCH(QString, qsAfter);
        QFETCH(int, iCursorAfter);
        openDialog();
        QTextEdit* pRemark = field<QTextEdit>("editRemark");
        pRemark->setPlainText(qsBefore);
        QTextCursor cursor = pRemark->textCursor();
        cursor.setPosition(iCursor);
        pRemark->setTextCursor(cursor);
        pRemark->insertPlainText(qsPut);
        QCOMPARE(pRemark->toPlainText(), qsAfter);
        QCOMPARE(pRemark->textCursor().position(), iCursorAfter);
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
        // Room on the right for a long tip: it opens where the field begins.
        m_pDialog->move(0, 0);
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
