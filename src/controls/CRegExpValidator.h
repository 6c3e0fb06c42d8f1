#ifndef CREGEXPVALIDATOR_H
#define CREGEXPVALIDATOR_H

#include <QRegExpValidator>

// A validator whose regular expression lists what must NOT be typed, with an
// optional limit on the text's length in bytes of the locale's encoding.
// A refused character is the one just typed: it is removed whole (an emoji
// or an accented letter with it) and the cursor steps back, so the rest of
// the text stays.
class CRegExpValidator : public QRegExpValidator
{
    Q_OBJECT
public:
    static constexpr uint kNoLimit = ~0u;

    CRegExpValidator(uint uiMaxBytes, QObject* parent = nullptr);
    CRegExpValidator(const QRegExp& rxForbidden, QObject* parent = nullptr);
    CRegExpValidator(uint uiMaxBytes, const QRegExp& rxForbidden, QObject* parent = nullptr);

    State validate(QString& qsInput, int& iPos) const override;

    uint maxBytes() const { return m_uiMaxBytes; }

private:
    static State dropTypedCharacter(QString& qsInput, int& iPos);
    bool exceedsByteLimit(const QString& qsInput) const;

    // Counted in the locale's 8-bit encoding, not in UTF-16 units.
    uint m_uiMaxBytes;
};

#endif
