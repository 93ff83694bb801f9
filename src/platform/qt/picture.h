#pragma once

#include "runtime/picture.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>

class QPainter;

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

// A control's picture at both scales: where the widget is painted at 1.5
// device pixels a pixel or more, the 2x file's pixels fill the same rectangle
// the 1x picture takes, clipped and stretched alike.
class ScaledPicture {
public:
    ScaledPicture() = default;
    ScaledPicture(runtime::PictureSource &source, PictureId id) : m_source(&source), m_id(id) {}

    // The 1x picture: what assistive technology is shown; null when none.
    const QtPicture *natural() const;
    // Draws the part in view at its own size, the picture's pixel (0, 0) at
    // the painter's origin.
    void drawNatural(QPainter &painter) const;
    // Draws the whole picture scaled to `size`, axis by axis; `cache` keeps
    // the scaled pixels from one paint to the next.
    void drawStretched(QPainter &painter, QSize size, QPixmap &cache) const;

private:
    const QtPicture *at(const QPainter &painter, int *scale) const;

    runtime::PictureSource *m_source = nullptr;
    PictureId m_id = PictureId::None;
};

// Decodes part of a picture file held in memory; null if it cannot be decoded.
std::unique_ptr<QtPicture> decodePicture(QByteArrayView file, QRect part);

} // namespace tolvane::qt
