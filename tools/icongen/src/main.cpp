// icongen OUTDIR
//
// Draws the program icon and writes into OUTDIR (src/resources/app):
//   tolvane.ico                 the three images, for anyone who wants the icon file
//   rc/icon-30001.dib           32 x 32, two colours   } the same images, one per file,
//   rc/icon-30002.dib           32 x 32, sixteen colours } as tolvane.rc stores them under
//   rc/icon-30003.dib           16 x 16, sixteen colours } their own resource ids
//   rc/icon-group-1.bin         the icon group that lists them by those ids
//   icons/16x16/tolvane.png     the same drawing for the Linux desktop,
//   icons/32x32/tolvane.png     in the sixteen colours, with alpha
// The output depends only on these sources: no clock, no locale, no library.

#include "drawing.h"
#include "icon_formats.h"
#include "png_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace icongen;

namespace {

constexpr std::uint16_t kFirstImageId = 30001;

bool writeFile(const std::filesystem::path &dir, const std::string &name, const Bytes &bytes)
{
    const std::filesystem::path path = dir / name;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "icongen: cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("%-26s %6zu bytes\n", name.c_str(), bytes.size());
    return true;
}

Bytes pngOf(const Drawing &d)
{
    Bytes rgba;
    rgba.reserve(std::size_t(d.size) * std::size_t(d.size) * 4);
    for (int y = 0; y < d.size; ++y)
        for (int x = 0; x < d.size; ++x) {
            const Ink ink = d.at(x, y);
            const Rgb c = colourOf(ink);
            rgba.insert(rgba.end(), {c.r, c.g, c.b, std::uint8_t(ink == Ink::Clear ? 0 : 0xFF)});
        }
    return encodePng(d.size, d.size, rgba);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];

    const Drawing large = drawIcon(32);
    const Drawing small = drawIcon(16);

    // The order of the images is the order of their ids.
    const std::vector<IconImage> images{
        encodeImage(large, 1),
        encodeImage(large, 4),
        encodeImage(small, 4),
    };
    // A mistake in the row padding shows up here rather than on a desktop.
    const std::size_t expectedBytes[] = {304, 744, 296};
    for (std::size_t i = 0; i < images.size(); ++i)
        if (images[i].dib.size() != expectedBytes[i]) {
            std::fprintf(stderr, "icongen: image %zu has %zu bytes, not %zu\n", kFirstImageId + i,
                         images[i].dib.size(), expectedBytes[i]);
            return 1;
        }

    bool ok = writeFile(out, "tolvane.ico", encodeIcoFile(images));
    for (std::size_t i = 0; i < images.size(); ++i)
        ok = writeFile(out, "rc/icon-" + std::to_string(kFirstImageId + i) + ".dib", images[i].dib) && ok;
    ok = writeFile(out, "rc/icon-group-1.bin", encodeIconGroup(images, kFirstImageId)) && ok;
    ok = writeFile(out, "icons/16x16/tolvane.png", pngOf(small)) && ok;
    ok = writeFile(out, "icons/32x32/tolvane.png", pngOf(large)) && ok;
    return ok ? 0 : 1;
}
