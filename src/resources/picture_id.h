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
    std::string_view file;     // the file in src/resources/pictures, built into the program
    int width;                 // pixels
    int height;
    std::string_view description; // what a screen reader says of it, UTF-8
};

inline constexpr std::array<PictureInfo, pictureCount> pictureInventory{{
    {PictureId::backdrop, "backdrop", "backdrop.jpg", 1600, 900,
     "Fond bleu nuit au grand logo LE TOLVANE VIRAIL"},
    {PictureId::logo, "logo", "logo.gif", 95, 118, "Logo LE TOLVANE VIRAIL"},
    {PictureId::hostcard, "hostcard", "hostcard.jpg", 118, 158, "Marzelle, tout sourire, avec son nom"},
    {PictureId::hostwrong, "hostwrong", "hostwrong.jpg", 150, 200, "Marzelle, moqueuse"},
    {PictureId::hostcorrect, "hostcorrect", "hostcorrect.jpg", 150, 217, "Marzelle, vexée"},
    {PictureId::hostfarewell, "hostfarewell", "hostfarewell.jpg", 150, 217,
     "Marzelle fait au revoir de la main"},
    {PictureId::splat, "splat", "splat.jpg", 2267, 1417, "Grande éclaboussure rouge"},
    {PictureId::blankdot, "blankdot", "blankdot.gif", 1, 1, ""},
}};

constexpr const PictureInfo &pictureInfo(PictureId id) { return pictureInventory[static_cast<std::size_t>(id) - 1]; }

} // namespace tolvane
