#pragma once

#include <QByteArrayView>
#include <QImage>

// Reads an uncompressed 8-bit BMP row by row and returns it stretched to a
// given size, every cell the average of the source pixels it covers, so that
// thin lines stay visible when a large picture is shrunk. The whole picture
// is never held: a 1423 x 2039 picture costs one row and the result.
class StretchedBitmap
{
public:
    // data is the file, or with zlibCompressed the file as qCompress() and
    // the resource compiler store it (a 4-byte length and a zlib stream).
    // Returns a null image if the data is no such BMP.
    static QImage read(QByteArrayView data, bool zlibCompressed, QSize size);
};
