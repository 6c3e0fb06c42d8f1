#include "controls/CRegExpValidator.h"

#include <QTextBoundaryFinder>
#include <QTextCodec>

CRegExpValidator::CRegExpValidator(uint uiMaxBytes, QObject* parent)
    : CRegExpValidator(uiMaxBytes, QRegExp(QStringLiteral(".*")), parent)
{
}

CRegExpValidator::CRegExpValidator(const QRegExp& rxForbidden, QObject* parent)
    : CRegExpValidator(kNoLimit, rxForbidden, parent)
{
}

CRegExpValidator::CRegExpValidator(uint uiMaxBytes, const QRegExp& rxForbidden, QObject* parent)
    : QRegExpValidator(rxForbidden, parent), m_uiMaxBytes(uiMaxBytes)
{
}

QValidator::State CRegExpValidator::validate(QString& qsInput, int& iPos) const
{
    if (exceedsByteLimit(qsInput)) {
        return dropTypedCharacter(qsInput, iPos);
    }
    if (regExp().pattern() == QLatin1String(".*")) {
        return QRegExpValidator::validate(qsInput, iPos);
    }
    if (regExp().indexIn(qsInput) < 0) {
        return Acceptable;
    }
    return dropTypedCharacter(qsInput, iPos);
}

bool CRegExpValidator::exceedsByteLimit(const QString& qsInput) const
{
    if (m_uiMaxBytes == kNoLimit) {
        return false;
    }
    const QByteArray bytes = QTextCodec::codecForLocale()->fromUnicode(qsInput);
    return static_cast<uint>(bytes.size()) > m_uiMaxBytes;
}

QValidator::State CRegExpValidator::dropTypedCharacter(QString& qsInput, int& iPos)
{
    if (iPos > 0 && iPos <= qsInput.size()) {
        // The whole character: half of an emoji or a letter without its accent
        // would be a different text, or one that cannot be stored.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, qsInput);
        characters.setPosition(iPos);
        const int iStart = qMax(0, characters.toPreviousBoundary());
        qsInput.remove(iStart, iPos - iStart);
        iPos = iStart;
    }
    return Intermediate;
}
