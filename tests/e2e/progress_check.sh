#!/usr/bin/env bash
# The player's progress in the real program: a WordTris game with the letter e mistyped, a restart, and
# the progress view opened with Alt+Y shows the e key hot. The statistics live in a state folder of the
# check (XDG_STATE_HOME), never in the real home.
# Usage: progress_check.sh BIN_DIR [SHOT_DIR].
set -euo pipefail
bin="$1"
shots="${2:-}"
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"

# The program folder: a copy of the built one with one vocabulary of one word, so the beam's word is known.
cp -r "$bin" "$work/prog"
rm -f "$work"/prog/*.vcb "$work"/prog/*.kvt "$work/prog/Errors.log"
printf 'tree\n' >"$work/words.txt"
"$work/prog/keyvane-files" make-vocabulary "$work/words.txt" "$work/prog/tree.vcb" >/dev/null
export XDG_STATE_HOME="$work/state" QT_QPA_PLATFORM=xcb
tool() { "$work/prog/keyvane-files" "$@"; }

start_display 1280x1024x24
d=$x_display

start() {
  DISPLAY=$d "$work/prog/keyvane-games" >>"$work/run.log" 2>&1 &
  prog=$!
  win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
  DISPLAY=$d xdotool windowfocus --sync "$win"
  read -r x y <<<"$(DISPLAY=$d xwininfo -id "$win" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')"
  sleep 1
}
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.2; }
quit() { # the Exit tab, then status 0
  DISPLAY=$d xdotool mousemove $((x + 714)) $((y + 42)) click 1
  local status=0
  wait_exit "$prog" || status=$?
  [ "$status" = 0 ] || fail "Exit tab: status $status"
}
# The colour of the pixel at X,Y of the window as "R G B".
pixel() {
  DISPLAY=$d import -window "$win" "$work/shot.png"
  convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR==2{gsub(/[()]/," ",$2); split($2,c,","); print c[1]+0, c[2]+0, c[3]+0}'
}

# 1. A new player: nothing stored yet.
tool progress >/dev/null 2>&1 && fail "progress before any game"

# 2. WordTris: six beams of "tree", each with an x typed where an e is due.
start
key alt+t
sleep 1
key x                # the first key starts the game
for _ in 1 2 3 4 5 6; do key t r x e e space; done
key Escape
sleep 1
[ -n "$shots" ] && mkdir -p "$shots" && DISPLAY=$d import -window "$win" "$shots/progress-top-ten.png"
quit
table=$(tool progress) || fail "keyvane-files progress after a game"
# 6 errors in 18 rate 133, which the statistics bring back to 4 errors (rating 88.9); the key record
# keeps all 6 (33.3 %), its ms per right keystroke, and the x typed for e 6 times.
grep -qP '^e\t18\t4\t88.9\t33.3\t[0-9]+\tx 6$' <<<"$table" || fail "the e row is not 18 keystrokes, 4 errors, rating 88.9, 33.3 %, x 6: $table"
history=$(tool history) || fail "keyvane-files history after a game"
[ "$(wc -l <<<"$history")" = 1 ] && [ "$(cut -f2,3,6,7 <<<"$history")" = "$(printf 'WordTris\tTree\t30\t6')" ] ||
  fail "history: $history"

# 3. A restart, Alt+Y: the e key of the drawn keyboard (left page at 28,74; the key's upper right
# corner at 93,68 of the page) is dark red.
start
key alt+y
sleep 0.5
read -r r g b <<<"$(pixel $((28 + 93)) $((74 + 68)))"
[ -n "$shots" ] && cp "$work/shot.png" "$shots/progress-view.png"
[ "$r" -gt 150 ] && [ "$g" -lt 110 ] && [ "$b" -lt 90 ] || fail "the e key is $r $g $b, not hot red"
key Escape
read -r r g b <<<"$(pixel $((28 + 93)) $((74 + 68)))"
[ "$r" -gt 150 ] && [ "$g" -lt 110 ] && [ "$b" -lt 90 ] && fail "Esc did not leave the progress view"
quit
echo "progress check: 3 passed, 0 failed"
