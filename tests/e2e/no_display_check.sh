#!/bin/sh
# Starts the real program without a display: none named, and one that names no server. It must say so
# in one plain line and end with status 3, not abort (134) with the toolkit's advice to reinstall.
# The command line is answered without a display: --help and --version on standard output with
# status 0, a line the program does not understand with the usage on standard error and status 2.
# Usage: no_display_check.sh BIN-DIR
program=$1/keyvane-games
failures=0
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# shellcheck source=tests/e2e/scratch_home.sh
. "$(dirname "$0")/scratch_home.sh"
scratch_home "$work/outside"

# A display number without a server behind it
n=190
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done

for display in "" ":$n"; do
    if [ -z "$display" ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/out" 2>"$work/err"
    else
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" >"$work/out" 2>"$work/err"
    fi
    rc=$?
    what="display '${display:-unset}'"
    [ "$rc" -eq 3 ] || { echo "FAIL: $what: exit status $rc, wanted 3: $(cat "$work/err")"; failures=$((failures + 1)); }
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^keyvane-games: no display could be opened' "$work/err" ||
        { echo "FAIL: $what: wanted one plain line: $(cat "$work/err")"; failures=$((failures + 1)); }
done
# ARGUMENTS|STATUS|STREAM|a line of that stream (grep -E); the other stream stays empty except after
# a misuse, where standard error holds the usage too.
while IFS='|' read -r args status stream line; do
    # shellcheck disable=SC2086 # the arguments are split at their spaces
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $args >"$work/out" 2>"$work/err"
    rc=$?
    what="keyvane-games $args"
    [ "$rc" -eq "$status" ] || { echo "FAIL: $what: exit status $rc, wanted $status"; failures=$((failures + 1)); }
    grep -Eq -e "$line" "$work/$stream" ||
        { echo "FAIL: $what: no line '$line' on std$stream: $(cat "$work/$stream")"; failures=$((failures + 1)); }
    other=out; [ "$stream" = out ] && other=err
    if [ "$status" -eq 2 ]; then
        grep -q '^usage: keyvane-games' "$work/err" || { echo "FAIL: $what: no usage on stderr"; failures=$((failures + 1)); }
    elif [ -s "$work/$other" ]; then
        echo "FAIL: $what: std$other: $(cat "$work/$other")"; failures=$((failures + 1))
    fi
done <<'EOF'
--help|0|out|^usage: keyvane-games \[--scores FOLDER\]$
-h|0|out|keyvane-games/keyvane-games\.conf
--help|0|out|LANGUAGE, LC_ALL, LC_MESSAGES and LANG
--help|0|out|keyvane-games\(6\)
--version|0|out|^keyvane-games [0-9]+\.[0-9]+$
--scores /tmp --version|0|out|^keyvane-games [0-9]+\.[0-9]+$
--frobnicate|2|err|^keyvane-games: unknown option --frobnicate$
--scores|2|err|^keyvane-games: --scores needs a folder$
--scores=|2|err|^keyvane-games: --scores needs a folder$
stray|2|err|^keyvane-games: unexpected argument stray$
-style|2|err|^keyvane-games: -style needs a value$
--scores /tmp|3|err|^keyvane-games: no display could be opened
--scores=/tmp -reverse|3|err|^keyvane-games: no display could be opened
EOF
[ "$failures" -eq 0 ] || exit 1
echo "the program without a display says so and ends with status 3; its command line is answered without one"
