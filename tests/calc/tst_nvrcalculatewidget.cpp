#include "WarnBoxAnswer.h"
#include "calc/CalNVRThread.h"
#include "calc/ChaseDialog.h"
#include "calc/NVRCalculateWidget.h"
#include "calc/NvrModelTable.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using Groups = std::vector<NvrBandWidth>;
Q_DECLARE_METATYPE(Groups)

// Counts how often a progress dialog is shown.
class ChaseShowCounter : public QObject
{
public:
    ChaseShowCounter() { qApp->installEventFilter(this); }
    ~ChaseShowCounter() override { qApp->removeEventFilter(this); }
    int shown() const { return m_iShown; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<ChaseDialog*>(pWatched)) {
            ++m_iShown;
        }
        return false;
    }

private:
    int m_iShown = 0;
};

class TestNVRCalculateWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void withoutDeviceFileNoModelIsOffered();
    void withDeviceFileEveryModelIsOffered();
    void countIsShown_data();
    void countIsShown();
    void emptyTaskShowsZeroWithoutDialog();
    void changingTheModelCountsAgain();
    void errorsAreReportedInABox_data();
    void errorsAreReportedInABox();
    void printInfoReportsModelAndCount();
    void progressClosesWhenResultCameBeforeExec();
    void progressIgnoresEscape();
    void progressStatesActOnTheTick();

private:
    static QString deviceFilePath();
    static void writeDeviceFile();
    static QLabel* countLabel(NVRCalculateWidget& page);
    static QComboBox* modelBox(NVRCalculateWidget& page);
};

QString TestNVRCalculateWidget::deviceFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Device.Xml");
}

void TestNVRCalculateWidget::writeDeviceFile()
{
    QFile file(deviceFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("<?xml version=\"1.0\"?>\n<Device/>\n");
}

QLabel* TestNVRCalculateWidget::countLabel(NVRCalculateWidget& page)
{
    return page.findChild<QLabel*>(QStringLiteral("labelNVRNumber"));
}

QComboBox* TestNVRCalculateWidget::modelBox(NVRCalculateWidget& page)
{
    return page.findChild<QComboBox*>(QStringLiteral("combNVRType"));
}

void TestNVRCalculateWidget::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QFile::remove(deviceFilePath());
}

// Every page but the first is built with a readable Device.Xml beside the test.
void TestNVRCalculateWidget::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "withoutDeviceFileNoModelIsOffered") {
        QFile::remove(deviceFilePath());
    } else if (!QFile::exists(deviceFilePath())) {
        writeDeviceFile();
    }
}

void TestNVRCalculateWidget::cleanupTestCase()
{
    QFile::remove(deviceFilePath());
}

void TestNVRCalculateWidget::withoutDeviceFileNoModelIsOffered()
{
    NVRCalculateWidget page;
    QCOMPARE(modelBox(page)->count(), 0);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("6"));

    // No model accepts any bitrate.
    WarnBoxAnswer answer;
    Groups groups{{1024, 3}};
    page.showNvrNum(groups);
    QCOMPARE(answer.boxes().size(), 1);
    QCOMPARE(answer.boxes().at(0).qsTitle, QStringLiteral("Error"));
    QCOMPARE(answer.boxes().at(0).qsText,
             QStringLiteral("The Bit Rate of IPC Typeis bigger than NVR Bandwidth"));
    QCOMPARE(countLabel(page)->text(), QStringLiteral("0"));
}

void TestNVRCalculateWidget::withDeviceFileEveryModelIsOffered()
{
    NVRCalculateWidget page;
    QComboBox* pModels = modelBox(page);
    QCOMPARE(pModels->count(), NvrModelTable::size());
    QCOMPARE(pModels->count(), 47);
    for (int iRow = 0; iRow < pModels->count(); ++iRow) {
        QCOMPARE(pModels->itemText(iRow), NvrModelTable::at(iRow).name);
        QCOMPARE(pModels->itemData(iRow, Qt::ToolTipRole).toString(), pModels->itemText(iRow));
    }
    QCOMPARE(pModels->currentText(), QStringLiteral("KV-R08-1"));
    QCOMPARE(countLabel(page)->text(), QStringLiteral("0"));
}

void TestNVRCalculateWidget::countIsShown_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<QString>("shown");

    QTest::newRow("KV-R08-1") << "KV-R08-1" << Groups{{4096, 10}, {2048, 5}} << "2";
    QTest::newRow("KV-R16-1, closed recorder") << "KV-R16-1" << Groups{{16000, 5}, {512, 3}} << "2";
    QTest::newRow("KV-R16-1, open recorders") << "KV-R16-1" << Groups{{16000, 6}, {512, 3}} << "2";
    QTest::newRow("a million devices") << "KV-R04-3" << Groups{{20480, 1000000}} << "1000000";
    QTest::newRow("nothing to place") << "KV-R08-1" << Groups{{0, 5}} << "0";
}

void TestNVRCalculateWidget::countIsShown()
{
    QFETCH(QString, model);
    QFETCH(Groups, groups);
    QFETCH(QString, shown);

    NVRCalculateWidget page;
    modelBox(page)->setCurrentText(model);
    QCOMPARE(modelBox(page)->currentText(), model);
    ChaseShowCounter chase;
    WarnBoxAnswer answer;
    page.showNvrNum(groups);
    QCOMPARE(countLabel(page)->text(), shown);
    QCOMPARE(chase.shown(), 1);
    QCOMPARE(answer.boxes().size(), 0);
}

void TestNVRCalculateWidget::emptyTaskShowsZeroWithoutDialog()
{
    NVRCalculateWidget page;
    Groups groups{{4096, 10}};
    page.showNvrNum(groups);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("2"));

    ChaseShowCounter chase;
    Groups none;
    page.showNvrNum(none);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("0"));
    QCOMPARE(chase.shown(), 0);
}

void TestNVRCalculateWidget::changingTheModelCountsAgain()
{
    NVRCalculateWidget page;
    Groups groups{{4096, 10}, {2048, 5}};
    page.showNvrNum(groups);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("2"));
    groups.clear(); // the page keeps its own copy

    ChaseShowCounter chase;
    modelBox(page)->setCurrentText(QStringLiteral("KV-R16-1"));
    QCOMPARE(countLabel(page)->text(), QStringLiteral("1"));
    modelBox(page)->setCurrentText(QStringLiteral("KV-R04-3"));
    QCOMPARE(countLabel(page)->text(), QStringLiteral("4"));
    QCOMPARE(chase.shown(), 2);
}

void TestNVRCalculateWidget::errorsAreReportedInABox_data()
{
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<QString>("message");

    QTest::newRow("-1") << Groups{{32, 600000}, {32, 400001}}
                        << "The sum of IPC number can not be bigger than 1000000";
    QTest::newRow("-2") << Groups{{40961, 1}}
                        << "The Bit Rate of IPC Typeis bigger than NVR Bandwidth";
    QTest::newRow("-1 wins over -2")
        << Groups{{40961, 1000001}} << "The sum of IPC number can not be bigger than 1000000";
}

void TestNVRCalculateWidget::errorsAreReportedInABox()
{
    QFETCH(Groups, groups);
    QFETCH(QString, message);

    NVRCalculateWidget page;
    Groups fine{{4096, 10}};
    page.showNvrNum(fine);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("2"));

    WarnBoxAnswer answer;
    page.showNvrNum(groups);
    QCOMPARE(answer.boxes().size(), 1);
    QCOMPARE(answer.boxes().at(0).qsTitle, QStringLiteral("Error"));
    QCOMPARE(answer.boxes().at(0).qsText, message);
    QCOMPARE(countLabel(page)->text(), QStringLiteral("0"));
}

void TestNVRCalculateWidget::printInfoReportsModelAndCount()
{
    NVRCalculateWidget page;
    modelBox(page)->setCurrentText(QStringLiteral("KV-Z64-1"));
    Groups groups{{32, 64}};
    page.showNvrNum(groups);
    QSignalSpy spy(&page, &NVRCalculateWidget::signalPrintInfo);
    page.slotPrintInfo();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("KV-Z64-1"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("2"));
}

void TestNVRCalculateWidget::progressClosesWhenResultCameBeforeExec()
{
    ChaseDialog chase(nullptr, QStringLiteral(":/images/Loading.gif"),
                      QStringLiteral("Calculation..."), false);
    CalNVRThread thread;
    thread.setParameters(QStringLiteral("KV-R08-1"), Groups{{4096, 10}});
    connect(&thread, &CalNVRThread::CalSuc, &chase, &ChaseDialog::OnImmediatelyStopChase);
    thread.start();
    QVERIFY(thread.wait(10000));

    QTimer::singleShot(5000, &chase, &QDialog::reject); // a safety net only
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(chase.exec(), int(QDialog::Accepted));
    QVERIFY(elapsed.elapsed() < 5000);
    QCOMPARE(thread.result(), 2);
}

void TestNVRCalculateWidget::progressIgnoresEscape()
{
    ChaseDialog chase(nullptr, QStringLiteral(":/images/Loading.gif"),
                      QStringLiteral("Calculation..."), false);
    QCOMPARE(chase.GetTitle(), QStringLiteral("Calculation..."));
    QCOMPARE(chase.size(), QSize(280, 190));
    QSignalSpy cancelled(&chase, &ChaseDialog::SignalCancel);
    bool bVisibleAfterEscape = false;
    QTimer::singleShot(50, &chase, [&] {
        QTest::keyClick(&chase, Qt::Key_Escape);
        bVisibleAfterEscape = chase.isVisible();
        chase.OnImmediatelyStopChase();
    });
    QTimer::singleShot(5000, &chase, &QDialog::reject);
    QCOMPARE(chase.exec(), int(QDialog::Accepted));
    QVERIFY(bVisibleAfterEscape);
    QCOMPARE(cancelled.count(), 0);
}

void TestNVRCalculateWidget::progressStatesActOnTheTick()
{
    ChaseDialog framed(nullptr, QStringLiteral(":/images/Loading.gif"), QStringLiteral("Wait"),
                       true);
    QCOMPARE(framed.state(), int(ChaseDialog::StateIdle));
    const auto* pOk = framed.findChild<QPushButton*>(QStringLiteral("pOkBtn"));
    const auto* pCancel = framed.findChild<QPushButton*>(QStringLiteral("pCancelBtn"));
    QVERIFY(pOk && pCancel);

    QSignalSpy cancelled(&framed, &ChaseDialog::SignalCancel);
    QTimer::singleShot(0, &framed, [&] {
        QVERIFY(!pOk->isVisible());
        QVERIFY(pCancel->isVisible());
        framed.OnSlotRejectChase();
    });
    QTimer::singleShot(5000, &framed, &QDialog::accept);
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(framed.exec(), int(QDialog::Rejected));
    QVERIFY(elapsed.elapsed() < 5000);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(framed.state(), int(ChaseDialog::StateIdle));

    ChaseDialog plain(nullptr, QStringLiteral(":/images/Loading.gif"), QStringLiteral("Wait"),
                      false);
    QTimer::singleShot(0, &plain, [&] {
        for (const char* szButton : {"pOkBtn", "pCancelBtn", "m_pCloseBtn"}) {
            QVERIFY(!plain.findChild<QWidget*>(QLatin1String(szButton))->isVisible());
        }
        plain.SetStopChase();
        QCOMPARE(plain.state(), int(ChaseDialog::StateAccept));
    });
    QTimer::singleShot(5000, &plain, &QDialog::reject);
    QCOMPARE(plain.exec(), int(QDialog::Accepted));
    QCOMPARE(plain.state(), int(ChaseDialog::StateIdle));
}

QTEST_MAIN(TestNVRCalculateWidget)
#include "tst_nvrcalculatewidget.moc"
