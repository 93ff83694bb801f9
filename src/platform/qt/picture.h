#pragma once

#include "runtime/picture.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>

namespace tolvane::qt {

// A decoded picture: the part of it that can come into view, and where that
// part starts in the whole picture. Decoded into an image on any thread; the
// pixmap that widgets draw is made from it once, on the user-interface thread.
class QtPicture : public runtime::Picture {
public:
    QtPicture(QImage image, QPoint offset) : m_image(std::move(image)), m_offset(offset) {}

    QPoint offset() const { return m_offset; }
    const QPixmap &pixmap() const
    {
        if (m_pixmap.isNull())
            m_pixmap = QPixmap::fromImage(m_image);
        return m_pixmap;
    }

    // What the game's picture source hands this runtime is always its own.
    static const QtPicture *of(const runtime::Picture *picture) { return static_cast<const QtPicture *>(picture); }

private:
    QImage m_image;
    QPoint m_offset;
    mutable QPixmap m_pixmap;
};

// Decodes part of a picture file held in memory; null if it cannot be decoded.
std::unique_ptr<QtPicture> decodePicture(QByteArrayView file, QRect part);

} // namespace tolvane::qt
