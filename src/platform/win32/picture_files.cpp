// The pictures' files, as bytes in the program.

#include "resources/picture_files.h"

#include "picture_bytes.cpp"

namespace tolvane {

std::span<const unsigned char> pictureFile(PictureId id)
{
    switch (id) {
    case PictureId::None: return {};
    case PictureId::backdrop: return embedded::backdrop_jpg;
    case PictureId::logo: return embedded::logo_gif;
    case PictureId::hostcard: return embedded::hostcard_jpg;
    case PictureId::hostwrong: return embedded::hostwrong_jpg;
    case PictureId::hostcorrect: return embedded::hostcorrect_jpg;
    case PictureId::hostfarewell: return embedded::hostfarewell_jpg;
    case PictureId::splat: return embedded::splat_jpg;
    case PictureId::blankdot: return embedded::blankdot_gif;
    }
    return {};
}

} // namespace tolvane
