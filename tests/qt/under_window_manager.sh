#!/usr/bin/env bash
# Runs a program on a virtual display of its own, 1280x1024, with a window
# manager drawing the frames, and gives back its exit status.
#   under_window_manager.sh "WINDOW-MANAGER [ITS ARGUMENTS]" PROGRAM [ARGUMENTS...]
# The display number is the first free one, so that tests can run side by
# side. Exit 77 (skipped) when there is no Xvfb.
set -u
manager=$1
shift
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -q . "$work/display" 2>/dev/null && break
    sleep 0.05
done
number=$(head -n1 "$work/display")
[ -n "$number" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$number

$manager >"$work/manager.log" 2>&1 &
pids+=($!)
# Ready once it has made a window of its own: EWMH managers announce
# themselves on the root window, others (twm) make their menus and boxes.
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
       [ "$(xwininfo -root -children 2>/dev/null | grep -c '^ *0x')" -gt 0 ]; then
        break
    fi
    sleep 0.05
done
sleep 0.2

QT_QPA_PLATFORM=xcb "$@"
