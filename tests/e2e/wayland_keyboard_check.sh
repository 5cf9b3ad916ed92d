#!/usr/bin/env bash
# The keyboard the progress view draws under a native Wayland session: a compositor with a German keymap
# in its configuration, and the platform checks run on it through Qt's Wayland plugin (test
# KeyboardLayout.UnderWaylandTheCompositorsKeymapIsRead). Weston's headless backend gives its clients
# no seat, so no keyboard and no keymap; the compositor runs on its X11 backend instead, in a virtual X
# display of the check's own whose layout is German too. Needs weston, qt6-wayland, Xvfb and
# x11-xkb-utils.
# Usage: wayland_keyboard_check.sh TEST_PLATFORM_PROGRAM
set -euo pipefail
program=$(realpath "$1")
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"
command -v weston >/dev/null || fail "weston is not installed"

# Nothing of the user's session: a runtime folder, home and configuration of the check's own.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY
cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0

[keyboard]
keymap_layout=de
INI

# The X display the compositor's window lives on, with the German layout.
start_display 1024x768x24
x=$x_display
DISPLAY=$x setxkbmap de || fail "setxkbmap de failed on $x"
[ "$(DISPLAY=$x setxkbmap -query | awk '/^layout:/{print $2}')" = de ] || fail "the layout of $x is not de"

socket=kv-wayland-check
DISPLAY=$x weston --backend=x11-backend.so --socket="$socket" --config="$work/weston.ini" \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  kill -0 "${pids[-1]}" 2>/dev/null || fail "weston did not start: $(cat "$work/weston.log")"
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston made no socket: $(cat "$work/weston.log")"

out=$(WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland KV_WAYLAND_LAYOUT=de \
  "$program" --gtest_filter='KeyboardLayout.UnderWaylandTheCompositorsKeymapIsRead' 2>&1) ||
  fail "the check failed: $out"
grep -q '\[  PASSED  \] 1 test' <<<"$out" || fail "the check did not run under Wayland: $out"
echo "the German keymap of the compositor is drawn"
