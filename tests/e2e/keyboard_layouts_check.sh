#!/usr/bin/env bash
# The progress view's keyboard in the real program follows the X keyboard layout: with each of twenty
# layouts set by setxkbmap while the program runs, the view opened with Alt+Y draws that layout's keys.
# Every layout whose character keys differ from the US ones draws a keyboard that differs from the US
# drawing, one that types what US types draws the same, and back on US the first drawing returns.
# Usage: keyboard_layouts_check.sh BIN_DIR [SHOT_DIR].
# SHOT_DIR receives the window with the view open for each layout, keyboard-LAYOUT[-VARIANT].png.
set -euo pipefail
bin=$(realpath "$1")
shots=${2:+$(realpath -m "$2")}
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"

# A new player in a state folder of the check: the view shows the bare keyboard.
export XDG_STATE_HOME="$work/state" QT_QPA_PLATFORM=xcb
start_display 1280x1024x24
d=$x_display
[ -n "$shots" ] && mkdir -p "$shots"

# "layout variant same-as-us": the layouts checked, and whether their character keys type what US types.
layouts=(
  "us - same" "gb - differs" "de - differs" "fr - differs" "es - differs" "it - differs" "pt - differs"
  "ch - differs" "be - differs" "nl - differs" "se - differs" "no - differs" "dk - differs" "fi - differs"
  "pl - same" "cz - differs" "hu - differs" "tr - differs" "us dvorak differs" "us colemak differs"
)

cd "$work" && cp -r "$bin" prog
DISPLAY=$d setxkbmap us
DISPLAY=$d prog/keyvane-games >>run.log 2>&1 &
pids+=($!)
win=$(find_window "$d") || fail "no window: $(cat run.log)"
DISPLAY=$d xdotool windowfocus --sync "$win"
sleep 1

# shot NAME: the window with the progress view open, and its keyboard (the left page at 28,74; the
# keyboard at 16,44 of the page, 305 x 88) cut out as NAME-keys.png.
shot() {
  DISPLAY=$d xdotool key alt+y
  sleep 0.6
  DISPLAY=$d import -window "$win" "$1.png"
  convert "$1.png" -crop 305x88+44+118 +repage "$1-keys.png"
  DISPLAY=$d xdotool key Escape
  sleep 0.3
}
# differs A B: whether the two keyboards differ in any pixel.
differs() { [ "$(compare -metric AE "$1-keys.png" "$2-keys.png" null: 2>&1 || true)" != 0 ]; }

checked=0
for entry in "${layouts[@]}"; do
  read -r layout variant kind <<<"$entry"
  name=$layout
  if [ "$variant" = - ]; then
    DISPLAY=$d setxkbmap "$layout"
  else
    DISPLAY=$d setxkbmap "$layout" "$variant"
    name="$layout-$variant"
  fi
  sleep 0.3
  shot "$name"
  [ -n "$shots" ] && cp "$name.png" "$shots/keyboard-$name.png"
  if [ "$name" != us ]; then
    if [ "$kind" = same ]; then
      differs "$name" us && fail "$name types what US types but its keyboard is drawn differently"
    else
      differs "$name" us || fail "$name is drawn as the US keyboard"
    fi
  fi
  checked=$((checked + 1))
done
DISPLAY=$d setxkbmap us
sleep 0.3
shot us-again
differs us-again us && fail "back on US the keyboard is not the first US drawing"
echo "keyboard layouts check: $checked layouts, 0 failed"
