#include "DialogDriving.h"
#include "ModalAnswer.h"
#include "TaskFile.h"
#include "WarnDlgContent.h"

#include "controls/CNewTreeView.h"
#include "devices/DeviceListWidget.h"

#include <QDir>
#include <QLabel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace TaskFile;

namespace {

const QString kTask = QStringLiteral("Site");
const QString kExampleTask = QStringLiteral("Example Task");

int usedStreamGroups(const DeviceGroupInfo& group)
{
    return int(std::count_if(group.StreamGroups.begin(), group.StreamGroups.end(),
                             [](const StreamGroupInfo& stream) { return stream.Used; }));
}

} // namespace

// The widget shows the sample task "Site" of 10752 Kbps, whose only camera
// group IPC1 sends 2048 + 512 Kbps for each of its 10 cameras to the recorders.
class tst_DeviceListWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showingTasksFeedsTheCalculators();
    void exampleTaskOffersNoChanges();
    void deleteButtonFollowsTheSelection();
    void addDeviceStoresAndRecomputes();
    void refusedAddDeviceSaysAddingFailed();
    void addStreamGroupUpdatesOnlyTheTotal();
    void streamGroupsStopAtTheLimit_data();
    void streamGroupsStopAtTheLimit();
    void deleteStreamGroupFromItsZone();
    void deleteDevicesUntilNoneIsLeft();
    void requestsOfTheDiskPage();
    void acceptedCellEditRecomputes();
    void printRowsFollowTheTree();
    void deletedTaskEmptiesTheTree();
    void videoStandardAppliesToLaterRows();
    void noTaskDisablesAdding();

private:
    QPushButton* button(const char* pName) const
    {
        return m_pWidget->findChild<QPushButton*>(QLatin1String(pName));
    }
    CNewTreeView* view() const
    {
        return m_pWidget->findChild<CNewTreeView*>(QStringLiteral("treeDeviceList"));
    }
    QStandardItemModel* model() const { return qobject_cast<QStandardItemModel*>(view()->model()); }

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
    QVERIFY(write(sampleTask(kTask) + sampleTask(kExampleTask) + task(QStringLiteral("Empty"))));

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
    QVERIFY(!button("btnAddDevice")->isEnabled());
    m_pWidget->slotShowDevice(kTask);
    QCOMPARE(m_totals, QList<double>({10752.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    m_totals.clear();
    m_nvrLists.clear();
}

void tst_DeviceListWidget::cleanup()
{
    m_pWidget.reset();
    m_pDir.reset();
}

void tst_DeviceListWidget::showingTasksFeedsTheCalculators()
{
    // What init() showed: both groups expanded, one camera group for the recorders.
    QCOMPARE(model()->rowCount(), 2);
    QVERIFY(view()->isExpanded(model()->index(0, 0)));
    QVERIFY(view()->isExpanded(model()->index(1, 0)));
    QVERIFY(button("btnAddDevice")->isEnabled());
    QVERIFY(!button("btnDelDevice")->isEnabled());

    m_pWidget->slotShowDevice(kTask);
    QVERIFY(m_totals.isEmpty());
    QVERIFY(m_nvrLists.isEmpty());

    m_pWidget->slotShowDevice(QStringLiteral("Empty"));
    QCOMPARE(model()->rowCount(), 0);
    QCOMPARE(m_totals, QList<double>({0.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    QVERIFY(m_nvrLists.last().empty());
    QVERIFY(button("btnAddDevice")->isEnabled());

    m_pWidget->slotShowDevice(kTask);
    QCOMPARE(m_totals.last(), 10752.0);
    QCOMPARE(m_nvrLists.last().size(), size_t(1));
    QCOMPARE(m_nvrLists.last().at(0).Bitrate, 2560);
    QCOMPARE(m_nvrLists.last().at(0).DeviceNum, 10);
}

void tst_DeviceListWidget::exampleTaskOffersNoChanges()
{
    m_pWidget->slotShowDevice(kExampleTask);
    QCOMPARE(model()->rowCount(), 2);
    QVERIFY(!button("btnAddDevice")->isEnabled());
    view()->setCurrentIndex(model()->index(0, 0));
    QVERIFY(!button("btnDelDevice")->isEnabled());
}

void tst_DeviceListWidget::deleteButtonFollowsTheSelection()
{
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
    ModalAnswer answer([](QWidget* pDialog) {
        DialogDriving::edit(pDialog, "editNum")->setText(QStringLiteral("4"));
        DialogDriving::chooseText(DialogDriving::combo(pDialog, "combMainStream"),
                                  QStringLiteral("2048"));
        DialogDriving::clickOk(pDialog);
    });
    m_pWidget->addDevice();
    QVERIFY(answer.answered());

    QCOMPARE(model()->item(2, 0)->child(0, 0)->data(Qt::UserRole).toInt(), 3);

    const std::vector<DeviceGroupInfo> groups = storedGroups(kTask);
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

void tst_DeviceListWidget::refusedAddDeviceSaysAddingFailed()
{
    QVERIFY(write(task(QStringLiteral("Other"))));

    WarnDlgContent message;
    std::unique_ptr<ModalAnswer> pMessageAnswer;
    ModalAnswer deviceAnswer([&](QWidget* pDialog) {
        pMessageAnswer.reset(new ModalAnswer([&](QWidget* pBox) {
            message = WarnDlgContent::of(pBox);
            pBox->hide();
        }));
        DialogDriving::clickOk(pDialog);
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
    QString qsTypeShown;
    ModalAnswer answer([&](QWidget* pDialog) {
        qsTypeShown = pDialog->findChild<QLabel*>(QStringLiteral("labelType"))->text();
        DialogDriving::edit(pDialog, "editStreamNum")->setText(QStringLiteral("10"));
        DialogDriving::clickOk(pDialog);
    });
    m_pWidget->clickedDevice(model()->index(1, 8), tools::ZonePixmap1Role);
    QVERIFY(answer.answered());
    QCOMPARE(qsTypeShown, QStringLiteral("DVR"));

    const QStandardItem* pDvr = model()->item(1, 0);
    QCOMPARE(pDvr->rowCount(), 2);
    QCOMPARE(pDvr->child(1, 2)->text(), QStringLiteral("10"));
    QCOMPARE(pDvr->child(1, 0)->data(Qt::UserRole).toInt(), 2);

    const std::vector<DeviceGroupInfo> groups = storedGroups(kTask);
    QCOMPARE(usedStreamGroups(groups.at(1)), 2);
    QCOMPARE(groups.at(1).StreamGroups.at(1).StreamID, 2);
    QCOMPARE(groups.at(1).StreamGroups.at(1).Bitrate, 1792);

    QCOMPARE(m_totals, QList<double>({10752.0 + 10 * 1792.0}));
    QVERIFY(m_nvrLists.isEmpty());
}

void tst_DeviceListWidget::streamGroupsStopAtTheLimit_data()
{
    QTest::addColumn<int>("iStreamGroups");
    QTest::addColumn<bool>("bDialogOpens");
    QTest::newRow("the last that fits") << DeviceGroupInfo::kMaxStreamGroups - 1 << true;
    QTest::newRow("one too many") << DeviceGroupInfo::kMaxStreamGroups << false;
}

// A device group holds at most 1000 stream groups; the user learns so before
// filling in the dialog.
void tst_DeviceListWidget::streamGroupsStopAtTheLimit()
{
    QFETCH(int, iStreamGroups);
    QFETCH(bool, bDialogOpens);
    QString qsStreamGroups;
    for (int i = 1; i <= iStreamGroups; ++i) {
        qsStreamGroups += streamGroup(i, 1, 8, QStringLiteral("25"), 32);
    }
    QVERIFY(write(task(QStringLiteral("Full"),
                       deviceGroup(QStringLiteral("DVR1"), 1, -1, -1, qsStreamGroups))));
    m_pWidget->slotShowDevice(QStringLiteral("Full"));

    bool bDialogOpened = false;
    WarnDlgContent message;
    ModalAnswer answer([&](QWidget* pDialog) {
        bDialogOpened = pDialog->findChild<QLabel*>(QStringLiteral("labelType")) != nullptr;
        message = WarnDlgContent::of(pDialog);
        WarnDlgContent::click(pDialog, bDialogOpened ? "pOkBtn" : "m_pCloseBtn");
    });
    m_pWidget->clickedDevice(model()->index(0, 8), tools::ZonePixmap1Role);
    QVERIFY(answer.answered());
    QCOMPARE(bDialogOpened, bDialogOpens);
    const int iStored = usedStreamGroups(storedGroups(QStringLiteral("Full")).at(0));
    QCOMPARE(iStored, DeviceGroupInfo::kMaxStreamGroups);
    QCOMPARE(model()->item(0, 0)->rowCount(), iStored);
    if (!bDialogOpens) {
        QCOMPARE(message.qsTitle, QStringLiteral("Information"));
        QCOMPARE(message.qsText,
                 QStringLiteral("Up to 1000 stream groups can be added to a device."));
    }
}

void tst_DeviceListWidget::deleteStreamGroupFromItsZone()
{
    const QModelIndex group = model()->index(0, 0);
    m_pWidget->clickedDevice(model()->index(0, 8, group), tools::ZonePixmap2Role);

    QCOMPARE(model()->item(0, 0)->rowCount(), 1);
    QCOMPARE(model()->item(0, 0)->child(0, 0)->data(Qt::UserRole).toInt(), 2);
    const std::vector<DeviceGroupInfo> groups = storedGroups(kTask);
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
    view()->setCurrentIndex(model()->index(0, 0));
    QTest::mouseClick(button("btnDelDevice"), Qt::LeftButton);
    QCOMPARE(model()->rowCount(), 1);
    QCOMPARE(model()->item(0, 0)->text(), QStringLiteral("DVR1"));
    QCOMPARE(storedGroups(kTask).size(), size_t(1));
    QCOMPARE(m_totals, QList<double>({512.0}));
    QCOMPARE(m_nvrLists.size(), 1);
    QVERIFY(m_nvrLists.last().empty());

    view()->setCurrentIndex(model()->index(0, 0));
    QTest::mouseClick(button("btnDelDevice"), Qt::LeftButton);
    QCOMPARE(model()->rowCount(), 0);
    QVERIFY(storedGroups(kTask).empty());
    QCOMPARE(m_totals.last(), 0.0);
    QVERIFY(!button("btnDelDevice")->isEnabled());
}

void tst_DeviceListWidget::requestsOfTheDiskPage()
{
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

void tst_DeviceListWidget::acceptedCellEditRecomputes()
{
    const QModelIndex group = model()->index(0, 0);
    QVERIFY(model()->setData(model()->index(0, 5, group), QStringLiteral("1024")));
    QCOMPARE(storedGroups(kTask).at(0).StreamGroups.at(0).Bitrate, 1024);
    QCOMPARE(m_totals, QList<double>({10752.0 - 4 * 1024.0}));

    QVERIFY(model()->setData(model()->index(0, 6), QStringLiteral("0")));
    QCOMPARE(storedGroups(kTask).at(0).MainStream, 0);
    QCOMPARE(m_nvrLists.last().at(0).Bitrate, 512);
}

void tst_DeviceListWidget::printRowsFollowTheTree()
{
    std::vector<PrintDevInfo> vsRows;
    connect(m_pWidget.get(), &DeviceListWidget::signalPrintInfo, this,
            [&](std::vector<PrintDevInfo>& vsDevInfo) { vsRows = vsDevInfo; });
    m_pWidget->slotPrintInfo();

    QList<QStringList> rows;
    for (const PrintDevInfo& row : vsRows) {
        rows << QStringList{row.DeviceType, row.DeviceCount, row.StreamCount, row.Resolution,
                            row.FrameRate,  row.Bitrate,     row.MainStream,  row.SubStream};
    }
    const QList<QStringList> expected = {{"IPC1", "10", "", "", "", "", "2048", "512"},
                                         {"", "", "4", "1080P(1920*1080)", "25", "2048", "", ""},
                                         {"", "", "2", "WD1", "1/4", "1024", "", ""},
                                         {"DVR1", "3", "", "", "", "", "", ""},
                                         {"", "", "1", "4CIF", "25", "512", "", ""}};
    QCOMPARE(rows, expected);
}

void tst_DeviceListWidget::deletedTaskEmptiesTheTree()
{
    {
        TaskXmlStore store(QStringLiteral("Task.xml"));
        QVERIFY(store.deleteTask(kTask));
    }
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

void tst_DeviceListWidget::videoStandardAppliesToLaterRows()
{
    m_pWidget->findChild<QComboBox*>(QStringLiteral("combVideoStandard"))->setCurrentIndex(1);
    ModalAnswer answer([](QWidget* pDialog) { DialogDriving::clickOk(pDialog); });
    m_pWidget->addDevice();
    QVERIFY(answer.answered());
    QCOMPARE(storedGroups(kTask).at(2).StreamGroups.at(0).FrameRate, QStringLiteral("30"));

    // Rows built before keep their choices; the new row offers 30 first.
    const QModelIndex oldRate = model()->index(0, 4, model()->index(0, 0));
    QCOMPARE(oldRate.data(142).toStringList().first(), QStringLiteral("25"));
    const QModelIndex newRate = model()->index(0, 4, model()->index(2, 0));
    QCOMPARE(newRate.data(142).toStringList().first(), QStringLiteral("30"));
}

void tst_DeviceListWidget::noTaskDisablesAdding()
{
    m_pWidget->slotNoTask();
    QVERIFY(!button("btnAddDevice")->isEnabled());
    QCOMPARE(m_totals.size(), 1);
}

QTEST_MAIN(tst_DeviceListWidget)
#include "tst_devicelistwidget.moc"
