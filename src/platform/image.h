#pragma once

#include <QLabel>

namespace tolvane {

// A windowless picture: drawn at natural size, or stretched to its rectangle
// axis by axis. It never takes the focus; a click on it is its Click event.
class Image : public QLabel {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);

    // The picture, how it is drawn, and what a screen reader says of it.
    void setPicture(const QPixmap &picture, bool stretch, const QString &description);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace tolvane
