#!/usr/bin/env bash
# The calculator's bell on GNOME's compositor, mutter, run headless in a
# session bus of its own; keys come through mutter's RemoteDesktop API
# (remote_keys.py), as from a remote desktop client. A refusal must ring the
# compositor's bell for the window, once per beep, and never the program's
# own sound-theme bell (a stand-in libcanberra counts those). The bell is
# xdg_system_bell_v1 where mutter offers it (GNOME 48) and this build knows
# it, else gtk_shell1's (GNOME 43); WAYLAND_DEBUG=client shows each request
# the program sends.
#   tests/desktop/mutter-bell-test.sh PROGRAM STUB_DIR yes|no
# the last: whether this build has xdg_system_bell_v1 (Debian 12's lacks it).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# = 3 ] || { echo "usage: $0 PROGRAM STUB_DIR yes|no" >&2; exit 2; }
program="$(realpath "$1")" stub="$2" knows_system_bell="$3"
"$here/../../scripts/ensure-packages" mutter dbus qt6-wayland python3 python3-gi gir1.2-glib-2.0
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$here/session.sh"

export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/dbus.log" 2>&1 &
wait_for 10 test -S "$work/bus" || fail "the session bus did not start"
mutter --headless --wayland --no-x11 --virtual-monitor 1024x768 \
    --wayland-display=wayland-rodwise >"$work/mutter.log" 2>&1 &
wait_for 30 test -S "$XDG_RUNTIME_DIR/wayland-rodwise" || fail "mutter did not start"
WAYLAND_DISPLAY=wayland-rodwise QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    LD_LIBRARY_PATH="$stub${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
    RODWISE_CANBERRA_LOG="$work/bells" "$program" 2>"$work/app.log" &
app=$!
# The window is on the screen. It takes the keyboard as the window that has
# the focus once the first typed key makes mutter's virtual keyboard.
wait_for 30 grep -q -E 'wl_surface[@#][0-9]+\.enter\(wl_output[@#]' "$work/app.log" ||
    fail "the program's window is not shown"

# The bell the compositor offers, as its registry says.
offered() { grep -q -E "wl_registry[@#][0-9]+\.global\([0-9]+, \"$1\"" "$work/app.log"; }
if [ "$knows_system_bell" = yes ] && offered xdg_system_bell_v1; then
    bell=xdg_system_bell_v1 request='ring\(wl_surface[@#]' other='gtk_shell1[@#][0-9]+\.system_bell'
else
    offered gtk_shell1 || fail "mutter offers neither xdg_system_bell_v1 nor gtk_shell1"
    bell=gtk_shell1 request='system_bell\(gtk_surface1[@#]' other='xdg_system_bell_v1[@#][0-9]+\.ring'
fi
rung() { grep -c -E -- "-> ${bell}[@#][0-9]+\.$request" "$work/app.log" || true; }
reached() { [ "$(rung)" -ge "$1" ]; }
# Types the keys $2... and waits for the count of bells to reach $1.
refuse() {
    local want="$1"
    shift
    # Debian's python3-gi is for Debian's python, whatever else is on PATH.
    /usr/bin/python3 "$here/remote_keys.py" "$@" || fail "mutter took no keys"
    wait_for 10 reached "$want" || fail "$bell rang $(rung) times, not $want"
    sleep 0.5 # a bell too many would come now
    [ "$(rung)" = "$want" ] || fail "$bell rang $(rung) times, not $want"
}
# "=" with no second number is refused with two beeps.
refuse 2 7 slash equal
ok "a refusal rang $bell twice"
refuse 4 7 slash equal
ok "a second refusal rang it twice more"
burst=()
for _ in 1 2 3 4 5 6 7 8 9 10; do burst+=(7 slash equal); done
refuse 24 "${burst[@]}"
grep -qs '^State:\s*[^Z]' "/proc/$app/status" || fail "the program ended"
ok "ten refusals typed at once rang it 20 times more, and the program runs on"

# Each bell names the calculator's window: the surface of its xdg_toplevel.
window="$(sed -n -E 's/.*-> xdg_wm_base[@#][0-9]+\.get_xdg_surface\(new id xdg_surface[@#][0-9]+, (wl_surface[@#][0-9]+)\).*/\1/p' "$work/app.log")"
if [ "$bell" = gtk_shell1 ]; then
    named="$(sed -n -E 's/.*-> gtk_shell1[@#][0-9]+\.get_gtk_surface\(new id gtk_surface1[@#][0-9]+, (wl_surface[@#][0-9]+)\).*/\1/p' "$work/app.log")"
else
    named="$(sed -n -E 's/.*-> xdg_system_bell_v1[@#][0-9]+\.ring\((wl_surface[@#][0-9]+)\).*/\1/p' "$work/app.log" | sort -u)"
fi
if [ -z "$window" ] || [ "$named" != "$window" ]; then
    fail "the bell names ${named:-nothing}, not the window's ${window:-surface}"
fi
ok "each bell names the window's surface, $window"

! grep -q -E -- "-> $other" "$work/app.log" || fail "the other compositor bell rang too"
[ ! -s "$work/bells" ] || fail "the program played the sound theme's bell too: $(wc -l <"$work/bells")"
ok "no other bell rang: neither the other compositor bell nor the sound theme's"
# Any line but the trace of Wayland messages, and empty ones.
grep -v -m 3 -E '^(\[[0-9. ]+\] .*)?$' "$work/app.log" >&2 && fail "the program printed the above"
ok "the program printed nothing"
