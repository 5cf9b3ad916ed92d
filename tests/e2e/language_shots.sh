#!/usr/bin/env bash
# Screenshots of the real program in each language, to be looked at: the menu, a game as it opens and
# while it runs, the top ten after it, the progress page and a message box. Every screen is reached by
# clicks at the layout's fixed places or by keys that are the same in every language, never by a
# translated accelerator. Nothing is checked; run it by hand.
# Usage: language_shots.sh BIN_DIR SHOT_DIR [LOCALE...]  (default: C de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
# KV_SHOT_SCALE=2 takes them at twice the size (QT_SCALE_FACTOR).
# The shots are SHOT_DIR/LANGUAGE-SCREEN.png, SHOT_DIR/LANGUAGE-SCREEN-x2.png at scale 2.
set -euo pipefail
bin="$(cd "$1" && pwd)"
shots="$2"
shift 2
locales=("$@")
[ ${#locales[@]} -gt 0 ] || locales=(C de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"
mkdir -p "$shots"

scale=${KV_SHOT_SCALE:-1}
suffix=""
[ "$scale" = 1 ] || suffix="-x$scale"
start_display "$((1280 * scale))x$((1024 * scale))x24"
d=$x_display
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale

start() { # LOCALE: the program in a folder of its own, with the locale as the only language setting
  DISPLAY=$d LANG="$1" LANGUAGE='' LC_ALL='' LC_MESSAGES='' XDG_STATE_HOME="$work/state" \
    "$work/prog/keyvane-games" >>"$work/run.log" 2>&1 &
  prog=$!
  win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
  DISPLAY=$d xdotool windowfocus --sync "$win"
  read -r x y w h <<<"$(DISPLAY=$d xwininfo -id "$win" |
    awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')"
  sleep 1
}
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.3; }
click() { DISPLAY=$d xdotool mousemove $((x + $1 * scale)) $((y + $2 * scale)) click 1; sleep 0.5; }
# The screen where the window lies, message boxes over it included.
shot() { DISPLAY=$d import -window root -crop "${w}x${h}+$x+$y" +repage "$shots/$name-$1$suffix.png"; }
quit() { # the Exit tab
  click 714 42
  wait_exit "$prog" || true
}

for locale in "${locales[@]}"; do
  name=${locale%%[._@]*}
  rm -rf "$work/prog" "$work/state"
  cp -r "$bin" "$work/prog"
  # Without the help page the Info button reports an error in a message box.
  rm -f "$work/prog"/Vanedoc*.htm

  start "$locale"
  shot menu
  click $((405 + 17 + 65)) $((74 + 120 + 12)) # Bubbles' start button on the right page
  sleep 1
  shot game-ready
  key space # the first key starts the game
  sleep 3
  shot game
  key Escape # ends the game: its score goes to the top ten
  sleep 2
  shot top-ten
  quit

  start "$locale"
  key alt+y # the progress page: Alt+Y in every language
  sleep 0.5
  shot progress
  key Escape
  click $((405 + 187 + 65)) $((74 + 286 + 12)) # the Info button
  sleep 1
  shot message-box
  key Return
  quit
  echo "$locale: $(find "$shots" -name "$name-*.png" | wc -l) screenshots in $shots"
done
