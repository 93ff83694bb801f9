#include "platform/qt/image.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvane::qt {

Image::Image(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Image::setPicture(const ScaledPicture &picture, bool stretch, const QString &description)
{
    m_picture = picture;
    m_stretch = stretch;
    m_stretched = {};
    // Held by the label too, so that assistive technology sees a picture.
    if (const QtPicture *natural = picture.natural())
        setPixmap(natural->pixmap());
    setAccessibleName(description);
    update();
}

void Image::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_stretched = {};
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_stretch)
        m_picture.drawStretched(painter, size(), m_stretched);
    else
        m_picture.drawNatural(painter);
}

void Image::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace tolvane::qt
