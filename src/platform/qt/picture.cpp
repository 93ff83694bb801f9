#include "platform/qt/picture.h"

#include <QBuffer>
#include <QImageReader>

namespace tolvane::qt {

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
