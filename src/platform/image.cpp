#include "platform/image.h"

#include <QMouseEvent>

namespace tolvane {

Image::Image(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Image::setPicture(const QPixmap &picture, bool stretch, const QString &description)
{
    setScaledContents(stretch);
    setPixmap(picture);
    setAccessibleName(description);
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

} // namespace tolvane
