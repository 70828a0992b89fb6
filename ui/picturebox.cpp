#include "picturebox.h"

#include <QPainter>

#include <vector>

namespace {

// The source pixels [begin, end) along one axis that make up one grid cell.
// When the grid is finer than the source, one source pixel fills several
// cells, so no cell is ever empty.
struct Span {
    int begin;
    int end;
};

std::vector<Span> spans(int sourceLength, int gridLength)
{
    std::vector<Span> result(gridLength);
    for (int i = 0; i < gridLength; ++i) {
        const int begin = static_cast<int>(static_cast<qint64>(i) * sourceLength / gridLength);
        const int end = static_cast<int>(static_cast<qint64>(i + 1) * sourceLength / gridLength);
        result[i] = {begin, std::max(end, begin + 1)};
    }
    return result;
}

template <class PixelAt>
void average(const QImage &source, QImage &result, PixelAt pixelAt)
{
    const std::vector<Span> columns = spans(source.width(), result.width());
    const std::vector<Span> rows = spans(source.height(), result.height());
    std::vector<quint32> red(columns.size()), green(columns.size()), blue(columns.size());
    for (int row = 0; row < result.height(); ++row) {
        std::fill(red.begin(), red.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        std::fill(blue.begin(), blue.end(), 0);
        for (int y = rows[row].begin; y < rows[row].end; ++y) {
            const uchar *line = source.constScanLine(y);
            for (std::size_t cell = 0; cell < columns.size(); ++cell) {
                for (int x = columns[cell].begin; x < columns[cell].end; ++x) {
                    const QRgb rgb = pixelAt(line, x);
                    red[cell] += qRed(rgb);
                    green[cell] += qGreen(rgb);
                    blue[cell] += qBlue(rgb);
                }
            }
        }
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(row));
        for (std::size_t cell = 0; cell < columns.size(); ++cell) {
            const quint32 n = (rows[row].end - rows[row].begin) * (columns[cell].end - columns[cell].begin);
            out[cell] = qRgb((red[cell] + n / 2) / n, (green[cell] + n / 2) / n, (blue[cell] + n / 2) / n);
        }
    }
}

} // namespace

QString PictureBox::picture() const
{
    return fileName_;
}

void PictureBox::setPicture(const QString &fileName)
{
    fileName_ = fileName;
    shown_ = QImage();
    update();
}

QImage PictureBox::stretched(const QImage &source, QSize size)
{
    QImage result(size, QImage::Format_RGB32);
    if (source.isNull() || size.isEmpty())
        return result;
    if (source.format() == QImage::Format_Indexed8) {
        const QList<QRgb> colours = source.colorTable();
        average(source, result, [&colours](const uchar *line, int x) { return colours.value(line[x]); });
    } else {
        const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
        average(rgb, result, [](const uchar *line, int x) { return reinterpret_cast<const QRgb *>(line)[x]; });
    }
    return result;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (shown_.size() != devicePixels) {
        shown_ = stretched(QImage(fileName_), devicePixels);
        shown_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawImage(rect(), shown_);
}
