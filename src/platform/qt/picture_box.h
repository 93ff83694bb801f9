#pragma once

#include "platform/qt/picture.h"
#include "resources/control_rules.h"

#include <QFrame>

namespace tolvane::qt {

// A framed, focusable box with a sunken border of pictureBoxEdge pixels. Its picture is
// drawn at natural size from the inner area's top-left corner and clipped to
// that area, and the controls it holds are placed in the same inner area.
class PictureBox : public QFrame {
    Q_OBJECT
public:

    explicit PictureBox(QWidget *parent = nullptr);

    // The picture, and what a screen reader says of it.
    void setPicture(const ScaledPicture &picture, const QString &description);
    // Places the box and its inner area at once, before the box is ever shown.
    void place(const QRect &geometry);
    QWidget *innerArea() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeInnerArea();

    class InnerArea;
    InnerArea *m_inner = nullptr;
};

} // namespace tolvane::qt
