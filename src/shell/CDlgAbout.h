#ifndef CDLGABOUT_H
#define CDLGABOUT_H

#include "controls/CBaseDialog.h"

#include <QString>

namespace Ui {
class CDlgAboutClass;
}

// The about box: the program's name and its version with the build number.
class CDlgAbout : public CBaseDialog
{
    Q_OBJECT
public:
    explicit CDlgAbout(QWidget* parent = nullptr);
    ~CDlgAbout() override;

    // The build number yyyymmdd from a compiler date text such as
    // "Jul  7 2014"; an unknown month name makes it 0.
    static unsigned buildNumber(const QString& qsBuildDate);

private:
    Ui::CDlgAboutClass* m_pUi;
};

#endif
