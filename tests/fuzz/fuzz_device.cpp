// Device.Xml: the load that decides whether the NVR models are offered.

#include "FuzzChecks.h"

#include "model/XmlNode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    XmlNode deviceFile;
    fuzzCheck(deviceFile.load(writeInputFile(QStringLiteral("Device.Xml"), inputBytes(data, size))),
              "a regular file did not load");
    fuzzCheck(!deviceFile.parsed() || !deviceFile.isNull(), "a parsed file has no root");
    return 0;
}
