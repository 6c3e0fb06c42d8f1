#include "ModalAnswer.h"
#include "TaskFile.h"

#include "controls/CNewTreeView.h"
#include "devices/DeviceListWidget.h"
#include "model/TaskXmlStore.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

namespace {

const QString kTask = QStringLiteral("Site");
const QString kExampleTask = QStringLiteral("Example Task");

std::vector<DeviceGroupInfo> storedGroups(const QString& qsTask = kTask)
{
    std::vector<DeviceGroupInfo> groups;
    TaskXmlStore store(QStringLiteral("Task.xml"));
    store.getDeviceGroups(qsTask, groups);
    return groups;
}

int usedStreamGroups(const DeviceGroupInfo& group)
{
    int iCount = 0;
    for (const StreamGroupInfo& stream : group.StreamGroups) {
        iCount += stream.Used ? 1 : 0;
    }
    return iCount;
}

// IPC1: 10 cameras of 2048 + 512, streams 4 x 2048 and 2 x 1024;
// DVR1: 3 recorders, streams 1 x 512. Total 10752 Kbps.
QString sampleTask(const QString& qsName)
{
    using namespace TaskFile;
    return task(qsName, deviceGroup(QStringLiteral("IPC1"), 10, 2048, 512,
                                    streamGroup(1, 4, 2, QStringLiteral("25"), 2048) +
                                        streamGroup(2, 2, 12, QStringLiteral("1/4"), 1024)) +
                            deviceGroup(QStringLiteral("DVR1"), 3, -1, -1,
                                        streamGroup(1, 1, 8, QStringLiteral("25"), 512)));
}

// The message box's title and text; closes it.
struct MessageSeen
{
    QString qsTitle;
    QString qsText;

    void readAndClose(QWidget* pBox)
    {
        if (auto* pTitle = pBox->findChild<QLabel*>(QStringLiteral("pLabelTitle"))) {
            qsTitle = pTitle->text();
        }
        if (auto* pText = pBox->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"))) {
            qsText = pText->toPlainText();
        }
        pBox->hide();
    }
};

void clickOk(QWidget* pDialog)
{
    if (auto* pOk = pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))) {
        pOk->click();
    }
}

} // namespace

class tst_DeviceListWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyWithButtonsDisabled();
    void showingATaskFeedsTheCalculators();
    void showingTheSameTaskAgainDoesNothing();
    void taskWithoutDevicesSendsZero();
    void exampleTaskOffersNoChanges();
    void deleteButtonFollowsTheSelection();
    void addDeviceStoresAndRecomputes();
    void cancelledAddDeviceChangesNothing();
    void refusedAddDeviceSaysAddingFailed();
    void addStreamGroupUpdatesOnlyTheTotal();
    void deleteStreamGroupFromItsZone();
    void deleteDevicesUntilNoneIsLeft();
    void requestsOfTheDiskPage();
    void refusedCellEditShowsTheMessage();
    void acceptedCellEditRecomputes();
    void printRowsFollowTheTree();
    void deletedTaskEmptiesTheTree();
    void templateTaskAppearsWhenShown();
    void videoStandardAppliesToLaterDialogs();
    void noTaskDisablesAdding();

private:
    QPushButton* button(const char* pName) const;
    CNewTreeView* view() const;
    QStandardItemModel* model() const;

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<DeviceListWidget> m_pWidget;
    QList<double> m_totals;
    QList<std::vector<NvrBandWidth>> m_nvrLists;
};

void tst_DeviceListWidget::init()
{
    QLocale::setDefault(QLocale::c());
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    QVERIFY(TaskFile::write(sampleTask(kTask) + sampleTask(kExampleTask) +
                            TaskFile::task(QStringLiteral("Empty"))));

    m_pWidget.reset(new DeviceListWidget);
    m_totals.clear();
    m_nvrLists.clear();
    connect(m_pWidget.get(), qOverload<double>(&DeviceListWidget::signalBitRateChanged), this,
            [this](double dTotal) { m_totals << dTotal; });
    connect(m_pWidget.get(),
            qOverload<std::vector<NvrBandWidth>&>(&DeviceListWidget::signalBitRateChanged), this,
            [this](std::vector<NvrBandWidth>& vsBandWidth) { m_nvrLists << vsBandWidth; });
    m_pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWidget.get()));
}

void tst_DeviceListWidget::cleanup()
{
    m_pWidget.reset();
    m_pDir.reset();
}

QPushButton* tst_DeviceListWidget::button(const char* pName) const
{
    return m_pWidget->findChild<QPushButton*>(QLatin1String(pName));
}

CNewTreeView* tst_DeviceListWidget::view() const
{
    return m_pWidget->findChild<CNewTreeView*>(QStringLiteral("treeDeviceList"));
}

QStandardItemModel* tst_DeviceListWidget::model() const
{
    return qobject_cast<QStandardItemModel*>(view()->model());
}

void tst_DeviceListWidget::startsEmptyWithButtonsDisabled()
{
    QVERIFY(!button("btnAddDevice")->isEnabled());
    QVERIFY(!button("btnDelDevice")->isEnabled());
    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(model()->columnCount(), 9);
    const int iWidths[] = {65, 80, 60, 120, 60, 80, 110, 110, 100};
    for (int iColumn = 0; iColumn < 9; ++iColumn) {
        QCOMPARE(view()->columnWidth(iColumn), iWidths[iColumn]);
    }
    QComboBox* pStandard = m_pWidget->findChild<QComboBox*>(QStringLiteral("combVideoStandard"));
    QCOMPARE(pStandard->currentText(), QStringLiteral("PAL"));
    QCOMPARE(pStandard->itemData(1).toInt(), 1);
}

void tst_DeviceListWidget::showingATaskFeedsTheCalculators()
{
    m_pWidget->slotShowDevice(kTask);

    QCOMPARE(model()->rowCount(), 2);
    QVERIFY(view()->isExpanded(model()->index(0, 0)));
    QVERIFY(view()->isExpanded(model()->index(1, 0)));
    QVERIFY(button("btnAddDevice")->isEnabled());
    QVERIFY(!button("btnDelDevice")->isEnabled());
    QCOMPARE(view()->columnWidth(3), 120);

    QCOMPARE(m_totals, QList<double>({10752.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    QCOMPARE(m_nvrLists.at(0).size(), size_t(1));
    QCOMPARE(m_nvrLists.at(0).at(0).Bitrate, 2560);
    QCOMPARE(m_nvrLists.at(0).at(0).DeviceNum, 10);
}

void tst_DeviceListWidget::showingTheSameTaskAgainDoesNothing()
{
    m_pWidget->slotShowDevice(kTask);
    m_pWidget->slotShowDevice(kTask);
    QCOMPARE(m_totals.size(), 1);
    QCOMPARE(m_nvrLists.size(), 1);
}

void tst_DeviceListWidget::taskWithoutDevicesSendsZero()
{
    m_pWidget->slotShowDevice(kTask);
    m_pWidget->slotShowDevice(QStringLiteral("Empty"));
    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(m_totals.last(), 0.0);
    QVERIFY(m_nvrLists.last().empty());
    QVERIFY(button("btnAddDevice")->isEnabled());
}

void tst_DeviceListWidget::exampleTaskOffersNoChanges()
{
    m_pWidget->slotShowDevice(kExampleTask);
    QCOMPARE(model()->rowCount(), 2);
    QVERIFY(!button("btnAddDevice")->isEnabled());
    view()->setCurrentIndex(model()->index(0, 0));
    QVERIFY(!button("btnDelDevice")->isEnabled());
    QVERIFY(!model()->item(0, 1)->isEditable());
    QVERIFY(!model()->item(0, 8)->data(212).isValid());
}

void tst_DeviceListWidget::deleteButtonFollowsTheSelection()
{
    m_pWidget->slotShowDevice(kTask);
    const QModelIndex group = model()->index(0, 0);
    view()->setCurrentIndex(group);
    QVERIFY(button("btnDelDevice")->isEnabled());
    view()->setCurrentIndex(model()->index(1, 2, group));
    QVERIFY(!button("btnDelDevice")->isEnabled());
    view()->setCurrentIndex(model()->index(1, 0));
    QVERIFY(button("btnDelDevice")->isEnabled());
}

void tst_DeviceListWidget::addDeviceStoresAndRecomputes()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    ModalAnswer answer([](QWidget* pDialog) {
        pDialog->findChild<QLineEdit*>(QStringLiteral("editNum"))->setText(QStringLiteral("4"));
        auto* pMain = pDialog->findChild<QComboBox*>(QStringLiteral("combMainStream"));
        pMain->setCurrentIndex(pMain->findText(QStringLiteral("2048")));
        clickOk(pDialog);
    });
    m_pWidget->addDevice();
    QVERIFY(answer.answered());

    QCOMPARE(model()->rowCount(), 3);
    QCOMPARE(model()->item(2, 0)->text(), QStringLiteral("IPC2"));
    QCOMPARE(model()->item(2, 1)->text(), QStringLiteral("4"));
    QCOMPARE(model()->item(2, 0)->rowCount(), 1);
    QCOMPARE(model()->item(2, 0)->child(0, 0)->data(Qt::UserRole).toInt(), 3);
    QCOMPARE(model()->item(2, 0)->child(0, 5)->text(), QStringLiteral("6144"));

    const std::vector<DeviceGroupInfo> groups = storedGroups();
    QCOMPARE(groups.size(), size_t(3));
    QCOMPARE(groups.at(2).DeviceId, QStringLiteral("IPC2"));
    QCOMPARE(groups.at(2).DeviceNum, 4);
    QCOMPARE(groups.at(2).MainStream, 2048);
    QCOMPARE(groups.at(2).StreamGroups.at(0).StreamID, 3);

    QCOMPARE(m_totals, QList<double>({10752.0 + 6144.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    QCOMPARE(m_nvrLists.at(0).size(), size_t(2));
    QCOMPARE(m_nvrLists.at(0).at(1).Bitrate, 2048 + 1024);
    QCOMPARE(m_nvrLists.at(0).at(1).DeviceNum, 4);
}

void tst_DeviceListWidget::cancelledAddDeviceChangesNothing()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    ModalAnswer answer([](QWidget* pDialog) {
        pDialog->findChild<QPushButton*>(QStringLiteral("pCancelBtn"))->click();
    });
    m_pWidget->addDevice();
    QVERIFY(answer.answered());
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(storedGroups().size(), size_t(2));
    QVERIFY(m_totals.isEmpty());
}

void tst_DeviceListWidget::refusedAddDeviceSaysAddingFailed()
{
    m_pWidget->slotShowDevice(kTask);
    QVERIFY(TaskFile::write(TaskFile::task(QStringLiteral("Other"))));
    m_totals.clear();

    MessageSeen message;
    std::unique_ptr<ModalAnswer> pMessageAnswer;
    ModalAnswer deviceAnswer([&](QWidget* pDialog) {
        pMessageAnswer.reset(new ModalAnswer([&](QWidget* pBox) { message.readAndClose(pBox); }));
        clickOk(pDialog);
    });
    m_pWidget->addDevice();
    QVERIFY(deviceAnswer.answered());
    QVERIFY(pMessageAnswer && pMessageAnswer->answered());
    QCOMPARE(message.qsTitle, QStringLiteral("Information"));
    QCOMPARE(message.qsText, QStringLiteral("Adding failed."));
    QCOMPARE(model()->rowCount(), 2);
    QVERIFY(m_totals.isEmpty());
}

void tst_DeviceListWidget::addStreamGroupUpdatesOnlyTheTotal()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    QString qsTypeShown;
    ModalAnswer answer([&](QWidget* pDialog) {
        qsTypeShown = pDialog->findChild<QLabel*>(QStringLiteral("labelType"))->text();
        pDialog->findChild<QLineEdit*>(QStringLiteral("editStreamNum"))
            ->setText(QStringLiteral("10"));
        clickOk(pDialog);
    });
    m_pWidget->clickedDevice(model()->index(1, 8), tools::ZonePixmap1Role);
    QVERIFY(answer.answered());
    QCOMPARE(qsTypeShown, QStringLiteral("DVR"));

    const QStandardItem* pDvr = model()->item(1, 0);
    QCOMPARE(pDvr->rowCount(), 2);
    QCOMPARE(pDvr->child(1, 2)->text(), QStringLiteral("10"));
    QCOMPARE(pDvr->child(1, 3)->text(), QStringLiteral("4CIF"));
    QCOMPARE(pDvr->child(1, 0)->data(Qt::UserRole).toInt(), 2);

    const std::vector<DeviceGroupInfo> groups = storedGroups();
    QCOMPARE(usedStreamGroups(groups.at(1)), 2);
    QCOMPARE(groups.at(1).StreamGroups.at(1).StreamID, 2);
    QCOMPARE(groups.at(1).StreamGroups.at(1).Bitrate, 1792);

    QCOMPARE(m_totals, QList<double>({10752.0 + 10 * 1792.0}));
    QVERIFY(m_nvrLists.isEmpty());
}

void tst_DeviceListWidget::deleteStreamGroupFromItsZone()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    const QModelIndex group = model()->index(0, 0);
    m_pWidget->clickedDevice(model()->index(0, 8, group), tools::ZonePixmap2Role);

    QCOMPARE(model()->item(0, 0)->rowCount(), 1);
    QCOMPARE(model()->item(0, 0)->child(0, 0)->data(Qt::UserRole).toInt(), 2);
    const std::vector<DeviceGroupInfo> groups = storedGroups();
    QCOMPARE(usedStreamGroups(groups.at(0)), 1);
    QCOMPARE(groups.at(0).StreamGroups.at(0).StreamID, 2);
    QCOMPARE(m_totals, QList<double>({10752.0 - 4 * 2048.0}));
    QVERIFY(m_nvrLists.isEmpty());

    // Clicks elsewhere or with another role do nothing.
    m_pWidget->clickedDevice(QModelIndex(), tools::ZonePixmap2Role);
    m_pWidget->clickedDevice(model()->index(0, 8), tools::NoZoneRole);
    QCOMPARE(model()->item(0, 0)->rowCount(), 1);
    QCOMPARE(m_totals.size(), 1);
}

void tst_DeviceListWidget::deleteDevicesUntilNoneIsLeft()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    view()->setCurrentIndex(model()->index(0, 0));
    QTest::mouseClick(button("btnDelDevice"), Qt::LeftButton);
    QCOMPARE(model()->rowCount(), 1);
    QCOMPARE(model()->item(0, 0)->text(), QStringLiteral("DVR1"));
    QCOMPARE(storedGroups().size(), size_t(1));
    QCOMPARE(m_totals.last(), 512.0);
    QCOMPARE(m_nvrLists.size(), 1);
    QVERIFY(m_nvrLists.last().empty());

    view()->setCurrentIndex(model()->index(0, 0));
    QVERIFY(button("btnDelDevice")->isEnabled());
    QTest::mouseClick(button("btnDelDevice"), Qt::LeftButton);
    QCOMPARE(model()->rowCount(), 0);
    QVERIFY(storedGroups().empty());
    QCOMPARE(m_totals.last(), 0.0);
    QVERIFY(!button("btnDelDevice")->isEnabled());
}

void tst_DeviceListWidget::requestsOfTheDiskPage()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    m_pWidget->slotBitRateChanged(0.0);
    QCOMPARE(m_totals, QList<double>({10752.0}));
    QVERIFY(m_nvrLists.isEmpty());

    m_pWidget->slotBitRateChanged(300.0);
    QCOMPARE(m_totals.size(), 1);
    QCOMPARE(m_nvrLists.size(), 1);
    QCOMPARE(m_nvrLists.at(0).at(0).Bitrate, 2560);

    m_pWidget->UpdateCapBand(false);
    m_pWidget->UpdateNvrNum(false);
    QCOMPARE(m_totals.last(), 0.0);
    QVERIFY(m_nvrLists.last().empty());
}

void tst_DeviceListWidget::refusedCellEditShowsTheMessage()
{
    m_pWidget->slotShowDevice(kTask);
    MessageSeen message;
    ModalAnswer answer([&](QWidget* pBox) { message.readAndClose(pBox); });
    QVERIFY(model()->setData(model()->index(0, 1), QStringLiteral("1000")));
    QVERIFY(answer.answered());

    QCOMPARE(message.qsTitle, QStringLiteral("Information"));
    QCOMPARE(message.qsText, QStringLiteral("Device Count Ranges [1~999]"));
    QCOMPARE(model()->index(0, 1).data().toString(), QStringLiteral("10"));
    QCOMPARE(storedGroups().at(0).DeviceNum, 10);
}

void tst_DeviceListWidget::acceptedCellEditRecomputes()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_nvrLists.clear();

    const QModelIndex group = model()->index(0, 0);
    QVERIFY(model()->setData(model()->index(0, 5, group), QStringLiteral("1024")));
    QCOMPARE(storedGroups().at(0).StreamGroups.at(0).Bitrate, 1024);
    QCOMPARE(m_totals, QList<double>({10752.0 - 4 * 1024.0}));

    QVERIFY(model()->setData(model()->index(0, 6), QStringLiteral("0")));
    QCOMPARE(storedGroups().at(0).MainStream, 0);
    QCOMPARE(m_nvrLists.last().at(0).Bitrate, 512);
}

void tst_DeviceListWidget::printRowsFollowTheTree()
{
    m_pWidget->slotShowDevice(kTask);
    std::vector<PrintDevInfo> vsRows;
    connect(m_pWidget.get(), &DeviceListWidget::signalPrintInfo, this,
            [&](std::vector<PrintDevInfo>& vsDevInfo) { vsRows = vsDevInfo; });
    m_pWidget->slotPrintInfo();

    QCOMPARE(vsRows.size(), size_t(5));
    QCOMPARE(vsRows[0].DeviceType, QStringLiteral("IPC1"));
    QCOMPARE(vsRows[0].DeviceCount, QStringLiteral("10"));
    QCOMPARE(vsRows[0].MainStream, QStringLiteral("2048"));
    QCOMPARE(vsRows[0].SubStream, QStringLiteral("512"));
    QCOMPARE(vsRows[0].StreamCount, QString());
    QCOMPARE(vsRows[0].Resolution, QString());

    QCOMPARE(vsRows[1].DeviceType, QString());
    QCOMPARE(vsRows[1].StreamCount, QStringLiteral("4"));
    QCOMPARE(vsRows[1].Resolution, QStringLiteral("1080P(1920*1080)"));
    QCOMPARE(vsRows[1].FrameRate, QStringLiteral("25"));
    QCOMPARE(vsRows[1].Bitrate, QStringLiteral("2048"));
    QCOMPARE(vsRows[1].MainStream, QString());
    QCOMPARE(vsRows[2].Resolution, QStringLiteral("WD1"));
    QCOMPARE(vsRows[2].FrameRate, QStringLiteral("1/4"));

    QCOMPARE(vsRows[3].DeviceType, QStringLiteral("DVR1"));
    QCOMPARE(vsRows[3].MainStream, QString());
    QCOMPARE(vsRows[4].StreamCount, QStringLiteral("1"));
    QCOMPARE(vsRows[4].Resolution, QStringLiteral("4CIF"));
}

void tst_DeviceListWidget::deletedTaskEmptiesTheTree()
{
    m_pWidget->slotShowDevice(kTask);
    {
        TaskXmlStore store(QStringLiteral("Task.xml"));
        QVERIFY(store.deleteTask(kTask));
    }
    m_totals.clear();
    m_nvrLists.clear();
    m_pWidget->slotDelTask(kTask);

    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(model()->columnCount(), 9);
    QCOMPARE(m_totals, QList<double>({0.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    QVERIFY(m_nvrLists.at(0).empty());
    QVERIFY(!button("btnDelDevice")->isEnabled());

    m_pWidget->slotShowDevice(QStringLiteral("Empty"));
    QCOMPARE(m_totals.last(), 0.0);
}

void tst_DeviceListWidget::templateTaskAppearsWhenShown()
{
    const QString qsName = QStringLiteral("Campus");
    TaskInfo task;
    task.Name = qsName;
    task.Type = 3;
    task.IPCNum = 10;
    task.DVRNum = 2;
    {
        TaskXmlStore store(QStringLiteral("Task.xml"));
        QVERIFY(store.addTask(task));
    }
    m_pWidget->slotShowDevice(kTask);
    m_pWidget->slotAddDefTask(task);
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(model()->item(0, 0)->text(), QStringLiteral("IPC1"));

    m_pWidget->slotShowDevice(qsName);
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(model()->item(0, 0)->text(), QStringLiteral("IPC1"));
    QCOMPARE(model()->item(0, 0)->child(0, 2)->text(), QStringLiteral("60"));
    QCOMPARE(model()->item(1, 0)->text(), QStringLiteral("DVR1"));
    QCOMPARE(model()->item(1, 0)->child(0, 2)->text(), QStringLiteral("128"));
    QCOMPARE(m_totals.last(), 598016.0);
}

void tst_DeviceListWidget::videoStandardAppliesToLaterDialogs()
{
    m_pWidget->slotShowDevice(kTask);
    QComboBox* pStandard = m_pWidget->findChild<QComboBox*>(QStringLiteral("combVideoStandard"));
    pStandard->setCurrentIndex(1);

    // Rows already built keep their first frame-rate choice.
    const QModelIndex rate = model()->index(0, 4, model()->index(0, 0));
    QCOMPARE(rate.data(142).toStringList().first(), QStringLiteral("25"));

    QString qsFirstRate;
    ModalAnswer answer([&](QWidget* pDialog) {
        qsFirstRate = pDialog->findChild<QComboBox*>(QStringLiteral("combFrameRate"))->itemText(0);
        clickOk(pDialog);
    });
    m_pWidget->addDevice();
    QVERIFY(answer.answered());
    QCOMPARE(qsFirstRate, QStringLiteral("30"));
    QCOMPARE(storedGroups().at(2).StreamGroups.at(0).FrameRate, QStringLiteral("30"));
    const QModelIndex newRate = model()->index(0, 4, model()->index(2, 0));
    QCOMPARE(newRate.data(142).toStringList().first(), QStringLiteral("30"));
}

void tst_DeviceListWidget::noTaskDisablesAdding()
{
    m_pWidget->slotShowDevice(kTask);
    m_totals.clear();
    m_pWidget->slotNoTask();
    QVERIFY(!button("btnAddDevice")->isEnabled());
    QCOMPARE(m_totals.size(), 1);
}

QTEST_MAIN(tst_DeviceListWidget)
#include "tst_devicelistwidget.moc"
