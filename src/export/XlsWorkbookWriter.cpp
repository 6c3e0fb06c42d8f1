#include "export/XlsWorkbookWriter.h"

#include "export/CompoundFileWriter.h"
#include "export/LittleEndianBytes.h"

#include <QHash>
#include <QVector>

#include <algorithm>

namespace {
using namespace LittleEndianBytes;

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kWsBool = 0x0081;
constexpr quint16 kSetup = 0x00A1;
constexpr quint16 kColInfo = 0x007D;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kWindow2 = 0x023E;

constexpr int kMaxRecordData = 8224;
constexpr int kRecordHeader = 4;
constexpr quint16 kCellXf = 15; // the one cell format, after the 15 style formats
constexpr int kMaxSheetName = 31;

// Column widths count 1/256 of the width of a digit in the sheet's font.
constexpr int kWidthUnitsPerDigit = 256;
constexpr int kMaxColumnWidth = 255 * kWidthUnitsPerDigit;
// Advance widths in 1/1000 em of Arial, the sheet's font, for " " to "~".
// clang-format off
constexpr quint16 kArialWidths[] = {
     278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // from ' '
     556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // from '0'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // from '@'
     667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // from 'P'
     333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // from '`'
     556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};     // from 'p'
// clang-format on
constexpr int kDigitWidth = 556;
constexpr int kWideWidth = 1000;  // CJK ideographs, kana, hangul, full-width forms, emoji
constexpr int kOtherWidth = 778;  // other letters: as wide as Arial's wider capitals
constexpr int kCellPadding = 556; // the gap at both sides of a cell's text: one digit

void addRecord(QByteArray& stream, quint16 type, const QByteArray& data)
{
    put16(stream, type);
    put16(stream, quint16(data.size()));
    stream += data;
}

// One byte per character when every character is Latin-1, else UTF-16LE.
bool isLatin1(const QString& qsText)
{
    return std::all_of(qsText.begin(), qsText.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

quint8 stringFlag(bool bLatin1)
{
    return bLatin1 ? 0 : 1;
}

void putChars(QByteArray& bytes, const QString& qsText, bool bLatin1)
{
    for (QChar c : qsText) {
        if (bLatin1) {
            put8(bytes, quint8(c.unicode()));
        } else {
            put16(bytes, c.unicode());
        }
    }
}

QByteArray shortString(const QString& qsText)
{
    QByteArray bytes;
    const bool bLatin1 = isLatin1(qsText);
    put8(bytes, quint8(qsText.size()));
    put8(bytes, stringFlag(bLatin1));
    putChars(bytes, qsText, bLatin1);
    return bytes;
}

QByteArray bof(quint16 type)
{
    QByteArray data;
    put16(data, 0x0600); // BIFF8
    put16(data, type);
    put16(data, 0x0DBB); // build
    put16(data, 0x07CC); // year
    put32(data, 0);      // file history
    put32(data, 6);      // lowest version that saved it
    return data;
}

QByteArray window1()
{
    QByteArray data;
    put16(data, 0);      // left
    put16(data, 0);      // top
    put16(data, 0x4000); // width
    put16(data, 0x2000); // height
    put16(data, 0x0038); // scroll bars and sheet tabs shown
    put16(data, 0);      // active sheet
    put16(data, 0);      // first visible tab
    put16(data, 1);      // selected tabs
    put16(data, 0x0258); // tab bar width ratio
    return data;
}

QByteArray font()
{
    QByteArray data;
    put16(data, 200);    // 10 points in twips
    put16(data, 0);      // no attributes
    put16(data, 0x7FFF); // automatic colour
    put16(data, 400);    // normal weight
    put16(data, 0);      // no super- or subscript
    put8(data, 0);       // no underline
    put8(data, 0);       // family
    put8(data, 0);       // character set
    put8(data, 0);       // reserved
    data += shortString(QStringLiteral("Arial"));
    return data;
}

QByteArray xf(bool bStyle)
{
    QByteArray data;
    put16(data, 0);                        // font
    put16(data, 0);                        // number format "General"
    put16(data, bStyle ? 0xFFF5 : 0x0001); // locked; style without parent, or cell of style 0
    put8(data, 0x20);                      // bottom-aligned
    put8(data, 0);                         // no rotation
    put8(data, 0);                         // no indent
    put8(data, 0);                         // attributes taken from the parent
    put32(data, 0);                        // no borders
    put32(data, 0);                        // no pattern
    put16(data, 0x20C0);                   // system foreground and background colours
    return data;
}

QByteArray normalStyle()
{
    QByteArray data;
    put16(data, 0x8000); // built-in style of format 0
    put8(data, 0);       // "Normal"
    put8(data, 0xFF);
    return data;
}

struct SharedStrings
{
    QStringList texts;
    QHash<QString, quint32> index;
    quint32 references = 0;

    quint32 add(const QString& qsText)
    {
        ++references;
        auto it = index.constFind(qsText);
        if (it != index.constEnd()) {
            return it.value();
        }
        const quint32 i = quint32(texts.size());
        index.insert(qsText, i);
        texts.append(qsText);
        return i;
    }
};

// A shared-string table split into the SST record and CONTINUE records.
// A string header is never split; a string split across records goes on in
// the next record after a new flag byte.
class SstBuilder
{
public:
    explicit SstBuilder(const SharedStrings& strings)
    {
        m_records.append(QByteArray());
        put32(m_records.last(), strings.references);
        put32(m_records.last(), quint32(strings.texts.size()));
        m_stringsPerBucket = std::max(8, (strings.texts.size() + 127) / 128);
        for (int i = 0; i < strings.texts.size(); ++i) {
            addString(i, strings.texts.at(i));
        }
    }

    void appendTo(QByteArray& stream) const
    {
        QVector<int> recordStarts;
        for (int i = 0; i < m_records.size(); ++i) {
            recordStarts.append(stream.size());
            addRecord(stream, i == 0 ? kSst : kContinue, m_records.at(i));
        }
        QByteArray extSst;
        put16(extSst, quint16(m_stringsPerBucket));
        for (const BucketStart& start : m_bucketStarts) {
            const int offsetInRecord = kRecordHeader + start.offsetInData;
            put32(extSst, quint32(recordStarts.at(start.record) + offsetInRecord));
            put16(extSst, quint16(offsetInRecord));
            put16(extSst, 0);
        }
        addRecord(stream, kExtSst, extSst);
    }

private:
    struct BucketStart
    {
        int record;
        int offsetInData;
    };

    int room() const { return kMaxRecordData - m_records.last().size(); }

    void addString(int i, const QString& qsText)
    {
        const bool bLatin1 = isLatin1(qsText);
        const int charSize = bLatin1 ? 1 : 2;
        if (room() < 3 + charSize) {
            m_records.append(QByteArray());
        }
        if (i % m_stringsPerBucket == 0) {
            m_bucketStarts.append({m_records.size() - 1, m_records.last().size()});
        }
        put16(m_records.last(), quint16(qsText.size()));
        put8(m_records.last(), stringFlag(bLatin1));
        int pos = 0;
        while (pos < qsText.size()) {
            const int fitting = room() / charSize;
            if (fitting == 0) {
                m_records.append(QByteArray());
                put8(m_records.last(), stringFlag(bLatin1));
                continue;
            }
            const int count = std::min(fitting, qsText.size() - pos);
            putChars(m_records.last(), qsText.mid(pos, count), bLatin1);
            pos += count;
        }
    }

    QVector<QByteArray> m_records;
    QVector<BucketStart> m_bucketStarts;
    int m_stringsPerBucket = 8;
};

struct Cell
{
    quint16 row;
    quint16 column;
    quint32 sst;
};

QVector<Cell> collectCells(const XlsSheet& sheet, SharedStrings& strings)
{
    QVector<Cell> cells;
    auto addRow = [&](int row, const QStringList& texts) {
        for (int column = 0; column < texts.size(); ++column) {
            if (!texts.at(column).isEmpty()) {
                cells.append({quint16(row), quint16(column), strings.add(texts.at(column))});
            }
        }
    };
    addRow(0, sheet.columnNames);
    for (int i = 0; i < sheet.rows.size(); ++i) {
        addRow(i + 1, sheet.rows.at(i));
    }
    return cells;
}

int columnCount(const XlsSheet& sheet)
{
    int columns = sheet.columnNames.size();
    for (const QStringList& row : sheet.rows) {
        columns = std::max(columns, row.size());
    }
    return columns;
}

QByteArray dimensions(const XlsSheet& sheet)
{
    QByteArray data;
    put32(data, 0);
    put32(data, quint32(sheet.rows.size() + 1)); // one past the last row
    put16(data, 0);
    put16(data, quint16(columnCount(sheet))); // one past the last column
    put16(data, 0);
    return data;
}

bool isWide(uint codePoint)
{
    return (codePoint >= 0x2E80 && codePoint <= 0xA4CF) ||
           (codePoint >= 0xAC00 && codePoint <= 0xD7A3) ||
           (codePoint >= 0xF900 && codePoint <= 0xFAFF) ||
           (codePoint >= 0xFE30 && codePoint <= 0xFE4F) ||
           (codePoint >= 0xFF00 && codePoint <= 0xFF60) ||
           (codePoint >= 0xFFE0 && codePoint <= 0xFFE6) || codePoint >= 0x1F300;
}

int charWidth(uint codePoint)
{
    const uint first = ' ';
    const uint count = sizeof(kArialWidths) / sizeof(kArialWidths[0]);
    if (codePoint >= first && codePoint < first + count) {
        return kArialWidths[codePoint - first];
    }
    return isWide(codePoint) ? kWideWidth : kOtherWidth;
}

// The width a column needs to show the text whole, in column-width units.
int fittingWidth(const QString& qsText)
{
    qint64 width = kCellPadding;
    for (uint codePoint : qsText.toUcs4()) {
        width += charWidth(codePoint);
    }
    const qint64 units = (width * kWidthUnitsPerDigit + kDigitWidth - 1) / kDigitWidth;
    return int(std::min<qint64>(units, kMaxColumnWidth));
}

// Each column as wide as its longest text, the column name included.
QVector<int> columnWidths(const XlsSheet& sheet)
{
    QVector<int> widths(columnCount(sheet), fittingWidth(QString()));
    auto widen = [&widths](const QStringList& texts) {
        for (int column = 0; column < texts.size(); ++column) {
            widths[column] = std::max(widths[column], fittingWidth(texts.at(column)));
        }
    };
    widen(sheet.columnNames);
    for (const QStringList& row : sheet.rows) {
        widen(row);
    }
    return widths;
}

QByteArray colInfo(int column, int width)
{
    QByteArray data;
    put16(data, quint16(column)); // first column
    put16(data, quint16(column)); // last column
    put16(data, quint16(width));
    put16(data, kCellXf);
    put16(data, 0); // shown, not collapsed
    put16(data, 0);
    return data;
}

// Landscape A4, scaled to fit the columns on one page width, as many pages
// down as the rows need.
QByteArray setup()
{
    QByteArray data;
    put16(data, 9);       // A4
    put16(data, 100);     // scale, unused when fitting
    put16(data, 1);       // first page number
    put16(data, 1);       // one page wide
    put16(data, 0);       // any number of pages high
    put16(data, 0);       // landscape; paper, scale and orientation are set
    put16(data, 600);     // print resolution in dpi
    put16(data, 600);     // vertical print resolution
    putDouble(data, 0.5); // header margin in inches
    putDouble(data, 0.5); // footer margin
    put16(data, 1);       // copies
    return data;
}

QByteArray window2()
{
    QByteArray data;
    put16(data, 0x06B6); // grid, headers, zeros, outline; selected and shown tab
    put16(data, 0);      // top row
    put16(data, 0);      // left column
    put16(data, 0x40);   // grid colour: automatic
    put16(data, 0);
    put16(data, 0); // page-break preview zoom: default
    put16(data, 0); // normal zoom: default
    put32(data, 0);
    return data;
}

QByteArray worksheet(const XlsSheet& sheet, const QVector<Cell>& cells)
{
    QByteArray stream;
    addRecord(stream, kBof, bof(0x0010));
    QByteArray wsBool;
    put16(wsBool, 0x05C1); // the usual outline settings, and fit to pages when printed
    addRecord(stream, kWsBool, wsBool);
    addRecord(stream, kSetup, setup());
    const QVector<int> widths = columnWidths(sheet);
    for (int column = 0; column < widths.size(); ++column) {
        addRecord(stream, kColInfo, colInfo(column, widths.at(column)));
    }
    addRecord(stream, kDimensions, dimensions(sheet));
    for (const Cell& cell : cells) {
        QByteArray data;
        put16(data, cell.row);
        put16(data, cell.column);
        put16(data, kCellXf);
        put32(data, cell.sst);
        addRecord(stream, kLabelSst, data);
    }
    addRecord(stream, kWindow2, window2());
    addRecord(stream, kEof, QByteArray());
    return stream;
}
} // namespace

QString XlsWorkbookWriter::sheetName(const QString& qsTableName)
{
    QString qsName = qsTableName;
    for (QChar& c : qsName) {
        if (QStringLiteral(":\\/?*[]").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    auto trimApostrophes = [](QString& qs) {
        while (qs.startsWith(QLatin1Char('\''))) {
            qs.remove(0, 1);
        }
        while (qs.endsWith(QLatin1Char('\''))) {
            qs.chop(1);
        }
    };
    trimApostrophes(qsName);
    if (qsName.size() > kMaxSheetName) {
        const bool bSplitsPair = qsName.at(kMaxSheetName - 1).isHighSurrogate();
        qsName.truncate(bSplitsPair ? kMaxSheetName - 1 : kMaxSheetName);
        trimApostrophes(qsName);
    }
    return qsName.isEmpty() ? QStringLiteral("Sheet1") : qsName;
}

QByteArray XlsWorkbookWriter::workbookStream(const XlsSheet& sheet)
{
    SharedStrings strings;
    const QVector<Cell> cells = collectCells(sheet, strings);

    QByteArray stream;
    addRecord(stream, kBof, bof(0x0005));
    QByteArray codePage;
    put16(codePage, 1200); // UTF-16
    addRecord(stream, kCodePage, codePage);
    addRecord(stream, kWindow1, window1());
    for (int i = 0; i < 5; ++i) {
        addRecord(stream, kFont, font());
    }
    for (int i = 0; i < 15; ++i) {
        addRecord(stream, kXf, xf(true));
    }
    addRecord(stream, kXf, xf(false));
    addRecord(stream, kStyle, normalStyle());

    QByteArray boundSheet;
    put32(boundSheet, 0); // the sheet's offset, set below
    put8(boundSheet, 0);  // visible
    put8(boundSheet, 0);  // worksheet
    boundSheet += shortString(sheetName(sheet.qsName));
    const int sheetOffsetPos = stream.size() + kRecordHeader;
    addRecord(stream, kBoundSheet, boundSheet);

    SstBuilder(strings).appendTo(stream);
    addRecord(stream, kEof, QByteArray());

    qToLittleEndian(quint32(stream.size()), stream.data() + sheetOffsetPos);
    stream += worksheet(sheet, cells);
    return stream;
}

QByteArray XlsWorkbookWriter::workbookFile(const XlsSheet& sheet)
{
    return CompoundFileWriter::singleStreamFile(QStringLiteral("Workbook"), workbookStream(sheet));
}
