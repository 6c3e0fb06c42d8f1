#include "model/Gb2312XmlWriter.h"

#include "model/Gb2312Table.h"
#include "model/XmlCharacters.h"

#include <QDomNamedNodeMap>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";

bool holdsText(const QDomNode& node)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText()) {
            return true;
        }
    }
    return false;
}

class Serializer
{
public:
    explicit Serializer(QByteArray& out) : m_out(out), m_table(Gb2312Table::instance()) {}

    bool write(const QDomDocument& document);
    const QString& error() const { return m_qsError; }

private:
    bool writeLeaf(const QDomNode& node);
    bool openElement(const QDomElement& element);
    bool writeStartTag(const QDomElement& element);
    void closeElement(const QDomElement& element);
    void endLine();
    void appendEscaped(const QString& text, bool bAttribute);
    bool appendVerbatim(const QString& text);
    void appendReference(char32_t u);
    bool appendEncoded(QChar c);
    bool fail(const QString& qsReason);

    QByteArray& m_out;
    const Gb2312Table& m_table;
    // Per open element, outermost first: whether it holds text, in which
    // case no line break may be added inside it.
    std::vector<bool> m_vHoldsText{false};
    QString m_qsError;
};

// Walks the tree in document order without recursion: down into the first
// child of an element, else on to the next sibling, closing every element
// that ends on the way up.
bool Serializer::write(const QDomDocument& document)
{
    m_out = kDeclaration;
    QDomNode node = document.firstChild();
    while (!node.isNull()) {
        if (node.isElement() && node.hasChildNodes()) {
            if (!openElement(node.toElement())) {
                return false;
            }
            node = node.firstChild();
            continue;
        }
        if (!writeLeaf(node)) {
            return false;
        }
        while (node.nextSibling().isNull()) {
            node = node.parentNode();
            if (!node.isElement()) {
                return true;
            }
            closeElement(node.toElement());
        }
        node = node.nextSibling();
    }
    return true;
}

bool Serializer::writeLeaf(const QDomNode& node)
{
    if (node.isElement()) {
        if (!writeStartTag(node.toElement())) {
            return false;
        }
        m_out += "/>";
    } else if (node.isText()) {
        // CDATA too: a CDATA section cannot hold references.
        appendEscaped(node.nodeValue(), false);
        return true;
    } else if (node.isComment()) {
        m_out += "<!--";
        if (!appendVerbatim(node.nodeValue())) {
            return fail(Gb2312XmlWriter::tr("The comment \"%1\" cannot be written in GB2312.")
                            .arg(node.nodeValue()));
        }
        m_out += "-->";
    } else if (node.isProcessingInstruction() && node.nodeName() != QLatin1String("xml")) {
        // The declaration is always ours: the bytes are GB2312 whatever the
        // file declared when it was read.
        m_out += "<?";
        if (!appendVerbatim(node.nodeName() + QLatin1Char(' ') + node.nodeValue())) {
            return fail(
                Gb2312XmlWriter::tr("The processing instruction \"%1\" cannot be written in "
                                    "GB2312.")
                    .arg(node.nodeName()));
        }
        m_out += "?>";
    } else {
        return true;
    }
    endLine();
    return true;
}

bool Serializer::openElement(const QDomElement& element)
{
    if (!writeStartTag(element)) {
        return false;
    }
    m_out += '>';
    m_vHoldsText.push_back(holdsText(element));
    endLine();
    return true;
}

bool Serializer::writeStartTag(const QDomElement& element)
{
    m_out += '<';
    if (!appendVerbatim(element.tagName())) {
        return fail(Gb2312XmlWriter::tr("The name \"%1\" cannot be written in GB2312.")
                        .arg(element.tagName()));
    }
    const QDomNamedNodeMap attributes = element.attributes();
    std::vector<std::pair<QString, QString>> vAttributes;
    vAttributes.reserve(size_t(attributes.count()));
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomNode attribute = attributes.item(i);
        vAttributes.emplace_back(attribute.nodeName(), attribute.nodeValue());
    }
    std::sort(vAttributes.begin(), vAttributes.end());
    for (const auto& attribute : vAttributes) {
        m_out += ' ';
        if (!appendVerbatim(attribute.first)) {
            return fail(Gb2312XmlWriter::tr("The name \"%1\" cannot be written in GB2312.")
                            .arg(attribute.first));
        }
        m_out += "=\"";
        appendEscaped(attribute.second, true);
        m_out += '"';
    }
    return true;
}

void Serializer::closeElement(const QDomElement& element)
{
    m_vHoldsText.pop_back();
    m_out += "</";
    appendVerbatim(element.tagName()); // written once already in the start tag
    m_out += '>';
    endLine();
}

// A line break between nodes, where it is no part of any text.
void Serializer::endLine()
{
    if (!m_vHoldsText.back()) {
        m_out += '\n';
    }
}

// Character data (text or attribute value). Line ends and, in attribute
// values, tabs are written as references, which the parser's normalisation
// of line ends and attribute blanks leaves alone.
void Serializer::appendEscaped(const QString& text, bool bAttribute)
{
    const int iSize = text.size();
    for (int i = 0; i < iSize; ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '&':
            m_out += "&amp;";
            continue;
        case '<':
            m_out += "&lt;";
            continue;
        case '>':
            m_out += "&gt;";
            continue;
        case '"':
            m_out += "&quot;";
            continue;
        case '\r':
            appendReference(c.unicode());
            continue;
        case '\t':
        case '\n':
            if (bAttribute) {
                appendReference(c.unicode());
                continue;
            }
            break;
        default:
            break;
        }
        if (c.isHighSurrogate() && i + 1 < iSize && text.at(i + 1).isLowSurrogate()) {
            appendReference(QChar::surrogateToUcs4(c, text.at(++i)));
        } else if (XmlCharacters::isXmlChar(c.unicode()) && !appendEncoded(c)) {
            appendReference(c.unicode());
        }
    }
}

// Comments, processing instructions and names cannot hold references.
bool Serializer::appendVerbatim(const QString& text)
{
    for (const QChar c : text) {
        if (!XmlCharacters::isXmlChar(c.unicode()) || !appendEncoded(c)) {
            return false;
        }
    }
    return true;
}

void Serializer::appendReference(char32_t u)
{
    m_out += "&#x";
    m_out += QByteArray::number(uint(u), 16).toUpper();
    m_out += ';';
}

// ASCII as itself, else the character's GB2312 code; false when it has none.
bool Serializer::appendEncoded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80) {
        m_out += char(u);
        return true;
    }
    const quint16 code = m_table.encode(u);
    if (code == 0) {
        return false;
    }
    m_out += char(code >> 8);
    m_out += char(code & 0xFF);
    return true;
}

bool Serializer::fail(const QString& qsReason)
{
    m_qsError = qsReason;
    return false;
}

} // namespace

bool Gb2312XmlWriter::serialize(const QDomDocument& document, QByteArray& out, QString* pError)
{
    Serializer serializer(out);
    if (serializer.write(document)) {
        return true;
    }
    if (pError) {
        *pError = serializer.error();
    }
    return false;
}
