#include "ModalAnswer.h"
#include "WarnDlgContent.h"

#include "controls/CItemDataRole.h"
#include "entry/VardexEntry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kTask = QStringLiteral("Site A");

// Counts the progress dialogs of the NVR page that are shown.
class ProgressDialogCounter : public QObject
{
public:
    ProgressDialogCounter() { qApp->installEventFilter(this); }
    ~ProgressDialogCounter() override { qApp->removeEventFilter(this); }
    int shown() const { return m_iShown; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show &&
            qstrcmp(pWatched->metaObject()->className(), "ChaseDialog") == 0) {
            ++m_iShown;
        }
        return false;
    }

private:
    int m_iShown = 0;
};

void selectAllAndType(QWidget* pEdit, const QString& qsText)
{
    QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pEdit, qsText);
}

// Steps a combo box with the arrow keys until it shows the text; false when
// no item has it.
bool chooseWithKeys(QComboBox* pCombo, const QString& qsText)
{
    pCombo->setFocus();
    while (pCombo->currentIndex() > 0) {
        QTest::keyClick(pCombo, Qt::Key_Up);
    }
    for (int i = 0; i < pCombo->count() && pCombo->currentText() != qsText; ++i) {
        QTest::keyClick(pCombo, Qt::Key_Down);
    }
    return pCombo->currentText() == qsText;
}

void clickCell(QAbstractItemView* pView, const QModelIndex& index)
{
    pView->scrollTo(index);
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pView->visualRect(index).center());
}

// Clicks the click zone of a cell where the row's delegate draws it: the
// zones stand at the right end of the cell, in role order from the right.
bool clickZone(QAbstractItemView* pView, const QModelIndex& index, tools::CItemDataRole eRole)
{
    pView->scrollTo(index);
    const QRect rcCell = pView->visualRect(index);
    int iRight = rcCell.left() + rcCell.width();
    for (int iRole = tools::ZonePixmap1Role; iRole <= tools::ZonePixmap3Role; ++iRole) {
        const QPixmap pixmap = index.data(iRole).value<QPixmap>();
        if (pixmap.isNull()) {
            continue;
        }
        const QRect rcZone(QPoint(iRight - pixmap.width() - tools::kZoneSpacing,
                                  rcCell.top() + (rcCell.height() - pixmap.height()) / 2),
                           pixmap.size());
        if (iRole == eRole) {
            QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, rcZone.center());
            return true;
        }
        iRight = rcZone.left();
    }
    return false;
}

QString className(const QWidget* pWidget)
{
    return QString::fromLatin1(pWidget->metaObject()->className());
}

} // namespace

// The calculator as a user meets it: loaded from the built plug-in into a
// host's widget and layout, and driven by clicks and key presses on its
// widgets, found by their object names. The plug-in carries its own copy of
// every class, so nothing of it is reached by type. The steps build on each
// other and run in the order declared.
class tst_EndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void newHighDefinitionTaskShowsItsResults();
    void selectingTasksSwitchesTheResults();
    void addedDeviceGroupRaisesTheTotals();
    void addedStreamGroupRaisesTheTotals();
    void deviceCountOutOfRangeIsRefused();
    void deletedGroupTakesItsStreamsAlong();
    void ntscOffersThirtyFramesFirst();

private:
    template <typename T> T* widget(const char* pszObjectName) const
    {
        T* pWidget = m_pWindow->findChild<T*>(QLatin1String(pszObjectName));
        if (!pWidget) {
            qWarning("No widget named %s", pszObjectName);
        }
        return pWidget;
    }
    QString labelText(const char* pszObjectName) const;
    QAbstractItemView* taskView() const;
    QAbstractItemView* deviceView() const;
    QModelIndex deviceRow(int iRow) const;
    void clickButton(const char* pszObjectName);
    void verifyResults(const QString& qsBandwidth, const QString& qsCapacity,
                       const QString& qsNvrCount);

    QString m_qsPreviousDir;
    std::unique_ptr<QTemporaryDir> m_pDir;
    QLibrary m_library;
    std::unique_ptr<QWidget> m_pHost;
    QMainWindow* m_pWindow = nullptr;
};

void tst_EndToEnd::initTestCase()
{
    QLocale::setDefault(QLocale::c());

    // Task.xml comes into being in a fresh current directory; the template
    // counts and the recorder models come from the files shipped beside the
    // plug-in, placed in this program's application directory.
    m_qsPreviousDir = QDir::currentPath();
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    const QString qsBinDir = qEnvironmentVariable("VARDEX_BIN_DIR");
    for (const QString& qsFile : {QStringLiteral("DefCfg.xml"), QStringLiteral("Device.Xml")}) {
        const QString qsTarget = QCoreApplication::applicationDirPath() + QLatin1Char('/') + qsFile;
        QFile::remove(qsTarget);
        QVERIFY2(QFile::copy(qsBinDir + QLatin1Char('/') + qsFile, qsTarget), qPrintable(qsFile));
    }

    m_library.setFileName(qsBinDir + QStringLiteral("/libVardex.so"));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    auto pOpenDialog = reinterpret_cast<VardexOpenDialogFn>(m_library.resolve("Vardex_OpenDialog"));
    QVERIFY(pOpenDialog);

    m_pHost = std::make_unique<QWidget>();
    auto* pLayout = new QGridLayout(m_pHost.get());
    m_pHost->show();
    ProgressDialogCounter progress;
    QVERIFY(pOpenDialog(m_pHost.get(), pLayout, true));
    m_pWindow = m_pHost->findChild<QMainWindow*>(QStringLiteral("MainWindow"));
    QVERIFY(m_pWindow);
    // The size the stand-alone start gives the window.
    m_pWindow->resize(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow));
    QCOMPARE(progress.shown(), 0);

    // A first start: only the example task, and nothing shown yet.
    QCOMPARE(labelText("labListNum"), QStringLiteral("1"));
    QCOMPARE(taskView()->model()->index(0, 0).data().toString(), QStringLiteral("Example Task"));
    QCOMPARE(labelText("labelBandiwth"), QStringLiteral("0Kbps"));
    QCOMPARE(widget<QComboBox>("combNVRType")->currentText(), QStringLiteral("KV-R08-1"));
}

void tst_EndToEnd::cleanupTestCase()
{
    m_pHost.reset();
    QDir::setCurrent(m_qsPreviousDir);
    m_pDir.reset();
}

QString tst_EndToEnd::labelText(const char* pszObjectName) const
{
    const QLabel* pLabel = widget<QLabel>(pszObjectName);
    return pLabel ? pLabel->text() : QString();
}

QAbstractItemView* tst_EndToEnd::taskView() const
{
    return widget<QAbstractItemView>("treeTask");
}

QAbstractItemView* tst_EndToEnd::deviceView() const
{
    return widget<QAbstractItemView>("treeDeviceList");
}

QModelIndex tst_EndToEnd::deviceRow(int iRow) const
{
    return deviceView()->model()->index(iRow, 0);
}

void tst_EndToEnd::clickButton(const char* pszObjectName)
{
    QPushButton* pButton = widget<QPushButton>(pszObjectName);
    QVERIFY(pButton);
    QVERIFY2(pButton->isEnabled(), pszObjectName);
    QTest::mouseClick(pButton, Qt::LeftButton);
}

void tst_EndToEnd::verifyResults(const QString& qsBandwidth, const QString& qsCapacity,
                                 const QString& qsNvrCount)
{
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(labelText("labelBandiwth"), qsBandwidth);
    QCOMPARE(labelText("labelCapacityNum"), qsCapacity);
    QCOMPARE(labelText("labelNVRNumber"), qsNvrCount);
}

// The results of the high-definition template with 10 cameras and 2 recorders:
// - streams: IPC1 60 x 6144 Kbps + DVR1 128 x 1792 Kbps = 598016 Kbps;
// - bandwidth: ceil(598016 / 0.7) = 854309 Kbps = 834.28... Mbps, rounded up
//   to one decimal: 834.3Mbps;
// - disk for the page's 1 day: 24 h x 598016 x 3600 / 0.997 / 8000000 x 1.024
//   = 6633.48 GB, shown in TB;
// - KV-R08-1 (8 channels, 40960 Kbps) for 10 cameras of 1024 + 1024 Kbps:
//   one recorder takes min(40960 / 2048, 8) = 8, so 8 + 2: two recorders.
void tst_EndToEnd::newHighDefinitionTaskShowsItsResults()
{
    ProgressDialogCounter progress;
    QString qsShownIpc;
    QString qsShownDvr;
    bool bTypeChosen = false;
    QString qsDialogClass;
    ModalAnswer answer([&](QWidget* pDialog) {
        qsDialogClass = className(pDialog);
        auto* pName = pDialog->findChild<QLineEdit*>(QStringLiteral("editTaskName"));
        auto* pType = pDialog->findChild<QComboBox*>(QStringLiteral("comboTaskType"));
        auto* pIpc = pDialog->findChild<QLineEdit*>(QStringLiteral("editIPCCount"));
        auto* pDvr = pDialog->findChild<QLineEdit*>(QStringLiteral("editDVRCount"));
        QTest::keyClicks(pName, kTask);
        bTypeChosen = chooseWithKeys(pType, QStringLiteral("High Definition Task"));
        qsShownIpc = pIpc->text();
        qsShownDvr = pDvr->text();
        selectAllAndType(pIpc, QStringLiteral("10"));
        selectAllAndType(pDvr, QStringLiteral("2"));
        QTest::mouseClick(pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn")),
                          Qt::LeftButton);
    });
    clickButton("btnNewTask");
    QVERIFY(answer.answered());
    QCOMPARE(qsDialogClass, QStringLiteral("NewTaskWidget"));
    QVERIFY(bTypeChosen);
    // The shipped template counts were offered first.
    QCOMPARE(qsShownIpc, QStringLiteral("16"));
    QCOMPARE(qsShownDvr, QStringLiteral("4"));

    QCOMPARE(labelText("labListNum"), QStringLiteral("2"));
    QCOMPARE(taskView()->currentIndex().row(), 1);
    QCOMPARE(taskView()->currentIndex().data().toString(), kTask);

    QCOMPARE(deviceView()->model()->rowCount(), 2);
    QCOMPARE(deviceRow(0).data().toString(), QStringLiteral("IPC1"));
    QCOMPARE(deviceRow(0).siblingAtColumn(1).data().toString(), QStringLiteral("10"));
    QCOMPARE(deviceView()->model()->index(0, 2, deviceRow(0)).data().toString(),
             QStringLiteral("60"));
    QCOMPARE(deviceRow(1).data().toString(), QStringLiteral("DVR1"));
    QCOMPARE(deviceView()->model()->index(0, 2, deviceRow(1)).data().toString(),
             QStringLiteral("128"));

    QCOMPARE(widget<QLineEdit>("editDay")->text(), QStringLiteral("1"));
    QCOMPARE(widget<QComboBox>("combNVRType")->currentText(), QStringLiteral("KV-R08-1"));
    verifyResults(QStringLiteral("834.3Mbps"), QStringLiteral("6.63348TB"), QStringLiteral("2"));
    QCOMPARE(progress.shown(), 1);
}

void tst_EndToEnd::selectingTasksSwitchesTheResults()
{
    clickCell(taskView(), taskView()->model()->index(0, 0));
    QCOMPARE(deviceView()->model()->rowCount(), 0);
    verifyResults(QStringLiteral("0Kbps"), QStringLiteral("0GB"), QStringLiteral("0"));
    QVERIFY(!widget<QPushButton>("btnAddDevice")->isEnabled());

    clickCell(taskView(), taskView()->model()->index(1, 0));
    QCOMPARE(deviceView()->model()->rowCount(), 2);
    verifyResults(QStringLiteral("834.3Mbps"), QStringLiteral("6.63348TB"), QStringLiteral("2"));
}

// The dialog's defaults: 5 cameras of 1024 + 1024 Kbps, one 1080P stream at
// 25 fps, 6144 Kbps. Streams 598016 + 6144 = 604160 Kbps: ceil(604160 / 0.7)
// = 863086 Kbps = 842.9Mbps, 6.70163TB a day. The five cameras fit into the
// second recorder, which still has 6 channels and 36864 Kbps: still two.
void tst_EndToEnd::addedDeviceGroupRaisesTheTotals()
{
    ProgressDialogCounter progress;
    WarnDlgContent dialog;
    ModalAnswer answer([&](QWidget* pDialog) {
        dialog = WarnDlgContent::of(pDialog);
        QTest::mouseClick(pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn")),
                          Qt::LeftButton);
    });
    clickButton("btnAddDevice");
    QVERIFY(answer.answered());
    QCOMPARE(dialog.qsTitle, QStringLiteral("Add Device"));

    QCOMPARE(deviceView()->model()->rowCount(), 3);
    QCOMPARE(deviceRow(2).data().toString(), QStringLiteral("IPC2"));
    QCOMPARE(deviceRow(2).siblingAtColumn(1).data().toString(), QStringLiteral("5"));
    verifyResults(QStringLiteral("842.9Mbps"), QStringLiteral("6.70163TB"), QStringLiteral("2"));
    QCOMPARE(progress.shown(), 1);
}

// One more 1080P stream of 6144 Kbps: 610304 Kbps, ceil(610304 / 0.7) = 871863
// Kbps = 851.5Mbps, 6.76978TB a day. Stream groups do not count for recorders.
void tst_EndToEnd::addedStreamGroupRaisesTheTotals()
{
    ProgressDialogCounter progress;
    QString qsType;
    WarnDlgContent dialog;
    ModalAnswer answer([&](QWidget* pDialog) {
        dialog = WarnDlgContent::of(pDialog);
        qsType = pDialog->findChild<QLabel*>(QStringLiteral("labelType"))->text();
        QTest::mouseClick(pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn")),
                          Qt::LeftButton);
    });
    QVERIFY(clickZone(deviceView(), deviceRow(2).siblingAtColumn(8), tools::ZonePixmap1Role));
    QVERIFY(answer.answered());
    QCOMPARE(dialog.qsTitle, QStringLiteral("Add Stream Group"));
    QCOMPARE(qsType, QStringLiteral("IPC"));

    QCOMPARE(deviceView()->model()->rowCount(deviceRow(2)), 2);
    QCOMPARE(deviceView()->model()->index(1, 5, deviceRow(2)).data().toString(),
             QStringLiteral("6144"));
    verifyResults(QStringLiteral("851.5Mbps"), QStringLiteral("6.76978TB"), QStringLiteral("2"));
    QCOMPARE(progress.shown(), 0);
}

void tst_EndToEnd::deviceCountOutOfRangeIsRefused()
{
    QAbstractItemView* pView = deviceView();
    const QModelIndex count = deviceRow(0).siblingAtColumn(1);
    pView->scrollTo(count);
    // A double click is a click followed by the double-click event.
    const QPoint ptCell = pView->visualRect(count).center();
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, ptCell);
    QTest::mouseDClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, ptCell);
    auto* pEditor = qobject_cast<QLineEdit*>(pView->indexWidget(count));
    QVERIFY(pEditor);
    QCOMPARE(pEditor->text(), QStringLiteral("10"));

    WarnDlgContent box;
    QString qsBoxClass;
    ModalAnswer answer([&](QWidget* pBox) {
        qsBoxClass = className(pBox);
        box = WarnDlgContent::of(pBox);
        WarnDlgContent::click(pBox, "m_pCloseBtn");
    });
    selectAllAndType(pEditor, QStringLiteral("0"));
    QTest::keyClick(pEditor, Qt::Key_Return);
    QTRY_VERIFY(answer.answered());
    QCOMPARE(qsBoxClass, QStringLiteral("CWarnDlg"));
    QCOMPARE(box.qsTitle, QStringLiteral("Information"));
    QCOMPARE(box.qsText, QStringLiteral("Device Count Ranges [1~999]"));

    QTRY_VERIFY(!pView->indexWidget(count));
    QCOMPARE(count.data().toString(), QStringLiteral("10"));
    verifyResults(QStringLiteral("851.5Mbps"), QStringLiteral("6.76978TB"), QStringLiteral("2"));

    // What was stored is what the tree shows when the task is built again.
    clickCell(taskView(), taskView()->model()->index(0, 0));
    clickCell(taskView(), taskView()->model()->index(1, 0));
    QCOMPARE(deviceRow(0).siblingAtColumn(1).data().toString(), QStringLiteral("10"));
    QCOMPARE(deviceView()->model()->rowCount(), 3);
    QCOMPARE(deviceView()->model()->rowCount(deviceRow(2)), 2);
}

void tst_EndToEnd::deletedGroupTakesItsStreamsAlong()
{
    QVERIFY(!widget<QPushButton>("btnDelDevice")->isEnabled());
    clickCell(deviceView(), deviceRow(2));
    clickButton("btnDelDevice");

    QCOMPARE(deviceView()->model()->rowCount(), 2);
    QCOMPARE(deviceRow(0).data().toString(), QStringLiteral("IPC1"));
    QCOMPARE(deviceRow(1).data().toString(), QStringLiteral("DVR1"));
    verifyResults(QStringLiteral("834.3Mbps"), QStringLiteral("6.63348TB"), QStringLiteral("2"));

    clickCell(taskView(), taskView()->model()->index(0, 0));
    clickCell(taskView(), taskView()->model()->index(1, 0));
    QCOMPARE(deviceView()->model()->rowCount(), 2);
    verifyResults(QStringLiteral("834.3Mbps"), QStringLiteral("6.63348TB"), QStringLiteral("2"));
}

void tst_EndToEnd::ntscOffersThirtyFramesFirst()
{
    QVERIFY(chooseWithKeys(widget<QComboBox>("combVideoStandard"), QStringLiteral("NTSC")));

    QString qsFirstRate;
    QString qsCurrentRate;
    ModalAnswer answer([&](QWidget* pDialog) {
        auto* pRate = pDialog->findChild<QComboBox*>(QStringLiteral("combFrameRate"));
        qsFirstRate = pRate->itemText(0);
        qsCurrentRate = pRate->currentText();
        QTest::mouseClick(pDialog->findChild<QPushButton*>(QStringLiteral("pCancelBtn")),
                          Qt::LeftButton);
    });
    clickButton("btnAddDevice");
    QVERIFY(answer.answered());
    QCOMPARE(qsFirstRate, QStringLiteral("30"));
    QCOMPARE(qsCurrentRate, QStringLiteral("30"));

    // Cancelled: nothing was added.
    QCOMPARE(deviceView()->model()->rowCount(), 2);
    verifyResults(QStringLiteral("834.3Mbps"), QStringLiteral("6.63348TB"), QStringLiteral("2"));
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
