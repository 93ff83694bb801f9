#pragma once

// Each picture is decoded once, the first time a window needs it, and then
// shared by all its uses. Only the part that some window can show is decoded
// and kept: the splat and the backdrop reach far past every window.

#include "resources/picture_id.h"

#include <QPixmap>
#include <QPoint>

namespace tolvane {

struct Picture {
    QPixmap pixels; // the part of the picture that can come into view
    QPoint offset;  // where that part starts in the whole picture

    bool isNull() const { return pixels.isNull(); }
};

namespace pictures {

// The decoded picture; a null one if it could not be decoded, so that its
// control stays empty and the game goes on. Waits for the picture if it is
// still being decoded in the background.
const Picture &get(PictureId id);

// Decodes every picture on a thread of its own, in the order the windows need
// them, while the program sets up and builds its first window: moving on to a
// window then never waits for its pictures.
void startDecodingInBackground();
// Waits for that thread to be done, before the program ends.
void finishDecodingInBackground();

// How many times each picture was decoded in this run.
int decodeCount(PictureId id);

// Tests alone replace a picture's bytes, to follow the path of a broken file.
void replaceForTests(PictureId id, const QByteArray &bytes);

} // namespace pictures
} // namespace tolvane
