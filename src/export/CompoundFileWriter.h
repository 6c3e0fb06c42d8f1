#ifndef COMPOUNDFILEWRITER_H
#define COMPOUNDFILEWRITER_H

#include <QByteArray>
#include <QString>

// Wraps one stream into a compound file (version 3: 512-byte sectors, one
// directory sector, no mini stream).
class CompoundFileWriter
{
public:
    // Streams shorter than the mini-stream cutoff would belong in the mini
    // stream, which this writer does not produce: they are padded to it.
    static constexpr int kMiniStreamCutoff = 4096;

    static QByteArray singleStreamFile(const QString& qsStreamName, QByteArray stream);
};

#endif
