#include "controls/CToolTip.h"

#include "controls/CToolLabel.h"

void CToolTip::showText(const QPoint& globalPos, const QString& qsText, QWidget* w,
                        const QRect& rect)
{
    CToolLabel* pTip = CToolLabel::instance();
    if (qsText.isEmpty()) {
        if (pTip) {
            pTip->hideTipImmediately();
        }
        return;
    }
    if (pTip && pTip->isVisible()) {
        pTip->reuseTip(qsText);
    } else {
        pTip = new CToolLabel(qsText, w);
    }
    pTip->setTipRect(w, rect);
    pTip->placeTip(globalPos);
    pTip->show();
}

void CToolTip::hideText()
{
    showText(QPoint(), QString());
}

bool CToolTip::isVisible()
{
    const CToolLabel* pTip = CToolLabel::instance();
    return pTip && pTip->isVisible();
}

QString CToolTip::text()
{
    return isVisible() ? CToolLabel::instance()->text() : QString();
}
