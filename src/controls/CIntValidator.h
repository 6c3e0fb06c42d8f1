#ifndef CINTVALIDATOR_H
#define CINTVALIDATOR_H

#include <QIntValidator>

// An integer validator that also refuses a leading "00", a plus sign and
// group separators; fixing up removes the commas.
class CIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    CIntValidator(int iBottom, int iTop, QObject* parent = nullptr);

    State validate(QString& qsInput, int& iPos) const override;
    void fixup(QString& qsInput) const override;
};

#endif
