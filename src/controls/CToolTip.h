#ifndef CTOOLTIP_H
#define CTOOLTIP_H

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The system's tool tip, used to point at a faulty input field. There is one
// tip at a time; it hides itself 300 ms after the pointer leaves it, leaves
// the owner widget, or moves out of the tip rectangle.
class CToolTip
{
public:
    // An empty text hides the tip. A visible tip is reused for the new text.
    static void showText(const QPoint& globalPos, const QString& qsText, QWidget* w = nullptr,
                         const QRect& rect = QRect());
    static void hideText();

    static bool isVisible();
    // The text of the visible tip, empty when none is shown.
    static QString text();
};

#endif
