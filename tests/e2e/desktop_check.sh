#!/usr/bin/env bash
# The real program on a virtual X display, driven as a player would: it opens the book window with the
# menu, the Exit tab ends it with status 0, and a 640 x 480 screen gets the warning and status 1.
# Usage: desktop_check.sh BIN_DIR [SHOT_DIR]
set -euo pipefail
bin="$1"
shots="${2:-}"
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"

# The program folder: a copy of the built one, so score files and logs stay out of the build.
cp -r "$bin" "$work/prog"
unset QT_QPA_PLATFORM
# The player's progress goes to a state folder of the check, not to the real home.
export QT_QPA_PLATFORM=xcb XDG_STATE_HOME="$work/state"

# 1. A normal screen: the menu opens in a 777 x 529 window titled "Keyvane's Games!".
start_display 1280x1024x24
d=$x_display
DISPLAY=$d "$work/prog/keyvane-games" >"$work/run1.log" 2>&1 &
prog=$!
win=$(find_window "$d" "Keyvane's Games!") || fail "no window titled Keyvane's Games!"
geo=$(DISPLAY=$d xwininfo -id "$win")
w=$(awk '/Width:/{print $2}' <<<"$geo"); h=$(awk '/Height:/{print $2}' <<<"$geo")
x=$(awk '/Absolute upper-left X:/{print $4}' <<<"$geo"); y=$(awk '/Absolute upper-left Y:/{print $4}' <<<"$geo")
[ "$w" = 777 ] && [ "$h" = 529 ] || fail "client area is ${w}x${h}, not 777x529"
[ "$x" = $(((1280 - 777) / 2)) ] || fail "window not centred: left $x"
sleep 1
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  DISPLAY=$d import -window root "$shots/menu.png"
fi
# The Exit tab sits at 685,27 (58 x 30) of the book, which fills the window.
DISPLAY=$d xdotool mousemove $((x + 714)) $((y + 42)) click 1
status=0; wait_exit "$prog" || status=$?
[ "$status" = 0 ] || fail "Exit tab: status $status"

# 2. A 640 x 480 screen: the warning box, then status 1.
start_display 640x480x24
d2=$x_display
DISPLAY=$d2 "$work/prog/keyvane-games" >"$work/run2.log" 2>&1 &
prog=$!
box=""
for _ in $(seq 100); do
  box=$(DISPLAY=$d2 xdotool search --onlyvisible --name "Keyvane" 2>/dev/null | while read -r id; do
          [ "$(DISPLAY=$d2 xwininfo -id "$id" | awk '/Width:/{print $2}')" != 777 ] && echo "$id"; done | head -n1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no warning box on a 640x480 screen"
[ -n "$shots" ] && DISPLAY=$d2 import -window root "$shots/small-screen.png"
DISPLAY=$d2 xdotool windowfocus --sync "$box" key Return 2>/dev/null || DISPLAY=$d2 xdotool key Return
status=0; wait_exit "$prog" || status=$?
[ "$status" = 1 ] || fail "small screen: status $status, expected 1"

echo "desktop check: 2 passed, 0 failed"
