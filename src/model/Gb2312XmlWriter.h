#ifndef GB2312XMLWRITER_H
#define GB2312XMLWRITER_H

#include <QByteArray>
#include <QDomDocument>

// Serialises a DOM document as GB2312 that any XML parser accepts.
//
// Qt's "GB2312" codec is really GBK, and QDomNode::save through it writes a
// character outside the codec as "?" plus a lone-surrogate reference. Here
// every character is either ASCII, a two-byte code of GB2312 proper (lead
// 0xA1-0xF7, trail 0xA1-0xFE), or a numeric character reference of its whole
// code point ("&#x1F600;"), so user text of any script round-trips exactly.
// Characters that XML 1.0 forbids (C0 controls other than tab, line feed and
// carriage return, U+FFFE, U+FFFF, lone surrogates) cannot be stored in any
// form and are dropped.
//
// Layout as QDomNode::save at indent 0: the declaration, then each element
// on its own line without indentation, an element with only text inline.
class Gb2312XmlWriter
{
public:
    static QByteArray serialize(const QDomDocument& document);
};

#endif
