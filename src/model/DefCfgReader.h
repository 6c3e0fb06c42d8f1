#ifndef DEFCFGREADER_H
#define DEFCFGREADER_H

#include "model/XmlNode.h"

#include <QString>

// Reads the task templates of DefCfg.xml: the default IPC and DVR counts of
// a high-definition and of a standard-definition task. Never writes.
class DefCfgReader
{
public:
    // Open when the file exists, can be read and is well-formed.
    explicit DefCfgReader(const QString& fileName);

    bool isOpen() const { return !m_qsFileName.isEmpty(); }

    // The IPC and DVR texts of the first HighDef / StandardDef element
    // ("" where missing); false, outputs untouched, when not open.
    bool getHighDef(QString& qsIpc, QString& qsDvr) const;
    bool getStandardDef(QString& qsIpc, QString& qsDvr) const;

private:
    bool getTemplate(const QString& qsTemplate, QString& qsIpc, QString& qsDvr) const;

    XmlNode m_root;
    QString m_qsFileName; // empty while closed
};

#endif
