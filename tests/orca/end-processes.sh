# shellcheck shell=bash
# Sourced by the desktop tests, which run everything they start with its home
# and runtime folder in their work folder.
#   end_processes_in DIR
# Ends every process whose environment points into DIR: those the test
# started, and those that started on their own from them and left its process
# tree, as the speech server and its voices do. Returns 1, naming them, when
# any still runs afterwards. Reads the environments in the shell itself: the
# script's own shell and its subshells keep the environment it was started
# with, and its commands have ended.

# Whether process $2's environment has a variable naming DIR $1 or a path in it.
_points_into() {
    local var
    {
        while IFS= read -r -d '' var; do
            case "$var" in *"=$1" | *"=$1/"*) return 0 ;; esac
        done <"/proc/$2/environ"
    } 2>/dev/null
    return 1
}

_processes_in() {
    local entry pid
    for entry in /proc/[0-9]*; do
        pid="${entry#/proc/}"
        if [ "$pid" != $$ ] && _points_into "$1" "$pid"; then echo "$pid"; fi
    done
}

end_processes_in() {
    local dir=$1 signal pids deadline
    for signal in TERM KILL; do
        pids="$(_processes_in "$dir")"
        [ -n "$pids" ] || return 0
        # shellcheck disable=SC2086
        kill -s "$signal" $pids 2>/dev/null || true
        deadline=$((SECONDS + 5))
        while [ $SECONDS -lt $deadline ]; do
            [ -n "$(_processes_in "$dir")" ] || return 0
            sleep 0.1
        done
    done
    pids="$(_processes_in "$dir")"
    [ -n "$pids" ] || return 0
    echo "FAIL: still running after the test: $(ps -o pid=,comm= -p "${pids//$'\n'/,}" | xargs)" >&2
    return 1
}
