#include "ModalAnswer.h"
#include "TaskTestSupport.h"
#include "WarnDlgContent.h"

#include "controls/CNewTableDelegate.h"
#include "controls/CNewTreeView.h"
#include "controls/CToolTip.h"
#include "tasks/NewTaskWidget.h"
#include "tasks/TaskManageWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QtTest>

namespace {

// Reads a message box and closes it with its close button.
WarnDlgContent readAndClose(QWidget* pBox)
{
    const WarnDlgContent message = WarnDlgContent::of(pBox);
    WarnDlgContent::click(pBox, "m_pCloseBtn");
    return message;
}

void fillAndConfirm(QWidget* pDialog, const QString& qsName, int iTypeIndex = 0,
                    const QString& qsRemark = QString())
{
    pDialog->findChild<QLineEdit*>(QStringLiteral("editTaskName"))->setText(qsName);
    pDialog->findChild<QComboBox*>(QStringLiteral("comboTaskType"))->setCurrentIndex(iTypeIndex);
    pDialog->findChild<QTextEdit*>(QStringLiteral("editRemark"))->setPlainText(qsRemark);
    pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
}

QStringList names(const std::vector<TaskInfo>& vTasks)
{
    QStringList lstNames;
    for (const TaskInfo& task : vTasks) {
        lstNames << task.Name;
    }
    return lstNames;
}

} // namespace

class TestTaskList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(writeDefCfg()); }

    void init()
    {
        m_pDir = std::make_unique<CurrentDirScope>();
        m_lstSignals.clear();
        m_vAddedDefTasks.clear();
    }

    void cleanup()
    {
        CToolTip::hideText();
        m_pWidget.reset();
        m_pDir.reset();
    }

    void startupRowZeroHasNoZones()
    {
        QVERIFY(storeTasks({makeTask(QStringLiteral("A"), 1, 0, 0, QStringLiteral("first")),
                            makeTask(QStringLiteral("B"), 1, 0, 0, QStringLiteral("second"))}));
        const QByteArray before = fileBytes(QStringLiteral("Task.xml"));
        makeWidget();
        QCOMPARE(labListNum(), QStringLiteral("2"));
        QCOMPARE(model()->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("first"));
        QVERIFY(!model()->index(0, 1).data(tools::ZonePixmap1Role).isValid());
        QVERIFY(!model()->index(0, 1).data(tools::ZonePixmap2Role).isValid());
        QVERIFY(!model()->index(1, 1).data(tools::ZonePixmap1Role).value<QPixmap>().isNull());
        QVERIFY(!model()->index(1, 1).data(tools::ZonePixmap2Role).value<QPixmap>().isNull());
        QCOMPARE(model()->index(1, 1).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Edit and Delete"));

        QVERIFY(!clickZone(0, tools::ZonePixmap1Role));
        QCOMPARE(model()->rowCount(), 2);
        QVERIFY(!m_lstSignals.join(QLatin1Char(' ')).contains(QStringLiteral("del:")));
        QCOMPARE(fileBytes(QStringLiteral("Task.xml")), before);
    }

    // The first start stores the example task, which counts towards the 50.
    void createsUpToFiftyTasks()
    {
        makeWidget();
        QCOMPARE(storedTasks(), std::vector<TaskInfo>{makeTask(QStringLiteral("Example Task"))});
        QCOMPARE(model()->index(0, 0).data().toString(), QStringLiteral("Example Task"));
        QCOMPARE(labListNum(), QStringLiteral("1"));
        for (int i = 2; i <= 50; ++i) {
            const QString qsName = QStringLiteral("Task %1").arg(i);
            ModalAnswer answer([&](QWidget* pDialog) { fillAndConfirm(pDialog, qsName); });
            clickNewTask();
            QVERIFY(answer.answered());
            QCOMPARE(labListNum(), QString::number(i));
            QCOMPARE(m_pView->currentIndex().row(), i - 1);
            QCOMPARE(m_lstSignals.last(), QStringLiteral("show:") + qsName);
        }
        QCOMPARE(int(storedTasks().size()), 50);

        bool bDialogOpened = false;
        WarnDlgContent message;
        ModalAnswer refusal([&](QWidget* pBox) {
            bDialogOpened = qobject_cast<NewTaskWidget*>(pBox) != nullptr;
            if (bDialogOpened) {
                pBox->close();
            } else {
                message = readAndClose(pBox);
            }
        });
        clickNewTask();
        QVERIFY(refusal.answered());
        QVERIFY(!bDialogOpened);
        QCOMPARE(message.qsTitle, QStringLiteral("Warn"));
        QCOMPARE(message.qsText, QStringLiteral("Up to 50 task can be added."));
        QCOMPARE(model()->rowCount(), 50);
        QCOMPARE(int(storedTasks().size()), 50);
    }

    void createStoresEachType_data()
    {
        QTest::addColumn<int>("iTypeIndex");
        QTest::addColumn<TaskInfo>("expected");
        QTest::newRow("normal") << 0 << makeTask(QStringLiteral("N"), 1, 0, 0, QStringLiteral("r"));
        QTest::newRow("high definition")
            << 1 << makeTask(QStringLiteral("N"), 3, 2, 16, QStringLiteral("r"));
        QTest::newRow("standard definition")
            << 2 << makeTask(QStringLiteral("N"), 2, 1, 8, QStringLiteral("r"));
    }

    void createStoresEachType()
    {
        QFETCH(int, iTypeIndex);
        QFETCH(TaskInfo, expected);
        makeWidget();
        ModalAnswer answer([&](QWidget* pDialog) {
            fillAndConfirm(pDialog, QStringLiteral(" N "), iTypeIndex, QStringLiteral("r"));
        });
        clickNewTask();
        QVERIFY(answer.answered());

        TaskInfo stored;
        QVERIFY(TaskXmlStore(QStringLiteral("Task.xml")).getTask(QStringLiteral("N"), stored));
        QCOMPARE(stored, expected);
        QCOMPARE(int(m_vAddedDefTasks.size()), 1);
        QCOMPARE(m_vAddedDefTasks.front(), expected);
        // The template devices are added before the new task is shown.
        QCOMPARE(m_lstSignals.mid(m_lstSignals.indexOf(QStringLiteral("add:N")), 2),
                 (QStringList{QStringLiteral("add:N"), QStringLiteral("show:N")}));
        QCOMPARE(model()->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("r"));
        QCOMPARE(m_pView->currentIndex().row(), 1);
        QCOMPARE(labListNum(), QStringLiteral("2"));
    }

    void refusedAddIsReported()
    {
        makeWidget();
        // The file goes bad while the dialog is open: the store refuses the add.
        const QByteArray damaged("<TaskList><Task><Name>A</Name>");
        std::unique_ptr<ModalAnswer> pWarning;
        WarnDlgContent message;
        ModalAnswer answer([&](QWidget* pDialog) {
            QVERIFY(writeFile(QStringLiteral("Task.xml"), damaged));
            pWarning =
                std::make_unique<ModalAnswer>([&](QWidget* pBox) { message = readAndClose(pBox); });
            fillAndConfirm(pDialog, QStringLiteral("New"));
        });
        clickNewTask();
        QVERIFY(answer.answered());
        QVERIFY(pWarning && pWarning->answered());
        QCOMPARE(message.qsTitle, QStringLiteral("Warn"));
        QCOMPARE(message.qsText, QStringLiteral("Adding failed."));
        QCOMPARE(model()->rowCount(), 1);
        QVERIFY(m_vAddedDefTasks.empty());
        QCOMPARE(fileBytes(QStringLiteral("Task.xml")), damaged);
    }

    void edit_data()
    {
        QTest::addColumn<QString>("qsName");
        QTest::addColumn<QString>("qsRemark");
        QTest::addColumn<QString>("qsTip");
        QTest::newRow("remark only") << QStringLiteral("A") << QStringLiteral("new") << QString();
        QTest::newRow("rename") << QStringLiteral("Renamed") << QStringLiteral("old") << QString();
        QTest::newRow("to another task's name") << QStringLiteral("B") << QStringLiteral("new")
                                                << QStringLiteral("Task name already exists.");
    }

    // Editing keeps the type and the counts and adds no template devices; a
    // refused name keeps the dialog open and writes nothing.
    void edit()
    {
        QFETCH(QString, qsName);
        QFETCH(QString, qsRemark);
        QFETCH(QString, qsTip);
        QVERIFY(storeTasks({makeTask(QStringLiteral("Example Task")),
                            makeTask(QStringLiteral("A"), 3, 2, 16, QStringLiteral("old")),
                            makeTask(QStringLiteral("B"))}));
        makeWidget();
        const QByteArray before = fileBytes(QStringLiteral("Task.xml"));
        QString qsShownTip;
        bool bStayedOpen = false;
        ModalAnswer answer([&](QWidget* pDialog) {
            auto* pName = pDialog->findChild<QLineEdit*>(QStringLiteral("editTaskName"));
            auto* pRemark = pDialog->findChild<QTextEdit*>(QStringLiteral("editRemark"));
            QCOMPARE(pName->text(), QStringLiteral("A"));
            QCOMPARE(pRemark->toPlainText(), QStringLiteral("old"));
            for (const char* pszName : {"labelTaskType", "comboTaskType", "labelDVR",
                                        "editDVRCount", "labelIPC", "editIPCCount"}) {
                QVERIFY2(pDialog->findChild<QWidget*>(QLatin1String(pszName))->isHidden(), pszName);
            }
            pName->setText(qsName);
            pRemark->setPlainText(qsRemark);
            pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
            qsShownTip = CToolTip::text();
            bStayedOpen = pDialog->isVisible();
            if (bStayedOpen) {
                static_cast<QDialog*>(pDialog)->reject();
            }
        });
        QVERIFY(clickZone(1, tools::ZonePixmap2Role));
        QVERIFY(answer.answered());
        QCOMPARE(qsShownTip, qsTip);
        QCOMPARE(bStayedOpen, !qsTip.isEmpty());

        const TaskInfo expected =
            qsTip.isEmpty() ? makeTask(qsName, 3, 2, 16, qsRemark)
                            : makeTask(QStringLiteral("A"), 3, 2, 16, QStringLiteral("old"));
        if (!qsTip.isEmpty()) {
            QCOMPARE(fileBytes(QStringLiteral("Task.xml")), before);
        }
        QCOMPARE(int(storedTasks().size()), 3);
        TaskInfo stored;
        QVERIFY(TaskXmlStore(QStringLiteral("Task.xml")).getTask(expected.Name, stored));
        QCOMPARE(stored, expected);
        QCOMPARE(model()->index(1, 0).data().toString(), expected.Name);
        QCOMPARE(model()->index(1, 0).data(Qt::ToolTipRole).toString(), expected.Remark);
        QVERIFY(m_vAddedDefTasks.empty());
        QCOMPARE(m_lstSignals.last(), QStringLiteral("show:") + expected.Name);
    }

    void deleteShowsNeighbour_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("iRow");
        QTest::addColumn<QStringList>("afterDelete");
        QTest::addColumn<QStringList>("remaining");
        const QStringList lstFive{"Example Task", "A", "B", "C", "D"};
        QTest::newRow("last") << lstFive << 4 << QStringList{"del:D", "show:C"}
                              << QStringList{"Example Task", "A", "B", "C"};
        QTest::newRow("middle") << lstFive << 2 << QStringList{"del:B", "show:C"}
                                << QStringList{"Example Task", "A", "C", "D"};
        // The first row read at start cannot be deleted, so the only row is made here.
        QTest::newRow("only") << QStringList() << 0 << QStringList{"del:Only", "none"}
                              << QStringList();
    }

    void deleteShowsNeighbour()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, iRow);
        QFETCH(QStringList, afterDelete);
        QFETCH(QStringList, remaining);
        std::vector<TaskInfo> vTasks;
        for (const QString& qsName : qAsConst(stored)) {
            vTasks.push_back(makeTask(qsName));
        }
        QVERIFY(vTasks.empty()
                    ? writeFile(QStringLiteral("Task.xml"),
                                "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskList/>\n")
                    : storeTasks(vTasks));
        makeWidget();
        if (vTasks.empty()) {
            QCOMPARE(labListNum(), QStringLiteral("0"));
            ModalAnswer answer(
                [&](QWidget* pDialog) { fillAndConfirm(pDialog, QStringLiteral("Only")); });
            clickNewTask();
            QVERIFY(answer.answered());
        }
        m_lstSignals.clear();
        QVERIFY(clickZone(iRow, tools::ZonePixmap1Role));

        QCOMPARE(m_lstSignals.mid(m_lstSignals.indexOf(afterDelete.first())), afterDelete);
        QCOMPARE(names(storedTasks()), remaining);
        QStringList lstRows;
        for (int i = 0; i < model()->rowCount(); ++i) {
            lstRows << model()->index(i, 0).data().toString();
        }
        QCOMPARE(lstRows, remaining);
        QCOMPARE(labListNum(), QString::number(remaining.size()));
    }

    void rowsActOnTheStoredName_data()
    {
        QTest::addColumn<int>("iRow");
        QTest::addColumn<int>("iZone");
        QTest::addColumn<QString>("qsSignal");
        QTest::addColumn<QStringList>("remaining");
        // Row 2 holds a task stored under the text that row 1, the example task, shows.
        const QString qsLookalike = ExampleTaskTranslator::translatedName();
        const QStringList lstAll{"A", "Example Task", qsLookalike};
        const int iClick = tools::NoZoneRole;
        QTest::newRow("example task clicked")
            << 1 << iClick << QStringLiteral("show:Example Task") << lstAll;
        QTest::newRow("look-alike clicked") << 2 << iClick << "show:" + qsLookalike << lstAll;
        QTest::newRow("look-alike edited")
            << 2 << int(tools::ZonePixmap2Role) << "show:" + qsLookalike << lstAll;
        QTest::newRow("look-alike deleted")
            << 2 << int(tools::ZonePixmap1Role) << "del:" + qsLookalike
            << QStringList{"A", "Example Task"};
    }

    void rowsActOnTheStoredName()
    {
        QFETCH(int, iRow);
        QFETCH(int, iZone);
        QFETCH(QString, qsSignal);
        QFETCH(QStringList, remaining);
        ExampleTaskTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QString qsLookalike = ExampleTaskTranslator::translatedName();
        QVERIFY(storeTasks({makeTask(QStringLiteral("A")), makeTask(QStringLiteral("Example Task")),
                            makeTask(qsLookalike)}));
        makeWidget();
        QCOMPARE(model()->index(1, 0).data().toString(), qsLookalike);
        QCOMPARE(model()->index(2, 0).data().toString(), qsLookalike);

        m_lstSignals.clear();
        QString qsNameShown;
        ModalAnswer answer([&](QWidget* pDialog) {
            qsNameShown = pDialog->findChild<QLineEdit*>(QStringLiteral("editTaskName"))->text();
            pDialog->findChild<QTextEdit*>(QStringLiteral("editRemark"))->setPlainText("r");
            WarnDlgContent::click(pDialog, "pOkBtn");
            if (pDialog->isVisible()) {
                WarnDlgContent::click(pDialog, "pCancelBtn");
            }
        });
        if (iZone == tools::NoZoneRole) {
            const QRect rcName = m_pView->visualRect(model()->index(iRow, 0));
            QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier, rcName.center());
        } else {
            QVERIFY(clickZone(iRow, tools::CItemDataRole(iZone)));
        }
        QVERIFY2(m_lstSignals.contains(qsSignal), qPrintable(m_lstSignals.join(' ')));
        QCOMPARE(names(storedTasks()), remaining);
        if (iZone == tools::ZonePixmap2Role) {
            QVERIFY(answer.answered());
            QCOMPARE(qsNameShown, qsLookalike);
            QCOMPARE(storedTasks().back(), makeTask(qsLookalike, 1, 0, 0, QStringLiteral("r")));
        }
    }

    // Focus alone makes the first row current; the row shown must be the row marked.
    void currentTaskIsMarked()
    {
        QVERIFY(storeTasks({makeTask(QStringLiteral("A")), makeTask(QStringLiteral("B"))}));
        makeWidget();
        QVERIFY(m_pView->selectionModel()->selectedRows().isEmpty());
        m_lstSignals.clear();
        m_pView->setFocus();
        QTRY_COMPARE(m_lstSignals, QStringList{QStringLiteral("show:A")});
        QCOMPARE(m_pView->selectionModel()->selectedRows(), QModelIndexList{model()->index(0, 0)});
    }

    void badFileIsReportedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QString>("qsReason");
        QTest::newRow("damaged")
            << QByteArray("<?xml version=\"1.0\"?>\n<TaskList><Task><Name>A</Name></Tas")
            << QStringLiteral("left untouched");
        // A folder of that name exists but cannot be read as a file.
        QTest::newRow("unreadable") << QByteArray() << QStringLiteral("cannot be opened");
    }

    void badFileIsReportedAndLeftAlone()
    {
        QFETCH(QByteArray, damaged);
        QFETCH(QString, qsReason);
        const QString qsFile = QStringLiteral("Task.xml");
        QVERIFY(damaged.isEmpty() ? QDir::current().mkdir(qsFile) : writeFile(qsFile, damaged));
        WarnDlgContent message;
        ModalAnswer report([&](QWidget* pBox) { message = readAndClose(pBox); });
        buildWidget();
        // Construction does not wait for the message box.
        QVERIFY(!report.answered());
        showWidget();
        QTRY_VERIFY(report.answered());
        QCOMPARE(message.qsTitle, QStringLiteral("Error"));
        QVERIFY2(message.qsText.contains(qsFile), qPrintable(message.qsText));
        QVERIFY2(message.qsText.contains(qsReason), qPrintable(message.qsText));

        ModalAnswer second([](QWidget* pBox) { readAndClose(pBox); }, 300);
        QTest::qWait(400);
        QVERIFY(!second.answered());
        QCOMPARE(model()->rowCount(), 0);
        QCOMPARE(labListNum(), QStringLiteral("0"));
        if (damaged.isEmpty()) {
            QVERIFY(QFileInfo(qsFile).isDir());
        } else {
            QCOMPARE(fileBytes(qsFile), damaged);
        }
    }

private:
    void makeWidget()
    {
        buildWidget();
        showWidget();
    }

    void buildWidget()
    {
        m_pWidget = std::make_unique<TaskManageWidget>();
        m_pView = m_pWidget->findChild<CNewTreeView*>(QStringLiteral("treeTask"));
        TaskManageWidget* pWidget = m_pWidget.get();
        connect(pWidget, &TaskManageWidget::signalShowDevice, this, [this](const QString& qsName) {
            m_lstSignals << QStringLiteral("show:") + qsName;
        });
        connect(pWidget, &TaskManageWidget::signalDelTask, this,
                [this](const QString& qsName) { m_lstSignals << QStringLiteral("del:") + qsName; });
        connect(pWidget, &TaskManageWidget::signalNoTask, this,
                [this]() { m_lstSignals << QStringLiteral("none"); });
        connect(pWidget, &TaskManageWidget::signalAddDefTask, this, [this](const TaskInfo& task) {
            m_lstSignals << QStringLiteral("add:") + task.Name;
            m_vAddedDefTasks.push_back(task);
        });
    }

    void showWidget()
    {
        m_pWidget->resize(400, 600);
        m_pWidget->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pWidget.get()));
    }

    QStandardItemModel* model() const
    {
        return qobject_cast<QStandardItemModel*>(m_pView->model());
    }

    QString labListNum() const
    {
        return m_pWidget->findChild<QLabel*>(QStringLiteral("labListNum"))->text();
    }

    void clickNewTask()
    {
        QTest::mouseClick(m_pWidget->findChild<QPushButton*>(QStringLiteral("btnNewTask")),
                          Qt::LeftButton);
    }

    // A real click on a click zone of the row, placed where the delegate lays it.
    bool clickZone(int iRow, tools::CItemDataRole eRole)
    {
        const QModelIndex index = model()->index(iRow, 1);
        m_pView->scrollTo(index);
        const auto* pDelegate = qobject_cast<CNewTableDelegate*>(m_pView->itemDelegate(index));
        const QRect rcCell = m_pView->visualRect(index);
        for (const CNewTableDelegate::CZone& zone : pDelegate->ZoneLayout(rcCell, index)) {
            if (zone.eRole == eRole) {
                QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  zone.rcZone.center());
                return true;
            }
        }
        // No such zone: click where it would be, at the right end of the row.
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(rcCell.right() - 10, rcCell.center().y()));
        return false;
    }

    std::unique_ptr<CurrentDirScope> m_pDir;
    std::unique_ptr<TaskManageWidget> m_pWidget;
    CNewTreeView* m_pView = nullptr;
    QStringList m_lstSignals;
    std::vector<TaskInfo> m_vAddedDefTasks;
};

QTEST_MAIN(TestTaskList)
#include "tst_tasklist.moc"
