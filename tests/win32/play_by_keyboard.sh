#!/usr/bin/env bash
# A player at the keyboard of the virtual display, for the program file itself
# (tolvane.exe under Wine): X key events only, no mouse. Waits for the name
# prompt, gives a name, then answers the five questions right (two Tabs reach
# the answer box on every question screen, Alt+R answers, Enter moves on),
# then quits the closing screen with Alt+J, Q. The program must then end by
# itself with status 0, which run_under_wine.sh checks. X delivers the keys in
# the order sent, so the player waits only for the window it types into.
set -uo pipefail
command -v xdotool >/dev/null 2>&1 || { echo "SKIP: xdotool not found"; exit 77; }

key() { xdotool key --clearmodifiers "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

# Waits until the window in front is the screen of that client width (every
# game window has the same title; Wine's X window is the client area wide).
in_front() { # screen width
    local width=""
    for _ in $(seq 100); do
        width=$(xdotool getactivewindow getwindowgeometry --shell 2>/dev/null | sed -n 's/^WIDTH=//p')
        [ "$width" = "$2" ] && return 0
        sleep 0.1
    done
    echo "FAIL: $1 (client $2 px wide) is not in front; the window in front is ${width:-none} px wide"
    exit 1
}

prompt="MARZELLE TE DEMANDE TON NOM"
for _ in $(seq 300); do
    [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$prompt" ] && break
    sleep 0.1
done
if [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" != "$prompt" ]; then
    echo "FAIL: the name prompt never came to the front"
    exit 1
fi
type_text "Zoe"
key Return
# question screen, its width, the answer, its verdict screen, its width
steps=(
    "TOLVANE2 543 MARZELLE tolvane3 294"
    "tolvane5 541 LUNDI tolvane6 294"
    "tolvane8 541 MARZELLE_VASTRELLI tolvane9 292"
    "tolvane11 540 VERT TOLVANE12 292"
    "TOLVANE14 540 VRAI TOLVANE15 291"
)
for step in "${steps[@]}"; do
    read -r question width answer verdict verdict_width <<<"$step"
    in_front "$question" "$width"
    key Tab
    key Tab
    type_text "${answer//_/ }"
    key Return # submits nothing
    in_front "$question" "$width"
    key alt+r
    in_front "$verdict" "$verdict_width"
    key Return # Suite, or Fin
done
in_front tolvane17 586
key alt+j
key q
echo "played: name, five answers, the closing screen, Alt+J Q"
