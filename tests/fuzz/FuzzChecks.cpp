#include "FuzzChecks.h"

#include "model/Gb2312XmlWriter.h"
#include "model/XmlDocumentReader.h"

#include <QDomNamedNodeMap>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

#include <libxml/parser.h>

#include <cstdio>
#include <cstdlib>

namespace {

void ignoreXmlError(void*, const char*, ...)
{
}

QString attributesOf(const QDomNode& node)
{
    QStringList attributes;
    const QDomNamedNodeMap map = node.attributes();
    for (int i = 0; i < map.count(); ++i) {
        attributes << map.item(i).nodeName() + QLatin1Char('=') + map.item(i).nodeValue();
    }
    attributes.sort();
    return attributes.join(QLatin1Char('\x1'));
}

// Every node of the document in document order, one line each, with the end
// of each element: equal documents give equal text.
QString outline(const QDomDocument& document)
{
    QString out;
    QDomNode node = document.firstChild();
    while (!node.isNull()) {
        out += QString::number(node.nodeType()) + QLatin1Char(' ') + node.nodeName() +
               QLatin1Char('\x2') + node.nodeValue() + QLatin1Char('\x2') + attributesOf(node) +
               QLatin1Char('\n');
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (node.nextSibling().isNull() && !node.parentNode().isNull()) {
            node = node.parentNode();
            out += QLatin1String("end\n");
        }
        node = node.nextSibling();
    }
    return out;
}

} // namespace

void fuzzCheck(bool bHolds, const char* pszWhat)
{
    if (!bHolds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", pszWhat);
        std::abort();
    }
}

QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

QString writeInputFile(const QString& qsName, const QByteArray& input)
{
    static QTemporaryDir dir;
    const QString fileName = dir.filePath(qsName);
    // A new file each time, as an editor saves: the store knows a file by its
    // identity, size and time, and an in-place rewrite of equal size within
    // one clock tick would look unchanged.
    QSaveFile file(fileName);
    fuzzCheck(file.open(QIODevice::WriteOnly) && file.write(input) == input.size() && file.commit(),
              "cannot write the input file");
    return fileName;
}

QByteArray fileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool strictParserAccepts(const QByteArray& bytes)
{
    xmlSetGenericErrorFunc(nullptr, ignoreXmlError);
    xmlDocPtr pDocument = xmlReadMemory(bytes.constData(), bytes.size(), "written.xml", nullptr,
                                        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlFreeDoc(pDocument);
    return pDocument != nullptr;
}

void checkRoundTrip(const QByteArray& input)
{
    QDomDocument read;
    if (!XmlDocumentReader::read(input, read)) {
        return;
    }
    QByteArray written;
    QString qsReason;
    if (!Gb2312XmlWriter::serialize(read, written, &qsReason)) {
        fuzzCheck(!qsReason.isEmpty(), "a refused save gives no reason");
        return;
    }
    fuzzCheck(strictParserAccepts(written), "libxml2 rejects the written file");
    QDomDocument reread;
    fuzzCheck(XmlDocumentReader::read(written, reread), "the written file does not read back");
    fuzzCheck(outline(reread) == outline(read), "the written file lost or changed a node");
    QByteArray again;
    fuzzCheck(Gb2312XmlWriter::serialize(reread, again) && again == written,
              "a second save gives other bytes");
}
