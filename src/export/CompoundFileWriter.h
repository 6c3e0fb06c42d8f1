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

    // The file bytes, or an empty array when the stream is too large for a
    // file without extra allocation-table index sectors (about 7 MB).
    static QByteArray singleStreamFile(const QString& qsStreamName, QByteArray stream);
};

#endif
