#ifndef XMLDOCUMENTREADER_H
#define XMLDOCUMENTREADER_H

#include <QByteArray>
#include <QDomDocument>

// Builds a DOM document from the bytes of an XML file, or tells that the file
// is damaged: not well-formed, not in the encoding it declares (bytes that do
// not decode), or nested deeper than any real file (kMaxDepth elements).
//
// Unlike QDomDocument::setContent it keeps a character reference above
// U+FFFF whole, keeps namespace declarations as the attributes they are
// written as, and keeps blank text when it is an element's whole content, so
// a name or remark of only blanks survives; blanks between elements (the
// indentation of a hand-made file) are dropped. The document type declaration
// is not kept.
class XmlDocumentReader
{
public:
    // Strict readers refuse deeper files, so nothing deeper can be written.
    static constexpr int kMaxDepth = 256;

    // False when the file is damaged; the document then holds what was read
    // before the fault.
    static bool read(const QByteArray& content, QDomDocument& document);
};

#endif
