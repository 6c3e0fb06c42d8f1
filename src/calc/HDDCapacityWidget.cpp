#include "calc/HDDCapacityWidget.h"

#include "controls/CWarnDlg.h"

#include "ui_HDDCapacityWidget.h"

#include <QRegExpValidator>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kDaysPerMonth = 30;
constexpr qint64 kDaysPerWeek = 7;
// Any count typed beyond this is simply "too long"; it keeps the day
// arithmetic far from overflowing.
constexpr qint64 kCountCeiling = 1000000000000LL;

// The number an edit holds: 0 for no number; a string of digits too long to
// parse counts as the ceiling, so that it is refused rather than read as 0.
qint64 countOf(const QString& qsText)
{
    bool bOk = false;
    const qlonglong llValue = qsText.toLongLong(&bOk);
    if (bOk) {
        return qBound(-kCountCeiling, static_cast<qint64>(llValue), kCountCeiling);
    }
    const bool bOnlyDigits = !qsText.isEmpty() && std::all_of(qsText.cbegin(), qsText.cend(),
                                                              [](QChar c) { return c.isDigit(); });
    return bOnlyDigits ? kCountCeiling : 0;
}

// Month and week counts are shown rounded down, computed in single precision.
qint64 truncatedRatio(double dValue)
{
    return static_cast<qint64>(static_cast<float>(dValue));
}

} // namespace

HDDCapacityWidget::HDDCapacityWidget(QWidget* parent)
    : CalcBackgroundWidget(parent), m_pUi(new Ui::HDDCapacityWidget)
{
    m_pUi->setupUi(this);
    setResultLabelStyle(m_pUi->labelCapacityDescription, m_pUi->labelCapacityNum);
    connectEdits();
    const QRegExp rxCount(QStringLiteral("[1-9][0-9]+||[0]"), Qt::CaseSensitive, QRegExp::RegExp);
    m_pUi->editDay->setValidator(new QRegExpValidator(rxCount, this));
    m_pUi->editWeek->setValidator(new QRegExpValidator(rxCount, this));
    m_pUi->editMonth->setValidator(new QRegExpValidator(rxCount, this));
    m_pUi->editDay->setText(QStringLiteral("1"));
}

HDDCapacityWidget::~HDDCapacityWidget()
{
    delete m_pUi;
}

void HDDCapacityWidget::slotBitRateChanged(double iBitRate)
{
    double dTB = 0.0;
    double dGB = 0.0;
    m_calculator.CalculateCapacity(iBitRate, recordHours(), dTB, dGB);
    m_pUi->labelCapacityNum->setText(HDDCapacityCalculator::capacityText(dTB, dGB));
}

void HDDCapacityWidget::OnEditMonthChanged(const QString& qsMonth)
{
    disconnectEdits();
    const qint64 llMonths = countOf(qsMonth);
    m_pUi->editWeek->setText(QString::number(llMonths * kDaysPerMonth / kDaysPerWeek));
    m_pUi->editDay->setText(QString::number(llMonths * kDaysPerMonth));
    connectEdits();
    checkRecordTime();
}

void HDDCapacityWidget::OnEditWeekChanged(const QString& qsWeek)
{
    disconnectEdits();
    const qint64 llDays = countOf(qsWeek) * kDaysPerWeek;
    m_pUi->editDay->setText(QString::number(llDays));
    m_pUi->editMonth->setText(
        QString::number(truncatedRatio(static_cast<double>(llDays) / kDaysPerMonth)));
    connectEdits();
    checkRecordTime();
}

void HDDCapacityWidget::OnEditDayChanged(const QString& qsDay)
{
    disconnectEdits();
    const float fDays = static_cast<float>(countOf(qsDay));
    m_pUi->editMonth->setText(
        QString::number(truncatedRatio(static_cast<double>(fDays) / kDaysPerMonth)));
    m_pUi->editWeek->setText(
        QString::number(truncatedRatio(static_cast<double>(fDays) / kDaysPerWeek)));
    connectEdits();
    checkRecordTime();
}

void HDDCapacityWidget::slotPrintInfo()
{
    emit signalPrintInfo(m_pUi->editMonth->text(), m_pUi->editWeek->text(), m_pUi->editDay->text(),
                         m_pUi->labelCapacityNum->text());
}

void HDDCapacityWidget::connectEdits()
{
    connect(m_pUi->editMonth, &QLineEdit::textChanged, this,
            &HDDCapacityWidget::OnEditMonthChanged);
    connect(m_pUi->editWeek, &QLineEdit::textChanged, this, &HDDCapacityWidget::OnEditWeekChanged);
    connect(m_pUi->editDay, &QLineEdit::textChanged, this, &HDDCapacityWidget::OnEditDayChanged);
}

void HDDCapacityWidget::disconnectEdits()
{
    disconnect(m_pUi->editMonth, &QLineEdit::textChanged, this,
               &HDDCapacityWidget::OnEditMonthChanged);
    disconnect(m_pUi->editWeek, &QLineEdit::textChanged, this,
               &HDDCapacityWidget::OnEditWeekChanged);
    disconnect(m_pUi->editDay, &QLineEdit::textChanged, this, &HDDCapacityWidget::OnEditDayChanged);
}

void HDDCapacityWidget::checkRecordTime()
{
    if (countOf(m_pUi->editDay->text()) <= HDDCapacityCalculator::kMaxRecordDays) {
        emit signalBitRateChanged(0.0);
        return;
    }
    CWarnDlg(this).ExecInfo(tr("Warn"), tr("Record time should less than 365 days."));
    // The first reset re-enters OnEditMonthChanged, which zeroes the other two
    // edits and asks for a fresh total.
    m_pUi->editMonth->setText(QStringLiteral("0"));
    m_pUi->editWeek->setText(QStringLiteral("0"));
    m_pUi->editDay->setText(QStringLiteral("0"));
}

int HDDCapacityWidget::recordHours() const
{
    const qint64 llDays = countOf(m_pUi->editDay->text());
    return static_cast<int>(qBound<qint64>(0, llDays, std::numeric_limits<int>::max() / 24) * 24);
}
