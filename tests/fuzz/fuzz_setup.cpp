// Setup.xml: the configuration reader on any file.

#include "FuzzChecks.h"

#include "config/ClientConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ClientConfig config;
    config.load(writeInputFile(QStringLiteral("Setup.xml"), inputBytes(data, size)));
    for (int iIndex = ClientConfig::Translator; iIndex <= ClientConfig::Skin; ++iIndex) {
        fuzzCheck(config.number(iIndex) == config.text(iIndex).trimmed().toInt(nullptr, 10),
                  "an item's number is not its text");
    }
    return 0;
}
