#pragma once

#include "gif_writer.h"

#include <QImage>

namespace picturegen {

// Reduces an opaque picture to `colours` palette entries by median cut over
// the picture's own colours (weighted by how often each occurs), then maps
// every pixel to its nearest entry. Ties are broken by fixed rules, so the
// result depends on the pixels alone.
IndexedImage quantise(const QImage &image, int colours);

} // namespace picturegen
