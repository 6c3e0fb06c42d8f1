#include "entry/StartUp.h"
#include "shell/MainWindow.h"

#include "ModalAnswer.h"
#include "WarnBoxAnswer.h"
#include "WarnDlgContent.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString zh(const char* pszUtf8)
{
    return QString::fromUtf8(pszUtf8);
}

bool writeFile(const QString& qsPath, const QByteArray& content)
{
    QFile file(qsPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray taskXml(const char* pszName, const char* pszCameras)
{
    return QByteArray("<Task><Name>") + pszName +
           "</Name><Type>1</Type><IPCNum>0</IPCNum><DVRNum>0</DVRNum><Remark></Remark>"
           "<DeviceGroupList><DeviceGroup><DeviceNum>" +
           pszCameras +
           "</DeviceNum><Type>0</Type><DeviceId>IPC1</DeviceId><MainStream>4096</MainStream>"
           "<SubStream>512</SubStream><StreamGroupList><StreamGroup><StreamID>1</StreamID>"
           "<StreamNum>4</StreamNum><Resolution>2</Resolution><FrameRate>25</FrameRate>"
           "<Bitrate>4096</Bitrate></StreamGroup></StreamGroupList></DeviceGroup>"
           "</DeviceGroupList></Task>";
}

// Rows: a task of four cameras, the example task, and a task of more cameras
// than the recorder count accepts.
const QByteArray kTaskFile = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskList>" +
                             taskXml("Lobby", "4") +
                             "<Task><Name>Example Task</Name><Type>1</Type><IPCNum>0</IPCNum>"
                             "<DVRNum>0</DVRNum><Remark></Remark></Task>" +
                             taskXml("Stadium", "1000001") + "</TaskList>\n";

} // namespace

// The window in the Chinese interface, with the translators installed by the
// start-up code from Setup.xml exactly as the plug-in entry does.
class tst_ChineseInterface : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_runDir;
    QString m_qsStartDir;

    // The text of a widget found by its object name, or by "parent/child"
    // where the name alone is not unique.
    static QString textOf(QWidget* pWindow, const QString& qsObjectPath)
    {
        QWidget* pWidget = pWindow;
        for (const QString& qsName : qsObjectPath.split(QLatin1Char('/'))) {
            pWidget = pWidget ? pWidget->findChild<QWidget*>(qsName) : nullptr;
        }
        return pWidget ? pWidget->property("text").toString() : QStringLiteral("<no widget>");
    }

    // Chooses the task of that row as a user does, answering any message box.
    static QList<WarnDlgContent> chooseTask(MainWindow& window, int iRow)
    {
        WarnBoxAnswer boxes;
        auto* pTasks = window.findChild<QAbstractItemView*>(QStringLiteral("treeTask"));
        if (pTasks) {
            const QModelIndex name = pTasks->model()->index(iRow, 0);
            QTest::mouseClick(pTasks->viewport(), Qt::LeftButton, Qt::NoModifier,
                              pTasks->visualRect(name).center());
        }
        return boxes.boxes();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
        QVERIFY(writeFile(QStringLiteral("Task.xml"), kTaskFile));
        // Its presence offers the recorder models.
        QVERIFY(writeFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Device.Xml"),
                          "<?xml version=\"1.0\"?>\n<DeviceList/>\n"));
        QVERIFY(writeFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Setup.xml"),
                          "<Configs><Translator><Value>1</Value></Translator>"
                          "<VersionType><Value>1</Value></VersionType></Configs>"));
        loadClientConfig();
        installLanguageTranslators();
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void windowTextsAreChinese_data()
    {
        QTest::addColumn<QString>("objectPath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("calculate tab") << "pBtnUpgrade" << zh("计算");
        QTest::newRow("help tab") << "pBtnAbout" << zh("帮助");
        QTest::newRow("hint line") << "labelDecription" << zh("列表中的设备将参与计算");
        QTest::newRow("save to excel") << "btnPrint" << zh("保存当前任务到Excel");
        QTest::newRow("task list title") << "TaskManage/label" << zh("计算任务列表：");
        QTest::newRow("new task") << "btnNewTask" << zh("新建任务");
        QTest::newRow("stream list") << "labelStreamList" << zh("码流列表");
        QTest::newRow("add device") << "btnAddDevice" << zh("添加设备");
        QTest::newRow("delete device") << "btnDelDevice" << zh("删除设备");
        QTest::newRow("record time") << "labelRecordTime" << zh("录像时间：");
        QTest::newRow("month") << "labelMonth" << zh("月");
        QTest::newRow("week") << "labelWeek" << zh("周");
        QTest::newRow("day") << "labelDay" << zh("天");
        QTest::newRow("hdd capacity") << "labelCapacityDescription" << zh("硬盘容量：");
        QTest::newRow("nvr type") << "labelNVRType" << zh("NVR型号：");
        QTest::newRow("nvr number") << "labelNVRNumberDescription" << zh("NVR数量：");
        QTest::newRow("bandwidth") << "labelBandwidthDecription" << zh("带宽：");
    }

    void windowTextsAreChinese()
    {
        QFETCH(QString, objectPath);
        QFETCH(QString, expected);
        MainWindow window;
        QCOMPARE(textOf(&window, objectPath), expected);
    }

    void resultsKeepTheirUnits()
    {
        MainWindow window;
        window.show();
        QVERIFY(chooseTask(window, 0).isEmpty());
        const QRegularExpression rxBandwidth(QStringLiteral("^[1-9][0-9.]*[KMG]bps$"));
        const QRegularExpression rxCapacity(QStringLiteral("^[1-9][0-9.]*[GT]B$"));
        const QString qsBandwidth = textOf(&window, QStringLiteral("labelBandiwth"));
        const QString qsCapacity = textOf(&window, QStringLiteral("labelCapacityNum"));
        QVERIFY2(rxBandwidth.match(qsBandwidth).hasMatch(), qPrintable(qsBandwidth));
        QVERIFY2(rxCapacity.match(qsCapacity).hasMatch(), qPrintable(qsCapacity));
        QCOMPARE(textOf(&window, QStringLiteral("labelNVRNumber")), QStringLiteral("1"));
    }

    void recorderErrorIsChinese()
    {
        MainWindow window;
        window.show();
        const QList<WarnDlgContent> boxes = chooseTask(window, 2);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().qsTitle, zh("错误"));
        QCOMPARE(boxes.first().qsText, zh("IPC总数不能大于1000000"));
    }

    void taskListNamesTheExampleInChinese()
    {
        MainWindow window;
        auto* pView = window.findChild<QAbstractItemView*>(QStringLiteral("treeTask"));
        QVERIFY(pView);
        const QAbstractItemModel* pModel = pView->model();
        QCOMPARE(pModel->index(0, 0).data().toString(), QStringLiteral("Lobby"));
        QCOMPARE(pModel->index(1, 0).data().toString(), zh("示例任务"));
        QCOMPARE(pModel->index(1, 1).data(Qt::ToolTipRole).toString(), zh("编辑和删除"));
    }

    void deviceTreeHeadersAreChinese()
    {
        MainWindow window;
        auto* pView = window.findChild<QAbstractItemView*>(QStringLiteral("treeDeviceList"));
        QVERIFY(pView);
        QStringList headers;
        for (int i = 0; i < pView->model()->columnCount(); ++i) {
            headers << pView->model()->headerData(i, Qt::Horizontal).toString();
        }
        QCOMPARE(headers, QStringList({zh("设备类型"), zh("设备数量"), zh("码流数量"), zh("分辨率"),
                                       zh("帧率"), zh("码率(Kbps)"), zh("主码流"), zh("子码流"),
                                       zh("添加/删除码流")}));
    }

    void closeQuestionIsChinese()
    {
        MainWindow window;
        window.show();
        WarnDlgContent shown;
        QString qsOk;
        QString qsCancel;
        ModalAnswer answer([&](QWidget* pDialog) {
            shown = WarnDlgContent::of(pDialog);
            qsOk = pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->text();
            qsCancel = pDialog->findChild<QPushButton*>(QStringLiteral("pCancelBtn"))->text();
            WarnDlgContent::click(pDialog, "pCancelBtn");
        });
        QVERIFY(!window.close());
        QVERIFY(answer.answered());
        QCOMPARE(shown.qsTitle, zh("确认"));
        QCOMPARE(shown.qsText, zh("确定要关闭软件吗？"));
        QCOMPARE(qsOk, zh("确定"));
        QCOMPARE(qsCancel, zh("取消"));
    }

    void newTaskDialogIsChinese()
    {
        MainWindow window;
        window.show();
        QStringList labels;
        QStringList types;
        ModalAnswer answer([&](QWidget* pDialog) {
            for (const char* pszLabel : {"labelTaskName", "labelTaskType", "labelRemark"}) {
                labels << pDialog->findChild<QLabel*>(QString::fromLatin1(pszLabel))->text();
            }
            auto* pCombo = pDialog->findChild<QComboBox*>(QStringLiteral("comboTaskType"));
            for (int i = 0; i < pCombo->count(); ++i) {
                types << pCombo->itemText(i);
            }
            WarnDlgContent::click(pDialog, "pCancelBtn");
        });
        window.findChild<QPushButton*>(QStringLiteral("btnNewTask"))->click();
        QVERIFY(answer.answered());
        QCOMPARE(labels, QStringList({zh("任务名称："), zh("任务类型："), zh("备注：")}));
        QCOMPARE(types, QStringList({zh("普通任务"), zh("高清任务"), zh("标清任务")}));
    }

    void saveDialogIsChinese()
    {
        MainWindow window;
        window.show();
        QStringList texts;
        ModalAnswer answer([&](QWidget* pDialog) {
            texts << WarnDlgContent::of(pDialog).qsTitle;
            for (const char* pszName : {"label", "labelSelectPath", "pOkBtn", "pCancelBtn"}) {
                texts << textOf(pDialog, QString::fromLatin1(pszName));
            }
            WarnDlgContent::click(pDialog, "pCancelBtn");
        });
        window.findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();
        QVERIFY(answer.answered());
        QCOMPARE(texts, QStringList({zh("保存"), zh("文件名："), zh("请选择配置文件路径："),
                                     zh("确定"), zh("取消")}));
    }

    void aboutBoxIsChinese()
    {
        MainWindow window;
        window.show();
        QStringList texts;
        ModalAnswer answer([&](QWidget* pDialog) {
            texts << WarnDlgContent::of(pDialog).qsTitle;
            for (const char* pszName : {"labelName", "labelVersion", "btnOK"}) {
                texts << textOf(pDialog, QString::fromLatin1(pszName));
            }
            WarnDlgContent::click(pDialog, "btnOK");
        });
        QWidget* pTop = window.findChild<QWidget*>(QStringLiteral("TopWidget"));
        QVERIFY(pTop);
        QVERIFY(QMetaObject::invokeMethod(pTop, "getVersion"));
        QVERIFY(answer.answered());
        QCOMPARE(texts, QStringList({zh("关于"), zh("名称："), zh("版本："), zh("确定")}));
    }

    void qtOwnDialogsAreChinese()
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), zh("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), zh("取消"));
    }
};

QTEST_MAIN(tst_ChineseInterface)
#include "tst_chineseinterface.moc"
