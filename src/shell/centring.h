#pragma once

// Centring a screen on the display: Left = Screen.Width / 2 - Width / 2, then
// Top likewise, computed in double precision under a floating-point status
// test and stored as single-precision twips, neither rounded nor clamped.

namespace tolvane {

// The origin that centres an extent on the display along one axis. Throws the
// floating-point RuntimeError if the computation raises an invalid operation,
// a division by zero or an overflow: a width that is not a finite number does.
float centredOrigin(float displayExtent, float windowExtent);

// Anything with an outer size that can be placed, in twips.
struct Placeable {
    virtual ~Placeable() = default;
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setLeft(float left) = 0;
    virtual void setTop(float top) = 0;
};

// Left first, then Top; a failure leaves the later value unwritten.
void centre(Placeable &window, float displayWidth, float displayHeight);

} // namespace tolvane
