#include "model/DefCfgReader.h"

DefCfgReader::DefCfgReader(const QString& fileName)
{
    if (m_root.load(fileName) && m_root.parsed()) {
        m_qsFileName = fileName;
    }
}

bool DefCfgReader::getHighDef(QString& qsIpc, QString& qsDvr) const
{
    return getTemplate(QStringLiteral("HighDef"), qsIpc, qsDvr);
}

bool DefCfgReader::getStandardDef(QString& qsIpc, QString& qsDvr) const
{
    return getTemplate(QStringLiteral("StandardDef"), qsIpc, qsDvr);
}

bool DefCfgReader::getTemplate(const QString& qsTemplate, QString& qsIpc, QString& qsDvr) const
{
    if (!isOpen()) {
        return false;
    }
    const XmlNode templateNode = m_root.firstElementByTag(qsTemplate);
    qsIpc = templateNode.firstElementByTag(QStringLiteral("IPC")).text();
    qsDvr = templateNode.firstElementByTag(QStringLiteral("DVR")).text();
    return true;
}
