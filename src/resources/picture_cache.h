#pragma once

// Each picture is decoded once, the first time a window needs it, and then
// shared by all its uses.

#include "resources/picture_id.h"

#include <QPixmap>

namespace tolvane::pictures {

// The decoded picture; a null pixmap if it could not be decoded, so that its
// control stays empty and the game goes on.
QPixmap get(PictureId id);

// How many times each picture was decoded in this run.
int decodeCount(PictureId id);

// Tests alone replace a picture's bytes, to follow the path of a broken file.
void replaceForTests(PictureId id, const QByteArray &bytes);

} // namespace tolvane::pictures
