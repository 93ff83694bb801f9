#include "resources/picture_files.h"

#include <cstddef>

// The arrays come from the build, which embeds each file of
// src/resources/pictures (cmake/embed_files.cmake).
namespace tolvane::embedded {
#define TOLVANE_EMBEDDED(name)                                                                                        \
    extern const unsigned char name[];                                                                                \
    extern const std::size_t name##_size;
TOLVANE_EMBEDDED(backdrop_jpg)
TOLVANE_EMBEDDED(logo_gif)
TOLVANE_EMBEDDED(hostcard_jpg)
TOLVANE_EMBEDDED(hostwrong_jpg)
TOLVANE_EMBEDDED(hostcorrect_jpg)
TOLVANE_EMBEDDED(hostfarewell_jpg)
TOLVANE_EMBEDDED(splat_jpg)
TOLVANE_EMBEDDED(blankdot_gif)
#ifndef TOLVANE_SHARP_PICTURES_IN_PAGE
TOLVANE_EMBEDDED(backdrop_2x_jpg)
TOLVANE_EMBEDDED(logo_2x_gif)
TOLVANE_EMBEDDED(hostcard_2x_jpg)
TOLVANE_EMBEDDED(hostwrong_2x_jpg)
TOLVANE_EMBEDDED(hostcorrect_2x_jpg)
TOLVANE_EMBEDDED(hostfarewell_2x_jpg)
TOLVANE_EMBEDDED(splat_2x_jpg)
#endif
#undef TOLVANE_EMBEDDED
} // namespace tolvane::embedded

namespace tolvane {

namespace {

std::span<const unsigned char> sharpFile([[maybe_unused]] PictureId id)
{
#ifndef TOLVANE_SHARP_PICTURES_IN_PAGE
    using namespace embedded;
    switch (id) {
    case PictureId::backdrop: return {backdrop_2x_jpg, backdrop_2x_jpg_size};
    case PictureId::logo: return {logo_2x_gif, logo_2x_gif_size};
    case PictureId::hostcard: return {hostcard_2x_jpg, hostcard_2x_jpg_size};
    case PictureId::hostwrong: return {hostwrong_2x_jpg, hostwrong_2x_jpg_size};
    case PictureId::hostcorrect: return {hostcorrect_2x_jpg, hostcorrect_2x_jpg_size};
    case PictureId::hostfarewell: return {hostfarewell_2x_jpg, hostfarewell_2x_jpg_size};
    case PictureId::splat: return {splat_2x_jpg, splat_2x_jpg_size};
    case PictureId::None:
    case PictureId::blankdot: break;
    }
#endif
    return {};
}

} // namespace

std::span<const unsigned char> pictureFile(PictureId id, int scale)
{
    using namespace embedded;
    if (scale == 2)
        return sharpFile(id);
    switch (id) {
    case PictureId::None: return {};
    case PictureId::backdrop: return {backdrop_jpg, backdrop_jpg_size};
    case PictureId::logo: return {logo_gif, logo_gif_size};
    case PictureId::hostcard: return {hostcard_jpg, hostcard_jpg_size};
    case PictureId::hostwrong: return {hostwrong_jpg, hostwrong_jpg_size};
    case PictureId::hostcorrect: return {hostcorrect_jpg, hostcorrect_jpg_size};
    case PictureId::hostfarewell: return {hostfarewell_jpg, hostfarewell_jpg_size};
    case PictureId::splat: return {splat_jpg, splat_jpg_size};
    case PictureId::blankdot: return {blankdot_gif, blankdot_gif_size};
    }
    return {};
}

} // namespace tolvane
