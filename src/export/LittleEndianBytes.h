#ifndef LITTLEENDIANBYTES_H
#define LITTLEENDIANBYTES_H

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Appends integers in the little-endian byte order of the workbook and
// compound-file formats.
namespace LittleEndianBytes {

inline void put8(QByteArray& bytes, quint8 value)
{
    bytes.append(char(value));
}

inline void put16(QByteArray& bytes, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

inline void put32(QByteArray& bytes, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

inline void putDouble(QByteArray& bytes, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buffer[8];
    qToLittleEndian(bits, buffer);
    bytes.append(buffer, 8);
}

} // namespace LittleEndianBytes

#endif
