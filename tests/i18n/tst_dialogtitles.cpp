#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include "calc/ChaseDialog.h"
#include "controls/CFileDialog.h"
#include "controls/CWarnDlg.h"
#include "devices/NewDeviceWidget.h"
#include "devices/NewStreamGroupWidget.h"
#include "export/PrintWidget.h"
#include "shell/CDlgAbout.h"
#include "tasks/NewTaskWidget.h"

#include <QDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <map>

namespace {

// Every dialog of the system, run modally as the window runs it.
const std::map<QString, std::function<void()>> kDialogs = {
    {"new task", [] { NewTaskWidget().exec(); }},
    {"edit task",
     [] {
         NewTaskWidget dialog;
         TaskInfo task;
         task.Name = QStringLiteral("Lobby");
         dialog.SetTaskInfo(task);
         dialog.exec();
     }},
    {"add device", [] { NewDeviceWidget(0).exec(); }},
    {"add stream group", [] { NewStreamGroupWidget(QStringLiteral("IPC"), 0).exec(); }},
    {"save", [] { PrintWidget().exec(); }},
    {"about", [] { CDlgAbout().exec(); }},
    // These show the title their caller gives.
    {"message box",
     [] { CWarnDlg(nullptr).ExecInfo(QStringLiteral("Warn"), QStringLiteral("t")); }},
    {"progress",
     [] { ChaseDialog(nullptr, QString(), QStringLiteral("Calculation..."), false).exec(); }},
    {"file dialog",
     [] {
         CFileDialog::getExistingDirectory(nullptr, QStringLiteral("Folder"), QDir::tempPath());
     }},
};

QString zh(const char* pszUtf8)
{
    return QString::fromUtf8(pszUtf8);
}

} // namespace

// The title band that the frame draws and the window title that the window
// manager shows read the same translated title.
class tst_DialogTitles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void titles_data()
    {
        QTest::addColumn<QString>("qsLanguage");
        QTest::addColumn<QString>("qsDialog");
        QTest::addColumn<QString>("qsTitle");
        const auto both = [](const char* pszDialog, const char* pszEnglish,
                             const char* pszChinese) {
            QTest::addRow("%s, en", pszDialog) << "en" << pszDialog << pszEnglish;
            QTest::addRow("%s, zh", pszDialog) << "zh" << pszDialog << zh(pszChinese);
        };
        both("new task", "New Task", "新建任务");
        both("edit task", "Edit Task", "编辑任务");
        both("add device", "Add Device", "添加设备");
        both("add stream group", "Add Stream Group", "添加码流组");
        both("save", "Save", "保存");
        both("about", "About", "关于");
        QTest::newRow("message box") << "zh"
                                     << "message box"
                                     << "Warn";
        QTest::newRow("progress") << "zh"
                                  << "progress"
                                  << "Calculation...";
        QTest::newRow("file dialog") << "zh"
                                     << "file dialog"
                                     << "Folder";
    }

    void titles()
    {
        QFETCH(QString, qsLanguage);
        QFETCH(QString, qsDialog);
        QFETCH(QString, qsTitle);
        QTranslator translator; // leaves the application when destroyed
        QVERIFY(translator.load(QStringLiteral(":/translation/Vardex_%1.qm").arg(qsLanguage)));
        QCoreApplication::installTranslator(&translator);

        QString qsBand;
        ModalAnswer answer([&](QWidget* pDialog) {
            qsBand = WarnDlgContent::of(pDialog).qsTitle;
            static_cast<QDialog*>(pDialog)->reject();
        });
        kDialogs.at(qsDialog)();
        QVERIFY(answer.answered());
        QCOMPARE(qsBand, qsTitle);
        QCOMPARE(answer.title(), qsTitle);
    }
};

QTEST_MAIN(tst_DialogTitles)
#include "tst_dialogtitles.moc"
