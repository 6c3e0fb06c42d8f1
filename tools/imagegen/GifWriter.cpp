#include "GifWriter.h"

namespace {
const int kCodeBits = 9;
const int kClearCode = 256;
const int kEndCode = 257;
// Literal codes between two clear codes: the decoder's table grows by one
// entry per code and must stay below 512 entries, where codes would widen.
const int kLiteralsPerClear = 250;

// Packs variable-width codes least significant bit first and cuts the
// result into the GIF's sub-blocks of at most 255 bytes.
class CodeStream
{
public:
    void put(int iCode)
    {
        m_iBuffer |= iCode << m_iBits;
        m_iBits += kCodeBits;
        while (m_iBits >= 8) {
            m_bytes.append(char(m_iBuffer & 0xFF));
            m_iBuffer >>= 8;
            m_iBits -= 8;
        }
    }
    QByteArray subBlocks()
    {
        if (m_iBits > 0) {
            m_bytes.append(char(m_iBuffer & 0xFF));
            m_iBuffer = 0;
            m_iBits = 0;
        }
        QByteArray blocks;
        for (int i = 0; i < m_bytes.size(); i += 255) {
            const QByteArray chunk = m_bytes.mid(i, 255);
            blocks.append(char(chunk.size()));
            blocks.append(chunk);
        }
        blocks.append(char(0));
        return blocks;
    }

private:
    QByteArray m_bytes;
    int m_iBuffer = 0;
    int m_iBits = 0;
};
} // namespace

GifWriter::GifWriter(QSize size, const QVector<QRgb>& palette, int iTransparentIndex, int iDelayCs)
    : m_size(size), m_palette(palette), m_iTransparentIndex(iTransparentIndex), m_iDelayCs(iDelayCs)
{
    m_palette.resize(256);
    writeHeader();
    writeLoopExtension();
}

void GifWriter::writeWord(int iValue)
{
    m_data.append(char(iValue & 0xFF));
    m_data.append(char((iValue >> 8) & 0xFF));
}

void GifWriter::writeHeader()
{
    m_data.append("GIF89a");
    writeWord(m_size.width());
    writeWord(m_size.height());
    m_data.append(char(0xF7)); // global colour table of 256 entries, 8 bits each
    m_data.append(char(m_iTransparentIndex));
    m_data.append(char(0));
    for (QRgb colour : qAsConst(m_palette)) {
        m_data.append(char(qRed(colour)));
        m_data.append(char(qGreen(colour)));
        m_data.append(char(qBlue(colour)));
    }
}

void GifWriter::writeLoopExtension()
{
    m_data.append("\x21\xFF\x0B", 3);
    m_data.append("NETSCAPE2.0");
    m_data.append("\x03\x01\x00\x00\x00", 5); // loop for ever
}

void GifWriter::addFrame(const QVector<uchar>& indices)
{
    // Graphic control: restore to background after the frame, so that the
    // transparent pixels of the next frame do not show the last one.
    m_data.append("\x21\xF9\x04", 3);
    m_data.append(char((2 << 2) | 1));
    writeWord(m_iDelayCs);
    m_data.append(char(m_iTransparentIndex));
    m_data.append(char(0));

    m_data.append(char(0x2C));
    writeWord(0);
    writeWord(0);
    writeWord(m_size.width());
    writeWord(m_size.height());
    m_data.append(char(0));
    writeImageData(indices);
}

void GifWriter::writeImageData(const QVector<uchar>& indices)
{
    m_data.append(char(8)); // minimum code size
    CodeStream codes;
    codes.put(kClearCode);
    int iSinceClear = 0;
    for (uchar index : indices) {
        if (iSinceClear == kLiteralsPerClear) {
            codes.put(kClearCode);
            iSinceClear = 0;
        }
        codes.put(index);
        ++iSinceClear;
    }
    codes.put(kEndCode);
    m_data.append(codes.subBlocks());
}

QByteArray GifWriter::data() const
{
    return m_data + QByteArray(1, char(0x3B));
}
