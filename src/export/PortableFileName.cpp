#include "export/PortableFileName.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
}

bool isDeviceName(const QString& qsName)
{
    static const QRegularExpression rxDevice(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return rxDevice.match(qsName).hasMatch();
}
} // namespace

PortableFileName::Fault PortableFileName::check(const QString& qsName)
{
    if (qsName.isEmpty()) {
        return Fault::Empty;
    }
    if (std::any_of(qsName.begin(), qsName.end(), isForbidden)) {
        return Fault::ForbiddenCharacter;
    }
    if (qsName.endsWith(QLatin1Char('.')) || qsName.endsWith(QLatin1Char(' '))) {
        return Fault::TrailingDotOrSpace;
    }
    if (isDeviceName(qsName)) {
        return Fault::DeviceName;
    }
    return Fault::None;
}
