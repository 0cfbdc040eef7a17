# shellcheck shell=bash disable=SC2034,SC2154
# (It sets $app and $win for its callers and starts their $program.)
# Sourced by the tests that run the program on a virtual desktop. Everything
# they start runs with its runtime folder in the work folder, $work. On exit
# every process whose environment points into that folder is ended: those the
# test started, and those that left its process tree on their own, as a speech
# server and its voices do; one still running afterwards fails the test. The
# environments are read in the shell itself. KEEP_WORK=1 keeps the work folder.

work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
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

# A virtual X display, $DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}
# The program, $program, on X with ${program_args[@]}: $app, with its window $win.
start_program() {
    QT_QPA_PLATFORM=xcb "$program" "${program_args[@]}" 2>"$work/app.log" &
    app=$!
    win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Rodwise H-D$' | head -n1)" || fail "no window on X"
}
