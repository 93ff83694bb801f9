// icongen OUTDIR
//
// Draws the program icon and writes into OUTDIR (src/resources/app):
//   tolvane.ico                 the three images, for anyone who wants the icon file
//   rc/icon-30001.dib           32 x 32, two colours   } the same images, one per file,
//   rc/icon-30002.dib           32 x 32, sixteen colours } as tolvane.rc stores them under
//   rc/icon-30003.dib           16 x 16, sixteen colours } their own resource ids
//   rc/icon-group-1.bin         the icon group that lists them by those ids
//   icons/NxN/tolvane.png       the same drawing for desktops and the page, in
//                               the sixteen colours with alpha: crisp, one ink a
//                               pixel, at 16, 24 and 32; smooth at 48, 64, 128,
//                               256 (desktops), 180 (phones' home screens), 192
//                               and 512 (the page's manifest)
//   icons/maskable-512x512/tolvane.png  the same on a full square, kept within
//                               the circle that phones never cut
//   icons/scalable/tolvane.svg  the same drawing in vector form
// The output depends only on these sources: no clock, no locale, no library.

#include "drawing.h"
#include "icon_formats.h"
#include "png_writer.h"
#include "raster.h"
#include "svg_writer.h"

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
    std::printf("%-36s %6zu bytes\n", name.c_str(), bytes.size());
    return true;
}

constexpr int kCrispSizes[] = {16, 24, 32};
constexpr int kSmoothSizes[] = {48, 64, 128, 180, 192, 256, 512};
constexpr int kMaskableSize = 512;

std::string pngName(const std::string &folder) { return "icons/" + folder + "/tolvane.png"; }
std::string squareOf(int size) { return std::to_string(size) + "x" + std::to_string(size); }

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
    for (int size : kCrispSizes)
        ok = writeFile(out, pngName(squareOf(size)), encodePng(size, size, rgbaOf(drawIcon(size)))) && ok;
    for (int size : kSmoothSizes)
        ok = writeFile(out, pngName(squareOf(size)), encodePng(size, size, smoothRgba(size))) && ok;
    ok = writeFile(out, pngName("maskable-" + squareOf(kMaskableSize)),
                   encodePng(kMaskableSize, kMaskableSize, maskableRgba(kMaskableSize))) && ok;
    const std::string svg = iconSvg();
    ok = writeFile(out, "icons/scalable/tolvane.svg", Bytes(svg.begin(), svg.end())) && ok;
    return ok ? 0 : 1;
}
