// vardex-calc gives for a task, a model and a record time exactly what the
// window's three pages show for them.
#include "shell/MainWindow.h"

#include "CalcProcess.h"
#include "WarnBoxAnswer.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestCalcMatchesWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // The window offers the recorder models only when Device.Xml is readable.
        const QString qsDeviceXml = QCoreApplication::applicationDirPath() + "/Device.Xml";
        QFile::remove(qsDeviceXml);
        QVERIFY(QFile::copy(qEnvironmentVariable("VARDEX_BIN_DIR") + "/Device.Xml", qsDeviceXml));
        m_qsStartDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_runDir.path()));
        QVERIFY(QFile::copy(QStringLiteral(VARDEX_CLI_DATA "/data/Task.xml"),
                            QStringLiteral("Task.xml")));
    }

    void cleanupTestCase() { QDir::setCurrent(m_qsStartDir); }

    void resultsEqualThePages_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("model"); // empty: the window's first model
        QTest::addColumn<int>("days");
        QTest::newRow("TB, first model") << "Site A"
                                         << "" << 1;
        QTest::newRow("GB, other model") << "\u5317\u4eac\u4ed3\u5e93\U0001F69A"
                                         << "KV-R16-1" << 1;
        QTest::newRow("TB at 30 days") << "\u5317\u4eac\u4ed3\u5e93\U0001F69A"
                                       << "KV-Z32-7" << 30;
        QTest::newRow("bitrate above the model") << "Hall \"B\", east"
                                                 << "KV-R08-1" << 7;
        QTest::newRow("too many cameras") << "Too many"
                                          << "KV-R04-3" << 365;
        QTest::newRow("nothing") << "Example Task"
                                 << "" << 1;
    }
    void resultsEqualThePages()
    {
        QFETCH(QString, task);
        QFETCH(QString, model);
        QFETCH(int, days);

        MainWindow window;
        window.show();
        auto* pModels = window.findChild<QComboBox*>(QStringLiteral("combNVRType"));
        if (!model.isEmpty()) {
            pModels->setCurrentText(model);
        }
        window.findChild<QLineEdit*>(QStringLiteral("editDay"))->setText(QString::number(days));
        WarnBoxAnswer boxes;
        QVERIFY(chooseTask(window, task));
        const QString qsNvrError =
            boxes.boxes().isEmpty() ? QString() : boxes.boxes().last().qsText;

        QStringList arguments = {"-f", "json", "-t", task, "-d", QString::number(days)};
        if (!model.isEmpty()) {
            arguments << "-m" << model;
        }
        const CalcProcess calc = CalcProcess::run(arguments, m_runDir.path());
        QCOMPARE(calc.iExitStatus, 0);
        const QJsonObject result = QJsonDocument::fromJson(calc.out).array().at(0).toObject();
        const QJsonObject capacity = result["capacities"].toArray().at(0).toObject();

        QCOMPARE(result["bandwidth"].toString(), label(window, "labelBandiwth"));
        QCOMPARE(capacity["capacity"].toString(), label(window, "labelCapacityNum"));
        QCOMPARE(result["nvrModel"].toString(), pModels->currentText());
        QCOMPARE(QString::number(result["nvrCount"].toInt()), label(window, "labelNVRNumber"));
        QCOMPARE(result["nvrError"].toString(), qsNvrError);
    }

private:
    static QString label(const MainWindow& window, const char* pszName)
    {
        return window.findChild<QLabel*>(QString::fromLatin1(pszName))->text();
    }

    // A click on the task's row, as a user makes it.
    static bool chooseTask(MainWindow& window, const QString& qsTask)
    {
        auto* pView = window.findChild<QAbstractItemView*>(QStringLiteral("treeTask"));
        const QModelIndexList found = pView->model()->match(
            pView->model()->index(0, 0), Qt::DisplayRole, qsTask, 1, Qt::MatchExactly);
        if (found.isEmpty()) {
            return false;
        }
        pView->scrollTo(found.first());
        QTest::mouseClick(pView->viewport(), Qt::LeftButton, {},
                          pView->visualRect(found.first()).center());
        return true;
    }

    QTemporaryDir m_runDir;
    QString m_qsStartDir;
};

QTEST_MAIN(TestCalcMatchesWindow)
#include "tst_calcmatcheswindow.moc"
