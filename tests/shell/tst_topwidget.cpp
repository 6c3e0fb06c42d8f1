#include "shell/TopWidget.h"

#include "MessageBoxes.h"
#include "ModalAnswer.h"
#include "WarnDlgContent.h"
#include "XlsReadBack.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Stands in for the four pages that answer the report request, in the order
// the main window connects them.
class ReportSource : public QObject
{
    Q_OBJECT
public:
    std::vector<PrintDevInfo> devices;
    QString qsBandwidth;
    QString qsNvrType;
    QString qsNvrCount;
    QString qsDays;
    int answers = 0;

    void answer()
    {
        ++answers;
        emit signalDevices(devices);
        emit signalNvr(qsNvrType, qsNvrCount);
        emit signalBandwidth(qsBandwidth);
        emit signalCapacity(QStringLiteral("1"), QStringLiteral("4"), qsDays,
                            QStringLiteral("2TB"));
    }

signals:
    void signalDevices(std::vector<PrintDevInfo>& vsDevInfo);
    void signalNvr(QString qsType, QString qsNum);
    void signalBandwidth(QString qsBandwidth);
    void signalCapacity(QString qsMonth, QString qsWeek, QString qsDay, QString qsCap);
};

void wire(TopWidget& top, ReportSource& source)
{
    QObject::connect(&top, &TopWidget::signalPrintInfo, &source, &ReportSource::answer);
    QObject::connect(&source, &ReportSource::signalDevices, &top,
                     qOverload<std::vector<PrintDevInfo>&>(&TopWidget::slotPrintInfo));
    QObject::connect(&source, &ReportSource::signalNvr, &top,
                     qOverload<const QString&, const QString&>(&TopWidget::slotPrintInfo));
    QObject::connect(&source, &ReportSource::signalBandwidth, &top,
                     qOverload<const QString&>(&TopWidget::slotPrintInfo));
    QObject::connect(&source, &ReportSource::signalCapacity, &top,
                     qOverload<const QString&, const QString&, const QString&, const QString&>(
                         &TopWidget::slotPrintInfo));
}

PrintDevInfo device(const QString& qsType, const QString& qsCount)
{
    return {qsType,
            qsCount,
            QStringLiteral("1"),
            QStringLiteral("720P"),
            QStringLiteral("15"),
            QStringLiteral("2048"),
            QStringLiteral("2048"),
            QStringLiteral("256")};
}

QStringList cells(const PrintDevInfo& d)
{
    return {d.DeviceType, d.DeviceCount, d.StreamCount, d.Resolution,
            d.FrameRate,  d.Bitrate,     d.MainStream,  d.SubStream};
}

QStringList row(const QString& a, const QString& b, const QString& c = QString(),
                const QString& d = QString())
{
    return {a, b, c, d, QString(), QString(), QString(), QString()};
}

QPushButton* button(const TopWidget& top, const char* pName)
{
    return top.findChild<QPushButton*>(QLatin1String(pName));
}

QString fullSelectedStyle(const QString& qsImage)
{
    return QStringLiteral("QPushButton{border-image:url(:/images/Tab/%1); color: rgb(255, 255, "
                          "255); border-width:0px;}")
               .arg(qsImage) +
           QString(38, QLatin1Char(' ')) +
           QStringLiteral("QPushButton:hover,QPushButton:pressed,QPushButton:focus{border-image:"
                          "border-image:url(:/images/Tab/%1); color: rgb(255, 255, 255); "
                          "border-width:0px;}")
               .arg(qsImage);
}
} // namespace

class tst_TopWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }

    void tabStyles()
    {
        TopWidget top;
        QPushButton* pCalculate = button(top, "pBtnUpgrade");
        QPushButton* pHelp = button(top, "pBtnAbout");
        const QFrame* pFrame = top.findChild<QFrame*>(QStringLiteral("pTabFrame"));
        const QString qsInitial = QStringLiteral("QPushButton{border-image:url(:/images/Tab/"
                                                 "TabSelect.png); color: rgb(255, 255, 255); "
                                                 "border-width:0px;}");
        QCOMPARE(pCalculate->styleSheet(), qsInitial);

        top.changeTabStyle(true);
        QCOMPARE(pCalculate->styleSheet(), qsInitial);

        top.changeTabStyle(false);
        QCOMPARE(pCalculate->styleSheet(),
                 fullSelectedStyle(QStringLiteral("SubTabSelect.png"))
                     .replace(QStringLiteral("color: rgb(255, 255, 255); border-width:0px;}   "),
                              QStringLiteral("color: rgb(255, 0, 0); border-width:0px;}   ")));
        QCOMPARE(pHelp->styleSheet(),
                 QStringLiteral("QPushButton{border-image:url(:/images/Tab/SubTabUnselect.png); "
                                "color: rgb(0, 0, 0); border-width:0px;}"));
        QCOMPARE(pFrame->styleSheet(),
                 QStringLiteral(
                     "QFrame{background-image:url(:/images/Tab/Subtab_bg.png); border:none;}"));
        for (QPushButton* pButton : {pCalculate, pHelp}) {
            QCOMPARE(pButton->minimumHeight(), 23);
            QCOMPARE(pButton->maximumHeight(), 23);
            QVERIFY(pButton->icon().isNull());
            QCOMPARE(pButton->iconSize(), QSize(16, 16));
        }
        QCOMPARE(pFrame->minimumHeight(), 23);

        top.changeTabStyle(true);
        QCOMPARE(pCalculate->styleSheet(), fullSelectedStyle(QStringLiteral("TabSelect.png")));
        QCOMPARE(pHelp->styleSheet(),
                 QStringLiteral("QPushButton{border-image:url(:/images/Tab/TabUnselect.png); "
                                "color: rgb(255, 255, 255); border-width:0px;}"));
        QCOMPARE(
            pFrame->styleSheet(),
            QStringLiteral("QFrame{background-image:url(:/images/Tab/tab_bg.png); border:none;}"));
        for (QPushButton* pButton : {pCalculate, pHelp}) {
            QCOMPARE(pButton->minimumHeight(), 40);
            QCOMPARE(pButton->maximumHeight(), 40);
            QVERIFY(!pButton->icon().isNull());
            QCOMPARE(pButton->iconSize(), QSize(32, 32));
        }
        QCOMPARE(pFrame->minimumHeight(), 40);
    }

    void printWithoutTask_passesNoRows()
    {
        TopWidget top;
        QString qsName;
        ModalAnswer dialog([&](QWidget* pDialog) {
            qsName = pDialog->findChild<QLineEdit*>(QStringLiteral("edtName"))->text();
            pDialog->findChild<QPushButton*>(QStringLiteral("pCancelBtn"))->click();
        });
        button(top, "btnPrint")->click();
        QVERIFY(dialog.answered());
        QCOMPARE(qsName, QStringLiteral(".xls"));
    }

    void secondSave_collectsFreshValues()
    {
        TopWidget top;
        ReportSource source;
        wire(top, source);

        top.slotCurrentTask(QStringLiteral("North gate"));
        source.devices = {device(QStringLiteral("IPC"), QStringLiteral("4")),
                          device(QStringLiteral("DVR"), QStringLiteral("2"))};
        source.qsNvrType = QStringLiteral("NVR-16");
        source.qsNvrCount = QStringLiteral("1");
        source.qsBandwidth = QStringLiteral("12Mbps");
        source.qsDays = QStringLiteral("30");
        QVector<QStringList> rows = save(top, QStringLiteral("North gate"));
        QCOMPARE(source.answers, 1);
        QCOMPARE(rows.size(), 1 + 2 + 5 + 4);
        QCOMPARE(rows.at(1), cells(source.devices.at(0)));
        QCOMPARE(rows.at(2), cells(source.devices.at(1)));
        QCOMPARE(rows.at(8), row(QStringLiteral("Task Name:"), QStringLiteral("North gate")));

        top.slotCurrentTask(QStringLiteral("南门"));
        source.devices = {device(QStringLiteral("IPC"), QStringLiteral("9"))};
        source.qsNvrType = QStringLiteral("NVR-64");
        source.qsNvrCount = QStringLiteral("2");
        source.qsBandwidth = QStringLiteral("1.5Gbps");
        source.qsDays = QStringLiteral("7");
        rows = save(top, QStringLiteral("南门"));
        QCOMPARE(source.answers, 2);
        QVector<QStringList> expected{
            {QStringLiteral("Device Type"), QStringLiteral("Device Count"),
             QStringLiteral("Stream Count"), QStringLiteral("Resolution"),
             QStringLiteral("Frame Rate"), QStringLiteral("Bitrate(Kbps)"),
             QStringLiteral("Main Stream"), QStringLiteral("Sub Stream")},
            cells(source.devices.at(0))};
        for (int i = 0; i < 5; ++i) {
            expected.append(row(QString(), QString()));
        }
        expected.append(row(QStringLiteral("Task Name:"), QStringLiteral("南门")));
        expected.append(row(QStringLiteral("NVR Type:"), QStringLiteral("NVR-64"),
                            QStringLiteral("NVR Count:"), QStringLiteral("2")));
        expected.append(row(QStringLiteral("Record Time:"), QStringLiteral("7day"),
                            QStringLiteral("HDD Capacity:"), QStringLiteral("2TB")));
        expected.append(row(QStringLiteral("Bandwidth:"), QStringLiteral("1.5Gbps")));
        QCOMPARE(rows, expected);
    }

    void helpMenu_about()
    {
        TopWidget top;
        QStringList actions;
        QKeySequence manualShortcut;
        QString qsAboutTitle;
        std::unique_ptr<ModalAnswer> pAbout;
        QTimer::singleShot(50, [&] {
            auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(pMenu);
            for (QAction* pAction : pMenu->actions()) {
                actions.append(pAction->text());
            }
            manualShortcut = pMenu->actions().value(0)->shortcut();
            pAbout = std::make_unique<ModalAnswer>([&](QWidget* pBox) {
                qsAboutTitle = pBox->findChild<QLabel*>(QStringLiteral("pLabelTitle"))->text();
                pBox->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            });
            pMenu->actions().value(1)->trigger();
            pMenu->close();
        });
        button(top, "pBtnAbout")->click();
        QCOMPARE(actions, QStringList({QStringLiteral("User Manual"), QStringLiteral("About")}));
        QCOMPARE(manualShortcut, QKeySequence(Qt::Key_F1));
        QVERIFY(pAbout && pAbout->answered());
        QCOMPARE(qsAboutTitle, QStringLiteral("About"));
    }

    void helpMenu_manualMissing()
    {
        TopWidget top;
        WarnDlgContent shown;
        ModalAnswer box([&](QWidget* pBox) {
            shown = WarnDlgContent::of(pBox);
            WarnDlgContent::click(pBox, "m_pCloseBtn");
        });
        top.onGetHelp();
        QVERIFY(box.answered());
        QCOMPARE(shown.qsTitle, QStringLiteral("Info"));
        QCOMPARE(shown.qsText, QStringLiteral("Can not find Manual."));
    }

private:
    // Runs onPrint, saves into the test folder and reads the workbook back.
    QVector<QStringList> save(TopWidget& top, const QString& qsTask);

    QTemporaryDir m_dir;
};

QVector<QStringList> tst_TopWidget::save(TopWidget& top, const QString& qsTask)
{
    const QString qsFolder = m_dir.path() + QLatin1Char('/');
    std::unique_ptr<MessageBoxes> pSaved;
    ModalAnswer dialog([&](QWidget* pDialog) {
        auto* pFolder = pDialog->findChild<QComboBox*>(QStringLiteral("comboBox"));
        pFolder->clear();
        pFolder->addItem(qsFolder);
        pSaved = std::make_unique<MessageBoxes>(QVector<bool>{true});
        pDialog->findChild<QPushButton*>(QStringLiteral("pOkBtn"))->click();
    });
    top.onPrint();
    if (!dialog.answered() || pSaved->texts() != QStringList{QStringLiteral("Hint: Saved.")}) {
        return {};
    }
    const XlsReadBack book = XlsReadBack::read(qsFolder + qsTask + QStringLiteral(".xls"));
    return book.qsError.isEmpty() ? book.rows : QVector<QStringList>();
}

QTEST_MAIN(tst_TopWidget)
#include "tst_topwidget.moc"
