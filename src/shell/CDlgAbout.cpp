#include "shell/CDlgAbout.h"

#include "ui_CDlgAbout.h"

#include <QPushButton>

namespace {
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString monthNumber(const QString& qsMonthName)
{
    for (int i = 0; i < 12; ++i) {
        if (qsMonthName == QLatin1String(kMonths[i])) {
            return QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        }
    }
    return qsMonthName;
}
} // namespace

CDlgAbout::CDlgAbout(QWidget* parent)
    : CBaseDialog(parent, false, false, false), m_pUi(new Ui::CDlgAboutClass)
{
    ShowCloseBtn(true);
    m_pUi->setupUi(GetContentFrame());
    setFixedSize(520, 200);
    SetTitle(tr("About"));
    m_pUi->labelVersionValue->setText(tr(" v1.0.0.1") + tr(" Build") +
                                      QString::number(buildNumber(QString::fromLatin1(__DATE__))));
    m_pUi->btnOK->setFocusPolicy(Qt::NoFocus);
    connect(m_pUi->btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

CDlgAbout::~CDlgAbout()
{
    delete m_pUi;
}

unsigned CDlgAbout::buildNumber(const QString& qsBuildDate)
{
    const QString qsMonth = monthNumber(qsBuildDate.mid(0, 3));
    const QString qsDay =
        QStringLiteral("%1").arg(qsBuildDate.mid(4, 2).trimmed(), 2, QLatin1Char('0'));
    const QString qsYear = qsBuildDate.mid(7, 4);
    return (qsYear + qsMonth + qsDay).toUInt();
}
