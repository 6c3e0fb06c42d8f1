#include "model/XmlCharacters.h"

bool XmlCharacters::isXmlChar(char32_t u)
{
    return u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) ||
           (u >= 0xE000 && u <= 0xFFFD) || (u >= 0x10000 && u <= 0x10FFFF);
}

bool XmlCharacters::canHold(const QString& qsText)
{
    for (int i = 0; i < qsText.size(); ++i) {
        const QChar c = qsText.at(i);
        char32_t uCodePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < qsText.size() && qsText.at(i + 1).isLowSurrogate()) {
            uCodePoint = QChar::surrogateToUcs4(c, qsText.at(++i));
        }
        if (!isXmlChar(uCodePoint)) {
            return false;
        }
    }
    return true;
}
