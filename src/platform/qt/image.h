#pragma once

#include "platform/qt/picture.h"

#include <QLabel>

namespace tolvane::qt {

// A windowless picture: drawn at natural size, or stretched to its rectangle
// axis by axis. It never takes the focus; a click on it is its Click event.
class Image : public QLabel {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);

    // The picture, how it is drawn, and what a screen reader says of it.
    void setPicture(const ScaledPicture &picture, bool stretch, const QString &description);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ScaledPicture m_picture;
    bool m_stretch = false;
    QPixmap m_stretched; // the picture scaled to the rectangle, made once per size and scale
    bool m_pressed = false;
};

} // namespace tolvane::qt
