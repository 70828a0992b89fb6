#include "picturebox.h"

#include "stretchedbitmap.h"

#include <QPainter>
#include <QResource>

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
    QPainter(this).drawImage(rect(), shown_);
}
