// Pictures are shrunk by area average as they stream from the resources.
#include "stretchedbitmap.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QResource>
#include <QTest>

namespace {

// A small 8-bit picture with a random pattern over a random palette.
QImage pattern(QSize size)
{
    QRandomGenerator random(42);
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours << random.generate();
    image.setColorTable(colours);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.bounded(256));
    return image;
}

QByteArray bmp(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    QImageWriter(&buffer, "BMP").write(image);
    return data;
}

// Each grid cell the rounded mean of the pixels whose top-left corner falls
// into it, computed the plain way.
QImage averaged(const QImage &source, QSize grid)
{
    QImage result(grid, QImage::Format_RGB32);
    for (int cy = 0; cy < grid.height(); ++cy) {
        for (int cx = 0; cx < grid.width(); ++cx) {
            quint32 r = 0, g = 0, b = 0, n = 0;
            for (int y = 0; y < source.height(); ++y) {
                for (int x = 0; x < source.width(); ++x) {
                    if (x * grid.width() / source.width() != cx || y * grid.height() / source.height() != cy)
                        continue;
                    const QRgb p = source.pixel(x, y);
                    r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
                }
            }
            result.setPixel(cx, cy, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return result;
}

} // namespace

class StretchedBitmapTest : public QObject
{
    Q_OBJECT

private slots:
    void shrinks_data();
    void shrinks();
    void enlargesSmoothly();
    void rejects_data();
    void rejects();
    void windowPictures_data();
    void windowPictures();
};

void StretchedBitmapTest::shrinks_data()
{
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QSize>("grid");

    for (bool compressed : {false, true}) {
        const char *how = compressed ? "zlib" : "plain";
        QTest::addRow("%s, to 10 x 12", how) << compressed << QSize(10, 12);
        QTest::addRow("%s, own size", how) << compressed << QSize(37, 53);
        QTest::addRow("%s, one pixel", how) << compressed << QSize(1, 1);
        QTest::addRow("%s, only narrower", how) << compressed << QSize(5, 53);
    }
}

// An odd width also proves the row padding is skipped.
void StretchedBitmapTest::shrinks()
{
    QFETCH(bool, compressed);
    QFETCH(QSize, grid);
    const QImage source = pattern(QSize(37, 53));
    const QByteArray file = bmp(source);
    const QImage result = StretchedBitmap::read(compressed ? qCompress(file, 9) : file, compressed, grid);
    QCOMPARE(result, averaged(source, grid));
}

void StretchedBitmapTest::enlargesSmoothly()
{
    const QImage source = pattern(QSize(8, 6));
    const QImage result = StretchedBitmap::read(bmp(source), false, QSize(16, 4));
    const QImage expected = averaged(source, QSize(8, 4)).scaled(16, 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(result, expected);
}

void StretchedBitmapTest::rejects_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("compressed");

    const QByteArray file = bmp(pattern(QSize(9, 7)));
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("cut short") << file.left(file.size() - 1) << false;
    QTest::newRow("compressed, cut short") << qCompress(file).chopped(8) << true;
    QTest::newRow("not compressed after all") << file << true;
    QTest::newRow("not a BMP") << QByteArray(2000, 'x') << false;
    QTest::newRow("24 bits per pixel") << bmp(pattern(QSize(9, 7)).convertToFormat(QImage::Format_RGB888)) << false;
    QByteArray negativeWidth = file;
    negativeWidth[21] = char(0xff);
    QTest::newRow("negative width") << negativeWidth << false;
}

void StretchedBitmapTest::rejects()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, compressed);
    QVERIFY(StretchedBitmap::read(data, compressed, QSize(4, 4)).isNull());
}

void StretchedBitmapTest::windowPictures_data()
{
    QTest::addColumn<QString>("path");
    for (int i = 1; i <= 3; ++i)
        QTest::addRow("picture %d", i) << QStringLiteral(":/pictures/picture%1.bmp").arg(i);
}

// The window reads its pictures as the resource compiler stores them.
void StretchedBitmapTest::windowPictures()
{
    QFETCH(QString, path);
    const QResource resource(path);
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::ZlibCompression);
    const QImage shown =
        StretchedBitmap::read(QByteArrayView(resource.data(), resource.size()), true, QSize(189, 267));
    QCOMPARE(shown.size(), QSize(189, 267));
    QCOMPARE(shown.pixel(0, 0), shown.pixel(188, 0)); // the drawings' plain background
}

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    QTEST_SET_MAIN_SOURCE_PATH
    StretchedBitmapTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stretchedbitmap.moc"
