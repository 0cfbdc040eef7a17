#!/usr/bin/env bash
# The calculator on a real desktop, driven from outside as a user would: on a
# virtual X display (Xvfb), or on a Wayland compositor, weston, whose X11
# backend runs in a window of that display and hands the pointer and keys that
# xdotool sends there to its clients (its headless backend cannot). Both runs
# click and type the same steps, read the bead cells off screenshots
# (screen.py) and want the program to print nothing. Both zoom to 200 % by the
# keys, no further than the screen holds, and open there with --zoom 200; the
# board's pictures then have the pixels of the 100 % window on a screen of
# twice the density (QT_SCALE_FACTOR=2), drawn afresh, not enlarged.
# On X the window carries the desktop entry's class and offers maximize, a
# kept zoom larger than the screen holds opens at the largest step it does,
# and a client of the server hears the bells (x_bell_watch): one per beep,
# each rung for the program's window.
# On Wayland the program runs as on a GNOME desktop (WAYLAND_DISPLAY and
# DISPLAY set, no QT_QPA_PLATFORM): its start state matches X's pixel for
# pixel, its app id is the desktop entry's, a stand-in libcanberra hears one
# bell per beep; maximized and full screen it shows the abacus at 200 %,
# centred, and their restore brings it back unchanged, at 100 % as at 200 %;
# a resize leaves it running and unchanged.
#   tests/desktop/desktop-test.sh x11 PROGRAM BELL_WATCH | wayland PROGRAM STUB_DIR
set -euo pipefail
mode="$1" here="$(cd "$(dirname "$0")" && pwd)"
[[ "$mode" =~ ^(x11|wayland)$ ]] || { echo "usage: $0 x11 PROGRAM BELL_WATCH | wayland PROGRAM STUB_DIR" >&2; exit 2; }
program="$(realpath "$2")"
"$here/../../scripts/ensure-packages" xvfb xdotool x11-apps x11-utils python3 dbus \
    $([ "$mode" = x11 ] || echo weston qt6-wayland)
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$here/session.sh"
look() { python3 "$here/screen.py" "$@"; }
# Screenshots are of the window $win, the program's on X, weston's output (at
# the screen's top-left corner) on Wayland; the client area is at $x,$y in it.
shot() { xwd -silent -id "$win" -out "$work/$1.xwd"; }
board() { shot board && look board "$work/board.xwd" "$x" "$y"; }
shows() { [ "$(board)" = "$1" ]; }
# Runs $1, then waits for the board to show $2: the rods' values, rod 9 first.
step() {
    eval "$1"
    wait_for 10 shows "$2" || fail "$3: the board shows $(board), not $2"
    ok "$3"
}
# Weston's X11 backend moves its pointer by the difference between two motion
# events and takes an absolute place only when the pointer enters its window,
# so every move first leaves it (at 1010,750), and every click ends with the
# pointer back in the output's bottom-right corner, away from the program's
# window. Places are in pixels from the client area.
park() { xdotool mousemove 1010 750 mousemove 995 735; }
click() { xdotool mousemove 1010 750 mousemove --window "$win" $((x + $1)) $((y + $2)) click 1 && park; }
px() { echo $((($1 + 7) / 15)); } # the layout's twips, 1/15 px at 96 dpi
bead() { click $(($(px $((4695 - 495 * $1))) + 16)) $(($(px $((1740 + 270 * $2))) + 9)); }
button() { click $(($(px "$1") + 12)) 24; } # a key of the key row, by its left edge
# Where the decks at 200 % are in the screenshot $1, as they are in the 100 %
# window drawn at twice the density: the beam's radio buttons, drawn by Qt's
# style, and the bars, which show the keyboard's mark in the focused window,
# are left out. In the client area the decks are at (32, 100) and (32, 232).
decks() {
    local upper lower
    upper="$(look find "$work/$1.xwd" "$work/dense.xwd" 32 100 660 108)" &&
        lower="$(look find "$work/$1.xwd" "$work/dense.xwd" 32 232 660 180)" &&
        read -r dx dy <<<"$upper" && [ "$lower" = "$dx $((dy + 132))" ] && echo "$((dx - 32)) $((dy - 100))"
}

start_xvfb
# The 100 % window on a screen of twice the density, the reference for 200 %.
program_args=(--zoom 100)
QT_SCALE_FACTOR=2 start_program
size() { xwininfo -id "$win" | grep -E "Width|Height" | xargs; }
wait_for 10 eval '[ "$(size)" = "Width: 876 Height: 560" ]' || fail "at twice the density the window is $(size)"
wait_for 10 eval '[ "$(shot dense && look board "$work/dense.xwd" 0 0 200)" = 0000000000 ]' ||
    fail "at twice the density the board reads $(look board "$work/dense.xwd" 0 0 200)"
kill "$app" && wait "$app" || true
program_args=()
# The program on X; its start state is the reference for the one on Wayland.
start_program
x=0 y=0
wait_for 10 shows 0000000000 || fail "at the start on X the board shows $(board), not every rod at 0"
mv "$work/board.xwd" "$work/x11.xwd"
ok "every rod is at 0 at the start on X"
if [ "$mode" = x11 ]; then
    # The window manager matches the window to its desktop entry by WM_CLASS,
    # and draws a maximize button where the Motif hints' functions (second
    # field) have bit 0x10.
    wm_class="$(sed -n 's/^StartupWMClass=//p' "$here/../../packaging/io.github.rodwise.RodwiseHD.desktop")"
    xprop -id "$win" WM_CLASS | grep -q "= \"$wm_class\", \"$wm_class\"$" ||
        fail "WM_CLASS is not $wm_class: $(xprop -id "$win" WM_CLASS)"
    functions="$(xprop -id "$win" _MOTIF_WM_HINTS | sed -n 's/.*= [^,]*, \([^,]*\),.*/\1/p')"
    [ -n "$functions" ] && [ $((functions & 0x10)) != 0 ] || fail "X11 offers no maximize ($functions)"
    ok "WM_CLASS is the desktop entry's StartupWMClass and maximize is offered"
    xdotool windowfocus --sync "$win" # keys go to the focused window
    "$3" >"$work/x-bells" 2>"$work/x-bell-watch.log" &
    wait_for 10 grep -q watching "$work/x-bells" || fail "the X bells cannot be heard"
else
    kill "$app" && wait "$app" || true
    printf '%s\n' '[core]' idle-time=0 '[shell]' panel-position=none background-color=0xff204060 \
        locking=false animation=none close-animation=none startup-animation=none \
        focus-animation=none >"$work/weston.ini"
    weston --backend=x11-backend.so --use-pixman --width=1000 --height=740 \
        --socket=wayland-rodwise --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
    wait_for 10 test -S "$XDG_RUNTIME_DIR/wayland-rodwise" || fail "weston did not start"
    win="$(timeout 20 xdotool search --sync --class '^Weston Compositor$')" || fail "no weston output"
    # Keys go to the window under the pointer (Xvfb has no focus of its own).
    park
    # The program with the options after $1, the name of its log.
    stubs="$3" log=app
    on_wayland() {
        log="$1" && shift
        WAYLAND_DISPLAY=wayland-rodwise XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=1 \
            LD_LIBRARY_PATH="$stubs${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
            RODWISE_CANBERRA_LOG="$work/bells" "$program" "$@" 2>"$work/$log.log" &
        app=$!
    }
    on_wayland app
    # Finding X's start state in weston's output also finds the client area.
    found() { shot screen && at="$(look find "$work/screen.xwd" "$work/x11.xwd")"; }
    wait_for 10 found || fail "the start state on Wayland differs from the one on X"
    read -r x y <<<"$at"
    ok "on Wayland the start state matches X pixel for pixel, at $x,$y"
fi

while IFS='|' read -r -u 9 actions board what; do
    step "$actions" "$board" "$what"
done 9<<'STEPS'
bead 1 1; bead 0 2|0000000012|a click on a cell moves its beads
button 1725; bead 0 3; button 2603|0000000036|12 * 3 = 36 with the mouse
button 3042|0000000000|C clears the board
xdotool key 7|0000000007|a typed digit sets the marked rod
xdotool key slash equal|0000000000|7 / = is refused and clears the board
STEPS

if [ "$mode" = x11 ]; then
    # "=" with no second number is refused with two beeps.
    rang() { [ "$(grep -v watching "$work/x-bells" | xargs)" = "$(printf '0x%x 0x%x' "$win" "$win")" ]; }
    wait_for 10 rang ||
        fail "the refusal rang $(grep -v watching "$work/x-bells" | xargs) on X, not twice for $(printf 0x%x "$win")"
    ok "the two beeps rang the X bell twice, for the program's window"
    # A key pressed while a screen reader's modifier, Insert, is held belongs
    # to the screen reader: Insert+1 leaves rod 0 at 7, the 2 after it lands.
    step "xdotool key 7 keydown Insert key 1 keyup Insert key Left 2" 0000000027 \
        "a digit typed with Insert held is left to the screen reader"
    step "xdotool key Escape" 0000000000 "Escape clears the board"
    # Four steps of Ctrl+= reach 200 % and a fifth stays there: 250 % is wider
    # than the 1024 pixels of the screen.
    xdotool key ctrl+equal ctrl+equal ctrl+equal ctrl+equal ctrl+equal
    wait_for 10 eval '[ "$(size)" = "Width: 876 Height: 560" ]' || fail "Ctrl+= made the window $(size), not 876 x 560"
    wait_for 10 eval '[ "$(shot zoomed && decks zoomed)" = "0 0" ]' || fail "at 200 % the board is not drawn afresh"
    ok "Ctrl+= zooms to 200 % and no further, the board drawn afresh at that size"
    kill "$app" && wait "$app" || true
    program_args=(--zoom 200)
    start_program
    wait_for 10 eval '[ "$(size)" = "Width: 876 Height: 560" ] && [ "$(shot opened && decks opened)" = "0 0" ]' ||
        fail "--zoom 200 opens the window at $(size), its board $(decks opened || echo not) drawn afresh"
    ok "--zoom 200 opens the window at 200 %, as Ctrl+= made it"
    # A zoom kept on a larger screen (a projector since unplugged) opens at the
    # largest step this one holds, and stays kept for the larger screen.
    kill "$app" && wait "$app" || true
    kept="$XDG_CONFIG_HOME/rodwise-hd/rodwise-hd.conf"
    printf '[General]\nzoom=300\n' >"$kept"
    program_args=()
    start_program
    wait_for 10 eval '[ "$(size)" = "Width: 876 Height: 560" ]' || fail "a kept 300 % opens at $(size)"
    grep -qx zoom=300 "$kept" || fail "the kept zoom changed to $(cat "$kept")"
    ok "a kept 300 % opens at 200 %, the largest the screen holds, and stays kept"
else
    grep -q 'set_app_id("io.github.rodwise.RodwiseHD")' "$work/app.log" ||
        fail "the Wayland app id is not the desktop entry's"
    ok "the app id is io.github.rodwise.RodwiseHD"
    # "=" with no second number is refused with two beeps.
    bells() { [ "$(cat "$work/bells")" = $'pulse bell-window-system\npulse bell-window-system' ]; }
    wait_for 10 bells || fail "the refusal rang $(wc -l <"$work/bells" 2>/dev/null || echo no) bells"
    ok "the two beeps rang the sound theme's bell twice, through PulseAudio"

    # Each way of changing the window's size leaves it running and as it was,
    # pixel for pixel, once a digit and Escape have gone through.
    shot before
    unchanged() {
        shot after &&
            [ "$(look find "$work/after.xwd" "$work/before.xwd" "$x" "$y" 438 280)" = "$x $y" ]
    }
    drag() { # the frame's right edge, which asks the compositor for a resize
        xdotool mousemove 1010 750 mousemove $((x + 439)) $((y + 140)) mousedown 1
        for d in 20 60 120; do xdotool mousemove $((x + 439 + d)) $((y + 140 + d)); done
        xdotool mouseup 1 && park
    }
    # How, what the program asks of the compositor then, and the actions: the
    # title bar's maximize button is 40 px left of the client area's right
    # edge, 15 px above it.
    asked() { grep -c -E "xdg_toplevel[@#][0-9]+\.$request" "$work/app.log" || true; }
    # Maximized and full screen the window takes the compositor's size and
    # shows the abacus at 200 %, the largest step that fits, centred on
    # weston's output (1000 x 740) at 62 across and 90 down, or lower by at
    # most half the title bar that Qt draws above a maximized window's client
    # area; the same keys restore it.
    centred() {
        local at ax ay
        shot given && at="$(decks given)" && read -r ax ay <<<"$at" &&
            [ "$ax" = 62 ] && [ "$ay" -ge 90 ] && [ "$ay" -le 105 ]
    }
    not_centred() { echo "the decks at 200 % are at $(decks given || echo nowhere), not centred"; }
    while read -r -u 9 how request restore actions; do
        count="$(asked)"
        eval "$actions"
        wait_for 10 eval '[ "$(asked)" -gt "$count" ]' || fail "$how: no $request"
        if [ "$restore" != - ]; then
            wait_for 10 centred || fail "$how: $(not_centred)"
            xdotool key "$restore"
        fi
        step "xdotool key 3" 0000000003 "a digit after $how" # a frame of a wrong size would end it
        xdotool key Escape
        wait_for 10 unchanged || fail "after $how the window changed"
        grep -qs '^State:\s*[^Z]' "/proc/$app/status" || fail "the program ended after $how"
        ok "$how, and its restore where there is one, leave the window as it was"
    done 9<<'WAYS'
title-bar-maximize set_maximized super+shift+m click 401 -15
super+shift+m configure\([1-9] super+shift+m xdotool key super+shift+m
super+shift+f configure\([1-9] super+shift+f xdotool key super+shift+f
frame-resize resize\( - drag
WAYS

    # Four steps of Ctrl+= reach 200 % and a fifth stays there: 250 % is wider
    # than weston's output. The window grows from its top-left corner past the
    # output's edge, and a drag on its title bar brings it back in view. Its
    # size is read off its frame's geometry, which it tells the compositor;
    # the frame (Qt's decorations) adds the same at every zoom.
    frame() { grep -o 'set_window_geometry([0-9, ]*)' "$work/$log.log" | tail -n1 | tr -d '[:alpha:]_(),'; }
    read -r fx fy fw fh <<<"$(frame)"
    grown="$fx $fy $((fw + 438)) $((fh + 280))"
    xdotool key ctrl+equal ctrl+equal ctrl+equal ctrl+equal ctrl+equal
    wait_for 10 eval '[ "$(frame)" = "$grown" ]' || fail "Ctrl+= made the frame $(frame), not $grown"
    xdotool mousemove 1010 750 mousemove $((x + 300)) $((y - 15)) mousedown 1
    for d in 1 2 3 4 5; do xdotool mousemove $((x + 300 - d * x / 5)) $((y - 15 - d * y / 5)); done
    xdotool mouseup 1 && park
    wait_for 10 eval 'shot zoomed && at="$(decks zoomed)"' || fail "at 200 % the board is not drawn afresh"
    read -r x y <<<"$at"
    ok "Ctrl+= zooms to 200 % and no further, the board drawn afresh at that size"
    xdotool key super+shift+m
    wait_for 10 centred || fail "maximized at 200 %: $(not_centred)"
    xdotool key super+shift+m
    wait_for 10 eval '[ "$(shot restored && decks restored)" = "$x $y" ]' || fail "the restore left 200 %"
    ok "maximized at 200 % the abacus stays centred, and the restore returns to the window at 200 %"
    kill "$app" && wait "$app" || true
    on_wayland app-200 --zoom 200
    wait_for 10 eval '[ "$(frame)" = "$grown" ] && shot opened && decks opened >/dev/null' ||
        fail "--zoom 200 opens the frame at $(frame), its board $(decks opened || echo not) drawn afresh"
    ok "--zoom 200 opens the window at 200 %, as Ctrl+= made it"
fi
# Any line but the trace of Wayland messages, and empty ones.
cat "$work"/app*.log | grep -v -m 3 -E '^(\[[0-9. ]+\] .*)?$' >&2 && fail "the program printed the above"
ok "the program printed nothing"
