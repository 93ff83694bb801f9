#include "platform/qt/picture.h"

#include "resources/picture_scale.h"

#include <QBuffer>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

namespace tolvane::qt {

const QtPicture *ScaledPicture::natural() const
{
    return m_source ? QtPicture::of(m_source->picture(m_id, 1)) : nullptr;
}

const QtPicture *ScaledPicture::at(const QPainter &painter, int *scale) const
{
    *scale = pictureScaleFor(m_id, painter.device()->devicePixelRatioF());
    const QtPicture *picture = m_source ? QtPicture::of(m_source->picture(m_id, *scale)) : nullptr;
    if (!picture && *scale != 1) {
        *scale = 1;
        picture = natural();
    }
    return picture;
}

void ScaledPicture::drawNatural(QPainter &painter) const
{
    int scale = 1;
    const QtPicture *picture = at(painter, &scale);
    if (!picture)
        return;
    if (scale == 1) {
        painter.drawPixmap(picture->offset(), picture->pixmap());
        return;
    }
    // The 2x part where the 1x part lies, each 2x pixel half a pixel wide.
    const QPixmap &pixmap = picture->pixmap();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(picture->offset()) / scale, QSizeF(pixmap.size()) / scale), pixmap,
                       QRectF(pixmap.rect()));
}

void ScaledPicture::drawStretched(QPainter &painter, QSize size, QPixmap &cache) const
{
    int scale = 1;
    const QtPicture *picture = at(painter, &scale);
    if (!picture)
        return;
    // At 2x the picture is scaled to the device pixels the rectangle covers.
    const qreal ratio = scale == 1 ? 1.0 : painter.device()->devicePixelRatioF();
    const QSize pixels = scale == 1 ? size : (QSizeF(size) * ratio).toSize();
    if (cache.size() != pixels || cache.devicePixelRatio() != ratio) {
        cache = picture->pixmap().scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        cache.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(0, 0, cache);
}

std::unique_ptr<QtPicture> decodePicture(QByteArrayView file, QRect part)
{
    if (part.isEmpty())
        return std::make_unique<QtPicture>(QImage(), part.topLeft()); // nothing of it can be seen
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(file.data(), file.size()));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const bool whole = part == QRect(QPoint(0, 0), reader.size());
    if (!whole && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(part);
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    const QPoint offset = reader.clipRect().isValid() ? reader.clipRect().topLeft() : QPoint();
    return std::make_unique<QtPicture>(std::move(image), offset);
}

} // namespace tolvane::qt
