// Draws every image of the resource tree into the folder given on the command
// line (resources/images). Run through the build target vardex_images; the
// output is committed, so normal builds never run this program.
#include "GifWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {
// The palette of the whole look: blue title bands, white text, light bodies.
const QColor kBlue(0x2B, 0x6C, 0xB0);
const QColor kBlueLight(0x3C, 0x80, 0xC6);
const QColor kBlueDark(0x1F, 0x4E, 0x80);
const QColor kNavy(0x10, 0x2A, 0x43);
const QColor kBody(0xF4, 0xF6, 0xF9);
const QColor kBottomBar(0xE6, 0xEB, 0xF1);
const QColor kLine(0xCB, 0xD5, 0xE0);
const QColor kGreen(0x2F, 0x85, 0x5A);
const QColor kRed(0xD9, 0x3A, 0x3A);
const QColor kOrange(0xDD, 0x6B, 0x20);
const QColor kSlate(0x4A, 0x55, 0x68);

const int kTitleBand = 34;

QString g_outDir;
bool g_bOk = true;

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void save(const QImage& image, const QString& relPath)
{
    const QString path = g_outDir + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_bOk = false;
    }
}

void beginPainter(QPainter& p, QImage& image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// ---- frames -------------------------------------------------------------

// A window frame: a rounded outline, a blue title band and a light body.
// With a bottom bar the lowest rows get a slightly darker band under a rule.
QImage frameImage(int iSize, int iBottomBar)
{
    QImage image = canvas(iSize, iSize);
    QPainter p;
    beginPainter(p, image);
    const QRectF outer(0.5, 0.5, iSize - 1, iSize - 1);
    QPainterPath shape;
    shape.addRoundedRect(outer, 4, 4);
    p.setClipPath(shape);
    p.fillRect(image.rect(), kBody);
    p.fillRect(QRect(0, 0, iSize, kTitleBand), verticalGradient(0, kTitleBand, kBlueLight, kBlue));
    p.fillRect(QRect(0, kTitleBand - 1, iSize, 1), kBlueDark);
    if (iBottomBar > 0) {
        p.fillRect(QRect(0, iSize - iBottomBar, iSize, iBottomBar), kBottomBar);
        p.fillRect(QRect(0, iSize - iBottomBar, iSize, 1), kLine);
    }
    p.setClipping(false);
    p.setPen(QPen(kBlueDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    return image;
}

void drawFrames()
{
    save(frameImage(160, 0), QStringLiteral("Dialog/dialog_bg2.png"));
    save(frameImage(160, 50), QStringLiteral("Dialog/dialog_bg.png"));

    QImage title = canvas(64, kTitleBand);
    QPainter p;
    beginPainter(p, title);
    p.fillRect(title.rect(), verticalGradient(0, kTitleBand, kBlueLight, kBlue));
    p.end();
    save(title, QStringLiteral("title/title_bg.png"));
}

// ---- title buttons --------------------------------------------------------

enum class Glyph
{
    Minimise,
    Maximise,
    Restore,
    Close
};

void drawGlyph(QPainter& p, Glyph glyph)
{
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Minimise:
        p.drawLine(QPointF(5.5, 13.5), QPointF(14.5, 13.5));
        break;
    case Glyph::Maximise:
        p.drawRect(QRectF(5.5, 5.5, 9, 9));
        break;
    case Glyph::Restore:
        p.drawRect(QRectF(5.5, 7.5, 7, 7));
        p.drawPolyline(QPolygonF({QPointF(7.5, 7.5), QPointF(7.5, 5.5), QPointF(14.5, 5.5),
                                  QPointF(14.5, 12.5), QPointF(12.5, 12.5)}));
        break;
    case Glyph::Close:
        p.drawLine(QPointF(6, 6), QPointF(14, 14));
        p.drawLine(QPointF(14, 6), QPointF(6, 14));
        break;
    }
}

QImage titleButton(Glyph glyph, const QColor& hoverBackground)
{
    QImage image = canvas(20, 20);
    QPainter p;
    beginPainter(p, image);
    if (hoverBackground.isValid()) {
        p.setPen(Qt::NoPen);
        p.setBrush(hoverBackground);
        p.drawRoundedRect(QRectF(0, 0, 20, 20), 3, 3);
    }
    drawGlyph(p, glyph);
    return image;
}

void drawTitleButtons()
{
    const QColor hover(255, 255, 255, 70);
    const struct
    {
        Glyph glyph;
        const char* name;
        QColor hover;
    } buttons[] = {{Glyph::Minimise, "mini", hover},
                   {Glyph::Maximise, "full-screen", hover},
                   {Glyph::Restore, "back", hover},
                   {Glyph::Close, "close", QColor(0xE5, 0x3E, 0x3E)}};
    for (const auto& button : buttons) {
        const QString name = QLatin1String(button.name);
        save(titleButton(button.glyph, QColor()), QStringLiteral("title/%1.png").arg(name));
        save(titleButton(button.glyph, button.hover),
             QStringLiteral("title/%1_hover.png").arg(name));
    }
}

// ---- icons ----------------------------------------------------------------

// A pocket calculator filling the rectangle: screen, eight keys and an
// orange equals key.
void drawCalculator(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16.0;
    p.setPen(QPen(kNavy, qMax<qreal>(1.0, u * 0.8)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(u * 2, u * 0.5, -u * 2, -u * 0.5), u * 1.6, u * 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(r.left() + u * 4, r.top() + u * 2.5, u * 8, u * 3), u * 0.6, u * 0.6);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool bEquals = row == 2 && col == 2;
            p.setBrush(bEquals ? kOrange : kSlate);
            p.drawRoundedRect(QRectF(r.left() + u * (4 + col * 2.9), r.top() + u * (7 + row * 2.6),
                                     u * 2.2, u * 1.9),
                              u * 0.4, u * 0.4);
        }
    }
}

QImage calculatorIcon(int iSize, bool bOnBadge)
{
    QImage image = canvas(iSize, iSize);
    QPainter p;
    beginPainter(p, image);
    QRectF r(0, 0, iSize, iSize);
    if (bOnBadge) {
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(0, iSize, kBlueLight, kBlueDark));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), iSize / 6.0, iSize / 6.0);
        r = r.adjusted(iSize * 0.14, iSize * 0.14, -iSize * 0.14, -iSize * 0.14);
    }
    drawCalculator(p, r);
    return image;
}

// A round badge with one bold character in it.
QImage letterBadge(int iSize, const QColor& background, const QColor& foreground,
                   const QString& letter)
{
    QImage image = canvas(iSize, iSize);
    QPainter p;
    beginPainter(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawEllipse(QRectF(1, 1, iSize - 2, iSize - 2));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(iSize * 0.62));
    p.setFont(font);
    p.setPen(foreground);
    p.drawText(QRectF(0, 0, iSize, iSize), Qt::AlignCenter, letter);
    return image;
}

// The click-zone icons of the item views and the flat buttons: a white
// pictogram on a coloured rounded square, visible on light and dark rows.
QImage zoneIcon(const QColor& background, const std::function<void(QPainter&)>& pictogram)
{
    QImage image = canvas(16, 16);
    QPainter p;
    beginPainter(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    pictogram(p);
    return image;
}

QImage excelIcon()
{
    QImage image = canvas(16, 16);
    QPainter p;
    beginPainter(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4, 10, 9));
    p.setPen(QPen(kGreen, 1));
    p.drawLine(QPointF(3, 7.5), QPointF(13, 7.5));
    p.drawLine(QPointF(3, 10.5), QPointF(13, 10.5));
    p.drawLine(QPointF(7.5, 4), QPointF(7.5, 13));
    return image;
}

void drawIcons()
{
    save(calculatorIcon(32, false), QStringLiteral("title/calculate32.png"));
    save(calculatorIcon(32, false), QStringLiteral("DiskCalculate/calculate32.png"));
    save(calculatorIcon(64, true), QStringLiteral("VEX-Calculate.png"));

    save(letterBadge(32, Qt::white, kBlue, QStringLiteral("i")),
         QStringLiteral("Tab/Information.png"));
    save(letterBadge(24, kBlue, Qt::white, QStringLiteral("i")),
         QStringLiteral("ButtonIcon/infor_24.png"));
    save(letterBadge(32, kBlue, Qt::white, QStringLiteral("?")), QStringLiteral("Help.png"));
    save(letterBadge(32, kSlate, Qt::white, QStringLiteral("i")), QStringLiteral("About.png"));

    save(excelIcon(), QStringLiteral("ButtonIcon/excel.png"));
    save(zoneIcon(QColor(0x38, 0xA1, 0x69),
                  [](QPainter& p) {
                      p.drawLine(QPointF(8, 4), QPointF(8, 12));
                      p.drawLine(QPointF(4, 8), QPointF(12, 8));
                  }),
         QStringLiteral("ButtonIcon/Add_White.png"));
    save(zoneIcon(kRed,
                  [](QPainter& p) {
                      p.drawLine(QPointF(5, 5), QPointF(11, 11));
                      p.drawLine(QPointF(11, 5), QPointF(5, 11));
                  }),
         QStringLiteral("ButtonIcon/Delete_White.png"));
    save(zoneIcon(QColor(0x31, 0x82, 0xCE),
                  [](QPainter& p) {
                      p.drawLine(QPointF(5, 11), QPointF(11, 5));
                      p.setPen(QPen(Qt::white, 1.2));
                      p.drawLine(QPointF(3.8, 12.2), QPointF(4.6, 11.4));
                      p.drawLine(QPointF(4, 13), QPointF(12, 13));
                  }),
         QStringLiteral("ButtonIcon/EditWhite.png"));
}

// ---- tabs -----------------------------------------------------------------

QImage band(int w, int h, const QColor& top, const QColor& bottom, const QColor& rule)
{
    QImage image = canvas(w, h);
    QPainter p;
    beginPainter(p, image);
    p.fillRect(image.rect(), verticalGradient(0, h, top, bottom));
    if (rule.isValid()) {
        p.fillRect(QRect(0, h - 1, w, 1), rule);
    }
    return image;
}

QImage tabButton(int w, int h, const QColor& top, const QColor& bottom, const QColor& marker,
                 int iMarkerHeight, bool bMarkerAtTop)
{
    QImage image = band(w, h, top, bottom, QColor());
    QPainter p;
    beginPainter(p, image);
    if (marker.isValid()) {
        p.fillRect(QRect(0, bMarkerAtTop ? 0 : h - iMarkerHeight, w, iMarkerHeight), marker);
    }
    p.fillRect(QRect(w - 1, 0, 1, h), QColor(0, 0, 0, 40));
    return image;
}

void drawTabs()
{
    // The full frame's tab band under the title bar: white text on blue.
    save(band(8, 40, kBlue, kBlueDark, kNavy), QStringLiteral("Tab/tab_bg.png"));
    save(tabButton(120, 40, QColor(0x4A, 0x90, 0xD9), kBlue, QColor(0x90, 0xCD, 0xF4), 3, false),
         QStringLiteral("Tab/TabSelect.png"));
    save(tabButton(120, 40, kBlue, kBlueDark, QColor(), 0, false),
         QStringLiteral("Tab/TabUnselect.png"));

    // The embedded frame's slim band: a dark selected tab (its text is red,
    // white while hovered) beside light unselected ones with black text.
    save(band(8, 23, QColor(0xED, 0xF2, 0xF7), QColor(0xD5, 0xDE, 0xE8), kNavy),
         QStringLiteral("Tab/Subtab_bg.png"));
    save(tabButton(100, 23, QColor(0x1E, 0x3A, 0x5F), kNavy, kBlueLight, 2, true),
         QStringLiteral("Tab/SubTabSelect.png"));
    save(tabButton(100, 23, QColor(0xF7, 0xFA, 0xFC), QColor(0xE2, 0xE8, 0xF0), QColor(), 0, true),
         QStringLiteral("Tab/SubTabUnselect.png"));

    // Tab shapes of the application style's tab bars (25 pixels high).
    save(tabButton(80, 25, QColor(0xED, 0xF2, 0xF7), QColor(0xD9, 0xE1, 0xEA), QColor(), 0, true),
         QStringLiteral("Tab/test.png"));
    save(tabButton(80, 25, Qt::white, kBody, kBlue, 3, true), QStringLiteral("Tab/test2.png"));

    QImage close = canvas(20, 20);
    QPainter p;
    beginPainter(p, close);
    p.setPen(QPen(kSlate, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(13, 13));
    p.drawLine(QPointF(13, 7), QPointF(7, 13));
    p.end();
    save(close, QStringLiteral("Tab/TabClose.png"));

    QImage closeHover = canvas(20, 20);
    beginPainter(p, closeHover);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE5, 0x3E, 0x3E));
    p.drawEllipse(QRectF(3, 3, 14, 14));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(13, 13));
    p.drawLine(QPointF(13, 7), QPointF(7, 13));
    p.end();
    save(closeHover, QStringLiteral("Tab/TabCloseHover.png"));

    save(band(40, 24, QColor(0xDD, 0xEC, 0xFB), QColor(0xC9, 0xE0, 0xF7), QColor()),
         QStringLiteral("ControlPanel/ListView-hover.png"));
}

// ---- progress bar and slider ---------------------------------------------

// A rounded bar cut into its left cap, a middle piece and its right cap.
void saveBarPieces(const QColor& top, const QColor& bottom, const QColor& border,
                   const QString& suffix)
{
    const int kCap = 6;
    const int kHeight = 16;
    QImage bar = canvas(40, kHeight);
    QPainter p;
    beginPainter(p, bar);
    p.setPen(QPen(border, 1));
    p.setBrush(verticalGradient(0, kHeight, top, bottom));
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, kHeight - 1), 5, 5);
    p.end();
    const QString folder = QStringLiteral("public/ProgressBar/ProgressBar");
    save(bar.copy(0, 0, kCap, kHeight), folder + QStringLiteral("Left") + suffix);
    save(bar.copy(12, 0, 16, kHeight), folder + suffix);
    save(bar.copy(40 - kCap, 0, kCap, kHeight), folder + QStringLiteral("Right") + suffix);
}

void drawBars()
{
    saveBarPieces(QColor(0xE2, 0xE8, 0xF0), QColor(0xED, 0xF2, 0xF7), kLine,
                  QStringLiteral(".png"));
    saveBarPieces(kBlueLight, kBlue, kBlueDark, QStringLiteral("Chunk.png"));

    save(band(8, 4, kBlueLight, kBlue, QColor()), QStringLiteral("public/Slider/LeftSlider.png"));
    save(band(8, 4, kLine, kLine, QColor()), QStringLiteral("public/Slider/RightSlider.png"));

    QImage handle = canvas(13, 13);
    QPainter p;
    beginPainter(p, handle);
    p.setPen(QPen(kBlue, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, 11, 11));
    p.end();
    save(handle, QStringLiteral("public/Slider/RadiobtnOff.png"));
}

// ---- calculator pages -----------------------------------------------------

void drawResultBackground()
{
    // Stretched to each page's size: nothing in it may look wrong distorted.
    QImage image = canvas(308, 189);
    QPainter p;
    beginPainter(p, image);
    p.fillRect(image.rect(),
               verticalGradient(0, 189, QColor(0xFF, 0xFF, 0xFF), QColor(0xEC, 0xF2, 0xF8)));
    p.fillRect(QRect(0, 0, 308, 3), kBlue);
    p.setPen(QPen(kLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 307, 188));
    p.end();
    save(image, QStringLiteral("computing-result.png"));
}

void drawCamera(QPainter& p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawRoundedRect(QRectF(at.x(), at.y(), 22, 12), 3, 3);
    p.drawPolygon(QPolygonF({QPointF(at.x() + 22, at.y() + 3), QPointF(at.x() + 29, at.y()),
                             QPointF(at.x() + 29, at.y() + 12), QPointF(at.x() + 22, at.y() + 9)}));
    p.setBrush(QColor(0x90, 0xCD, 0xF4));
    p.drawEllipse(QPointF(at.x() + 6, at.y() + 6), 3, 3);
}

void drawNetwork()
{
    // Cameras on a switch, the switch on a recorder: the page's picture of
    // the traffic it sizes. It fills the page's 296 x 64 label inside the
    // rich-text document's margin of 4 pixels.
    QImage image = canvas(288, 56);
    QPainter p;
    beginPainter(p, image);
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    const qreal cameraRows[] = {6, 22, 38};
    for (qreal y : cameraRows) {
        p.drawLine(QPointF(44, y + 6), QPointF(118, 28));
    }
    p.drawLine(QPointF(168, 28), QPointF(222, 28));
    for (qreal y : cameraRows) {
        drawCamera(p, QPointF(10, y));
    }

    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(118, 18, 50, 20), 4, 4);
    p.setBrush(QColor(0x9A, 0xE6, 0xB4));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(126 + i * 8.5, 28), 2, 2);
    }

    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(222, 10, 56, 36), 4, 4);
    p.setBrush(QColor(0x4A, 0x55, 0x68));
    p.drawRect(QRectF(228, 18, 44, 5));
    p.drawRect(QRectF(228, 27, 44, 5));
    p.setBrush(QColor(0x9A, 0xE6, 0xB4));
    p.drawEllipse(QPointF(270, 39), 2, 2);
    p.end();
    save(image, QStringLiteral("DiskCalculate/network.png"));
}

// ---- splash images --------------------------------------------------------

void drawSplash(const QColor& top, const QColor& bottom, const QString& loadingText,
                const QString& relPath)
{
    const int w = 480;
    const int h = 280;
    QImage image = canvas(w, h);
    QPainter p;
    beginPainter(p, image);
    p.fillRect(image.rect(), verticalGradient(0, h, top, bottom));
    drawCalculator(p, QRectF(40, 70, 120, 120));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(44);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(180, 80, 280, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vardex"));

    QFont text(QStringLiteral("WenQuanYi Zen Hei"));
    text.setPixelSize(18);
    p.setFont(text);
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QRectF(182, 140, 280, 30), Qt::AlignLeft | Qt::AlignVCenter, loadingText);
    p.fillRect(QRect(0, h - 6, w, 6), QColor(255, 255, 255, 60));
    p.end();
    save(image, relPath);
}

void drawSplashes()
{
    const QString english = QStringLiteral("Loading...");
    const QString chinese =
        QString::fromUtf8("\xE6\xAD\xA3\xE5\x9C\xA8\xE5\x8A\xA0\xE8\xBD\xBD...");
    drawSplash(kBlueLight, kBlueDark, english, QStringLiteral("Loading_bg_English.png"));
    drawSplash(kBlueLight, kBlueDark, chinese, QStringLiteral("Loading_bg_Chinese.png"));
    const QColor slateTop(0x4A, 0x55, 0x68);
    const QColor slateBottom(0x1A, 0x20, 0x2C);
    drawSplash(slateTop, slateBottom, english, QStringLiteral("Loading_bg_English_Vox.png"));
    drawSplash(slateTop, slateBottom, chinese, QStringLiteral("Loading_bg_Chinese_Vox.png"));
}

// ---- the progress spinner -------------------------------------------------

// Twelve dots on a circle; the darkest runs round, the others fade behind
// it. Each pixel is one dot's shade at one of eight coverages, blended on
// the dialog body's colour, or transparent (palette index 0).
const int kSpinnerSize = 48;
const int kSpinnerDots = 12;
const int kCoverageLevels = 8;

QRgb blendOnBody(const QColor& colour, qreal alpha)
{
    const auto channel = [alpha](int body, int ink) { return qRound(body + (ink - body) * alpha); };
    return qRgb(channel(kBody.red(), colour.red()), channel(kBody.green(), colour.green()),
                channel(kBody.blue(), colour.blue()));
}

QVector<QRgb> spinnerPalette()
{
    QVector<QRgb> palette{kBody.rgb()};
    for (int shade = 0; shade < kSpinnerDots; ++shade) {
        const qreal strength = 1.0 - shade / qreal(kSpinnerDots);
        for (int level = 1; level <= kCoverageLevels; ++level) {
            palette.append(blendOnBody(kBlue, strength * level / kCoverageLevels));
        }
    }
    return palette;
}

QPointF dotCentre(int iDot)
{
    const qreal kOrbit = 17;
    const qreal angle = 2 * M_PI * iDot / kSpinnerDots - M_PI / 2;
    return QPointF(kSpinnerSize / 2.0 + kOrbit * qCos(angle),
                   kSpinnerSize / 2.0 + kOrbit * qSin(angle));
}

// The share of the pixel's 4 x 4 sample points inside the dot, 0 to 1.
qreal dotCoverage(int x, int y, QPointF centre)
{
    const int kSamples = 4;
    const qreal kDotRadius = 4;
    int iCovered = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const QPointF d =
                QPointF(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) - centre;
            if (QPointF::dotProduct(d, d) <= kDotRadius * kDotRadius) {
                ++iCovered;
            }
        }
    }
    return iCovered / qreal(kSamples * kSamples);
}

QVector<uchar> spinnerFrame(int iFrame)
{
    QVector<uchar> indices(kSpinnerSize * kSpinnerSize, 0);
    for (int dot = 0; dot < kSpinnerDots; ++dot) {
        const QPointF centre = dotCentre(dot);
        const int shade = (iFrame - dot + kSpinnerDots) % kSpinnerDots;
        for (int y = 0; y < kSpinnerSize; ++y) {
            for (int x = 0; x < kSpinnerSize; ++x) {
                const qreal coverage = dotCoverage(x, y, centre);
                if (coverage > 0) {
                    const int level = qMax(1, qRound(coverage * kCoverageLevels));
                    indices[y * kSpinnerSize + x] = uchar(1 + shade * kCoverageLevels + level - 1);
                }
            }
        }
    }
    return indices;
}

void drawSpinner()
{
    GifWriter gif(QSize(kSpinnerSize, kSpinnerSize), spinnerPalette(), 0, 8);
    for (int frame = 0; frame < kSpinnerDots; ++frame) {
        gif.addFrame(spinnerFrame(frame));
    }
    QFile file(g_outDir + QStringLiteral("/Loading.gif"));
    if (!file.open(QIODevice::WriteOnly) || file.write(gif.data()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        g_bOk = false;
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    g_outDir = QFile::decodeName(argv[1]);
    drawFrames();
    drawTitleButtons();
    drawIcons();
    drawTabs();
    drawBars();
    drawResultBackground();
    drawNetwork();
    drawSplashes();
    drawSpinner();
    return g_bOk ? 0 : 1;
}
