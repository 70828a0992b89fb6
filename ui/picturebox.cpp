#include "picturebox.h"

#include "stretchedbitmap.h"

#include <QPainter>
#include <QResource>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    // The picture covers the box, so a box beneath another one, as the
    // pictures lie stacked before the window first hides two of them, is
    // never painted and its picture never read.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString PictureBox::picture() const
{
    return resourcePath_;
}

void PictureBox::setPicture(const QString &resourcePath)
{
    resourcePath_ = resourcePath;
    shown_ = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (shown_.size() != devicePixels) {
        const QResource resource(resourcePath_);
        const QByteArrayView data(resource.data(), resource.size());
        shown_ = StretchedBitmap::read(data, resource.compressionAlgorithm() == QResource::ZlibCompression,
                                       devicePixels);
        shown_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    if (shown_.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(rect(), shown_);
}
