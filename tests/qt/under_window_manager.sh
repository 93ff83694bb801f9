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

# Only the abstract socket: a display number freed by another test as this one
# takes it cannot lose this server its socket file to that one's clean-up.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -nolisten unix 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
# The display number, written by Xvfb once it takes clients.
for _ in $(seq 200); do
    grep -q . "$work/display" 2>/dev/null && break
    sleep 0.05
done
number=$(head -n1 "$work/display")
[ -n "$number" ] || { echo "FAIL: Xvfb did not start within 10 s"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$number
xprop -root >/dev/null 2>"$work/xprop.log" ||
    { echo "FAIL: display $DISPLAY takes no client"; cat "$work/xvfb.log" "$work/xprop.log"; exit 1; }

$manager >"$work/manager.log" 2>&1 &
manager_pid=$!
pids+=($manager_pid)
# Ready once it has taken the display's windows (TOLVANE_WM_READY, built with
# the tests): every window mapped from then on goes to it first.
if [ -n "${TOLVANE_WM_READY:-}" ]; then
    if ! "$TOLVANE_WM_READY" 10; then
        kill -0 "$manager_pid" 2>/dev/null || echo "FAIL: the window manager ended at its start"
        cat "$work/manager.log"
        exit 1
    fi
else
    for _ in $(seq 200); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
           [ "$(xwininfo -root -children 2>/dev/null | grep -c '^ *0x')" -gt 0 ]; then
            break
        fi
        sleep 0.05
    done
fi

# A program that hangs is stopped short of CTest's own timeout, and says so.
limit=${TOLVANE_DISPLAY_TIMEOUT:-50}
QT_QPA_PLATFORM=xcb timeout "$limit" "$@"
status=$?
[ "$status" -eq 124 ] && echo "FAIL: $(basename "$1") was still running after $limit s, and was stopped"
exit "$status"
