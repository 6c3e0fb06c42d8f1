// A working session in the window, step by step, and the bytes of Task.xml
// after each step: what the user's actions leave on disk must not drift.
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include "controls/CItemDataRole.h"
#include "devices/DeviceListWidget.h"
#include "tasks/TaskManageWidget.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

QString fileHash()
{
    QFile file(QStringLiteral("Task.xml"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("missing");
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex().left(16));
}

void setText(QWidget* pDialog, const char* pszName, const QString& qsText)
{
    pDialog->findChild<QLineEdit*>(QLatin1String(pszName))->setText(qsText);
}

void clickOk(QWidget* pDialog)
{
    pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
}

// Another program's idea of the file: UTF-8, indented, another root name.
bool writeHandMadeFile()
{
    QFile file(QStringLiteral("Task.xml"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tasks>\n"
                      "  <Task><Name>Example Task</Name><Type>1</Type></Task>\n"
                      "  <Task>\n    <Name>Site B</Name><Type>1</Type><IPCNum>0</IPCNum>\n"
                      "    <DVRNum>0</DVRNum><Remark>caf\xC3\xA9</Remark>\n"
                      "    <DeviceGroupList><DeviceGroup><DeviceNum>4</DeviceNum><Type>0</Type>"
                      "<DeviceId>IPC1</DeviceId><MainStream>512</MainStream>"
                      "<SubStream>512</SubStream><StreamGroupList/></DeviceGroup>"
                      "</DeviceGroupList>\n  </Task>\n</Tasks>\n") > 0;
}

struct Step
{
    const char* pszName;
    std::function<void()> action;
    const char* pszHash; // of Task.xml after the step
};

void closeBox(QWidget* pBox)
{
    WarnDlgContent::click(pBox, "m_pCloseBtn");
}

} // namespace

class TestTaskSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        const QString qsBinDir = qEnvironmentVariable("VARDEX_BIN_DIR");
        for (const QString& qsFile : {QStringLiteral("DefCfg.xml"), QStringLiteral("Device.Xml")}) {
            const QString qsTarget = QCoreApplication::applicationDirPath() + '/' + qsFile;
            QFile::remove(qsTarget);
            QVERIFY(QFile::copy(qsBinDir + '/' + qsFile, qsTarget));
        }
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void sessionLeavesTheFileAsBefore()
    {
        restart();
        // The file after each step, as the store wrote it when it parsed and
        // rewrote the whole file on every operation.
        const std::vector<Step> steps = {
            {"start", [] {}, "bdec982389007013"},
            {"new high definition task", [this] { newTask("Site A", 1, "10", "2"); },
             "23e620105a4fcdc8"},
            {"new normal task", [this] { newTask("Normal", 0); }, "17580c73ef681926"},
            {"new standard task", [this] { newTask("Std", 2, "3", "1", "east gate"); },
             "b0d3c13c906ad7d4"},
            {"switch tasks", [this] { showTask(0), showTask(1); }, "b0d3c13c906ad7d4"},
            {"add device", [this] { addDevice(); }, "acba49ea19e9bdf5"},
            {"add stream group", [this] { addStreamGroup(2); }, "980786c3df5d372a"},
            {"device count", [this] { editCell(0, -1, 1, "12"); }, "26f9501c3062820e"},
            {"device count refused", [this] { editCell(0, -1, 1, "0"); }, "26f9501c3062820e"},
            {"main stream", [this] { editCell(0, -1, 6, "0"); }, "315513ce896113e0"},
            {"sub stream", [this] { editCell(2, -1, 7, "2048"); }, "3eead10f59ac2b7b"},
            {"stream count", [this] { editCell(0, 0, 2, "33"); }, "6ef975301bef1b67"},
            {"resolution", [this] { editCell(0, 0, 3, "720P(1280*720)"); }, "904740af05fd7f9f"},
            {"frame rate", [this] { editCell(1, 0, 4, "1/16"); }, "15db738a94856271"},
            {"bitrate", [this] { editCell(2, 1, 5, "4096"); }, "8b3e5172f2181c5b"},
            {"bitrate refused", [this] { editCell(2, 1, 5, "16385"); }, "8b3e5172f2181c5b"},
            {"delete stream group", [this] { deleteStreamGroup(2, 0); }, "656a4cf3826d7c9a"},
            {"delete device", [this] { deleteDevice(0); }, "d69d26ee9a055f45"},
            {"edit remark", [this] { editTask(1, "Site A", "north"); }, "9e71fedb42c78542"},
            {"rename", [this] { editTask(1, "Site B", "north"); }, "c917d1fa6be9bff4"},
            {"delete task", [this] { zone(2, tools::ZonePixmap1Role); }, "d449281a13294ee3"},
            {"ntsc device", [this] { ntscDevice(); }, "bbfc8d98f8ed391f"},
            {"edited outside", [] { QVERIFY(writeHandMadeFile()); }, "aa177923cacf4350"},
            {"edit after the outside change", [this] { showTask(1), editCell(0, -1, 1, "9"); },
             "2d37a24468aa994e"},
            {"restart", [this] { restart(); }, "2d37a24468aa994e"},
        };
        for (const Step& step : steps) {
            step.action();
            QVERIFY2(!QApplication::activeModalWidget(), step.pszName);
            QCOMPARE(QStringLiteral("%1: %2").arg(QLatin1String(step.pszName), fileHash()),
                     QStringLiteral("%1: %2").arg(QLatin1String(step.pszName),
                                                  QLatin1String(step.pszHash)));
        }
        m_pWindow.reset();
    }

private:
    QTreeView* view(const char* pszName) const
    {
        return m_pWindow->findChild<QTreeView*>(QLatin1String(pszName));
    }
    QStandardItemModel* deviceModel() const
    {
        return qobject_cast<QStandardItemModel*>(view("treeDeviceList")->model());
    }

    void newTask(const char* pszName, int iType, const char* pszIpc = "", const char* pszDvr = "",
                 const char* pszRemark = "")
    {
        ModalAnswer answer([&](QWidget* pDialog) {
            setText(pDialog, "editTaskName", QString::fromLatin1(pszName));
            pDialog->findChild<QComboBox*>(QStringLiteral("comboTaskType"))->setCurrentIndex(iType);
            setText(pDialog, "editIPCCount", QString::fromLatin1(pszIpc));
            setText(pDialog, "editDVRCount", QString::fromLatin1(pszDvr));
            pDialog->findChild<QTextEdit*>(QStringLiteral("editRemark"))
                ->setPlainText(QString::fromLatin1(pszRemark));
            clickOk(pDialog);
        });
        m_pTasks->newTask();
        QVERIFY(answer.answered());
    }

    void editTask(int iRow, const char* pszName, const char* pszRemark)
    {
        ModalAnswer answer([&](QWidget* pDialog) {
            setText(pDialog, "editTaskName", QString::fromLatin1(pszName));
            pDialog->findChild<QTextEdit*>(QStringLiteral("editRemark"))
                ->setPlainText(QString::fromLatin1(pszRemark));
            clickOk(pDialog);
        });
        zone(iRow, tools::ZonePixmap2Role);
        QVERIFY(answer.answered());
    }

    void zone(int iRow, tools::CItemDataRole eRole)
    {
        m_pTasks->clickTask(view("treeTask")->model()->index(iRow, 1), eRole);
    }

    void showTask(int iRow) { zone(iRow, tools::NoZoneRole); }

    void restart()
    {
        m_pWindow = std::make_unique<MainWindow>();
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
        m_pTasks = m_pWindow->findChild<TaskManageWidget*>();
        m_pDevices = m_pWindow->findChild<DeviceListWidget*>();
        showTask(1);
    }

    void addDevice()
    {
        ModalAnswer answer([](QWidget* pDialog) { clickOk(pDialog); });
        m_pDevices->addDevice();
        QVERIFY(answer.answered());
    }

    void ntscDevice()
    {
        m_pWindow->findChild<QComboBox*>(QStringLiteral("combVideoStandard"))->setCurrentIndex(1);
        ModalAnswer answer([](QWidget* pDialog) {
            setText(pDialog, "editNum", QStringLiteral("7"));
            clickOk(pDialog);
        });
        m_pDevices->addDevice();
        QVERIFY(answer.answered());
    }

    void addStreamGroup(int iGroup)
    {
        ModalAnswer answer([](QWidget* pDialog) {
            setText(pDialog, "editStreamNum", QStringLiteral("5"));
            clickOk(pDialog);
        });
        m_pDevices->clickedDevice(deviceModel()->index(iGroup, 8), tools::ZonePixmap1Role);
        QVERIFY(answer.answered());
    }

    void deleteStreamGroup(int iGroup, int iStream)
    {
        const QModelIndex group = deviceModel()->index(iGroup, 0);
        m_pDevices->clickedDevice(deviceModel()->index(iStream, 8, group), tools::ZonePixmap2Role);
    }

    void deleteDevice(int iGroup)
    {
        view("treeDeviceList")->setCurrentIndex(deviceModel()->index(iGroup, 0));
        m_pWindow->findChild<QPushButton*>(QStringLiteral("btnDelDevice"))->click();
    }

    // A cell of a group's row (iStream -1) or of one of its stream rows; a
    // refused value is answered by a message box.
    void editCell(int iGroup, int iStream, int iColumn, const char* pszText)
    {
        const QModelIndex group = deviceModel()->index(iGroup, 0);
        const QModelIndex cell = iStream < 0 ? deviceModel()->index(iGroup, iColumn)
                                             : deviceModel()->index(iStream, iColumn, group);
        ModalAnswer refusal(closeBox, 2000);
        deviceModel()->setData(cell, QString::fromLatin1(pszText));
    }

    QTemporaryDir m_runDir;
    QString m_qsStartDir;
    std::unique_ptr<MainWindow> m_pWindow;
    TaskManageWidget* m_pTasks = nullptr;
    DeviceListWidget* m_pDevices = nullptr;
};

QTEST_MAIN(TestTaskSession)
#include "tst_tasksession.moc"
