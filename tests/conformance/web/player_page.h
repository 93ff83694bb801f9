#pragma once

// What the web player asks of the page (player_page.js): it hands each of the
// player's actions to the driver outside the browser (tests/web/
// test_conformance.py), which performs it as real input through WebDriver,
// and it reads back what the player sees.

extern "C" {

// An action for the driver: `kind` ("key", "alt", "letter", "altF4", "type",
// "click", "menu", "close", "box"), a text (the key's or letter's name, the
// text typed, the menu item, the box button) and the window and control it
// aims at. Returns its number; the driver performs them in turn.
int player_request(const char *kind, const char *text, int window, int control);
// 1 once the driver has performed the action of that number.
int player_request_done(int request);

// The control with the focus in a window (its place in the layout), -1 if none has it.
int player_focused_control(int window);
// The window is on view, in front, and takes the keys.
int player_is_active(int window);
// A label's text as the page shows it.
int player_shown_text(int window, int control, char *buffer, int size);
// Which box is open: 1 the input box, 2 the error box, 0 none.
int player_open_box();
// The open input box: title, prompt, OK's and Annuler's words, then its frame's
// centre across, its top and the display's size, separated by '\x1f'.
int player_input_box_view(char *buffer, int size);

// Part of the groups' names the run is limited to (the page's address after "#").
int player_only(char *buffer, int size);
// Whether random play follows the whole suite: not when the page's address asks for the suite alone ("?suite").
int player_random_play();
// The suite's last word, for the driver.
void player_finished(int status);

} // extern "C"
