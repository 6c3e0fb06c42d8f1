#include "WarnBoxAnswer.h"
#include "calc/CalNVRThread.h"
#include "calc/ChaseDialog.h"
#include "calc/NVRCalculateWidget.h"
#include "calc/NvrModelTable.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTranslator>
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
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QFile::remove(deviceFilePath());
    }

    // Every page but the first is built with a readable Device.Xml beside the test.
    void init()
    {
        if (QByteArray(QTest::currentTestFunction()) == "withoutDeviceFileNoModelIsOffered") {
            QFile::remove(deviceFilePath());
        } else if (!QFile::exists(deviceFilePath())) {
            writeDeviceFile();
        }
    }

    void cleanupTestCase() { QFile::remove(deviceFilePath()); }

    void withoutDeviceFileNoModelIsOffered()
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

    void withDeviceFileEveryModelIsOffered()
    {
        NVRCalculateWidget page;
        QComboBox* pModels = modelBox(page);
        QCOMPARE(pModels->count(), NvrModelTable::size());
        QCOMPARE(pModels->count(), 47);
        for (int iRow = 0; iRow < pModels->count(); ++iRow) {
            QCOMPARE(pModels->itemText(iRow), NvrModelTable::at(iRow).name);
        }
        QCOMPARE(pModels->currentText(), QStringLiteral("KV-R08-1"));
        QCOMPARE(countLabel(page)->text(), QStringLiteral("0"));
    }

    // Rows 1, 28 and 45 of the model table: the last two carry odd values.
    void modelToolTipsTellChannelsAndBandwidth_data()
    {
        QTest::addColumn<QString>("qsTranslation");
        QTest::addColumn<int>("iRow");
        QTest::addColumn<QString>("qsToolTip");
        QTest::newRow("KV-R08-1") << QString() << 0
                                  << "KV-R08-1: 8 channels, bandwidth up to 40Mbps";
        QTest::newRow("KV-Z64-1") << QString() << 27
                                  << "KV-Z64-1: 32 channels, bandwidth up to 160Mbps";
        QTest::newRow("KV-Z16-7 in Chinese")
            << ":/translation/Vardex_zh.qm" << 44
            << QString::fromUtf8(u8"KV-Z16-7\uff1a16\u8def\uff0c\u5e26\u5bbd\u4e0a\u965040Mbps");
    }

    void modelToolTipsTellChannelsAndBandwidth()
    {
        QFETCH(QString, qsTranslation);
        QFETCH(int, iRow);
        QFETCH(QString, qsToolTip);
        QTranslator translator;
        QVERIFY(qsTranslation.isEmpty() || translator.load(qsTranslation));
        QCoreApplication::installTranslator(&translator);
        NVRCalculateWidget page;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(modelBox(page)->itemData(iRow, Qt::ToolTipRole).toString(), qsToolTip);
    }

    // The model names go to the log only when its category asks for them.
    void modelListIsLoggedOnDemand_data()
    {
        QTest::addColumn<QString>("qsRules");
        QTest::addColumn<int>("iLines");
        QTest::newRow("by default") << QString() << 0;
        QTest::newRow("asked for") << "vardex.nvr.models.debug=true" << 47;
    }

    void modelListIsLoggedOnDemand()
    {
        QFETCH(QString, qsRules);
        QFETCH(int, iLines);
        QLoggingCategory::setFilterRules(qsRules);
        static int s_iModelLines;
        s_iModelLines = 0;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& qsLine) {
                s_iModelLines += qsLine.contains(QLatin1String("KV-")) ? 1 : 0;
            });
        NVRCalculateWidget page;
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(s_iModelLines, iLines);
    }

    void countIsShown_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Groups>("groups");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("progressShown");
        QTest::addColumn<QString>("error");

        const QString qsTooMany =
            QStringLiteral("The sum of IPC number can not be bigger than 1000000");
        const QString qsTooFast =
            QStringLiteral("The Bit Rate of IPC Typeis bigger than NVR Bandwidth");
        QTest::newRow("KV-R08-1") << "KV-R08-1" << Groups{{4096, 10}, {2048, 5}} << "2" << 1
                                  << QString();
        QTest::newRow("KV-R16-1, closed recorder")
            << "KV-R16-1" << Groups{{16000, 5}, {512, 3}} << "2" << 1 << QString();
        QTest::newRow("a million devices")
            << "KV-R04-3" << Groups{{20480, 1000000}} << "1000000" << 1 << QString();
        QTest::newRow("nothing to place") << "KV-R08-1" << Groups{{0, 5}} << "0" << 1 << QString();
        QTest::newRow("empty task, no progress") << "KV-R08-1" << Groups{} << "0" << 0 << QString();
        QTest::newRow("-1") << "KV-R08-1" << Groups{{32, 600000}, {32, 400001}} << "0" << 1
                            << qsTooMany;
        QTest::newRow("-2") << "KV-R08-1" << Groups{{40961, 1}} << "0" << 1 << qsTooFast;
        QTest::newRow("-1 wins over -2")
            << "KV-R08-1" << Groups{{40961, 1000001}} << "0" << 1 << qsTooMany;
    }

    // Each page first shows a count, so a row that ends at 0 must have reset it.
    void countIsShown()
    {
        QFETCH(QString, model);
        QFETCH(Groups, groups);
        QFETCH(QString, shown);
        QFETCH(int, progressShown);
        QFETCH(QString, error);

        NVRCalculateWidget page;
        modelBox(page)->setCurrentText(model);
        QCOMPARE(modelBox(page)->currentText(), model);
        Groups fine{{4096, 1}};
        page.showNvrNum(fine);
        QCOMPARE(countLabel(page)->text(), QStringLiteral("1"));

        ChaseShowCounter chase;
        WarnBoxAnswer answer;
        page.showNvrNum(groups);
        QCOMPARE(countLabel(page)->text(), shown);
        QCOMPARE(chase.shown(), progressShown);
        QCOMPARE(answer.boxes().size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty()) {
            QCOMPARE(answer.boxes().at(0).qsTitle, QStringLiteral("Error"));
            QCOMPARE(answer.boxes().at(0).qsText, error);
        }
    }

    void changingTheModelCountsAgain()
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

    void progressClosesWhenResultCameBeforeExec()
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

    void progressIgnoresEscape()
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

    void progressStatesActOnTheTick()
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

private:
    static QString deviceFilePath()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Device.Xml");
    }

    static void writeDeviceFile()
    {
        QFile file(deviceFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write("<?xml version=\"1.0\"?>\n<Device/>\n");
    }

    static QLabel* countLabel(NVRCalculateWidget& page)
    {
        return page.findChild<QLabel*>(QStringLiteral("labelNVRNumber"));
    }

    static QComboBox* modelBox(NVRCalculateWidget& page)
    {
        return page.findChild<QComboBox*>(QStringLiteral("combNVRType"));
    }
};

QTEST_MAIN(TestNVRCalculateWidget)
#include "tst_nvrcalculatewidget.moc"
