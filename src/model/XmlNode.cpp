#include "model/XmlNode.h"

#include "model/Gb2312XmlWriter.h"

#include <QDomText>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>

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

// Builds the DOM from a stream reader. Unlike QDomDocument::setContent it
// keeps a character reference above U+FFFF whole (the writer uses them for
// emoji) and keeps blank text when it is an element's whole content, so a
// name or remark of only blanks survives; blanks between elements (the
// indentation of a hand-made file) are dropped.
bool readDocument(QIODevice& device, QDomDocument& document)
{
    QXmlStreamReader reader(&device);
    QDomNode current; // null until the root element: the document itself
    const auto append = [&](const QDomNode& node) {
        return current.isNull() ? document.appendChild(node) : current.appendChild(node);
    };
    QString qsText;
    const auto flushText = [&](bool bClosingElement) {
        if (!qsText.isEmpty() &&
            (!isBlank(qsText) || (bClosingElement && !current.hasChildNodes()))) {
            append(document.createTextNode(qsText));
        }
        qsText.clear();
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            flushText(false);
            QDomElement element = document.createElement(reader.qualifiedName().toString());
            const QXmlStreamAttributes attributes = reader.attributes();
            for (const QXmlStreamAttribute& attribute : attributes) {
                element.setAttribute(attribute.qualifiedName().toString(),
                                     attribute.value().toString());
            }
            current = append(element);
            break;
        }
        case QXmlStreamReader::EndElement:
            flushText(true);
            current = current.parentNode();
            break;
        case QXmlStreamReader::Characters:
            qsText += reader.text();
            break;
        case QXmlStreamReader::Comment:
            flushText(false);
            append(document.createComment(reader.text().toString()));
            break;
        case QXmlStreamReader::ProcessingInstruction:
            flushText(false);
            append(document.createProcessingInstruction(
                reader.processingInstructionTarget().toString(),
                reader.processingInstructionData().toString()));
            break;
        default:
            break;
        }
    }
    return !reader.hasError() && !document.documentElement().isNull();
}

bool writeAll(QIODevice& device, const QByteArray& content)
{
    qint64 iWritten = 0;
    while (iWritten < content.size()) {
        const qint64 iChunk =
            device.write(content.constData() + iWritten, content.size() - iWritten);
        if (iChunk <= 0) {
            return false;
        }
        iWritten += iChunk;
    }
    return true;
}

} // namespace

XmlNode::XmlNode(const QDomDocument& document, const QDomElement& element)
    : m_document(document), m_element(element)
{
}

bool XmlNode::load(const QString& fileName)
{
    if (fileName.isEmpty()) {
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    m_document = QDomDocument();
    m_bParsed = readDocument(file, m_document);
    m_element = m_document.documentElement();
    return true;
}

bool XmlNode::save(const QString& fileName, QString* pError) const
{
    const QByteArray content = Gb2312XmlWriter::serialize(m_document);
    QSaveFile file(fileName);
    // Unbuffered, so that a write cut short (disk full, size limit) is
    // followed by one that fails with the reason.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, content) &&
        file.commit()) {
        return true;
    }
    if (pError) {
        *pError = file.errorString();
    }
    return false;
}

bool XmlNode::createDocument(const QString& rootName)
{
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    m_element = m_document.createElement(rootName);
    m_document.appendChild(m_element);
    m_bParsed = true;
    return true;
}

int XmlNode::childElementCount() const
{
    int iCount = 0;
    for (XmlNode child = firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        ++iCount;
    }
    return iCount;
}

XmlNode XmlNode::childElementAt(int iIndex) const
{
    XmlNode child = firstChildElement();
    for (int i = 0; i < iIndex && !child.isNull(); ++i) {
        child = child.nextSiblingElement();
    }
    return iIndex < 0 ? XmlNode() : child;
}

XmlNode XmlNode::firstChildElement() const
{
    return XmlNode(m_document, m_element.firstChildElement());
}

XmlNode XmlNode::nextSiblingElement() const
{
    return XmlNode(m_document, m_element.nextSiblingElement());
}

XmlNode XmlNode::firstElementByTag(const QString& qsTag) const
{
    // Pre-order walk that stops at the first match: the fields of a task or
    // a device group stand before its lists, so this rarely goes deep.
    QDomElement element = m_element.firstChildElement();
    while (!element.isNull()) {
        if (element.tagName() == qsTag) {
            return XmlNode(m_document, element);
        }
        QDomElement next = element.firstChildElement();
        while (next.isNull() && element != m_element) {
            next = element.nextSiblingElement();
            if (next.isNull()) {
                element = element.parentNode().toElement();
            }
        }
        element = next;
    }
    return XmlNode();
}

XmlNode XmlNode::appendElement(const QString& qsTag)
{
    if (m_element.isNull()) {
        return XmlNode();
    }
    QDomElement child = m_document.createElement(qsTag);
    m_element.appendChild(child);
    return XmlNode(m_document, child);
}

void XmlNode::removeChildElementAt(int iIndex)
{
    const XmlNode child = childElementAt(iIndex);
    if (!child.isNull()) {
        m_element.removeChild(child.m_element);
    }
}

void XmlNode::removeEmptyTexts()
{
    QDomNode child = m_element.firstChild();
    while (!child.isNull()) {
        const QDomNode next = child.nextSibling();
        if (child.isText() && child.nodeValue().isEmpty()) {
            m_element.removeChild(child);
        } else if (child.isElement()) {
            XmlNode(m_document, child.toElement()).removeEmptyTexts();
        }
        child = next;
    }
}

bool XmlNode::setText(const QString& qsValue)
{
    if (m_element.isNull()) {
        return false;
    }
    for (QDomNode child = m_element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText()) {
            child.setNodeValue(qsValue);
            return true;
        }
    }
    m_element.appendChild(m_document.createTextNode(qsValue));
    return true;
}

bool XmlNode::setText(int iValue)
{
    return setText(QString::number(iValue));
}

QString XmlNode::text() const
{
    for (QDomNode child = m_element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText()) {
            return child.nodeValue();
        }
    }
    return QString();
}

int XmlNode::intValue() const
{
    return text().toInt(nullptr, 10);
}
