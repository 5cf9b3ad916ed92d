#!/usr/bin/env bash
# What a screen reader finds in the real program: under Xvfb, with a D-Bus session bus and an AT-SPI
# accessibility bus of the check's own, the program is walked page by page (the menu, each game, the
# top ten with its name box, the progress page and a message box) through accessibility_walk.py, which
# fails on a focusable or pressable object without a name, on a hidden object that is exposed, and
# when the focus is not where the child is. Ctrl+Q ends the program. The trees go to SHOT_DIR.
# Usage: accessibility_check.sh BIN_DIR [SHOT_DIR].
set -euo pipefail
bin="$1"
shots="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/x_display.sh
source "$here/x_display.sh"

# The program folder: one vocabulary of one word, a WordTris table of ten 1-point rows (any score
# gets the name box), and no help page, so that Info shows a message box.
cp -r "$bin" "$work/prog"
rm -f "$work"/prog/*.vcb "$work"/prog/*.kvt "$work/prog/Errors.log" "$work/prog/Vanedoc.htm"
printf 'tree\n' >"$work/words.txt"
"$work/prog/keyvane-files" make-vocabulary "$work/words.txt" "$work/prog/tree.vcb" >/dev/null
row() { printf '\006Nobody'; head -c 249 /dev/zero; printf '\001\000\0102024-1-1'; head -c 247 /dev/zero; }
for _ in $(seq 10); do row; done >"$work/prog/wordtris.kvt"
mkdir -p "$work/home" "$work/state" "$work/config" "$work/data" "$work/cache" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_DIRS="$work/config" QT_QPA_PLATFORM=xcb
# Qt's bridge talks to the accessibility bus whether or not a screen reader runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

# The session bus and, on it, the launcher of the accessibility bus and its registry.
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
  read -r address; read -r pid; printf 'DBUS_SESSION_BUS_ADDRESS=%q; bus_pid=%q\n' "$address" "$pid"; })"
export DBUS_SESSION_BUS_ADDRESS
pids+=("$bus_pid")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
on_exit() { pkill -P "$bus_pid" 2>/dev/null || true; }
sleep 1

start_display 1280x1024x24
d=$x_display
DISPLAY=$d "$work/prog/keyvane-games" >"$work/run.log" 2>&1 &
prog=$!
pids+=("$prog")
win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
DISPLAY=$d xdotool windowfocus --sync "$win"
sleep 1.5
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.4; }
failed=0
walk() { # PAGE [--focus|--has ROLE NAME]...
  local page=$1
  if ! DISPLAY=$d /usr/bin/python3 "$here/accessibility_walk.py" "$@" >"$work/tree-$page.txt"; then
    failed=$((failed + 1))
  fi
  [ -z "$shots" ] || { mkdir -p "$shots"; cp "$work/tree-$page.txt" "$shots/accessibility-$page.txt"; }
}

walk menu --has "push button" "Exit" --has "combo box" "Key set for Bubbles" --has "combo box" "Vocabulary for Clouds"
# WordTris: the play field has the focus; two beams caught, then Esc ends the game: the name box.
key alt+t
sleep 1
walk wordtris --focus canvas "Wordtris" --has "push button" "Cancel"
key x
sleep 0.5
for _ in 1 2; do key t r e e space; done
key Escape
sleep 1
walk top-ten --focus text "Congratulations"
key Return
walk after-name --focus "push button" "Play WordTris"
key alt+s
sleep 1
walk bubbles --focus canvas "Bubbles"
key x
sleep 2
walk bubbles-playing --focus canvas "Bubbles"
key Escape
sleep 1
key alt+a
sleep 1
walk clouds --focus canvas "Clouds"
key Escape
sleep 1
key alt+y
sleep 0.5
walk progress --focus "push button" "Back" --has filler "Your progress"
key Escape
# Info without its help page: a message box, whose button has the focus.
DISPLAY=$d xdotool key --delay 60 alt+i
sleep 1.5
walk message-box --focus "push button" "OK"
key Return
sleep 0.5
key ctrl+q
status=0
wait_exit "$prog" || status=$?
[ "$status" = 0 ] || fail "Ctrl+Q on the menu: status $status"
[ "$failed" = 0 ] || fail "$failed pages have objects a screen reader cannot use (see above)"
echo "accessibility check: 9 pages passed, 0 failed"
