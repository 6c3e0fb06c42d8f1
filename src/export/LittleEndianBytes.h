#ifndef LITTLEENDIANBYTES_H
#define LITTLEENDIANBYTES_H

#include <QByteArray>
#include <QtEndian>

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

} // namespace LittleEndianBytes

#endif
