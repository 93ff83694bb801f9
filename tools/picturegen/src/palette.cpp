#include "palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace picturegen {

namespace {

struct Swatch {
    std::array<int, 3> rgb;
    std::uint32_t count;
};

struct Box {
    std::size_t begin;
    std::size_t end; // one past
};

int channelRange(const std::vector<Swatch> &swatches, const Box &box, int channel)
{
    int lo = 255, hi = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        lo = std::min(lo, swatches[i].rgb[channel]);
        hi = std::max(hi, swatches[i].rgb[channel]);
    }
    return hi - lo;
}

// Green counts most towards how different two colours look, blue least.
constexpr std::array<int, 3> kWeight{3, 4, 2};

} // namespace

IndexedImage quantise(const QImage &image, int colours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);

    std::map<QRgb, std::uint32_t> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xFF000000u];
    }
    std::vector<Swatch> swatches;
    swatches.reserve(histogram.size());
    for (const auto &[colour, count] : histogram)
        swatches.push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, count});

    std::vector<Box> boxes{{0, swatches.size()}};
    while (int(boxes.size()) < colours) {
        // Split the box with the widest weighted spread that still holds
        // more than one colour; the first such box wins a tie.
        int best = -1, bestSpread = 0, bestChannel = 0;
        for (int b = 0; b < int(boxes.size()); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                const int spread = channelRange(swatches, boxes[b], c) * kWeight[c];
                if (spread > bestSpread) {
                    bestSpread = spread;
                    best = b;
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        Box &box = boxes[best];
        const int c = bestChannel;
        std::sort(swatches.begin() + std::ptrdiff_t(box.begin), swatches.begin() + std::ptrdiff_t(box.end),
                  [c](const Swatch &a, const Swatch &b) {
                      if (a.rgb[c] != b.rgb[c])
                          return a.rgb[c] < b.rgb[c];
                      return a.rgb < b.rgb;
                  });
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += swatches[i].count;
        std::uint64_t running = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            running += swatches[i].count;
            cut = i + 1;
            if (2 * running >= total)
                break;
        }
        const Box upper{cut, box.end};
        box.end = cut;
        boxes.push_back(upper);
    }

    IndexedImage out;
    out.width = rgb.width();
    out.height = rgb.height();
    for (const Box &box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += std::uint64_t(swatches[i].rgb[c]) * swatches[i].count;
            weight += swatches[i].count;
        }
        auto mean = [&](int c) { return int((sum[c] + weight / 2) / weight); };
        out.palette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    // A GIF table holds a power of two entries; pad with black if the
    // picture had fewer colours than asked for.
    while (int(out.palette.size()) < colours)
        out.palette.push_back(qRgb(0, 0, 0));
    // Darkest first, so the table reads in a stable order.
    std::sort(out.palette.begin(), out.palette.end(), [](QRgb a, QRgb b) {
        const int la = 3 * qRed(a) + 4 * qGreen(a) + 2 * qBlue(a);
        const int lb = 3 * qRed(b) + 4 * qGreen(b) + 2 * qBlue(b);
        if (la != lb)
            return la < lb;
        return a < b;
    });

    std::map<QRgb, std::uint8_t> nearest;
    out.pixels.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000u;
            auto found = nearest.find(colour);
            if (found == nearest.end()) {
                int bestIndex = 0;
                long bestDistance = -1;
                for (int i = 0; i < int(out.palette.size()); ++i) {
                    const long dr = qRed(colour) - qRed(out.palette[i]);
                    const long dg = qGreen(colour) - qGreen(out.palette[i]);
                    const long db = qBlue(colour) - qBlue(out.palette[i]);
                    const long d = kWeight[0] * dr * dr + kWeight[1] * dg * dg + kWeight[2] * db * db;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        bestIndex = i;
                    }
                }
                found = nearest.emplace(colour, std::uint8_t(bestIndex)).first;
            }
            out.pixels.push_back(found->second);
        }
    }
    return out;
}

} // namespace picturegen
