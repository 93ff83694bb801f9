// Checks the container headers of the eight embedded pictures and of their 2x
// files: the runtimes' picture decoders only promise to read baseline JPEG and
// single-image GIF89a, so a regenerated file that drifts from those formats,
// or a 2x file not twice its picture's size, must fail here. The bytes checked
// are the ones built into the program.

#include "resources/picture_files.h"

#include <gtest/gtest.h>

#include <string>

using namespace tolvane;

namespace {

using Bytes = std::span<const unsigned char>;

int word16be(Bytes b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
int word16le(Bytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

} // namespace

TEST(PictureFiles, EmbeddedBytesAreTheCommittedFiles)
{
    EXPECT_TRUE(pictureFile(PictureId::None).empty());
    for (const PictureInfo &info : pictureInventory) {
        const Bytes b = pictureFile(info.id);
        EXPECT_GT(b.size(), 40u) << info.name;
        EXPECT_TRUE(info.file.starts_with(info.name)) << info.name;
    }
    EXPECT_EQ(pictureFile(PictureId::blankdot).size(), 43u);
}

TEST(PictureFiles, JpegHeaders)
{
    const struct {
        PictureId id;
        int width, height;
        int lumaSampling; // H << 4 | V of the Y component
    } rows[] = {
        {PictureId::backdrop, 1600, 900, 0x22},   {PictureId::hostcard, 118, 158, 0x22},
        {PictureId::hostwrong, 150, 200, 0x22},   {PictureId::splat, 2267, 1417, 0x22},
        {PictureId::hostcorrect, 150, 217, 0x11}, {PictureId::hostfarewell, 150, 217, 0x11},
    };
    for (const auto &row : rows)
    for (int scale : {1, 2}) {
        const auto r = decltype(row){row.id, scale * row.width, scale * row.height, row.lumaSampling};
        SCOPED_TRACE(std::string(pictureInfo(r.id).name) + " at " + std::to_string(scale) + "x");
        const Bytes b = pictureFile(r.id, scale);
        ASSERT_GT(b.size(), 11u);
        EXPECT_EQ(word16be(b, 0), 0xFFD8);            // SOI
        EXPECT_EQ(word16be(b, b.size() - 2), 0xFFD9); // EOI
        EXPECT_EQ(word16be(b, 2), 0xFFE0);            // APP0 straight after SOI
        EXPECT_EQ(std::string(b.begin() + 6, b.begin() + 11), std::string("JFIF\0", 5));

        // Walk the marker segments up to the start of scan.
        int frames = 0;
        std::size_t at = 2;
        for (;;) {
            ASSERT_LE(at + 4, b.size()) << "ran off the end before SOS";
            ASSERT_EQ(b[at], 0xFF);
            const int marker = b[at + 1];
            const int length = word16be(b, at + 2);
            ASSERT_LE(at + 2 + length, b.size());
            if (marker == 0xDA)
                break;
            EXPECT_NE(marker, 0xC2) << "progressive frame";
            // Any other start-of-frame (extended, lossless, arithmetic) is refused.
            const bool otherFrame =
                marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
            EXPECT_FALSE(otherFrame) << "frame marker " << std::hex << marker;
            if (marker == 0xC0) {
                ++frames;
                const std::size_t f = at + 4;
                EXPECT_EQ(b[f], 8); // sample precision
                EXPECT_EQ(word16be(b, f + 1), r.height);
                EXPECT_EQ(word16be(b, f + 3), r.width);
                EXPECT_EQ(b[f + 5], 3); // components
                EXPECT_EQ(length, 8 + 3 * 3);
                EXPECT_EQ(b[f + 6 + 1], r.lumaSampling);
                EXPECT_EQ(b[f + 9 + 1], 0x11);
                EXPECT_EQ(b[f + 12 + 1], 0x11);
            }
            at += 2 + std::size_t(length);
        }
        EXPECT_EQ(frames, 1);
        EXPECT_EQ(scale * pictureInfo(r.id).width, r.width);
        EXPECT_EQ(scale * pictureInfo(r.id).height, r.height);
    }
}

TEST(PictureFiles, GifHeaders)
{
    const struct {
        PictureId id;
        int width, height, colours;
        bool transparent;
        int scale;
    } rows[] = {
        {PictureId::logo, 95, 118, 32, false, 1},
        {PictureId::logo, 190, 236, 32, false, 2},
        {PictureId::blankdot, 1, 1, 2, true, 1},
    };
    EXPECT_TRUE(pictureFile(PictureId::blankdot, 2).empty()); // a transparent dot has no 2x file
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(pictureInfo(r.id).name) + " at " + std::to_string(r.scale) + "x");
        const Bytes b = pictureFile(r.id, r.scale);
        ASSERT_GT(b.size(), 13u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
        EXPECT_EQ(word16le(b, 6), r.width);
        EXPECT_EQ(word16le(b, 8), r.height);
        const int screen = b[10];
        ASSERT_TRUE(screen & 0x80) << "no global colour table";
        EXPECT_EQ(2 << (screen & 0x07), r.colours);

        std::size_t at = 13 + 3 * std::size_t(r.colours);
        int images = 0, controls = 0;
        bool controlBeforeImage = false, flagged = false;
        int transparentIndex = -1;
        auto skipSubBlocks = [&] {
            while (at < b.size() && b[at] != 0)
                at += 1 + b[at];
            ++at; // block terminator
        };
        while (at < b.size() && b[at] != 0x3B) {
            const int introducer = b[at];
            if (introducer == 0x21) {
                ASSERT_LT(at + 2, b.size());
                if (b[at + 1] == 0xF9) {
                    EXPECT_EQ(b[at + 2], 4);
                    ++controls;
                    controlBeforeImage = controlBeforeImage || images == 0;
                    flagged = b[at + 3] & 0x01;
                    transparentIndex = b[at + 6];
                }
                at += 2;
                skipSubBlocks();
            } else if (introducer == 0x2C) {
                ASSERT_LE(at + 10, b.size());
                ++images;
                const int packed = b[at + 9];
                EXPECT_FALSE(packed & 0x40) << "interlaced";
                at += 10;
                if (packed & 0x80)
                    at += 3 * std::size_t(2 << (packed & 0x07));
                ++at; // LZW minimum code size
                skipSubBlocks();
            } else {
                FAIL() << "unexpected block 0x" << std::hex << introducer;
            }
        }
        EXPECT_EQ(at, b.size() - 1); // the trailer is the last byte
        EXPECT_EQ(images, 1);
        EXPECT_EQ(controls, 1);
        EXPECT_TRUE(controlBeforeImage);
        EXPECT_EQ(flagged, r.transparent);
        if (r.transparent) {
            EXPECT_EQ(transparentIndex, 0);
        }
    }
}
