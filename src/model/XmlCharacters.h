#ifndef XMLCHARACTERS_H
#define XMLCHARACTERS_H

#include <QString>

// The characters an XML 1.0 document can hold: tab, line feed, carriage
// return and everything from U+0020 up, except the surrogate block and
// U+FFFE, U+FFFF. Any other character cannot be written to Task.xml in any
// form, so a text that holds one must be refused where it is entered.
class XmlCharacters
{
public:
    static bool isXmlChar(char32_t uCodePoint);
    // True when every character of the text can be stored; a surrogate
    // counts only as half of a pair.
    static bool canHold(const QString& qsText);
};

#endif
