#ifndef FUZZCHECKS_H
#define FUZZCHECKS_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets and by their replay in the test suite.

// Ends the run with a report when a check fails, so that the fuzzer keeps
// the input and the replay fails.
void fuzzCheck(bool bHolds, const char* pszWhat);

QByteArray inputBytes(const uint8_t* data, size_t size);

// Writes the input as a file of that name in a folder of this process.
QString writeInputFile(const QString& qsName, const QByteArray& input);

QByteArray fileBytes(const QString& fileName);

// Whether libxml2 reads the bytes as well-formed XML in their declared
// encoding (its default limits, as xmllint has them).
bool strictParserAccepts(const QByteArray& bytes);

// When the input reads as a document: its rewrite is accepted by libxml2,
// reads back to the same document, and a second save gives the same bytes.
// A rewrite may only be refused with a reason.
void checkRoundTrip(const QByteArray& input);

#endif
