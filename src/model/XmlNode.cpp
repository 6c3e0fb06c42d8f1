#include "model/XmlNode.h"

#include "model/Gb2312XmlWriter.h"
#include "model/RegularFile.h"
#include "model/XmlDocumentReader.h"

#include <QSaveFile>

namespace {

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
    QByteArray content;
    if (!readRegularFile(fileName, content)) {
        return false;
    }
    m_document = QDomDocument();
    m_bParsed = XmlDocumentReader::read(content, m_document);
    m_element = m_document.documentElement();
    return true;
}

bool XmlNode::save(const QString& fileName, QString* pError) const
{
    QByteArray content;
    if (!Gb2312XmlWriter::serialize(m_document, content, pError)) {
        return false;
    }
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
