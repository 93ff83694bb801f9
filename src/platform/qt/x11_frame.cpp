#include "platform/qt/x11_frame.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <QElapsedTimer>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#endif

namespace tolvane::qt::x11frame {

#if QT_CONFIG(xcb)

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <class Reply> struct Freed {
    Reply *reply;
    ~Freed() { std::free(reply); }
    Reply *operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    Freed<xcb_intern_atom_reply_t> reply{
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr)};
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Atoms {
    xcb_atom_t supported, frameExtents, requestFrameExtents;
};

const Atoms &atoms(xcb_connection_t *c)
{
    static const Atoms a{atom(c, "_NET_SUPPORTED"), atom(c, "_NET_FRAME_EXTENTS"),
                         atom(c, "_NET_REQUEST_FRAME_EXTENTS")};
    return a;
}

xcb_window_t rootOf(xcb_connection_t *c, xcb_window_t window)
{
    Freed<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Whether the window manager lists this hint among those it supports. Read
// every time: a manager may be replaced while the game runs.
bool managerSupports(xcb_connection_t *c, xcb_window_t root, xcb_atom_t hint)
{
    Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atoms(c).supported, XCB_ATOM_ATOM, 0, 4096), nullptr)};
    if (!reply || reply->format != 32)
        return false;
    const auto *hints = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.reply));
    const int count = xcb_get_property_value_length(reply.reply) / 4;
    for (int i = 0; i < count; ++i) {
        if (hints[i] == hint)
            return true;
    }
    return false;
}

// _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window)
{
    Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms(c).frameExtents, XCB_ATOM_CARDINAL, 0, 4), nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.reply) != 16)
        return std::nullopt;
    const auto *e = static_cast<const uint32_t *>(xcb_get_property_value(reply.reply));
    return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
}

// The window's ancestor just below the root: the frame window when a manager
// reparented it, the window itself otherwise.
xcb_window_t topAncestor(xcb_connection_t *c, xcb_window_t window)
{
    xcb_window_t current = window;
    for (int depth = 0; depth < 16; ++depth) {
        Freed<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(c, xcb_query_tree(c, current), nullptr)};
        if (!tree || tree->parent == XCB_WINDOW_NONE || tree->parent == tree->root)
            return current;
        current = tree->parent;
    }
    return current;
}

// The margins between the window and the frame window that holds it.
std::optional<QMargins> frameWindowMargins(xcb_connection_t *c, xcb_window_t window, xcb_window_t frame)
{
    Freed<xcb_get_geometry_reply_t> outer{xcb_get_geometry_reply(c, xcb_get_geometry(c, frame), nullptr)};
    Freed<xcb_get_geometry_reply_t> inner{xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
    Freed<xcb_translate_coordinates_reply_t> offset{
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, frame, 0, 0), nullptr)};
    if (!outer || !inner || !offset)
        return std::nullopt;
    const int border = outer->border_width;
    const int left = offset->dst_x + border;
    const int top = offset->dst_y + border;
    const int right = outer->width + 2 * border - inner->width - left;
    const int bottom = outer->height + 2 * border - inner->height - top;
    return QMargins(left, top, right, bottom);
}

// Where the window's outer frame lies on the display now.
std::optional<QPoint> framePosition(xcb_connection_t *c, xcb_window_t window, xcb_window_t root)
{
    if (auto extents = frameExtents(c, window)) {
        Freed<xcb_translate_coordinates_reply_t> at{
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr)};
        if (!at)
            return std::nullopt;
        return QPoint(at->dst_x - extents->left(), at->dst_y - extents->top());
    }
    Freed<xcb_get_geometry_reply_t> frame{
        xcb_get_geometry_reply(c, xcb_get_geometry(c, topAncestor(c, window)), nullptr)};
    if (!frame)
        return std::nullopt;
    return QPoint(frame->x, frame->y);
}

void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(2)); }

} // namespace

bool available() { return connection() != nullptr; }

std::optional<QMargins> askBeforeShow(QWidget *window, bool &silent, int boundMs)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return std::nullopt;
    if (auto known = frameExtents(c, id))
        return known;
    if (silent || !managerSupports(c, root, atoms(c).requestFrameExtents))
        return std::nullopt;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms(c).requestFrameExtents;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(c);

    QElapsedTimer clock;
    clock.start();
    do {
        if (auto answer = frameExtents(c, id))
            return answer;
        pause();
    } while (clock.elapsed() < boundMs);
    silent = true;
    return std::nullopt;
}

std::optional<QMargins> measureAfterShow(QWidget *window, int boundMs)
{
    xcb_connection_t *c = connection();
    if (!c || !window || !window->windowHandle())
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return std::nullopt;
    // A manager that publishes extents publishes them with the framing, or
    // soon after; one that does not is done once it has reparented the window.
    const bool extentsComing = managerSupports(c, root, atoms(c).frameExtents);

    QElapsedTimer clock;
    clock.start();
    xcb_window_t frame = id;
    for (;;) {
        if (auto extents = frameExtents(c, id))
            return extents;
        frame = topAncestor(c, id);
        const bool framed = frame != id;
        const bool timeUp = clock.elapsed() >= boundMs;
        if (framed && (!extentsComing || timeUp))
            return frameWindowMargins(c, id, frame);
        if (timeUp)
            return std::nullopt;
        pause();
    }
}

void moveFrameTo(QWidget *window, QPoint target, int boundMs)
{
    if (!window || !window->windowHandle())
        return;
    xcb_connection_t *c = connection();
    if (!c) {
        window->windowHandle()->setFramePosition(target);
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(c, id);
    const std::optional<QPoint> from = framePosition(c, id, root);
    window->windowHandle()->setFramePosition(target);
    if (!from || *from == target)
        return;
    QElapsedTimer clock;
    clock.start();
    std::optional<QPoint> now = from;
    while (now == from && clock.elapsed() < boundMs) {
        pause();
        now = framePosition(c, id, root);
    }
    if (now && now != from && *now != target)
        window->windowHandle()->setFramePosition(target + (target - *now));
}

#else

void moveFrameTo(QWidget *window, QPoint target, int)
{
    if (window && window->windowHandle())
        window->windowHandle()->setFramePosition(target);
}

bool available() { return false; }
std::optional<QMargins> askBeforeShow(QWidget *, bool &, int) { return std::nullopt; }
std::optional<QMargins> measureAfterShow(QWidget *, int) { return std::nullopt; }

#endif

} // namespace tolvane::qt::x11frame
