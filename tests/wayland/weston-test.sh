#!/usr/bin/env bash
# The calculator on a real Wayland compositor. Weston runs with its pixman
# renderer in a window of a virtual X display (Xvfb): its X11 backend takes
# the pointer and keys that xdotool sends there and hands them to its Wayland
# clients, which its headless backend cannot. The program runs as on a GNOME
# desktop, with WAYLAND_DISPLAY and DISPLAY set and no QT_QPA_PLATFORM, and a
# stand-in libcanberra records its bells. Checked: it runs on Wayland under
# the desktop entry's app id; its client area shows the start state exactly
# as on X; a typed digit and a click change the board; a refusal rings one
# bell per beep and prints nothing; and maximize, from the title bar or from
# the compositor, full screen and a resize leave it running and unchanged.
#   tests/wayland/weston-test.sh PROGRAM STUB_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."
program="$(realpath "$1")"
stub_dir="$(realpath "$2")"
"$root/scripts/ensure-packages" xvfb xdotool x11-apps x11-utils weston qt6-wayland python3
. "$here/../end-processes.sh"

work="$(mktemp -d)"
xvfb_pid="" weston_pid="" app_pid=""
cleanup() {
    local pid
    for pid in $app_pid $weston_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    # Whatever the compositor started (Xwayland, its helpers), and a check
    # that nothing of the test is left running.
    end_processes_in "$work" || status=1
    rm -rf "$work"
    exit "$status"
}
trap 'status=$?; cleanup' EXIT
trap 'exit 1' INT TERM
fail() {
    echo "FAIL: $*" >&2
    for log in app weston; do
        [ -s "$work/$log.log" ] && { echo "--- $log:" >&2; tail -n 20 "$work/$log.log" >&2; }
    done
    exit 1
}
# Waits up to 10 s for the command to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
screen() { python3 "$here/screen.py" "$@"; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# The start state on X, the reference for the one on Wayland.
QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
app_pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Rodwise H-D$' | head -n1)" ||
    fail "no window on X"
xwd -silent -id "$window" -out "$work/x11.xwd"
# On X the window manager matches the window to its desktop entry by
# WM_CLASS, and draws no maximize button where the Motif hints' functions
# (second field) lack bit 0x10.
wm_class="$(grep -m1 '^StartupWMClass=' "$root/packaging/io.github.rodwise.RodwiseHD.desktop")"
xprop -id "$window" WM_CLASS | grep -q "= \"${wm_class#*=}\", \"${wm_class#*=}\"$" ||
    fail "WM_CLASS is not ${wm_class#*=}: $(xprop -id "$window" WM_CLASS)"
functions="$(xprop -id "$window" _MOTIF_WM_HINTS | sed -n 's/.*= [^,]*, \([^,]*\),.*/\1/p')"
[ -n "$functions" ] && [ $((functions & 0x10)) = 0 ] || fail "X11 offers maximize ($functions)"
echo "ok: on X, WM_CLASS is the desktop entry's StartupWMClass and maximize is not offered"
kill "$app_pid" && wait "$app_pid" 2>/dev/null || true
app_pid=""

cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff204060
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
weston --backend=x11-backend.so --use-pixman --width=800 --height=600 --socket=wayland-rodwise \
    --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_for test -S "$XDG_RUNTIME_DIR/wayland-rodwise" || fail "weston did not start"
# Weston names its output's X window in its log.
output_window() { output="$(grep -o -m1 'x11 output .* window id [0-9]*' "$work/weston.log")"; }
wait_for output_window || fail "no weston output window"
output="${output##* }"
shot() { xwd -silent -id "$output" -out "$work/$1.xwd"; }
# Weston draws the pointer into its output: it waits in a corner, away from
# the window, and keys go to the window under it (Xvfb has no focus of its own).
park() { xdotool mousemove 795 595; }
park

WAYLAND_DISPLAY=wayland-rodwise XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=1 \
    LD_LIBRARY_PATH="$stub_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
    RODWISE_CANBERRA_LOG="$work/bells" "$program" 2>"$work/app.log" &
app_pid=$!
running() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $1"; }

# The start state, pixel for pixel as on X; that also finds the client area.
found() { shot weston && at="$(screen find "$work/x11.xwd" "$work/weston.xwd")"; }
wait_for found || fail "the start state on Wayland differs from the one on X"
read -r x y <<<"$at"
echo "ok: on Wayland the start state matches X pixel for pixel, at $x,$y"
grep -q 'set_app_id("io.github.rodwise.RodwiseHD")' "$work/app.log" ||
    fail "the Wayland app id is not the desktop entry's"
echo "ok: the app id is io.github.rodwise.RodwiseHD"

board_is() { shot board && [ "$(screen board "$work/board.xwd" "$x" "$y")" = "$1" ]; }
xdotool key 7
wait_for board_is "0 0 0 0 0 0 0 0 0 7" || fail "typing 7 did not set rod 0"
echo "ok: a typed digit sets the marked rod"
# Weston moves its pointer by the differences between X's motion events, and
# now and then starts off from the wrong place; it takes the X pointer's place
# itself when the pointer comes into its window from outside.
xdotool mousemove 1000 700
xdotool mousemove $((x + $(python3 -c 'print((4695 - 495 + 7) // 15 + 16)'))) \
    $((y + $(python3 -c 'print((1740 + 270 * 2 + 7) // 15 + 9)'))) click 1
park
wait_for board_is "0 0 0 0 0 0 0 0 2 7" || fail "a click on rod 1, cell 2, did not set it"
echo "ok: a click on a cell moves its beads"

# 27 / = : "=" with no second number is refused with two beeps, as the
# calculator has always done (its core tests have "5 / =" beep twice).
xdotool key slash equal
bells_are() { [ "$(cat "$work/bells" 2>/dev/null)" = "$1" ]; }
wait_for bells_are "pulse bell-window-system
pulse bell-window-system" || fail "the refusal rang $(wc -l <"$work/bells" 2>/dev/null || echo no) bells"
wait_for board_is "0 0 0 0 0 0 0 0 0 0" || fail "the refusal did not clear the board"
echo "ok: the two beeps rang the sound theme's bell twice, through PulseAudio"
if grep -v -E '^\[[0-9. ]+\] ' "$work/app.log" | grep -q .; then
    fail "the program printed: $(grep -v -E '^\[[0-9. ]+\] ' "$work/app.log" | head -n 3)"
fi
echo "ok: the program printed nothing"

# Maximize from Qt's title bar (its button sits 40 px left of the client
# area's right edge, 15 px above it), then from weston's keys, then full
# screen; after each the window is back, the same, pixel for pixel.
shot before
unchanged() {
    shot after && [ "$(screen same "$work/before.xwd" "$x" "$y" 438 280 "$work/after.xwd")" = "$x $y" ]
}
xdotool mousemove $((x + 401)) $((y - 15)) click 1
wait_for grep -q 'unset_maximized' "$work/app.log" || fail "the title bar's maximize stayed"
running "maximize from the title bar"
park
wait_for unchanged || fail "after the title bar's maximize the window changed"
echo "ok: the title bar's maximize leaves the window as it was"
for keys in super+shift+m super+shift+f; do
    count="$(grep -c -E 'unset_(maximized|fullscreen)' "$work/app.log" || true)"
    xdotool key "$keys"
    wait_for test "$(grep -c -E 'unset_(maximized|fullscreen)' "$work/app.log")" -gt "$count" ||
        fail "weston's $keys stayed"
    xdotool key 3 # a frame of the wrong size here would end the program
    wait_for board_is "0 0 0 0 0 0 0 0 0 3" || fail "no digit after $keys"
    xdotool key Escape
    wait_for unchanged || fail "after weston's $keys the window changed"
    running "$keys"
    echo "ok: weston's $keys leaves the window as it was"
done
# A drag on the frame's right edge asks the compositor for a resize.
edge_x=$((x + 439)) edge_y=$((y + 140))
xdotool mousemove "$edge_x" "$edge_y" mousedown 1
for step in 20 60 120; do xdotool mousemove $((edge_x + step)) $((edge_y + step)); done
xdotool mouseup 1
park
# WAYLAND_DEBUG writes an object as "xdg_toplevel@20" on Debian 12, "xdg_toplevel#20" on 13.
wait_for grep -q -E 'xdg_toplevel[@#][0-9]+\.resize\(' "$work/app.log" || fail "the drag asked for no resize"
wait_for unchanged || fail "after a resize from the frame the window changed"
running "a resize from the frame"
echo "ok: a resize from the frame leaves the window as it was"
echo "11 passed, 0 failed"
