# shellcheck shell=bash disable=SC2034,SC2154
# (It sets $app and $win for its callers and starts their $program.)
# Sourced by the tests that run the program on a virtual desktop. Everything
# they start runs with its runtime folder in the work folder, $work. On exit
# every process whose environment points into that folder is ended: those the
# test started, and those that left its process tree on their own, as a speech
# server and its voices do; one still running afterwards fails the test. The
# environments are read in the shell itself. KEEP_WORK=1 keeps the work folder.
# A test that sets $deadline (seconds; TEST_DEADLINE overrides it) is ended
# once it runs past it; and whatever ends a test, a guard outside its process
# tree ends what it left and removes the work folder.

work="$(mktemp -d)"

ok() { echo "ok: $*"; }
# Fails the test, with the end of every log in the work folder.
fail() { { tail -n 20 "$work"/*.log || true; } >&2 2>/dev/null && echo "FAIL: $*" >&2 && exit 1; }
# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# The processes with a variable naming the work folder or a path in it. This
# shell is not among them: its environment is the one it was started with.
in_work() {
    local entry var
    for entry in /proc/[0-9]*; do
        while IFS= read -r -d '' var; do
            case "$var" in *"=$work" | *"=$work/"*) echo "${entry#/proc/}" && break ;; esac
        done 2>/dev/null <"$entry/environ" || true
    done
}
none_in_work() { [ -z "$(in_work)" ]; }
# Asks them to end, and after 5 s tells them; then removes the work folder.
end_work() {
    local signal
    for signal in TERM KILL; do
        # shellcheck disable=SC2046
        kill -s "$signal" $(in_work) 2>/dev/null || true
        wait_for 5 none_in_work && break
    done
    none_in_work ||
        echo "FAIL: still running after the test: $(ps -o pid=,comm= -p "$(in_work | paste -sd,)" | xargs)" >&2
    if [ -n "${KEEP_WORK:-}" ]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
    none_in_work
}
cleanup() {
    local status=$?
    end_work || status=1
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The guard of the test $1 with the work folder $2 and $3 seconds to run. When
# ctest's time runs out it kills the test with SIGKILL (CMake 3.25 has no
# gentler way), and the test's own clean-up never runs; nor does it for a
# kill by hand. So the guard runs in a session of its own (a Ctrl+C at a
# terminal leaves it too) that has left the test's process tree, whose
# processes ctest kills. At the deadline it stops the test through its
# clean-up, ending the command the test waits on if need be; once the test
# is gone, it ends what is left.
guard() {
    local test=$1 seconds=$3
    work=$2
    gone() { timeout "$1" tail -s 0.2 --pid="$test" -f /dev/null; }
    if ! gone "$seconds"; then
        echo "FAIL: the test ran past its deadline of $seconds s" >&2
        kill -s TERM "$test"
        # shellcheck disable=SC2046
        gone 5 || kill -s TERM $(in_work) 2>/dev/null || true
        gone 15 || kill -s KILL "$test"
    fi
    if ! none_in_work || { [ -z "${KEEP_WORK:-}" ] && [ -d "$work" ]; }; then end_work >&2; fi
}
# Started before anything names the work folder in its environment, so that
# the guard is not among what it ends. No deadline (0) waits for the test
# however long it runs.
(setsid bash -c "$(declare -f wait_for in_work none_in_work end_work guard)"' && guard "$@"' guard \
    "$$" "$work" "${TEST_DEADLINE:-${deadline:-0}}" </dev/null >/dev/null &)

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Nothing of the desktop the test runs in may leak in: its display, its buses
# (the session bus leads to its accessibility bus, where its screen reader
# would hear the program), its settings, its sound and speech servers. A
# UTF-8 locale of the test's own: Qt asks for one, and says so when it picks
# it itself; the checks expect English.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS \
    SESSION_MANAGER NO_AT_BRIDGE QT_ACCESSIBILITY LANGUAGE SPEECHD_ADDRESS PULSE_SERVER PULSE_SINK \
    PULSE_SOURCE PULSE_COOKIE
export LC_ALL=C.UTF-8

# A virtual X display, $DISPLAY, and a session bus, whose socket is in the
# runtime folder.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    dbus-daemon --session --fork --address="unix:path=$XDG_RUNTIME_DIR/bus" >/dev/null ||
        fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
}
# The program, $program, on X: $app, with its window $win.
start_program() {
    QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
    app=$!
    win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Rodwise H-D$' | head -n1)" || fail "no window on X"
}
