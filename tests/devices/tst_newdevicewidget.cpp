#include "devices/NewDeviceWidget.h"

#include "controls/CToolTip.h"

#include "DialogDriving.h"
#include "TaskFile.h"

#include <QLabel>
#include <QtTest>

using namespace DialogDriving;

class tst_NewDeviceWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensWithCameraDefaults_data();
    void opensWithCameraDefaults();
    void largeResolutionsCapTheFrameRate_data();
    void largeResolutionsCapTheFrameRate();
    void proposedBitrate_data();
    void proposedBitrate();
    void customizeShowsTheEditField();
    void recorderHasNoStreamsOfItsOwn();
    void changingChoicesReplacesTypedBitrate();
    void addChecks_data();
    void addChecks();
    void deviceInfoOfACamera();
};

void tst_NewDeviceWidget::init()
{
    QLocale::setDefault(QLocale::c());
    CToolTip::hideText();
}

void tst_NewDeviceWidget::opensWithCameraDefaults_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("fullRate");
    QTest::newRow("PAL") << 0 << "25";
    QTest::newRow("NTSC") << 1 << "30";
}

void tst_NewDeviceWidget::opensWithCameraDefaults()
{
    QFETCH(int, standard);
    QFETCH(QString, fullRate);
    NewDeviceWidget dialog(standard);

    QCOMPARE(itemTexts(combo(&dialog, "combDeviceType")), QStringList({"IPC", "DVR"}));
    QCOMPARE(combo(&dialog, "combDeviceType")->currentText(), QStringLiteral("IPC"));
    QCOMPARE(combo(&dialog, "combResolution")->count(), 13);
    QCOMPARE(combo(&dialog, "combResolution")->currentText(), QStringLiteral("1080P(1920*1080)"));
    QCOMPARE(combo(&dialog, "combResolution")->currentData().toInt(), 2);
    const QStringList qsRates = itemTexts(combo(&dialog, "combFrameRate"));
    QCOMPARE(qsRates.size(), 16);
    QCOMPARE(qsRates.first(), fullRate);
    QCOMPARE(qsRates.at(1), QStringLiteral("1/16"));
    QCOMPARE(qsRates.last(), QStringLiteral("22"));
    QCOMPARE(combo(&dialog, "combFrameRate")->currentText(), fullRate);
    QCOMPARE(edit(&dialog, "editNum")->text(), QStringLiteral("5"));
    QCOMPARE(combo(&dialog, "combMainStream")->currentText(), QStringLiteral("1024"));
    QCOMPARE(combo(&dialog, "combSubStream")->currentText(), QStringLiteral("1024"));
    QCOMPARE(combo(&dialog, "combMainStream")->count(), 12);
    QCOMPARE(combo(&dialog, "combMainStream")->itemText(11), QStringLiteral("Customize"));
    QVERIFY(edit(&dialog, "editMainStream")->isHidden());
    QVERIFY(edit(&dialog, "editSubStream")->isHidden());
    QCOMPARE(edit(&dialog, "editFrameRate")->text(), QStringLiteral("6144"));
}

// The frame rate chosen, then the resolution chosen, and what the frame-rate
// combo offers and shows after.
void tst_NewDeviceWidget::largeResolutionsCapTheFrameRate_data()
{
    QTest::addColumn<QString>("rateBefore");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("rateAfter");
    QTest::addColumn<QString>("firstItem");
    QTest::addColumn<int>("count");

    auto row = [](const char* pName, const char* pBefore, int iResolution, const char* pAfter,
                  const char* pFirst, int iCount) {
        QTest::newRow(pName) << QString::fromLatin1(pBefore) << iResolution
                             << QString::fromLatin1(pAfter) << QString::fromLatin1(pFirst)
                             << iCount;
    };
    row("25 at 2560*1920", "25", 0, "8", "8", 9);
    row("1/4 at 2560*1920", "1/4", 0, "1/4", "8", 9);
    row("8 at 2560*1920", "8", 0, "8", "8", 9);
    row("22 at QXGA", "22", 1, "20", "20", 14);
    row("12.5 at QXGA", "12.5", 1, "12.5", "20", 14);
    row("1/2 at QXGA", "1/2", 1, "1/2", "20", 14);
    row("1/16 at 720P", "1/16", 6, "25", "25", 16);
    row("10 at WD1", "10", 12, "25", "25", 16);
}

void tst_NewDeviceWidget::largeResolutionsCapTheFrameRate()
{
    QFETCH(QString, rateBefore);
    QFETCH(int, resolution);
    QFETCH(QString, rateAfter);
    QFETCH(QString, firstItem);
    QFETCH(int, count);

    NewDeviceWidget dialog(0);
    chooseText(combo(&dialog, "combFrameRate"), rateBefore);
    chooseData(combo(&dialog, "combResolution"), resolution);
    QComboBox* pRates = combo(&dialog, "combFrameRate");
    QCOMPARE(pRates->currentText(), rateAfter);
    QCOMPARE(pRates->itemText(0), firstItem);
    QCOMPARE(pRates->count(), count);
}

// The dialog hands type, standard, resolution and rate to the calculator,
// whose own table covers the formula.
void tst_NewDeviceWidget::proposedBitrate_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("bitrate");

    auto row = [](const char* pName, const char* pType, int iStandard, int iResolution,
                  const char* pRate, const char* pBitrate) {
        QTest::newRow(pName) << QString::fromLatin1(pType) << iStandard << iResolution
                             << QString::fromLatin1(pRate) << QString::fromLatin1(pBitrate);
    };
    row("IPC 1080P 25", "IPC", 0, 2, "25", "6144");
    row("IPC 1080P 12.5", "IPC", 0, 2, "12.5", "3072");
    row("IPC 1080P 1/16", "IPC", 0, 2, "1/16", "952");
    row("IPC 1080P NTSC 20", "IPC", 1, 2, "20", "4096");
    row("IPC 2560*1920 8", "IPC", 0, 0, "8", "3981");
    row("DVR 4CIF 25", "DVR", 0, 8, "25", "1792");
    row("DVR WD1 6", "DVR", 0, 12, "6", "878");
}

void tst_NewDeviceWidget::proposedBitrate()
{
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(int, resolution);
    QFETCH(QString, rate);
    QFETCH(QString, bitrate);

    NewDeviceWidget dialog(standard);
    chooseText(combo(&dialog, "combDeviceType"), type);
    chooseData(combo(&dialog, "combResolution"), resolution);
    chooseText(combo(&dialog, "combFrameRate"), rate);
    QCOMPARE(edit(&dialog, "editFrameRate")->text(), bitrate);
}

void tst_NewDeviceWidget::customizeShowsTheEditField()
{
    NewDeviceWidget dialog(0);
    chooseText(combo(&dialog, "combMainStream"), QStringLiteral("Customize"));
    QVERIFY(!edit(&dialog, "editMainStream")->isHidden());
    QVERIFY(edit(&dialog, "editSubStream")->isHidden());
    chooseText(combo(&dialog, "combSubStream"), QStringLiteral("Customize"));
    QVERIFY(!edit(&dialog, "editSubStream")->isHidden());
    chooseText(combo(&dialog, "combMainStream"), QStringLiteral("512"));
    QVERIFY(edit(&dialog, "editMainStream")->isHidden());
}

void tst_NewDeviceWidget::recorderHasNoStreamsOfItsOwn()
{
    NewDeviceWidget dialog(0);
    chooseText(combo(&dialog, "combMainStream"), QStringLiteral("Customize"));
    chooseText(combo(&dialog, "combDeviceType"), QStringLiteral("DVR"));

    QVERIFY(combo(&dialog, "combMainStream")->isHidden());
    QVERIFY(combo(&dialog, "combSubStream")->isHidden());
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("label_8"))->isHidden());
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("label_7"))->isHidden());
    QVERIFY(edit(&dialog, "editMainStream")->isHidden());
    QCOMPARE(itemTexts(combo(&dialog, "combResolution")),
             QStringList({"4CIF", "2CIF", "CIF", "QCIF", "WD1"}));
    QCOMPARE(combo(&dialog, "combResolution")->currentText(), QStringLiteral("4CIF"));
    QCOMPARE(combo(&dialog, "combFrameRate")->count(), 21);
    QCOMPARE(combo(&dialog, "combFrameRate")->currentText(), QStringLiteral("25"));
    QCOMPARE(edit(&dialog, "editFrameRate")->text(), QStringLiteral("1792"));

    // A 31 in the hidden custom field does not hold the recorder back.
    edit(&dialog, "editMainStream")->setText(QStringLiteral("31"));
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    DeviceGroupInfo info;
    dialog.GetDeviceInfo(info);
    QCOMPARE(TaskFile::summary(info), QStringLiteral("1 5 -1 -1 | 1 0 1 8 25 1792"));
    QCOMPARE(info.DeviceId, QString());

    chooseText(combo(&dialog, "combDeviceType"), QStringLiteral("IPC"));
    QVERIFY(!combo(&dialog, "combMainStream")->isHidden());
    QVERIFY(!edit(&dialog, "editMainStream")->isHidden());
    QCOMPARE(combo(&dialog, "combResolution")->currentText(), QStringLiteral("1080P(1920*1080)"));
}

void tst_NewDeviceWidget::changingChoicesReplacesTypedBitrate()
{
    NewDeviceWidget dialog(0);
    QLineEdit* pBitrate = edit(&dialog, "editFrameRate");
    pBitrate->setText(QStringLiteral("999"));
    chooseData(combo(&dialog, "combResolution"), 6);
    QCOMPARE(combo(&dialog, "combFrameRate")->currentText(), QStringLiteral("25"));
    QCOMPARE(pBitrate->text(), QStringLiteral("3072"));
    pBitrate->setText(QStringLiteral("999"));
    chooseText(combo(&dialog, "combFrameRate"), QStringLiteral("12.5"));
    QCOMPARE(pBitrate->text(), QStringLiteral("1536"));
}

// Custom main and sub stream (empty: the fixed 1024; "-": customized but left
// empty), count, bitrate, and the fault shown (empty: accepted).
void tst_NewDeviceWidget::addChecks_data()
{
    QTest::addColumn<QString>("mainStream");
    QTest::addColumn<QString>("subStream");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("bitrate");
    QTest::addColumn<QString>("fault");

    const char* pStream = "The Bit rate is not valid(range 0 or 32k-16384k)";
    const char* pCount = "Device Number Range [1~999]";
    const char* pBitrate = "Bitrate Ranges [32~16384]";
    auto row = [](const char* pName, const char* pMain, const char* pSub, const char* pNum,
                  const char* pRate, const char* pFault) {
        QTest::newRow(pName) << QString::fromLatin1(pMain) << QString::fromLatin1(pSub)
                             << QString::fromLatin1(pNum) << QString::fromLatin1(pRate)
                             << QString::fromLatin1(pFault);
    };
    row("defaults", "", "", "5", "6144", "");
    row("main 0", "0", "", "5", "6144", "");
    row("main empty counts as 0", "-", "", "5", "6144", "");
    row("main 31", "31", "", "5", "6144", pStream);
    row("main 16385", "16385", "", "5", "6144", pStream);
    row("sub 31", "", "31", "5", "6144", pStream);
    row("sub 16384", "", "16384", "5", "6144", "");
    row("main before count", "31", "", "0", "6144", pStream);
    row("count 0", "", "", "0", "6144", pCount);
    row("count 1000", "", "", "1000", "6144", pCount);
    row("count empty", "", "", "", "6144", pCount);
    row("count 999", "", "", "999", "32", "");
    row("count before bitrate", "", "", "0", "31", pCount);
    row("bitrate 31", "", "", "1", "31", pBitrate);
    row("bitrate 16385", "", "", "1", "16385", pBitrate);
    row("bitrate 16384", "", "", "1", "16384", "");
}

void tst_NewDeviceWidget::addChecks()
{
    QFETCH(QString, mainStream);
    QFETCH(QString, subStream);
    QFETCH(QString, count);
    QFETCH(QString, bitrate);
    QFETCH(QString, fault);

    NewDeviceWidget dialog(0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!mainStream.isEmpty()) {
        chooseText(combo(&dialog, "combMainStream"), QStringLiteral("Customize"));
        edit(&dialog, "editMainStream")
            ->setText(mainStream == QLatin1String("-") ? QString() : mainStream);
    }
    if (!subStream.isEmpty()) {
        chooseText(combo(&dialog, "combSubStream"), QStringLiteral("Customize"));
        edit(&dialog, "editSubStream")->setText(subStream);
    }
    edit(&dialog, "editNum")->setText(count);
    edit(&dialog, "editFrameRate")->setText(bitrate);
    clickOk(&dialog);

    if (fault.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    } else {
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(CToolTip::text(), fault);
    }
}

void tst_NewDeviceWidget::deviceInfoOfACamera()
{
    NewDeviceWidget dialog(1);
    edit(&dialog, "editNum")->setText(QStringLiteral("12"));
    chooseText(combo(&dialog, "combMainStream"), QStringLiteral("Customize"));
    edit(&dialog, "editMainStream")->setText(QStringLiteral("3000"));
    chooseText(combo(&dialog, "combSubStream"), QStringLiteral("256"));
    chooseData(combo(&dialog, "combResolution"), 1);
    chooseText(combo(&dialog, "combFrameRate"), QStringLiteral("1/8"));
    edit(&dialog, "editFrameRate")->setText(QStringLiteral("700"));
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    DeviceGroupInfo info;
    dialog.GetDeviceInfo(info);
    QCOMPARE(TaskFile::summary(info), QStringLiteral("0 12 3000 256 | 1 0 1 1 1/8 700"));
}

QTEST_MAIN(tst_NewDeviceWidget)
#include "tst_newdevicewidget.moc"
