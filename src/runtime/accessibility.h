#pragma once

// What a screen reader is told of a game window's controls, the same on every
// runtime: each control's role, name, shortcut and default action, and the
// order in which it reads them. A runtime hands these to the desktop's
// assistive technology (MSAA, AT-SPI, the page's accessibility tree) and
// knows no word of them itself.

#include "resources/screen_layout.h"
#include "runtime/input_rules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::runtime {

enum class AccessibleRole { StaticText, Field, Button, Graphic, None };

struct AccessibleControl {
    AccessibleRole role = AccessibleRole::None;
    std::string name;                         // UTF-8, as a screen reader says it
    std::optional<std::string> shortcut;      // "Alt+R"
    std::optional<std::string> defaultAction; // what pressing it is called; none if it cannot be pressed
};

// A control with its current caption (a label's or a button's, with its "&").
AccessibleControl accessibleControl(const ScreenLayout &layout, ControlIndex control, std::string_view caption);

// The controls a screen reader is shown, in the order it reads them: every
// control in view (by `input`'s Visible flags, inside visible boxes), those
// that have a TabIndex by it, then the rest (the images) as laid out.
std::vector<ControlIndex> readingOrder(const ScreenLayout &layout, const WindowInput &input);

} // namespace tolvane::runtime
