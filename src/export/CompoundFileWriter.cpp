#include "export/CompoundFileWriter.h"
#include "export/LittleEndianBytes.h"

#include <algorithm>

namespace {
using namespace LittleEndianBytes;

constexpr int kSectorSize = 512;
constexpr int kEntriesPerFatSector = kSectorSize / 4;
constexpr int kHeaderFatSlots = 109;
constexpr int kFatSlotsPerIndexSector = kEntriesPerFatSector - 1; // the last entry chains
constexpr int kDirectoryEntrySize = 128;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kIndexSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;

void padTo(QByteArray& bytes, int size)
{
    if (bytes.size() < size) {
        bytes.append(size - bytes.size(), '\0');
    }
}

// Where the sectors go: the stream, the directory, the allocation table, and
// the index sectors that list the table's sectors beyond the header's 109.
struct SectorLayout
{
    int streamSectors;
    int fatSectors = 1;
    int indexSectors = 0;

    explicit SectorLayout(int iStreamSectors) : streamSectors(iStreamSectors)
    {
        while (fatSectors * kEntriesPerFatSector < total()) {
            ++fatSectors;
            const int beyondHeader = std::max(0, fatSectors - kHeaderFatSlots);
            indexSectors = (beyondHeader + kFatSlotsPerIndexSector - 1) / kFatSlotsPerIndexSector;
        }
    }

    int total() const { return streamSectors + 1 + fatSectors + indexSectors; }
    quint32 directory() const { return quint32(streamSectors); }
    quint32 firstFat() const { return directory() + 1; }
    quint32 firstIndex() const { return firstFat() + quint32(fatSectors); }
};

QByteArray header(const SectorLayout& layout)
{
    QByteArray bytes = QByteArray::fromHex("D0CF11E0A1B11AE1");
    bytes.append(16, '\0'); // class id
    put16(bytes, 0x003E);   // minor version
    put16(bytes, 0x0003);   // major version 3: 512-byte sectors
    put16(bytes, 0xFFFE);   // little-endian
    put16(bytes, 9);        // sector size 2^9
    put16(bytes, 6);        // mini sector size 2^6
    bytes.append(6, '\0');  // reserved
    put32(bytes, 0);        // directory sectors (always 0 in version 3)
    put32(bytes, quint32(layout.fatSectors));
    put32(bytes, layout.directory());
    put32(bytes, 0); // transaction signature
    put32(bytes, CompoundFileWriter::kMiniStreamCutoff);
    put32(bytes, kEndOfChain); // no mini allocation table
    put32(bytes, 0);
    put32(bytes, layout.indexSectors > 0 ? layout.firstIndex() : kEndOfChain);
    put32(bytes, quint32(layout.indexSectors));
    for (int i = 0; i < kHeaderFatSlots; ++i) {
        put32(bytes, i < layout.fatSectors ? layout.firstFat() + quint32(i) : kFreeSector);
    }
    return bytes;
}

QByteArray allocationTable(const SectorLayout& layout)
{
    QByteArray fat;
    for (int sector = 0; sector < layout.streamSectors; ++sector) {
        put32(fat, sector + 1 < layout.streamSectors ? quint32(sector + 1) : kEndOfChain);
    }
    put32(fat, kEndOfChain); // the directory's one sector
    for (int i = 0; i < layout.fatSectors; ++i) {
        put32(fat, kFatSector);
    }
    for (int i = 0; i < layout.indexSectors; ++i) {
        put32(fat, kIndexSector);
    }
    while (fat.size() < layout.fatSectors * kSectorSize) {
        put32(fat, kFreeSector);
    }
    return fat;
}

QByteArray indexSectors(const SectorLayout& layout)
{
    QByteArray index;
    int fatSector = kHeaderFatSlots;
    for (int i = 0; i < layout.indexSectors; ++i) {
        for (int slot = 0; slot < kFatSlotsPerIndexSector; ++slot, ++fatSector) {
            put32(index, fatSector < layout.fatSectors ? layout.firstFat() + quint32(fatSector)
                                                       : kFreeSector);
        }
        put32(index,
              i + 1 < layout.indexSectors ? layout.firstIndex() + quint32(i + 1) : kEndOfChain);
    }
    return index;
}

QByteArray directoryEntry(const QString& qsName, quint8 type, quint32 child, quint32 start,
                          quint32 size)
{
    QByteArray bytes;
    for (QChar c : qsName) {
        put16(bytes, c.unicode());
    }
    padTo(bytes, 64);
    put16(bytes, quint16((qsName.size() + 1) * 2)); // name length with its terminator
    bytes.append(char(type));
    bytes.append(char(1)); // black in the red-black tree
    put32(bytes, kNoStream);
    put32(bytes, kNoStream);
    put32(bytes, child);
    bytes.append(16, '\0'); // class id
    put32(bytes, 0);        // state bits
    bytes.append(16, '\0'); // creation and modification times
    put32(bytes, start);
    put32(bytes, size);
    put32(bytes, 0); // high half of the size
    return bytes;
}

QByteArray unusedDirectoryEntry()
{
    QByteArray bytes(68, '\0');
    put32(bytes, kNoStream);
    put32(bytes, kNoStream);
    put32(bytes, kNoStream);
    padTo(bytes, kDirectoryEntrySize);
    return bytes;
}
} // namespace

QByteArray CompoundFileWriter::singleStreamFile(const QString& qsStreamName, QByteArray stream)
{
    padTo(stream, kMiniStreamCutoff);
    const quint32 streamSize = quint32(stream.size());
    const SectorLayout layout((stream.size() + kSectorSize - 1) / kSectorSize);

    QByteArray file = header(layout);
    padTo(file, kSectorSize);

    padTo(stream, layout.streamSectors * kSectorSize);
    file += stream;

    QByteArray directory = directoryEntry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    directory += directoryEntry(qsStreamName, 2, kNoStream, 0, streamSize);
    while (directory.size() < kSectorSize) {
        directory += unusedDirectoryEntry();
    }
    file += directory;
    file += allocationTable(layout);
    file += indexSectors(layout);
    return file;
}
