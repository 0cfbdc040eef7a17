# shellcheck shell=bash disable=SC2034,SC2154
# (It sets $app and $win for its callers and starts their $program.)
# Sourced by the tests that run the program on a virtual desktop. Everything
# they start runs with its runtime folder in the work folder, $work. On exit
# every process whose environment points into that folder is ended: those the
# test started, and those that left its process tree on their own, as a speech
# server and its voices do; one still running afterwards fails the test. The
# environments are read in the shell itself. KEEP_WORK=1 keeps the work folder.
# A test is ended once it runs past $deadline seconds (default 100, inside
# ctest's 120; TEST_DEADLINE overrides it), and whatever ends it, a guard
# outside its process tree ends what it left and removes the work folder.

work="$(mktemp -d)"
program_args=()

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
# Asks them to end, and after 5 s tells them.
cleanup() {
    local status=$? signal
    for signal in TERM KILL; do
        # shellcheck disable=SC2046
        kill -s "$signal" $(in_work) 2>/dev/null || true
        wait_for 5 none_in_work && break
    done
    none_in_work || { status=1 &&
        echo "FAIL: still running after the test: $(ps -o pid=,comm= -p "$(in_work | paste -sd,)" | xargs)" >&2; }
    if [ -n "${KEEP_WORK:-}" ]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The guard of the test $1 with the work folder $2 and $3 seconds to run.
# When ctest's time runs out it kills the test with SIGKILL (CMake 3.25 has
# no gentler way), and the test's own clean-up never runs; nor does it for a
# kill by hand. So the guard has left the test's process tree, which ctest
# kills, and runs in a session of its own, which a Ctrl+C at a terminal
# leaves alone. At the deadline it stops the test, through the test's
# clean-up if it answers within 10 s; once the test is gone, it cleans up
# what is left (its output goes nowhere, its complaints to the test's).
guard() {
    local test=$1
    work=$2
    gone() { timeout "$1" tail -s 0.2 --pid="$test" -f /dev/null; }
    gone "$3" || { echo "FAIL: the test ran past its deadline of $3 s" >&2 && kill "$test"; }
    gone 10 || kill -9 "$test"
    cleanup
}
# Started before anything names the work folder in its environment, so that
# the guard is not among what it ends.
(setsid bash -c "$(declare -f wait_for in_work none_in_work cleanup guard)"' && guard "$@"' guard \
    "$$" "$work" "${TEST_DEADLINE:-${deadline:-100}}" </dev/null >/dev/null &)

export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Nothing of the desktop the test runs in may leak in: its display, its buses
# (the session bus leads to its accessibility bus, where its screen reader
# would hear the program), its settings, its sound and speech servers. A
# UTF-8 locale of the test's own: Qt asks for one, and says so when it picks
# it itself; the checks expect English.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER \
    NO_AT_BRIDGE QT_ACCESSIBILITY LANGUAGE SPEECHD_ADDRESS PULSE_SERVER PULSE_SINK PULSE_SOURCE PULSE_COOKIE
export LC_ALL=C.UTF-8

# A virtual X display, $DISPLAY, and a session bus, whose socket is in the
# runtime folder.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    dbus-daemon --session --fork --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null || fail "no session bus"
}
# The program, $program, on X with ${program_args[@]}: $app, with its window
# $win. What it prints goes to app.log, after what earlier runs printed.
start_program() {
    QT_QPA_PLATFORM=xcb "$program" "${program_args[@]}" 2>>"$work/app.log" &
    app=$!
    win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Rodwise H-D$' | head -n1)" || fail "no window on X"
}
