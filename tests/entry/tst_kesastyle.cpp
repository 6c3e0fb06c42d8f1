#include "entry/CKesaStyle.h"

#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QtTest>

class TestKesaStyle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_pStyle = new CKesaStyle;
        m_pWindows.reset(QStyleFactory::create(QStringLiteral("Windows")));
    }
    void cleanupTestCase() { delete m_pStyle; }

    void pixelMetrics_data()
    {
        QTest::addColumn<int>("metric");
        QTest::addColumn<int>("expected");
        QTest::newRow("slider length") << int(QStyle::PM_SliderLength) << 13;
        QTest::newRow("tab close width") << int(QStyle::PM_TabCloseIndicatorWidth) << 20;
        QTest::newRow("tab close height") << int(QStyle::PM_TabCloseIndicatorHeight) << 20;
        QTest::newRow("menu button indicator") << int(QStyle::PM_MenuButtonIndicator) << 0;
    }
    void pixelMetrics()
    {
        QFETCH(int, metric);
        QFETCH(int, expected);
        QCOMPARE(m_pStyle->pixelMetric(QStyle::PixelMetric(metric)), expected);
    }

    void othersComeFromWindowsStyle()
    {
        QCOMPARE(m_pStyle->pixelMetric(QStyle::PM_ButtonMargin),
                 m_pWindows->pixelMetric(QStyle::PM_ButtonMargin));
        QCOMPARE(m_pStyle->pixelMetric(QStyle::PM_ScrollBarExtent),
                 m_pWindows->pixelMetric(QStyle::PM_ScrollBarExtent));
        QStyleOptionSlider slider;
        slider.orientation = Qt::Vertical;
        slider.rect = QRect(0, 0, 30, 200);
        slider.maximum = 100;
        QCOMPARE(m_pStyle->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove),
                 m_pWindows->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove));
    }

    void sizesFromContents()
    {
        QRadioButton radio(QStringLiteral("Radio"));
        QStyleOptionButton button;
        button.initFrom(&radio);
        const QSize contents(40, 16);
        QCOMPARE(
            m_pStyle->sizeFromContents(QStyle::CT_RadioButton, &button, contents, &radio).width(),
            m_pWindows->sizeFromContents(QStyle::CT_RadioButton, &button, contents, &radio)
                    .width() +
                20);

        QStyleOptionTab tab;
        QCOMPARE(m_pStyle->sizeFromContents(QStyle::CT_TabBarTab, &tab, QSize(80, 40)).height(),
                 25);

        QStyleOptionSlider slider;
        slider.orientation = Qt::Horizontal;
        QCOMPARE(m_pStyle->sizeFromContents(QStyle::CT_Slider, &slider, QSize(100, 30)).height(),
                 10);
    }

    void horizontalSliderRects_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("even") << 30;
        QTest::newRow("odd") << 25;
    }
    void horizontalSliderRects()
    {
        QFETCH(int, height);
        QStyleOptionSlider slider;
        slider.orientation = Qt::Horizontal;
        slider.rect = QRect(0, 0, 200, height);
        slider.minimum = 0;
        slider.maximum = 100;
        slider.sliderPosition = 50;

        const QRect handle =
            m_pStyle->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderHandle);
        QCOMPARE(handle.top(), height / 2 - 4);
        QCOMPARE(handle.height(), 10);
        QCOMPARE(handle.width(), 13);

        const QRect groove =
            m_pStyle->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove);
        QCOMPARE(groove.top(), height / 2 - 2);
        QCOMPARE(groove.height(), 4);
    }

    void subElementRects()
    {
        QStyleOptionViewItem item;
        item.rect = QRect(0, 0, 200, 30);
        item.features = QStyleOptionViewItem::HasCheckIndicator;
        QCOMPARE(m_pStyle->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item).size(),
                 QSize(16, 16));

        QStyleOptionProgressBar bar;
        bar.rect = QRect(0, 0, 200, 40);
        QCOMPARE(m_pStyle->subElementRect(QStyle::SE_ProgressBarGroove, &bar).top(), 10);

        // The base style measures through this style's metrics, as it will in use.
        const QStyle* pBase = m_pStyle->baseStyle();
        QStyleOptionTab tab;
        tab.rect = QRect(0, 0, 120, 25);
        tab.rightButtonSize = QSize(16, 16);
        tab.leftButtonSize = QSize(16, 16);
        const QRect baseRight = pBase->subElementRect(QStyle::SE_TabBarTabRightButton, &tab);
        const QRect right = m_pStyle->subElementRect(QStyle::SE_TabBarTabRightButton, &tab);
        QCOMPARE(right.left(),
                 baseRight.left() + pBase->pixelMetric(QStyle::PM_TabBarTabVSpace, &tab) + 1);
        QCOMPARE(right.top(), 2);
        QCOMPARE(m_pStyle->subElementRect(QStyle::SE_TabBarTabLeftButton, &tab).height(), 0);
    }

    // The groove and chunk are painted from the resource images: a full bar
    // ends with the right chunk cap, an empty one shows only the groove.
    void progressBarPaintsChunkFromImages()
    {
        const QImage empty = renderProgress(0);
        const QImage full = renderProgress(100);
        QVERIFY(!empty.isNull());
        QVERIFY(empty != full);
        const QImage chunk(QStringLiteral(":images/public/ProgressBar/ProgressBarChunk.png"));
        QVERIFY2(!chunk.isNull(), "the chunk image is in the resources");
        const QRgb middleOfFull = full.pixel(full.width() / 2, full.height() / 2);
        const QRgb middleOfChunk = chunk.scaled(1, 1).pixel(0, 0);
        QVERIFY(qAbs(qRed(middleOfFull) - qRed(middleOfChunk)) < 40);
    }

private:
    QImage renderProgress(int iValue)
    {
        QStyleOptionProgressBar bar;
        bar.rect = QRect(0, 0, 200, 20);
        bar.minimum = 0;
        bar.maximum = 100;
        bar.progress = iValue;
        QImage image(bar.rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        m_pStyle->drawControl(QStyle::CE_ProgressBarGroove, &bar, &painter);
        m_pStyle->drawControl(QStyle::CE_ProgressBarContents, &bar, &painter);
        return image;
    }

    CKesaStyle* m_pStyle = nullptr;
    QScopedPointer<QStyle> m_pWindows;
};

QTEST_MAIN(TestKesaStyle)
#include "tst_kesastyle.moc"
