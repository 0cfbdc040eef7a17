#!/usr/bin/env bash
# The calculator as a blind user works it: the Orca screen reader listens on a
# virtual X display (Xvfb) with its own session and accessibility buses, the
# keys come from xdotool, and every check reads what Orca said from its own
# log of speech. Orca logs each utterance before it hands it to the speech
# server; where the speech server and a voice are installed, as on a desktop,
# they speak into a sound server of the scenario's own with a null sink, so
# no sound device is needed and nothing reaches the user's own session. The
# speech server started by Orca is ended with the rest (../desktop/session.sh).
#   tests/orca/orca-scenario.sh [PROGRAM]    (default: build/ui/rodwise-hd)
# KEEP_WORK=1 keeps the work folder, with Orca's full debug log.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."
program="$(realpath "${1:-$root/build/ui/rodwise-hd}")"
"$root/scripts/ensure-packages" orca xvfb x11-xkb-utils xdotool at-spi2-core dbus python3-pyatspi procps \
    pulseaudio

# Orca refuses to start while another Orca runs for the same user.
pgrep -u "$(id -u)" -x orca >/dev/null &&
    { echo "SKIP: Orca already runs for this user, and a second one will not start" && exit 77; }
# A failing check waits 10 to 20 s for Orca: a run of them ends at this
# deadline, well inside ctest's 200 s, rather than in ctest's SIGKILL.
deadline=160
# shellcheck source-path=SCRIPTDIR source=../desktop/session.sh
. "$here/../desktop/session.sh"

# Nor may the desktop's settings leak in (session.sh keeps out its buses and
# its language).
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache" GDK_BACKEND=x11
mkdir -p "$HOME" "$work/orca"
start_xvfb

# The sound server, on the session bus above, with no configuration but the
# null sink and its socket in the runtime folder; its clients may not start
# another.
printf 'autospawn = no\n' >"$work/pulse-client.conf"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native" PULSE_CLIENTCONFIG="$work/pulse-client.conf"
pulseaudio --daemonize=no -n --use-pid-file=no --exit-idle-time=-1 --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    >"$work/pulseaudio.log" 2>&1 &
wait_for 10 test -S "$XDG_RUNTIME_DIR/pulse/native" || fail "the sound server did not start"

# Orca's log of speech and its idle count come from orca-customizations.py.
speech="$work/speech.log"
export ORCA_SCENARIO_WORK="$work"
cp "$here/orca-customizations.py" "$work/orca/"
# Braille and sound would only retry devices that are not there, and slow
# Orca down: Qt gives it 100 ms to claim each key. A kept work folder gets
# Orca's full debug log.
orca --user-prefs "$work/orca" ${KEEP_WORK:+--debug-file "$work/orca-debug.txt"} --disable braille --disable sound \
    >"$work/orca.log" 2>&1 &
wait_for 30 grep -q "Screen reader on" "$speech" || fail "Orca did not start"
# Orca and the accessibility buses it answers through first on a busy
# machine, where the scenario may run beside a build (as root only; as
# another user they keep their priority).
# shellcheck disable=SC2046
[ "$(id -u)" != 0 ] || renice -n -10 -p $(in_work) >/dev/null 2>&1 || true
start_program
timeout 10 xdotool windowfocus --sync "$win"

# What Orca has said: the lines of the speech log, and how many of them the
# checks have gone past.
heard=0
said() { sed -n "$(($1 + 1)),\$p" "$speech" | sed -E "s/^SPEECH OUTPUT: '(.*)'( \{.*\})?\$/\1/"; }
# Whether Orca has said a line matching the extended regular expression $1
# after what was heard so far; if so, goes past it.
said_now() { local n; n="$(said "$heard" | grep -n -m1 -E -- "$1" | cut -d: -f1)" && heard=$((heard + n)); }
# Waits until Orca says a line matching $1.
hear() {
    wait_for 10 said_now "$1" && return
    echo "  Orca did not say /$1/; it said:" >&2
    said "$heard" | sed 's/^/    /' >&2
    heard=$(wc -l <"$speech")
    return 1
}
# Qt gives Orca 100 ms to claim a key and then hands it to the calculator
# anyway. Orca answers at once only with no events left to work through, so
# a key that Orca must claim waits until Orca has been idle for 250 ms.
orca_is_idle() { [ "$(cat "$work/idle.count")" -ge 5 ]; }
idle_orca() { wait_for 10 orca_is_idle; }
late_keys() { grep -c "keyEventError" "$work/app.log" || true; }
# Presses $1 and waits until Orca says a line matching $2.
step() { xdotool key "$1" && hear "$2"; }
# Presses $1 and waits until Orca says the calculator's message $2 (an
# extended regular expression) alone: plainly, with no role before it, as
# Orca 48 reads an announcement and Orca 43 a notification in a status bar.
# Orca may end a message with a full stop.
say() { step "$1" "^$2\.?\$"; }
# Waits, pressing nothing, until Orca says the message $1 alone, as say does.
hear_message() { hear "^$1\.?\$"; }
# Presses $1 and waits until Orca says the digit $2 alone, as the calculator
# announces a change of the marked rod.
type_digit() { say "$1" "$2"; }

# Whether the digits of rods 9 to 0 read $1 over the accessibility bus.
rods_read() {
    local board
    board="$(/usr/bin/python3 "$here/atspi.py" "$app" rods)"
    [ "$board" = "$1" ] || { echo "  the rods read $board over the accessibility bus, not $1" >&2 && return 1; }
}
# Clicks the middle of the object named $1, as the mouse does.
click_on() { xdotool mousemove $(/usr/bin/python3 "$here/atspi.py" "$app" centre "$1") click 1; }

passed=0 failed=0
check() {
    if "${@:2}"; then ok "$1" && passed=$((passed + 1)); else echo "FAIL: $1" >&2 && failed=$((failed + 1)); fi
}
# A check of a key that Orca claims. Qt gives Orca 100 ms to claim each key
# and then hands it to the calculator anyway, and on a busy machine Orca can
# be slower: the calculator then does what the key says, as it must, and the
# check fails through no fault of the program. Such a failure, with a key
# Qt passed on late in the program's log, is tried again from the state the
# check states, while time is left; a failure without one is the program's.
orcas_check() {
    local late attempt
    for attempt in 1 2 3 4; do
        late="$(late_keys)"
        if "${@:2}"; then ok "$1" && passed=$((passed + 1)) && return; fi
        [ "$(late_keys)" != "$late" ] && [ $SECONDS -lt $((deadline - 30)) ] || break
        echo "note: Orca answered a key late on attempt $attempt of \"$1\"; trying again" >&2
    done
    echo "FAIL: $1" >&2 && failed=$((failed + 1))
}

# Orca follows the focus into the window, and there to the marked rod 0.
enters_the_window() { hear "^Rodwise H-D"; }
starts_on_rod_zero() { hear "Rod 0, 0 spin button"; }

# 12 * 3 = 36 by keyboard alone: each rod is heard as the mark reaches it and
# as its digit is set, and the result is spoken. Orca 43 echoes "*" as "star",
# Orca 48 as "*".
twelve_times_three() {
    step Left "^Rod 1, 0 spin button" && type_digit 1 1 &&
        step Right "^Rod 0, 0 spin button" && type_digit 2 2 &&
        step asterisk "^(star|\*)" && type_digit 3 3 &&
        say Return "Result 36"
}

# Heard once: once Orca is idle, it has not said the refusal again.
divide_by_zero_is_refused() {
    say Escape "Cleared\. Decimal mode" && step slash "^(slash|/)" &&
        say Return "Refused\. The calculator is cleared\." || return 1
    local after=$heard
    idle_orca && ! said "$after" | grep "Refused" >&2
}

# Ctrl+Z after a refused "=" is heard, with the board, and brings back the
# first operand: 7 / 2 then gives 3.5, laid as 4 with the point on rod 0.
undo_brings_back_a_refused_division() {
    say Escape "Cleared\. Decimal mode" && type_digit 7 7 && step slash "^(slash|/)" &&
        say Return "Refused\. The calculator is cleared\." &&
        say ctrl+z "Undone\. The board reads 0" && type_digit 2 2 && say Return "Result 4"
}

# FF on rods 1 and 0, converted: each F is heard, as F.
hex_ff_is_255() {
    say x "Cleared\. Hexadecimal mode: rods 0 to 7 take 0 to F\." &&
        step Left "^Rod 1, 0 spin button" && type_digit f F &&
        step Right "^Rod 0, 0 spin button" && type_digit f F &&
        say h "D = 255"
}

# A fresh 2 * 3 waiting for "=", with the mark on rod 0.
two_times_three_pending() {
    say Escape "Cleared\. Decimal mode" && type_digit 2 2 &&
        step asterisk "^(star|\*)" && type_digit 3 3
}

# Keypad Enter is Orca's Where Am I, not "=": with 2 * 3 pending, Orca
# describes the focused rod and the calculator does not evaluate; Return
# afterwards shows that "=" was there to be run.
where_am_i_is_orcas() {
    two_times_three_pending || return 1
    idle_orca || { echo "  Orca did not become idle" >&2; return 1; }
    local before=$heard late
    late="$(late_keys)"
    step KP_Enter "Rod 0.*spin button|spin button.*Rod 0" || return 1
    # A key the calculator answers: once Orca speaks its answer, every key
    # before it has reached the calculator, had it not been claimed.
    step Left "^Rod 1, .*spin button" || return 1
    ! said "$before" | head -n $((heard - before)) | grep -q "Result" || {
        echo "  keypad Enter ran \"=\" as well$([ "$(late_keys)" = "$late" ] || echo " (Orca claimed a key late)")" >&2
        return 1
    }
    rods_read "0 0 0 0 0 0 0 0 0 3" && step Right "^Rod 0, .*spin button" && say Return "Result 6"
}

# Orca+H (Insert+H) is Orca's learn mode, not "H-D", and the Escape that
# leaves learn mode is Orca's too: with 2 * 3 pending, Return still gives 6.
orca_h_is_orcas() {
    two_times_three_pending || return 1
    idle_orca && step Insert+h "Entering learn mode" &&
        idle_orca && step Escape "Exiting learn mode" &&
        step Return "Result|Refused|H = " || return 1
    said "$((heard - 1))" | grep -q "Result 6" ||
        { echo "  after Orca+H and Escape, Return said: $(said "$((heard - 1))")" >&2 && return 1; }
}

# Flat review reads the line of the board as the rods with their digits, rod
# 9 first: here 12 on rods 1 and 0. Leaving the rod leaves flat review.
flat_review_reads_every_rod() {
    say Escape "Cleared\. Decimal mode" &&
        step Left "^Rod 1, 0 spin button" && type_digit 1 1 &&
        step Right "^Rod 0, 0 spin button" && type_digit 2 2 && idle_orca &&
        step KP_Up "^Rod 9, 0 Rod 8, 0 Rod 7, 0 Rod 6, 0 Rod 5, 0 Rod 4, 0 Rod 3, 0 Rod 2, 0 Rod 1, 1 Rod 0, 2\$" &&
        step Left "^Rod 1, 1 spin button"
}

# In hexadecimal mode C typed on a rod is heard as C, never as 12, and so is
# the rod when the mark comes back to it.
hex_c_is_heard_as_c() {
    say x "Cleared\. Hexadecimal mode: rods 0 to 7 take 0 to F\." || return 1
    local before=$heard
    type_digit c C || return 1
    # Orca 48 keeps the descriptions it spoke for up to 2 s, whatever it is
    # told since; rod 1's would still read the board as it was before the C.
    sleep 2.1
    step Left "^Rod 1, 0 spin button" &&
        step Right "^Rod 0, C spin button" || return 1
    ! said "$before" | head -n $((heard - before)) | grep -qw 12 || { echo "  C was heard as 12" >&2 && return 1; }
}

# F on rod 1, a mouse click on a bead of rod 5, F on rod 0: the second F is
# heard too, though it equals the digit heard last.
both_fs_are_heard() {
    say x "Cleared\. Hexadecimal mode: rods 0 to 7 take 0 to F\." &&
        step Left "^Rod 1, 0 spin button" && type_digit f F || return 1
    click_on "Rod 5, lower deck, cell 3"
    step Right "^Rod 0, 0 spin button" && type_digit f F || return 1
    rods_read "0 0 0 0 3 0 0 0 F F"
}

# A lesson by keyboard alone, 27 + 45: Ctrl+L focuses the exercise line,
# Return there begins the lesson and gives the focus back to the board, the
# mark on rod 0 after the clear. A step's keys go together (what the rods
# say is checked above), and its words are heard once the rods show the step
# before; then a miss, with the digit the rod shows, and the end. Escape ends
# the lesson. Once Orca is idle, nothing of it was heard twice, and the
# Return that began it ran no "=".
a_lesson_is_heard_step_by_step() {
    say Escape "Cleared\. Decimal mode" && xdotool key ctrl+l && xdotool type 27+45 || return 1
    local before=$heard
    say Return "Lesson: 27 \+ 45\. Set 27 on the rods\." &&
        xdotool key Left 2 Right 7 &&
        hear_message "Tens: add 4\. Put down the upper bead, take off one lower bead\." &&
        xdotool key Left 8 && hear_message "Expected 6 on the tens rod; it shows 8\." &&
        xdotool key 6 && hear_message "Units: add 5\. Take off 5, carry 1 to the tens\." &&
        xdotool key 7 Right 2 && hear_message "27 \+ 45 = 72\. Steps: 3, hints: 0\." &&
        say Escape "Lesson ended\." && idle_orca || return 1
    ! said "$before" | awk '/^Result/ || /^(Lesson|Tens|Units|Expected|27 \+)/ && seen[$0]++' | grep . >&2
}

# Orca's flat review reads the window as lines; its last line is the result
# line under the board, here "H = 6" after "H-D". Checked last, as flat review
# stays on until the focus moves.
flat_review_reaches_the_result_line() {
    two_times_three_pending && say Return "Result 6" && say h "H = 6" &&
        idle_orca && step Insert+KP_Page_Up "^H = 6$"
}

# Ctrl+H opens the tape in a window of its own, where Orca reads the newest
# line, selected; Ctrl+H closes it again.
the_tape_is_read() {
    say Escape "Cleared\. Decimal mode" && type_digit 4 4 && step asterisk "^(star|\*)" &&
        type_digit 3 3 && say Return "Result 12" && step ctrl+h "4 × 3 = 12"
}

# Over the whole session: no message was heard after a role ("notification
# 7"), as Orca 43 reads a notification outside a status bar.
no_role_before_a_message() { ! grep -i "notification" "$speech" >&2; }

check "Orca follows the focus into the window" enters_the_window
if [ $failed -eq 0 ]; then
    check "Orca hears the focus on rod 0" starts_on_rod_zero
    check "12 * 3 = 36 by keyboard, heard rod by rod" twelve_times_three
    check "a division by zero is heard as refused" divide_by_zero_is_refused
    check "Ctrl+Z after a refusal is heard and brings the division back" undo_brings_back_a_refused_division
    check "hexadecimal FF converted is heard as 255" hex_ff_is_255
    orcas_check "keypad Enter is Orca's Where Am I, not \"=\"" where_am_i_is_orcas
    orcas_check "Orca+H is Orca's learn mode, not \"H-D\"" orca_h_is_orcas
    check "flat review reads every rod with its digit" flat_review_reads_every_rod
    check "hexadecimal C is heard as C, not 12" hex_c_is_heard_as_c
    check "F, a mouse click, F: both Fs heard" both_fs_are_heard
    check "a lesson, 27 + 45, is heard step by step to its end" a_lesson_is_heard_step_by_step
    check "flat review reaches the result line" flat_review_reaches_the_result_line
    check "the tape's newest line is read in its own window" the_tape_is_read
    check "every message is heard without a role before it" no_role_before_a_message
fi
kill -0 "$app" 2>/dev/null || { echo "the calculator has exited; its output:" >&2; tail -n 20 "$work/app.log" >&2; }
late="$(late_keys)"
[ "$late" = 0 ] || echo "note: Orca answered $late key(s) too late; Qt passed them on anyway"
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
