#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QByteArray>
#include <QSize>
#include <QVector>
#include <QtGui/QRgb>

// Writes an animated, endlessly looping GIF89a from indexed frames. Qt can
// read GIF but not write it. The image data is LZW-coded with literal codes
// only (a clear code before the code table would grow), which every decoder
// reads and which is small enough for a few small frames.
class GifWriter
{
public:
    GifWriter(QSize size, const QVector<QRgb>& palette, int iTransparentIndex, int iDelayCs);

    // One index per pixel, row by row.
    void addFrame(const QVector<uchar>& indices);
    QByteArray data() const;

private:
    void writeHeader();
    void writeLoopExtension();
    void writeImageData(const QVector<uchar>& indices);
    void writeWord(int iValue);

    QByteArray m_data;
    QSize m_size;
    QVector<QRgb> m_palette;
    int m_iTransparentIndex;
    int m_iDelayCs;
};

#endif
