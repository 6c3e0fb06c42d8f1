#ifndef GB2312TABLE_H
#define GB2312TABLE_H

#include <QtGlobal>

#include <vector>

// The two-byte codes of GB2312 (EUC-CN: lead and trail byte 0xA1-0xFE, rows
// 1-87) as tables in both directions, built once.
//
// Qt's "GB2312" codec is really GBK: it also maps cells that the standard
// leaves empty (small Roman numerals, vertical forms, private-use codes) and
// gives two cells (row 1, cells 4 and 10) other characters than strict
// readers do. Encoding therefore covers only the assigned cells on whose
// character every reader agrees; decoding accepts every cell of rows 1-87
// that earlier versions of this program could have written.
class Gb2312Table
{
public:
    static const Gb2312Table& instance();

    // The code (lead byte << 8 | trail byte) of a BMP character, or 0 when the
    // character has no code that every reader decodes back to it.
    quint16 encode(char16_t uChar) const { return m_codes[uChar]; }
    // The character of a code, or 0 when the bytes are no code.
    char16_t decode(uchar lead, uchar trail) const;

private:
    Gb2312Table();

    std::vector<quint16> m_codes;  // by character
    std::vector<char16_t> m_chars; // by cell: (row - 1) * 94 + cell - 1
};

#endif
