#!/usr/bin/env bash
# A class's score folder in the real program: two players with homes of their own, one configuration
# file for the computer (XDG_CONFIG_DIRS) naming a folder of their group. Each plays WordTris and types
# a name; the second sees the first's row, the table lies in the class folder only, its files are
# group-writable under a umask of 077, and the top ten names the folder. Then a folder that cannot be
# used: the game still keeps its score in the working folder and the menu's notice says so.
# Usage: class_folder_check.sh BIN_DIR [SHOT_DIR].
set -euo pipefail
bin="$1"
shots="${2:-}"
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"

# The program folder: the built one with one vocabulary of one word, so the beam's word is known.
cp -r "$bin" "$work/prog"
rm -f "$work"/prog/*.vcb "$work"/prog/*.kvt "$work/prog/Errors.log"
printf 'tree\n' >"$work/words.txt"
"$work/prog/keyvane-files" make-vocabulary "$work/words.txt" "$work/prog/tree.vcb" >/dev/null
mkdir -p "$work/class" "$work/xdg/keyvane-games" "$work/home1" "$work/home2"
chmod 2775 "$work/class"
# The teacher's folder of copies: each game's end publishes the player's progress there.
mkdir -m 3773 "$work/class/progress"
printf '[scores]\nfolder=%s\n' "$work/class" >"$work/xdg/keyvane-games/keyvane-games.conf"
# Ten rows of 1 point, so that any score gets a name box.
row() { printf '\006Nobody'; head -c 249 /dev/zero; printf '\001\000\0102024-1-1'; head -c 247 /dev/zero; }
for _ in $(seq 10); do row; done >"$work/class/wordtris.kvt"
unset XDG_CONFIG_HOME XDG_STATE_HOME XDG_DATA_HOME
export XDG_CONFIG_DIRS="$work/xdg" QT_QPA_PLATFORM=xcb
tool() { "$work/prog/keyvane-files" "$@"; }

start_display 1280x1024x24
d=$x_display

# play HOME NAME [OPTION...]: a WordTris game of two beams, ended with Esc, NAME typed into the name box.
play() {
  local home=$1 name=$2
  shift 2
  (umask 077 && HOME=$home DISPLAY=$d exec "$work/prog/keyvane-games" "$@") >>"$work/run.log" 2>&1 &
  prog=$!
  win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
  DISPLAY=$d xdotool windowfocus --sync "$win"
  read -r x y <<<"$(DISPLAY=$d xwininfo -id "$win" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')"
  sleep 1
  key alt+t
  sleep 1
  key x # the first key starts the game
  key t r e e space
  key t r e e space
  key Escape
  sleep 1
  key ctrl+a "$name" Return
}
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.2; }
quit() { # the Exit tab, then status 0
  DISPLAY=$d xdotool mousemove $((x + 714)) $((y + 42)) click 1
  local status=0
  wait_exit "$prog" || status=$?
  [ "$status" = 0 ] || fail "Exit tab: status $status"
}

# 1. Two players, one table.
play "$work/home1" A
quit
play "$work/home2" B
[ -n "$shots" ] && mkdir -p "$shots" && DISPLAY=$d import -window "$win" "$shots/class-folder-top-ten.png"
quit
table=$(tool scores "$work/class/wordtris.kvt") || fail "keyvane-files scores"
[ "$(cut -f2 <<<"$table" | head -n2 | sort | tr '\n' ' ')" = "A B " ] || fail "the class table lacks a row: $table"
[ ! -e "$work/prog/wordtris.kvt" ] || fail "a table was written into the program folder"
mode=$(stat -c %a "$work/class/wordtris.kvt")
[ $((0$mode & 060)) -eq $((060)) ] || fail "the table is not group read-write under umask 077 (mode $mode)"
[ -z "$(find "$work/class" -name '.*')" ] || fail "files left beside the table: $(ls -A "$work/class")"
copy="$work/class/progress/$(id -un).db"
[ "$(stat -c %a "$copy" 2>/dev/null)" = 640 ] || fail "no copy of the progress for the teacher: $(ls -la "$work/class/progress")"
tool class "$work/class" | grep -q "^$(id -un)	B	1	" || fail "the copy is not the last player's: $(tool class "$work/class")"

# 2. A folder that cannot be used: the option names a missing one. The score stays in the working folder.
for _ in $(seq 10); do row; done >"$work/prog/wordtris.kvt"
play "$work/home1" C --scores "$work/missing"
[ -n "$shots" ] && DISPLAY=$d import -window "$win" "$shots/class-folder-unusable.png"
quit
tool scores "$work/prog/wordtris.kvt" | grep -q "$(printf '\tC\t')" || fail "the score was not kept in the working folder"
[ "$(grep -c 'cannot be used' "$work/prog/Errors.log")" = 1 ] || fail "Errors.log: $(cat "$work/prog/Errors.log")"
echo "class folder check: 2 passed, 0 failed"
