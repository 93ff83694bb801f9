#!/usr/bin/env bash
# Runs Windows test programs under Wine, in a virtual X display of their own
# with a window manager (openbox), in one fresh Wine prefix made for this run
# and shared by every program named.
#
#   run_under_wine.sh program.exe [more.exe ...]
#   run_under_wine.sh program.exe=player.sh    (player.sh plays it meanwhile)
#   run_under_wine.sh --dpi=144 program.exe    (the display at 144 dots per inch)
#
# Exits with the first failing program's status, 0 when all pass, 77 (skip)
# when Wine, Xvfb or openbox is not installed. A program still running after
# TOLVANE_WINE_TIMEOUT seconds (300) has hung and fails.
set -uo pipefail

for tool in wine wineboot wineserver Xvfb openbox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool not found (tools/install-deps installs it)"
        exit 77
    fi
done
dpi=""
case "${1:-}" in
--dpi=*) dpi=${1#--dpi=}; shift ;;
esac
[ $# -ge 1 ] || { echo "usage: $0 [--dpi=N] program.exe..."; exit 2; }
if [[ "$*" == *=* ]] && ! command -v xdotool >/dev/null 2>&1; then
    echo "SKIP: xdotool not found (tools/install-deps installs it)"
    exit 77
fi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer prompts
xvfb_pid=""
wm_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# A display number nobody uses: Xvfb picks it and writes it out.
exec 3>"$work/display"
# 1024 x 768 at 96 dpi, as large in inches at any other scale.
scale=${dpi:-96}
# Only the abstract socket: a display number freed by another test as this one
# takes it cannot lose this server its socket file to that one's clean-up.
Xvfb -displayfd 3 -screen 0 "$((1024 * scale / 96))x$((768 * scale / 96))x24" -nolisten tcp -nolisten unix \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
xprop -root >/dev/null 2>"$work/xprop.log" ||
    { echo "FAIL: display $DISPLAY takes no client"; cat "$work/xvfb.log" "$work/xprop.log"; exit 1; }
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# Every window from now on goes to the window manager (TOLVANE_WM_READY, built
# with the native tests, says when it has taken the display).
if [ -n "${TOLVANE_WM_READY:-}" ] && ! "$TOLVANE_WM_READY" 10; then
    kill -0 "$wm_pid" 2>/dev/null || echo "FAIL: openbox ended at its start"
    cat "$work/openbox.log"
    exit 1
fi

start=$(date +%s)
wineboot -i >"$work/wineboot.log" 2>&1
wineserver -w
if [ -n "$dpi" ]; then
    # The desktop's scale, read when the prefix's wineserver starts again.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$work/wineboot.log" 2>&1
    wineserver -w
fi
echo "wine prefix ready in $(($(date +%s) - start)) s on display $DISPLAY${dpi:+ at $dpi dpi}"

limit=${TOLVANE_WINE_TIMEOUT:-300}
status=0
for entry in "$@"; do
    program=${entry%%=*}
    player=""
    [ "$entry" != "$program" ] && player=${entry#*=}
    echo "--- $(basename "$program")${player:+ played by $(basename "$player")}"
    if [ -n "$player" ]; then
        # A program that hangs (a modal loop nobody closes) fails instead.
        timeout "$limit" wine "$program" &
        program_pid=$!
        bash "$player"
        player_rc=$?
        # A player who could not go on leaves the program running: stop it.
        [ "$player_rc" -ne 0 ] && wineserver -k
        wait "$program_pid"
        rc=$?
        [ "$rc" -ne 0 ] && echo "FAIL: $(basename "$program") ended with status $rc"
        [ "$player_rc" -ne 0 ] && rc=$player_rc
    else
        # In the background, so that a signal to this script is heard at once.
        timeout "$limit" wine "$program" &
        wait $!
        rc=$?
    fi
    [ "$rc" -eq 124 ] && echo "FAIL: $(basename "$program") was still running after $limit s, and was stopped"
    if [ "$rc" -ne 0 ] && [ "$status" -eq 0 ]; then
        status=$rc
    fi
done
exit "$status"
