#include "controls/CIntValidator.h"

CIntValidator::CIntValidator(int iBottom, int iTop, QObject* parent)
    : QIntValidator(iBottom, iTop, parent)
{
}

QValidator::State CIntValidator::validate(QString& qsInput, int& iPos) const
{
    const bool bDoubleZero = qsInput.size() >= 2 && qsInput.at(0) == QLatin1Char('0') &&
                             qsInput.at(1) == QLatin1Char('0');
    if (bDoubleZero || qsInput.contains(QLatin1Char('+')) || qsInput.contains(QLatin1Char(','))) {
        return Invalid;
    }
    return QIntValidator::validate(qsInput, iPos);
}

void CIntValidator::fixup(QString& qsInput) const
{
    qsInput.remove(QLatin1Char(','));
}
