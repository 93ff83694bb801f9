#pragma once

#include <QByteArray>
#include <QImage>

namespace picturegen {

// How the two colour-difference planes are sampled against the brightness
// plane: halved both ways (2x2) or kept at full size (1x1).
enum class ChromaSampling { Halved, Full };

// Encodes `image` as a baseline sequential JFIF file, Huffman coded, three
// YCbCr components with the requested sampling, no restart markers.
QByteArray encodeJpeg(const QImage &image, int quality, ChromaSampling sampling);

} // namespace picturegen
