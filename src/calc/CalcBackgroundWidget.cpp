#include "calc/CalcBackgroundWidget.h"

#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

namespace {

void styleLabel(QLabel* pLabel, int iPointSize, bool bBold, const char* szColour)
{
    QFont font(QStringLiteral("Microsoft YaHei"), iPointSize);
    font.setBold(bBold);
    pLabel->setFont(font);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(QLatin1String(szColour)));
    pLabel->setPalette(palette);
}

} // namespace

CalcBackgroundWidget::CalcBackgroundWidget(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void CalcBackgroundWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QPixmap background =
        QPixmap(QStringLiteral(":/images/computing-result.png"))
            .scaled(event->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPalette pagePalette = palette();
    pagePalette.setBrush(QPalette::Window, QBrush(background));
    setPalette(pagePalette);
}

void CalcBackgroundWidget::setResultLabelStyle(QLabel* pDescriptionLabel, QLabel* pValueLabel)
{
    styleLabel(pDescriptionLabel, 14, false, "#9E6533");
    styleLabel(pValueLabel, 16, true, "#CF3F1D");
}
