#ifndef CKESASTYLE_H
#define CKESASTYLE_H

#include <QProxyStyle>

// The stand-alone program's style: tabs, progress bars, sliders, selected
// item-view items and tab close buttons are drawn from the resource images;
// everything else is the classic "Windows" style.
class CKesaStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CKesaStyle();
    ~CKesaStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

private:
    void drawProgressBarGroove(const QStyleOption* option, QPainter* painter) const;
    void drawHorizontalSlider(const QStyleOptionComplex* option, QPainter* painter,
                              const QWidget* widget) const;
};

#endif
