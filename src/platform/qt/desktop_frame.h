#pragma once

// What the runtime knows of the frame the desktop draws around the game's
// windows (they all have the same). Qt knows a frame only once a window has
// been framed, so the window manager is asked for it when the first window
// is measured; a manager that does not say is measured on the first window
// it frames, which is then put where it would have been placed with the frame
// known.

#include <QMargins>

#include <optional>

namespace tolvane::qt {

struct DesktopFrame {
    std::optional<QMargins> margins; // none until the manager told it or framed a window
    bool managerAsked = false;       // the manager is asked once
    bool managerSilent = false;      // it left a request unanswered: never wait for it again

    QMargins known() const { return margins.value_or(QMargins()); }
};

} // namespace tolvane::qt
