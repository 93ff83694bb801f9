#include "platform/qt/picture_box.h"

#include <QLabel>
#include <QPainter>

namespace tolvane::qt {

// The inside of the border: the picture from its top-left corner, clipped,
// and the controls the box holds.
class PictureBox::InnerArea : public QLabel {
public:
    using QLabel::QLabel;

    void setPicture(const ScaledPicture &picture)
    {
        m_picture = picture;
        // Held by the label too, so that assistive technology sees a picture.
        if (const QtPicture *natural = picture.natural())
            setPixmap(natural->pixmap());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_picture.drawNatural(painter);
    }

private:
    ScaledPicture m_picture;
};

PictureBox::PictureBox(QWidget *parent) : QFrame(parent), m_inner(new InnerArea(this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    m_inner->setObjectName(QStringLiteral("innerArea"));
    m_inner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_inner->setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const ScaledPicture &picture, const QString &description)
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
