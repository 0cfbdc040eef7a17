#!/usr/bin/env bash
# The calculator on a real X display: under Xvfb it starts the program, clicks
# 12 "*" 3 "=" and then "C" with xdotool as a user would, and after each step
# reads the bead cells off a screenshot of the window (xwd).
#   tests/smoke/xvfb-smoke.sh [PROGRAM]    (default: build/app/rodwise-hd)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."
program="$(realpath "${1:-$root/build/app/rodwise-hd}")"
"$root/scripts/ensure-packages" xvfb xdotool x11-apps

work="$(mktemp -d)"
xvfb_pid="" app_pid=""
cleanup() {
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
app_pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Rodwise H-D$' | head -n1)" || {
    cat "$work/app.log" >&2
    echo "FAIL: no window" >&2
    exit 1
}

# Positions as the layout has them, in twips (1/15 px at 96 dpi).
px() { echo $((($1 + 7) / 15)); }
cell_left() { px $((4695 - 495 * $1)); }        # column of rod $1
lower_top() { px $((1740 + 270 * $1)); }        # lower deck cell $1, 0 at the beam
upper_top() {                                   # upper deck cell 1 (top), 5 or 0
    case $1 in 1) px 750 ;; 5) px 1020 ;; *) px 1290 ;; esac
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
click_lower() { click $(($(cell_left "$1") + 16)) $(($(lower_top "$2") + 9)); }
click_key() { click $(($(px "$1") + 12)) $(($(px 255) + 7)); } # a key's left edge
# A screenshot of the window. Past its header, the window's name and the
# colour table come the rows of 32-bit pixels, in the byte order it gives.
field() { od -An -tu4 --endian=big -j "$((4 * $1))" -N4 "$work/shot.xwd" | tr -d ' '; }
screenshot() {
    xwd -silent -id "$window" -out "$work/shot.xwd"
    pixels=$(($(field 0) + 12 * $(field 19))) row=$(field 12) msb=$(field 7)
    [ "$(field 11)" = 32 ] || { echo "FAIL: not a 32-bit screenshot" >&2; exit 1; }
}
# "rrggbb" of pixel ($1, $2) of the screenshot.
pixel() {
    od -An -tx1 -j "$((pixels + $2 * row + 4 * $1))" -N4 "$work/shot.xwd" |
        awk -v msb="$msb" '{ print msb == 1 ? $2 $3 $4 : $3 $2 $1 }'
}
# What a cell shows, read off the field colour in its top-left corner: the
# bare rod, a bead, or the bead that only values above 9 use.
cell() {
    case "$(pixel $(($(cell_left "$2") + 1)) $(($3 + 1)))" in
    8eb9e3) echo gap ;; 8fbae4) echo bead ;; 9285b1) echo extra ;; *) echo "?" ;;
    esac
}
# The value a rod shows: the gap's place in each deck.
rod_value() {
    local upper=0 lower=-1 i
    [ "$(cell upper "$1" "$(upper_top 5)")" = gap ] && upper=5
    [ "$(cell upper "$1" "$(upper_top 1)")" = gap ] && upper=10
    for i in 0 1 2 3 4 5; do
        [ "$(cell lower "$1" "$(lower_top $i)")" = gap ] && lower=$i
    done
    echo $((upper + lower))
}
board() {
    local rod out=""
    for rod in 9 8 7 6 5 4 3 2 1 0; do out+="$(rod_value $rod) "; done
    echo "${out% }"
}
# Waits up to 5 s for the board to show $1, ten rod values from rod 9 down.
expect_board() {
    local shown=""
    for _ in $(seq 50); do
        screenshot
        shown="$(board)"
        [ "$shown" = "$1" ] && { echo "ok: $2"; return 0; }
        sleep 0.1
    done
    echo "FAIL: $2: the board shows $shown, not $1" >&2
    exit 1
}

expect_board "0 0 0 0 0 0 0 0 0 0" "start: every rod at 0"
click_lower 1 1 # 12
click_lower 0 2
expect_board "0 0 0 0 0 0 0 0 1 2" "12 set with the beads"
click_key 1725  # "*"
click_lower 0 3 # 3
click_key 2603  # "="
expect_board "0 0 0 0 0 0 0 0 3 6" "12 * 3 = 36 on the rods"
click_key 3042  # "C"
expect_board "0 0 0 0 0 0 0 0 0 0" "C clears the board"
echo "4 passed, 0 failed"
