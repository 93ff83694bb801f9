#pragma once

// The frame an X11 window manager draws around a top-level window, learned
// from the X server directly. Qt only knows a frame once a window has been
// framed; the game must centre its first window, outer frame included, before
// it is ever shown.
//
// Everything here answers "nothing" when the program does not run on X11
// (offscreen, Wayland), so the callers keep their own default.

#include <QMargins>
#include <QPoint>

#include <optional>

class QWidget;

namespace tolvane::qt::x11frame {

// True when the program talks to an X server.
bool available();

// Asks the window manager which frame it will draw around this window, not yet
// shown (_NET_REQUEST_FRAME_EXTENTS). Creates the native window, so that the
// manager sees its size hints and decorations. Waits at most `boundMs` for the
// answer, and not at all when the manager does not offer this request or is
// `silent`: one that leaves the request unanswered is marked so.
std::optional<QMargins> askBeforeShow(QWidget *window, bool &silent, int boundMs = 100);

// The frame around a window just shown, measured once the manager has framed
// it: its _NET_FRAME_EXTENTS, else the geometry of the frame window it was
// reparented into, border included. Waits at most `boundMs` for the framing;
// nothing when no manager framed the window by then.
std::optional<QMargins> measureAfterShow(QWidget *window, int boundMs = 400);

// Puts the outer frame of a shown window at `target`, in display pixels, and
// waits at most `boundMs` for the manager to move it there. A manager that
// puts it elsewhere (twm moves a frame by its border more than asked) has it
// moved again by the difference, once.
void moveFrameTo(QWidget *window, QPoint target, int boundMs = 200);

} // namespace tolvane::qt::x11frame
