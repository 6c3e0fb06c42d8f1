#include "model/Gb2312XmlWriter.h"

#include "model/XmlCharacters.h"

#include <QDomNamedNodeMap>
#include <QTextCodec>

#include <bitset>
#include <memory>

namespace {

QTextCodec* gb2312Codec()
{
    static QTextCodec* const codec = QTextCodec::codecForName("GB2312");
    return codec;
}

// The BMP characters that the codec writes as a code of GB2312 proper: the
// characters that those byte pairs decode to.
class Gb2312Repertoire
{
public:
    Gb2312Repertoire()
    {
        QTextCodec* codec = gb2312Codec();
        for (int iLead = 0xA1; iLead <= 0xF7; ++iLead) {
            for (int iTrail = 0xA1; iTrail <= 0xFE; ++iTrail) {
                const char pair[2] = {static_cast<char>(iLead), static_cast<char>(iTrail)};
                const QString decoded = codec->toUnicode(pair, 2);
                if (decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter &&
                    codec->fromUnicode(decoded) == QByteArray(pair, 2)) {
                    m_encodable.set(decoded.at(0).unicode());
                }
            }
        }
    }

    bool contains(char32_t uCodePoint) const
    {
        return uCodePoint < 0x80 || (uCodePoint <= 0xFFFF && m_encodable.test(uCodePoint));
    }

private:
    std::bitset<0x10000> m_encodable;
};

const Gb2312Repertoire& repertoire()
{
    static const Gb2312Repertoire table;
    return table;
}

void appendReference(QString& out, char32_t u)
{
    out += QLatin1String("&#x");
    out += QString::number(static_cast<uint>(u), 16).toUpper();
    out += QLatin1Char(';');
}

// Escapes character data (text or attribute value). A carriage return is
// written as a reference so that the parser's line-end normalisation keeps it.
void appendEscaped(QString& out, const QString& text)
{
    const Gb2312Repertoire& table = repertoire();
    const int iSize = text.size();
    for (int i = 0; i < iSize; ++i) {
        const QChar c = text.at(i);
        char32_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < iSize && text.at(i + 1).isLowSurrogate()) {
            u = QChar::surrogateToUcs4(c, text.at(++i));
        }
        switch (u) {
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '>':
            out += QLatin1String("&gt;");
            continue;
        case '"':
            out += QLatin1String("&quot;");
            continue;
        case '\r':
            appendReference(out, u);
            continue;
        default:
            break;
        }
        // Not even a reference can carry these: they are dropped.
        if (!XmlCharacters::isXmlChar(u)) {
            continue;
        }
        if (table.contains(u)) {
            out += c;
        } else {
            appendReference(out, u);
        }
    }
}

// Comments and processing instructions cannot hold references: a character
// the file cannot carry becomes "?" there.
void appendVerbatim(QString& out, const QString& text)
{
    const Gb2312Repertoire& table = repertoire();
    for (const QChar c : text) {
        out += table.contains(c.unicode()) && XmlCharacters::isXmlChar(c.unicode())
                   ? c
                   : QLatin1Char('?');
    }
}

bool hasOnlyTextChildren(const QDomNode& node)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isText()) {
            return false;
        }
    }
    return true;
}

void appendNode(QString& out, const QDomNode& node);

void appendElement(QString& out, const QDomElement& element)
{
    out += QLatin1Char('<');
    out += element.tagName();
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomNode attribute = attributes.item(i);
        out += QLatin1Char(' ');
        out += attribute.nodeName();
        out += QLatin1String("=\"");
        appendEscaped(out, attribute.nodeValue());
        out += QLatin1Char('"');
    }
    if (!element.hasChildNodes()) {
        out += QLatin1String("/>\n");
        return;
    }
    out += QLatin1Char('>');
    if (!hasOnlyTextChildren(element)) {
        out += QLatin1Char('\n');
    }
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        appendNode(out, child);
    }
    out += QLatin1String("</");
    out += element.tagName();
    out += QLatin1String(">\n");
}

void appendNode(QString& out, const QDomNode& node)
{
    if (node.isElement()) {
        appendElement(out, node.toElement());
    } else if (node.isText()) {
        // CDATA too: a CDATA section cannot hold references.
        appendEscaped(out, node.nodeValue());
    } else if (node.isComment()) {
        out += QLatin1String("<!--");
        appendVerbatim(out, node.nodeValue());
        out += QLatin1String("-->\n");
    } else if (node.isProcessingInstruction() && node.nodeName() != QLatin1String("xml")) {
        out += QLatin1String("<?");
        out += node.nodeName();
        out += QLatin1Char(' ');
        appendVerbatim(out, node.nodeValue());
        out += QLatin1String("?>\n");
    }
}

} // namespace

QByteArray Gb2312XmlWriter::serialize(const QDomDocument& document)
{
    // The declaration is always ours: the bytes below are GB2312 whatever
    // the file declared when it was read.
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n");
    for (QDomNode child = document.firstChild(); !child.isNull(); child = child.nextSibling()) {
        appendNode(out, child);
    }
    return gb2312Codec()->fromUnicode(out);
}
