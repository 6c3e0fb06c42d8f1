#include "model/XmlDocumentReader.h"

#include "model/Gb2312Table.h"

#include <QDomText>
#include <QRegularExpression>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

bool isBlank(const QString& text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r')) {
            return false;
        }
    }
    return true;
}

bool isNameStartChar(uint u)
{
    return u == ':' || u == '_' || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
           (u >= 0xC0 && u <= 0xD6) || (u >= 0xD8 && u <= 0xF6) || (u >= 0xF8 && u <= 0x2FF) ||
           (u >= 0x370 && u <= 0x37D) || (u >= 0x37F && u <= 0x1FFF) ||
           (u >= 0x200C && u <= 0x200D) || (u >= 0x2070 && u <= 0x218F) ||
           (u >= 0x2C00 && u <= 0x2FEF) || (u >= 0x3001 && u <= 0xD7FF) ||
           (u >= 0xF900 && u <= 0xFDCF) || (u >= 0xFDF0 && u <= 0xFFFD) ||
           (u >= 0x10000 && u <= 0xEFFFF);
}

bool isNameChar(uint u)
{
    return isNameStartChar(u) || u == '-' || u == '.' || (u >= '0' && u <= '9') || u == 0xB7 ||
           (u >= 0x300 && u <= 0x36F) || (u >= 0x203F && u <= 0x2040);
}

// XML 1.0 Name. The stream reader checks element names but lets attribute
// names pass that strict readers refuse.
bool isXmlName(const QString& qsName)
{
    const QVector<uint> codePoints = qsName.toUcs4();
    if (codePoints.isEmpty() || !isNameStartChar(codePoints.first())) {
        return false;
    }
    return std::all_of(codePoints.begin() + 1, codePoints.end(), isNameChar);
}

// The encoding that a byte order mark or the XML declaration names; UTF-8
// when neither names one.
QByteArray declaredEncoding(const QByteArray& content)
{
    if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF")) {
        return QByteArrayLiteral("UTF-16");
    }
    if (content.startsWith(QByteArray("<\0", 2))) {
        return QByteArrayLiteral("UTF-16LE");
    }
    if (content.startsWith(QByteArray("\0<", 2))) {
        return QByteArrayLiteral("UTF-16BE");
    }
    const int iDeclarationEnd = content.indexOf("?>");
    if (!content.startsWith("<?xml") || iDeclarationEnd < 0) {
        return QByteArrayLiteral("UTF-8");
    }
    static const QRegularExpression encoding(
        QStringLiteral(R"(^<\?xml\s[^>]*?\bencoding\s*=\s*(["'])([^"'>]*)\1)"));
    const QRegularExpressionMatch match =
        encoding.match(QString::fromLatin1(content.left(iDeclarationEnd)));
    return match.hasMatch() ? match.captured(2).toLatin1() : QByteArrayLiteral("UTF-8");
}

char* putUtf8(char* pOut, char16_t u)
{
    if (u < 0x800) {
        *pOut++ = char(0xC0 | u >> 6);
    } else {
        *pOut++ = char(0xE0 | u >> 12);
        *pOut++ = char(0x80 | (u >> 6 & 0x3F));
    }
    *pOut++ = char(0x80 | (u & 0x3F));
    return pOut;
}

// Each two-byte code becomes at most three bytes of UTF-8.
bool gb2312ToUtf8(const QByteArray& content, QByteArray& utf8)
{
    const Gb2312Table& table = Gb2312Table::instance();
    const int iSize = content.size();
    utf8.resize(iSize + iSize / 2);
    char* pOut = utf8.data();
    for (int i = 0; i < iSize; ++i) {
        const auto byte = static_cast<uchar>(content.at(i));
        if (byte < 0x80) {
            *pOut++ = char(byte);
            continue;
        }
        const char16_t uChar =
            i + 1 < iSize ? table.decode(byte, static_cast<uchar>(content.at(++i))) : 0;
        if (uChar == 0) {
            return false;
        }
        pOut = putUtf8(pOut, uChar);
    }
    utf8.resize(int(pOut - utf8.constData()));
    return true;
}

// The whole content as UTF-8; false when the declared encoding is unknown or
// a byte sequence does not decode in it. UTF-8 itself passes unchanged: the
// stream reader finds its faults.
bool toUtf8(const QByteArray& content, QByteArray& utf8)
{
    const QByteArray encoding = declaredEncoding(content);
    if (encoding.compare("UTF-8", Qt::CaseInsensitive) == 0) {
        utf8 = content;
        return true;
    }
    if (encoding.compare("GB2312", Qt::CaseInsensitive) == 0) {
        return gb2312ToUtf8(content, utf8);
    }
    QTextCodec* pCodec = QTextCodec::codecForName(encoding);
    if (!pCodec) {
        return false;
    }
    QTextCodec::ConverterState state;
    utf8 = pCodec->toUnicode(content.constData(), content.size(), &state).toUtf8();
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// Turns the token stream into nodes below the document, one level at a time:
// no recursion, and a file nested deeper than kMaxDepth stops the reading.
class DomBuilder
{
public:
    DomBuilder(QXmlStreamReader& reader, QDomDocument& document)
        : m_reader(reader), m_document(document)
    {
    }

    void build()
    {
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                flushText(true);
                m_current = m_current.parentNode();
                --m_iDepth;
                break;
            case QXmlStreamReader::Characters:
                m_qsText += m_reader.text();
                break;
            case QXmlStreamReader::Comment:
                flushText(false);
                append(m_document.createComment(m_reader.text().toString()));
                break;
            case QXmlStreamReader::ProcessingInstruction:
                flushText(false);
                append(m_document.createProcessingInstruction(
                    m_reader.processingInstructionTarget().toString(),
                    m_reader.processingInstructionData().toString()));
                break;
            case QXmlStreamReader::EntityReference:
                // An entity whose text the file does not give cannot be kept.
                m_reader.raiseError(QStringLiteral("Undeclared entity"));
                break;
            default:
                break;
            }
        }
    }

private:
    QDomNode append(const QDomNode& node)
    {
        return m_current.isNull() ? m_document.appendChild(node) : m_current.appendChild(node);
    }

    void flushText(bool bClosingElement)
    {
        if (!m_qsText.isEmpty() &&
            (!isBlank(m_qsText) || (bClosingElement && !m_current.hasChildNodes()))) {
            append(m_document.createTextNode(m_qsText));
        }
        m_qsText.clear();
    }

    void startElement()
    {
        if (++m_iDepth > XmlDocumentReader::kMaxDepth) {
            m_reader.raiseError(QStringLiteral("Elements nested too deep"));
            return;
        }
        flushText(false);
        QDomElement element = m_document.createElement(m_reader.qualifiedName().toString());
        const QXmlStreamNamespaceDeclarations declarations = m_reader.namespaceDeclarations();
        for (const QXmlStreamNamespaceDeclaration& declaration : declarations) {
            const QString qsPrefix = declaration.prefix().toString();
            element.setAttribute(qsPrefix.isEmpty() ? QStringLiteral("xmlns")
                                                    : QStringLiteral("xmlns:") + qsPrefix,
                                 declaration.namespaceUri().toString());
        }
        const QXmlStreamAttributes attributes = m_reader.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QString qsName = attribute.qualifiedName().toString();
            if (!isXmlName(qsName)) {
                m_reader.raiseError(QStringLiteral("Invalid attribute name"));
                return;
            }
            element.setAttribute(qsName, attribute.value().toString());
        }
        m_current = append(element);
    }

    QXmlStreamReader& m_reader;
    QDomDocument& m_document;
    QDomNode m_current; // null until the root element: the document itself
    QString m_qsText;
    int m_iDepth = 0;
};

} // namespace

bool XmlDocumentReader::read(const QByteArray& content, QDomDocument& document)
{
    QByteArray utf8;
    if (!toUtf8(content, utf8)) {
        return false;
    }
    // A reader started on text takes UTF-8 and ignores the declared encoding.
    QXmlStreamReader reader{QString()};
    reader.addData(utf8);
    DomBuilder(reader, document).build();
    return !reader.hasError() && !document.documentElement().isNull();
}
