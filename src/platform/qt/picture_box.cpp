#include "platform/qt/picture_box.h"

#include <QLabel>
#include <QPainter>

namespace tolvane::qt {

// The inside of the border: the picture from its top-left corner, clipped,
// and the controls the box holds.
class PictureBox::InnerArea : public QLabel {
public:
    using QLabel::QLabel;

    void setPicture(const QtPicture *picture)
    {
        m_picture = picture;
        // Held by the label too, so that assistive technology sees a picture.
        if (picture)
            setPixmap(picture->pixmap());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_picture)
            return;
        QPainter painter(this);
        painter.drawPixmap(m_picture->offset(), m_picture->pixmap());
    }

private:
    const QtPicture *m_picture = nullptr;
};

PictureBox::PictureBox(QWidget *parent) : QFrame(parent), m_inner(new InnerArea(this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    m_inner->setObjectName(QStringLiteral("innerArea"));
    m_inner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_inner->setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QtPicture *picture, const QString &description)
{
    m_inner->setPicture(picture);
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
    m_inner->setGeometry(pictureBoxEdge, pictureBoxEdge, qMax(0, width() - 2 * pictureBoxEdge),
                         qMax(0, height() - 2 * pictureBoxEdge));
}

} // namespace tolvane::qt
