#ifndef XMLNODE_H
#define XMLNODE_H

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// A thin handle on one element of a DOM document. Copies share the nodes.
// A null XmlNode stands for "no such element"; every operation on it is
// harmless, so lookups can be chained without checks in between.
class XmlNode
{
public:
    XmlNode() = default;

    // Parses the file into the document and makes its root current. True
    // once the file could be read (regular files only), whatever the parse
    // gave; parsed() tells.
    bool load(const QString& fileName);
    // Whether the last load() produced a document (XmlDocumentReader).
    bool parsed() const { return m_bParsed; }
    // Writes the whole document, GB2312-encoded, in one write, replacing the
    // file only once the new content is complete: a failed write leaves the
    // old file, and *pError (when given) says why in the system's words.
    bool save(const QString& fileName, QString* pError = nullptr) const;
    // Starts an empty document: the GB2312 declaration and a root element.
    bool createDocument(const QString& rootName);

    bool isNull() const { return m_element.isNull(); }

    int childElementCount() const;
    XmlNode childElementAt(int iIndex) const;
    XmlNode firstChildElement() const;
    XmlNode nextSiblingElement() const;
    // The first descendant with that tag, in document order.
    XmlNode firstElementByTag(const QString& qsTag) const;

    XmlNode appendElement(const QString& qsTag);
    void removeChildElementAt(int iIndex);

    // Removes the empty text nodes of this element and of everything below
    // it, as a parse of the written document would not make them.
    void removeEmptyTexts();

    bool setText(const QString& qsValue);
    bool setText(int iValue);
    QString text() const;
    // The text as a decimal integer; text that is not a number reads as 0.
    int intValue() const;

private:
    XmlNode(const QDomDocument& document, const QDomElement& element);

    QDomDocument m_document;
    QDomElement m_element;
    bool m_bParsed = false;
};

#endif
