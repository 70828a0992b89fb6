#!/usr/bin/env bash
# Starts the real program on an X server (run it under xvfb-run), ends it the
# two ways a user does, File > Exit and the close box, with and without
# command-line arguments, and checks that it exits with code 0.
# Usage: tst_executable.sh PROGRAM CLOSEWINDOW [memcheck]
# With memcheck, the program runs under Valgrind, which must see no invalid
# read or write.
set -u
program=$1
closewindow=$2
memcheck=${3:-}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
title="Quentara Tevarin 1.0"
passed=0
failed=0

exit_by_menu() {
    xdotool key alt+f
    sleep 0.3
    xdotool key x
}

exit_by_close_box() {
    "$closewindow" "$title"
}

check() {
    local how=$1
    shift
    if [ -n "$memcheck" ]; then
        valgrind --tool=memcheck --log-file="$log" "$program" "$@" &
    else
        "$program" "$@" &
    fi
    local pid=$!
    if ! timeout 120 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null; then
        echo "FAIL: $how $*: the window never showed"
        kill "$pid" 2>/dev/null
        failed=$((failed + 1))
        return
    fi
    sleep 0.5 # let the window take the focus
    "$how"
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: $how $*: still running"
        kill -9 "$pid"
        failed=$((failed + 1))
        return
    fi
    wait "$pid"
    local code=$?
    if [ -n "$memcheck" ] && grep -qE "Invalid (read|write|free)" "$log"; then
        echo "FAIL: $how $*: Valgrind saw an invalid memory access:"
        cat "$log"
        failed=$((failed + 1))
    elif [ "$code" -eq 0 ]; then
        echo "PASS: $how $*"
        passed=$((passed + 1))
    else
        echo "FAIL: $how $*: exit code $code"
        failed=$((failed + 1))
    fi
}

check exit_by_menu
if [ -z "$memcheck" ]; then
    check exit_by_close_box
    check exit_by_menu -reverse --style=windows extra.txt
    check exit_by_close_box -platform offscreen
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
