#pragma once

// The page's desktop, as the runtime drives it: desktop.js draws the windows,
// their controls and the modal boxes, moves the keyboard focus, turns the
// player's clicks and keys into input for the message loop, and decodes the
// pictures. Texts are UTF-8; sizes and positions are CSS pixels; a window is
// known by the number the runtime gave it, a control by its place in the
// window's layout. A caption with an accelerator comes in three parts: the
// text before the underlined letter, the letter, the text after it.

extern "C" {

// The page's title and icon are the game's; `title` also heads the page left
// when the game is over. Where a client area of `needWidth` x `needHeight`
// (the largest the program shows; 0 x 0: none known) and its frame do not fit
// the viewport, every client area is drawn at the one smaller scale at which
// it does; the program sees the display and the windows' outer sizes in
// pixels at that scale, and places its windows in them.
void page_start(const char *title, int needWidth, int needHeight);

// The viewport, which is the display.
int page_display_width();
int page_display_height();

// A window out of view, its client area `width` x `height`, with its back
// colour (CSS) and background picture (-1: none).
void page_window_create(int window, const char *caption, int width, int height, const char *backColour,
                        int backPicture);
// The common menu bar, an item at a time: "&Jeu" (`item` 0), holding "&Quitter"
// (-1), and "&A propos de..." on the bar itself (-2).
void page_menu_item(int window, int item, const char *before, const char *letter, const char *after);
void page_window_show(int window);
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
                      int visible, int picture, const char *description);
void page_image(int window, int control, int container, int left, int top, int width, int height, int visible,
                int picture, int stretch, const char *description);
void page_control_visible(int window, int control, int visible);
// The keyboard focus on a control of the window (-1: on none of them), and
// the control that has it; the "&Jeu" menu open or closed, and whether it is.
void page_focus(int window, int control);
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
//  1: a click on a control (`control`; -1: the menu's "Quitter", -2: "A propos de...");
//  2: the window's close control;
//  3: a key, as the keyboard gave it: `control` is its runtime::KeyPress::Key,
//     `detail` its letter (KeyA..KeyZ), plus 256 for Shift, 512 for Alt (or
//     Option), 1024 for Ctrl, 2048 for an auto-repeat.
int page_next_input(int *window, int *control, int *detail);
// Sleeps until input arrives or `ms` have passed; returns at once if input
// is waiting. The only place where the program gives the page back to the browser.
void page_wait(int ms);

// The modal boxes. While one is open the game's windows take no input.
void page_input_box_open(const char *prompt, const char *title, const char *ok, const char *cancel);
// 0 while open; 1 once OK was chosen, 2 once cancelled or closed.
int page_input_box_state();
int page_input_box_text(char *buffer, int size);
void page_input_box_close();
void page_error_box_open(const char *title, const char *message, const char *ok);
int page_error_box_state(); // 0 while open, 1 once dismissed
void page_error_box_close();

// Every window gone: the page says that the game is over, with a way to play again.
void page_game_over(const char *message, const char *again);

} // extern "C"
