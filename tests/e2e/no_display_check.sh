#!/bin/sh
# Starts the real program without a display: none named, and one that names no server. It must say so
# in one plain line and end with status 3, not abort (134) with the toolkit's advice to reinstall.
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
[ "$failures" -eq 0 ] || exit 1
echo "the program without a display says so and ends with status 3"
