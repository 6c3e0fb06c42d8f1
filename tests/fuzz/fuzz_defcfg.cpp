// DefCfg.xml: the template reader on any file.

#include "FuzzChecks.h"

#include "model/DefCfgReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DefCfgReader reader(writeInputFile(QStringLiteral("DefCfg.xml"), inputBytes(data, size)));
    QString qsIpc, qsDvr;
    fuzzCheck(reader.getHighDef(qsIpc, qsDvr) == reader.isOpen(), "a closed reader gave values");
    fuzzCheck(reader.getStandardDef(qsIpc, qsDvr) == reader.isOpen(),
              "a closed reader gave values");
    return 0;
}
