#include "platform/picture_box.h"

#include <QLabel>

namespace tolvane {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent), m_inner(new QLabel(this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    m_inner->setObjectName(QStringLiteral("innerArea"));
    m_inner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_inner->setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QPixmap &picture, const QString &description)
{
    m_inner->setPixmap(picture);
    m_inner->setAccessibleName(description);
    setAccessibleName(description);
}

QWidget *PictureBox::innerArea() const { return m_inner; }

void PictureBox::place(const QRect &geometry)
{
    setGeometry(geometry);
    placeInnerArea();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeInnerArea();
}

void PictureBox::placeInnerArea()
{
    m_inner->setGeometry(borderWidth, borderWidth, qMax(0, width() - 2 * borderWidth),
                         qMax(0, height() - 2 * borderWidth));
}

} // namespace tolvane
