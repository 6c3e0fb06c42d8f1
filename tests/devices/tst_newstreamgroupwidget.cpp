#include "devices/NewStreamGroupWidget.h"

#include "controls/CToolTip.h"

#include "DialogDriving.h"
#include "TaskFile.h"

#include <QLabel>
#include <QtTest>

using namespace DialogDriving;

class tst_NewStreamGroupWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensWithDefaults_data();
    void opensWithDefaults();
    void largeResolutionsCapTheFrameRate_data();
    void largeResolutionsCapTheFrameRate();
    void bitrateCheck_data();
    void bitrateCheck();
    void streamNumberField();
    void streamInfo();
};

void tst_NewStreamGroupWidget::init()
{
    QLocale::setDefault(QLocale::c());
    CToolTip::hideText();
}

void tst_NewStreamGroupWidget::opensWithDefaults_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("resolutions");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("rates");
    QTest::addColumn<QString>("bitrate");

    QTest::newRow("camera PAL") << "IPC" << 0 << "1080P(1920*1080)" << 13 << "25" << 16 << "6144";
    QTest::newRow("camera NTSC") << "IPC" << 1 << "1080P(1920*1080)" << 13 << "30" << 16 << "6144";
    QTest::newRow("recorder PAL") << "DVR" << 0 << "4CIF" << 5 << "25" << 21 << "1792";
    QTest::newRow("recorder NTSC") << "DVR" << 1 << "4CIF" << 5 << "30" << 21 << "1792";
}

void tst_NewStreamGroupWidget::opensWithDefaults()
{
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(QString, resolution);
    QFETCH(int, resolutions);
    QFETCH(QString, rate);
    QFETCH(int, rates);
    QFETCH(QString, bitrate);

    NewStreamGroupWidget dialog(type, standard);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelType"))->text(), type);
    QCOMPARE(combo(&dialog, "combResolution")->currentText(), resolution);
    QCOMPARE(combo(&dialog, "combResolution")->count(), resolutions);
    QCOMPARE(combo(&dialog, "combFrameRate")->currentText(), rate);
    QCOMPARE(combo(&dialog, "combFrameRate")->itemText(0), rate);
    QCOMPARE(combo(&dialog, "combFrameRate")->count(), rates);
    QCOMPARE(edit(&dialog, "editBitrate")->text(), bitrate);
    QCOMPARE(edit(&dialog, "editStreamNum")->text(), QStringLiteral("1"));
}

void tst_NewStreamGroupWidget::largeResolutionsCapTheFrameRate_data()
{
    QTest::addColumn<QString>("rateBefore");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("rateAfter");
    QTest::addColumn<int>("bitrate");

    QTest::newRow("22 at 2560*1920") << "22" << 0 << "8" << 3981;
    QTest::newRow("1/2 at QXGA") << "1/2" << 1 << "1/2" << 1269;
    QTest::newRow("22 at QXGA") << "22" << 1 << "20" << 6553;
    QTest::newRow("1/2 at 4CIF") << "1/2" << 8 << "25" << 1536;
}

void tst_NewStreamGroupWidget::largeResolutionsCapTheFrameRate()
{
    QFETCH(QString, rateBefore);
    QFETCH(int, resolution);
    QFETCH(QString, rateAfter);
    QFETCH(int, bitrate);

    NewStreamGroupWidget dialog(QStringLiteral("IPC"), 0);
    chooseText(combo(&dialog, "combFrameRate"), rateBefore);
    chooseData(combo(&dialog, "combResolution"), resolution);
    QCOMPARE(combo(&dialog, "combFrameRate")->currentText(), rateAfter);
    QCOMPARE(edit(&dialog, "editBitrate")->text(), QString::number(bitrate));
}

void tst_NewStreamGroupWidget::bitrateCheck_data()
{
    QTest::addColumn<QString>("bitrate");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("31") << "31" << false;
    QTest::newRow("32") << "32" << true;
    QTest::newRow("16384") << "16384" << true;
    QTest::newRow("16385") << "16385" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_NewStreamGroupWidget::bitrateCheck()
{
    QFETCH(QString, bitrate);
    QFETCH(bool, accepted);

    NewStreamGroupWidget dialog(QStringLiteral("DVR"), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    edit(&dialog, "editBitrate")->setText(bitrate);
    // The stream number is not checked beyond its validator.
    edit(&dialog, "editStreamNum")->clear();
    clickOk(&dialog);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(CToolTip::text(), accepted ? QString() : QStringLiteral("Bitrate Ranges [32~16384]"));
}

void tst_NewStreamGroupWidget::streamNumberField()
{
    NewStreamGroupWidget dialog(QStringLiteral("IPC"), 0);
    QLineEdit* pStreams = edit(&dialog, "editStreamNum");
    pStreams->clear();
    QTest::keyClicks(pStreams, QStringLiteral("12345"));
    QCOMPARE(pStreams->text(), QStringLiteral("123"));
    pStreams->clear();
    QTest::keyClicks(pStreams, QStringLiteral("4a"));
    QCOMPARE(pStreams->text(), QStringLiteral("4"));
    pStreams->clear();
    QTest::keyClicks(pStreams, QStringLiteral("0"));
    QVERIFY(pStreams->hasAcceptableInput());

    // Left empty, the count reads as 0.
    pStreams->clear();
    StreamGroupInfo info;
    dialog.GetStreamInfo(info);
    QCOMPARE(info.StreamNum, 0);
}

void tst_NewStreamGroupWidget::streamInfo()
{
    NewStreamGroupWidget dialog(QStringLiteral("IPC"), 0);
    chooseData(combo(&dialog, "combResolution"), 6);
    chooseText(combo(&dialog, "combFrameRate"), QStringLiteral("12.5"));
    edit(&dialog, "editBitrate")->setText(QStringLiteral("2000"));
    edit(&dialog, "editStreamNum")->setText(QStringLiteral("16"));
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    StreamGroupInfo info;
    dialog.GetStreamInfo(info);
    QCOMPARE(TaskFile::summary(info), QStringLiteral("1 0 16 6 12.5 2000"));
}

QTEST_MAIN(tst_NewStreamGroupWidget)
#include "tst_newstreamgroupwidget.moc"
