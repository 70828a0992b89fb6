#include "stretchedbitmap.h"

#include <zlib.h>

#include <cstring>
#include <vector>

namespace {

// The file's bytes in order, inflated on the way when they are compressed.
class ByteSource
{
public:
    ByteSource(QByteArrayView data, bool zlibCompressed)
        : compressed_(zlibCompressed)
    {
        constexpr qsizetype lengthPrefix = 4;
        if (!compressed_) {
            raw_ = data;
            return;
        }
        if (data.size() <= lengthPrefix)
            return;
        stream_.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data() + lengthPrefix));
        stream_.avail_in = static_cast<uInt>(data.size() - lengthPrefix);
        open_ = inflateInit(&stream_) == Z_OK;
    }

    ~ByteSource()
    {
        if (open_)
            inflateEnd(&stream_);
    }

    ByteSource(const ByteSource &) = delete;
    ByteSource &operator=(const ByteSource &) = delete;

    bool read(void *destination, std::size_t count)
    {
        if (!compressed_) {
            if (static_cast<std::size_t>(raw_.size()) < count)
                return false;
            std::memcpy(destination, raw_.data(), count);
            raw_ = raw_.sliced(static_cast<qsizetype>(count));
            return true;
        }
        if (!open_)
            return false;
        stream_.next_out = static_cast<Bytef *>(destination);
        stream_.avail_out = static_cast<uInt>(count);
        while (stream_.avail_out > 0) {
            const int result = inflate(&stream_, Z_NO_FLUSH);
            if (result != Z_OK && !(result == Z_STREAM_END && stream_.avail_out == 0))
                return false;
        }
        return true;
    }

    bool skip(std::size_t count)
    {
        char scratch[256];
        for (; count > sizeof scratch; count -= sizeof scratch) {
            if (!read(scratch, sizeof scratch))
                return false;
        }
        return read(scratch, count);
    }

private:
    bool compressed_;
    QByteArrayView raw_;
    z_stream stream_{};
    bool open_ = false;
};

quint32 le32(const uchar *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | quint32(p[3]) << 24;
}

struct BitmapHeader {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    QList<QRgb> colours;
};

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr int largestSide = 1 << 15;

// Reads the headers and the colour table and leaves the source at the first
// row; false for anything but an uncompressed 8-bit BMP.
bool readHeader(ByteSource &source, BitmapHeader &header)
{
    uchar bytes[fileHeaderSize + infoHeaderSize];
    if (!source.read(bytes, sizeof bytes) || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const quint32 pixelOffset = le32(bytes + 10);
    const quint32 infoSize = le32(bytes + 14);
    const auto width = static_cast<qint32>(le32(bytes + 18));
    const auto height = static_cast<qint32>(le32(bytes + 22));
    const int bitsPerPixel = bytes[28] | bytes[29] << 8;
    const quint32 compression = le32(bytes + 30);
    const quint32 coloursUsed = le32(bytes + 46) == 0 ? 256 : le32(bytes + 46);
    if (infoSize < infoHeaderSize || bitsPerPixel != 8 || compression != 0 || coloursUsed > 256 || width <= 0
        || width > largestSide || height == 0 || height < -largestSide || height > largestSide)
        return false;

    const std::size_t tableEnd = fileHeaderSize + infoSize + 4 * coloursUsed;
    if (pixelOffset < tableEnd || !source.skip(infoSize - infoHeaderSize))
        return false;
    uchar table[4 * 256];
    if (!source.read(table, 4 * coloursUsed) || !source.skip(pixelOffset - tableEnd))
        return false;

    header.width = width;
    header.height = std::abs(height);
    header.bottomUp = height > 0;
    header.colours.fill(qRgb(0, 0, 0), 256);
    for (quint32 i = 0; i < coloursUsed; ++i)
        header.colours[i] = qRgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
    return true;
}

// Sums of one row of grid cells while its source rows stream by.
class CellRow
{
public:
    CellRow(int sourceWidth, int gridWidth)
        : cellOfColumn_(sourceWidth), columns_(gridWidth), red_(gridWidth), green_(gridWidth), blue_(gridWidth)
    {
        for (int x = 0; x < sourceWidth; ++x) {
            cellOfColumn_[x] = static_cast<int>(static_cast<qint64>(x) * gridWidth / sourceWidth);
            ++columns_[cellOfColumn_[x]];
        }
    }

    void add(const uchar *indices, const QList<QRgb> &colours)
    {
        for (std::size_t x = 0; x < cellOfColumn_.size(); ++x) {
            const QRgb rgb = colours[indices[x]];
            const int cell = cellOfColumn_[x];
            red_[cell] += qRed(rgb);
            green_[cell] += qGreen(rgb);
            blue_[cell] += qBlue(rgb);
        }
        ++rows_;
    }

    void writeAverages(QRgb *line)
    {
        for (std::size_t cell = 0; cell < columns_.size(); ++cell) {
            const quint32 n = columns_[cell] * rows_;
            line[cell] = qRgb((red_[cell] + n / 2) / n, (green_[cell] + n / 2) / n, (blue_[cell] + n / 2) / n);
            red_[cell] = green_[cell] = blue_[cell] = 0;
        }
        rows_ = 0;
    }

private:
    std::vector<int> cellOfColumn_;
    std::vector<quint32> columns_, red_, green_, blue_;
    quint32 rows_ = 0;
};

} // namespace

QImage StretchedBitmap::read(QByteArrayView data, bool zlibCompressed, QSize size)
{
    ByteSource source(data, zlibCompressed);
    BitmapHeader header;
    if (size.isEmpty() || !readHeader(source, header))
        return {};

    // Averaging shrinks; a grid finer than the picture is reached by
    // enlarging the picture's own size smoothly afterwards.
    const QSize grid = size.boundedTo(QSize(header.width, header.height));
    QImage result(grid, QImage::Format_RGB32);
    CellRow cells(header.width, grid.width());
    std::vector<uchar> row((header.width + 3) & ~3); // rows are padded to four bytes
    int cellRow = -1;
    for (int i = 0; i < header.height; ++i) {
        if (!source.read(row.data(), row.size()))
            return {};
        const int y = header.bottomUp ? header.height - 1 - i : i;
        const int cell = static_cast<int>(static_cast<qint64>(y) * grid.height() / header.height);
        if (cell != cellRow && cellRow >= 0)
            cells.writeAverages(reinterpret_cast<QRgb *>(result.scanLine(cellRow)));
        cellRow = cell;
        cells.add(row.data(), header.colours);
    }
    cells.writeAverages(reinterpret_cast<QRgb *>(result.scanLine(cellRow)));
    return grid == size ? result : result.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
