#pragma once

// The page's desktop, as the runtime drives it (desktop.js, windows.js,
// controls.js, boxes.js): it draws the windows, their controls and the modal
// boxes, turns the player's clicks and keys into input for the message loop,
// and decodes the pictures. The program decides which window is active,
// where the focus goes and where a box opens, and gives every word the page
// shows or a screen reader says. Texts are UTF-8; sizes and positions are
// CSS pixels; a window is known by the number the runtime gave it, a control
// by its place in the window's layout. A caption with an accelerator comes in
// three parts: the text before the underlined letter, the letter, the rest.

#include <string>

extern "C" {

// The page's title and icon are the game's; `title` also heads the page left
// when the game is over; `closeName` is what a screen reader calls a close
// control. Where a client area of `needWidth` x `needHeight` (the largest the
// program shows; 0 x 0: none known) and its frame do not fit the viewport,
// every client area is drawn at the one smaller scale at which it does; the
// program sees the display and the windows' outer sizes in pixels at that
// scale, and places its windows in them.
void page_start(const char *title, const char *closeName, int needWidth, int needHeight);

// The viewport, which is the display.
int page_display_width();
int page_display_height();

// A window out of view, its client area `width` x `height`, with its back
// colour (CSS) and background picture (-1: none).
void page_window_create(int window, const char *caption, int width, int height, const char *backColour,
                        int backPicture);
// The common menu bar, an item at a time: the game menu (`item` 0), holding
// its one command (-1), and the command on the bar itself (-2).
void page_menu_item(int window, int item, const char *before, const char *letter, const char *after);
// On view; then in front and the one that takes the keys.
void page_window_show(int window);
void page_window_activate(int window);
// Out of view; if it was active, no window is any more.
void page_window_hide(int window);
void page_window_move(int window, int left, int top);
int page_window_outer_width(int window);
int page_window_outer_height(int window);
void page_window_remove(int window);

// Controls, placed in their container (-1: the client area, else a picture
// box of the same window laid out before them), front to back in the order
// they are added.
void page_label(int window, int control, int container, int left, int top, int width, int height,
                const char *font, const char *colour, int visible);
// A label's or a button's caption.
void page_caption(int window, int control, const char *before, const char *letter, const char *after);
void page_text_box(int window, int control, int container, int left, int top, int width, int height,
                   const char *font, int visible);
void page_button(int window, int control, int container, int left, int top, int width, int height,
                 const char *font, int visible);
void page_picture_box(int window, int control, int container, int left, int top, int width, int height,
                      int visible, int picture);
void page_image(int window, int control, int container, int left, int top, int width, int height, int visible,
                int picture);
// What a screen reader calls a control (a picture's alternative text), and
// its shortcut ("Alt+R", "": none).
void page_accessible(int window, int control, const char *name, const char *shortcut);
void page_control_visible(int window, int control, int visible);
// The keyboard focus on a control of the active window (-1: on none of
// them), its text selected with `select`; nothing while a box is open or
// for another window. Where the focus is: a control of the window, -1 the
// window but none of its controls, -2 outside it. The game menu open or
// closed, and whether it is.
void page_focus(int window, int control, int select);
int page_focused_control(int window);
void page_menu(int window, int open);
int page_menu_open(int window);
// Copies a text box's text into `buffer` (NUL-terminated, cut to `size`);
// returns the length of the whole text in bytes.
int page_text(int window, int control, char *buffer, int size);

// A picture file, decoded by the browser while the program waits (no input
// is delivered meanwhile); returns its number, or -1 if it cannot be decoded.
int page_picture(const unsigned char *bytes, int size, const char *type);
// The 2x file `name` ("backdrop@2x") that the page carries beside the
// program, decoded as page_picture decodes; -1 where the page has none.
int page_picture_2x(const char *name);
// A picture that is a 2x file is shown at `width` x `height` CSS pixels, the
// size of its 1x picture.
void page_picture_size(int picture, int width, int height);
// Device pixels to a CSS pixel (window.devicePixelRatio).
double page_device_pixel_ratio();

// The player's input, oldest first. Returns 0 when none is waiting, else
// the kind with the window and what it was:
//  1: a click on a control (`control`; -1 and -2: the menu's commands, as page_menu_item numbers them);
//  2: the window's close control;
//  3: a key, as the keyboard gave it: `control` is its runtime::KeyPress::Key,
//     `detail` its letter (KeyA..KeyZ), plus 256 for Shift, 512 for Alt (or
//     Option), 1024 for Ctrl, 2048 for an auto-repeat;
//  4: a press on the window while another was active.
int page_next_input(int *window, int *control, int *detail);
// Sleeps until input arrives or `ms` have passed; returns at once if input
// is waiting. The only place where the program gives the page back to the browser.
void page_wait(int ms);

// The modal boxes. While one is open the game's windows take no input; a new
// size of the display wakes the program to place it again.
void page_input_box_open(const char *prompt, const char *title, const char *ok, const char *cancel);
// 0 while open; 1 once OK was chosen, 2 once cancelled or closed.
int page_input_box_state();
int page_input_box_text(char *buffer, int size);
void page_input_box_close();
void page_error_box_open(const char *title, const char *message, const char *ok);
int page_error_box_state(); // 0 while open, 1 once dismissed
void page_error_box_close();
// The viewport and the open box's outer width, and its place, in CSS pixels.
void page_box_measure(int *displayWidth, int *displayHeight, int *outerWidth);
void page_box_move(int left, int top);

// Every window gone: the page says that the game is over, with a way to play again.
void page_game_over(const char *message, const char *again);

} // extern "C"

// A text the page copies out as page_text does, whole whatever its length.
template <class Copy> std::string pageText(Copy copy)
{
    std::string text(64, '\0');
    if (const int length = copy(text.data(), int(text.size()) + 1); length > int(text.size())) {
        text.assign(std::size_t(length), '\0');
        copy(text.data(), length + 1);
    } else {
        text.resize(std::size_t(length));
    }
    return text;
}
