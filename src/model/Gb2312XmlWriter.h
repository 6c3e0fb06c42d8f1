#ifndef GB2312XMLWRITER_H
#define GB2312XMLWRITER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDomDocument>
#include <QString>

// Serialises a DOM document as GB2312 that every XML parser reads back to
// the same document.
//
// Every character is ASCII, a code of GB2312 proper that all readers agree on
// (Gb2312Table), or a numeric character reference of its whole code point
// ("&#x1F600;"), so user text of any script round-trips exactly. Characters
// that XML 1.0 forbids (C0 controls other than tab, line feed and carriage
// return, U+FFFE, U+FFFF, lone surrogates) cannot be stored in any form and
// are dropped from text. Names, comments and processing instructions cannot
// hold references: one with a character outside GB2312 makes the document
// unwritable.
//
// Layout as QDomNode::save at indent 0: the declaration, then each element
// on its own line without indentation. Inside an element that holds text
// nothing is added, so mixed content reads back as it was. Attributes are
// written in the order of their names, so equal documents give equal bytes.
class Gb2312XmlWriter
{
    Q_DECLARE_TR_FUNCTIONS(Gb2312XmlWriter)

public:
    // The document as a file's bytes in out. False, out undefined, when some
    // part cannot be written faithfully; pError then gets the reason in
    // plain words.
    static bool serialize(const QDomDocument& document, QByteArray& out, QString* pError = nullptr);
};

#endif
