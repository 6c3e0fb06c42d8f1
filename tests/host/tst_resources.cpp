#include <QFile>
#include <QImage>
#include <QMovie>
#include <QtTest>

// The resource tree the host registers: every image path the calculator
// names resolves in both spellings it uses, ":/images/..." and ":images/...",
// and each is a readable picture of the geometry its style sheet assumes.
class tst_Resources : public QObject
{
    Q_OBJECT
private slots:
    void imageResolves_data();
    void imageResolves();
    void framesLeaveAMiddleForTheirSlices_data();
    void framesLeaveAMiddleForTheirSlices();
    void titleButtonsAreTwentyPixelsSquare_data();
    void titleButtonsAreTwentyPixelsSquare();
    void zoneIconsStandOutOnALightRow_data();
    void zoneIconsStandOutOnALightRow();
    void loadingAnimationHasSeveralFrames();
    void styleSheetResolves();
};

namespace {
// The image paths named by the calculator's code and style sheets, below
// the resource root, plus the bandwidth page's network picture.
const char* const kImagePaths[] = {
    "images/About.png",
    "images/ButtonIcon/Add_White.png",
    "images/ButtonIcon/Delete_White.png",
    "images/ButtonIcon/EditWhite.png",
    "images/ButtonIcon/excel.png",
    "images/ButtonIcon/infor_24.png",
    "images/ControlPanel/ListView-hover.png",
    "images/Dialog/dialog_bg.png",
    "images/Dialog/dialog_bg2.png",
    "images/DiskCalculate/calculate32.png",
    "images/DiskCalculate/network.png",
    "images/Help.png",
    "images/Loading.gif",
    "images/Loading_bg_Chinese.png",
    "images/Loading_bg_Chinese_Vox.png",
    "images/Loading_bg_English.png",
    "images/Loading_bg_English_Vox.png",
    "images/Tab/Information.png",
    "images/Tab/SubTabSelect.png",
    "images/Tab/SubTabUnselect.png",
    "images/Tab/Subtab_bg.png",
    "images/Tab/TabClose.png",
    "images/Tab/TabCloseHover.png",
    "images/Tab/TabSelect.png",
    "images/Tab/TabUnselect.png",
    "images/Tab/tab_bg.png",
    "images/Tab/test.png",
    "images/Tab/test2.png",
    "images/VEX-Calculate.png",
    "images/computing-result.png",
    "images/public/ProgressBar/ProgressBar.png",
    "images/public/ProgressBar/ProgressBarChunk.png",
    "images/public/ProgressBar/ProgressBarLeft.png",
    "images/public/ProgressBar/ProgressBarLeftChunk.png",
    "images/public/ProgressBar/ProgressBarRight.png",
    "images/public/ProgressBar/ProgressBarRightChunk.png",
    "images/public/Slider/LeftSlider.png",
    "images/public/Slider/RadiobtnOff.png",
    "images/public/Slider/RightSlider.png",
    "images/title/back.png",
    "images/title/back_hover.png",
    "images/title/calculate32.png",
    "images/title/close.png",
    "images/title/close_hover.png",
    "images/title/full-screen.png",
    "images/title/full-screen_hover.png",
    "images/title/mini.png",
    "images/title/mini_hover.png",
    "images/title/title_bg.png",
};

QString withSlash(const char* relPath)
{
    return QStringLiteral(":/") + QLatin1String(relPath);
}

QString withoutSlash(const char* relPath)
{
    return QStringLiteral(":") + QLatin1String(relPath);
}

// Mean distance of the opaque pixels' colours from white, 0 to 255.
double meanDistanceFromWhite(const QImage& image)
{
    double dSum = 0;
    int iCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                continue;
            }
            dSum += (3 * 255 - qRed(pixel) - qGreen(pixel) - qBlue(pixel)) / 3.0;
            ++iCount;
        }
    }
    return iCount == 0 ? 0 : dSum / iCount;
}
} // namespace

void tst_Resources::imageResolves_data()
{
    QTest::addColumn<QString>("path");
    for (const char* relPath : kImagePaths) {
        QTest::newRow(qPrintable(withSlash(relPath))) << withSlash(relPath);
        QTest::newRow(qPrintable(withoutSlash(relPath))) << withoutSlash(relPath);
    }
}

void tst_Resources::imageResolves()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
}

void tst_Resources::framesLeaveAMiddleForTheirSlices_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("dialog_bg") << QStringLiteral(":/images/Dialog/dialog_bg.png");
    QTest::newRow("dialog_bg2") << QStringLiteral(":/images/Dialog/dialog_bg2.png");
}

void tst_Resources::framesLeaveAMiddleForTheirSlices()
{
    QFETCH(QString, path);
    const QImage image(path);
    // Sliced 58 on every side, both frames need rows and columns between.
    QVERIFY(image.width() > 2 * 58);
    QVERIFY(image.height() > 2 * 58);
    // The title band is dark enough for white text, the body light.
    QVERIFY(qGray(image.pixel(image.width() / 2, 17)) < 140);
    QVERIFY(qGray(image.pixel(image.width() / 2, 70)) > 200);
}

void tst_Resources::titleButtonsAreTwentyPixelsSquare_data()
{
    QTest::addColumn<QString>("path");
    for (const char* name : {"mini", "full-screen", "back", "close"}) {
        const QString base = QStringLiteral(":/images/title/") + QLatin1String(name);
        QTest::newRow(name) << base + QStringLiteral(".png");
        QTest::newRow(qPrintable(QLatin1String(name) + QStringLiteral("_hover")))
            << base + QStringLiteral("_hover.png");
    }
}

void tst_Resources::titleButtonsAreTwentyPixelsSquare()
{
    QFETCH(QString, path);
    QCOMPARE(QImage(path).size(), QSize(20, 20));
}

void tst_Resources::zoneIconsStandOutOnALightRow_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("edit") << QStringLiteral(":images/ButtonIcon/EditWhite.png");
    QTest::newRow("delete") << QStringLiteral(":images/ButtonIcon/Delete_White.png");
    QTest::newRow("add") << QStringLiteral(":images/ButtonIcon/Add_White.png");
}

void tst_Resources::zoneIconsStandOutOnALightRow()
{
    QFETCH(QString, path);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(image.width() <= 24 && image.height() <= 24);
    QVERIFY2(meanDistanceFromWhite(image) > 60, qPrintable(path));
}

void tst_Resources::loadingAnimationHasSeveralFrames()
{
    QMovie movie(QStringLiteral(":/images/Loading.gif"));
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 1);
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    QVERIFY(movie.jumpToNextFrame());
    QVERIFY(!first.isNull());
    QVERIFY(movie.currentImage() != first);
}

void tst_Resources::styleSheetResolves()
{
    QFile styleSheet(QStringLiteral(":/KesaClient/Qss/Qss/VEX_CAL.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    QVERIFY(!styleSheet.readAll().isEmpty());
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
