#ifndef CALCBACKGROUNDWIDGET_H
#define CALCBACKGROUNDWIDGET_H

#include <QWidget>

class QLabel;

// Common base of the calculator pages: the result background, stretched to
// the page, and the look of the description and value labels.
class CalcBackgroundWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CalcBackgroundWidget(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

    // Every page calls this once, right after building its form.
    void setResultLabelStyle(QLabel* pDescriptionLabel, QLabel* pValueLabel);
};

#endif
