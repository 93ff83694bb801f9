#pragma once

#include <array>
#include <string_view>

namespace tolvane {

// The game's eight pictures, referred to by name from the layouts.
enum class PictureId { None, backdrop, logo, hostcard, hostwrong, hostcorrect, hostfarewell, splat, blankdot };

inline constexpr int pictureCount = 8;

struct PictureInfo {
    PictureId id;
    std::string_view name;
    std::string_view resource; // path inside the program's embedded resources
    int width;                 // pixels
    int height;
};

inline constexpr std::array<PictureInfo, pictureCount> pictureInventory{{
    {PictureId::backdrop, "backdrop", ":/pictures/backdrop.jpg", 1600, 900},
    {PictureId::logo, "logo", ":/pictures/logo.gif", 95, 118},
    {PictureId::hostcard, "hostcard", ":/pictures/hostcard.jpg", 118, 158},
    {PictureId::hostwrong, "hostwrong", ":/pictures/hostwrong.jpg", 150, 200},
    {PictureId::hostcorrect, "hostcorrect", ":/pictures/hostcorrect.jpg", 150, 217},
    {PictureId::hostfarewell, "hostfarewell", ":/pictures/hostfarewell.jpg", 150, 217},
    {PictureId::splat, "splat", ":/pictures/splat.jpg", 2267, 1417},
    {PictureId::blankdot, "blankdot", ":/pictures/blankdot.gif", 1, 1},
}};

constexpr const PictureInfo &pictureInfo(PictureId id) { return pictureInventory[static_cast<std::size_t>(id) - 1]; }

} // namespace tolvane
