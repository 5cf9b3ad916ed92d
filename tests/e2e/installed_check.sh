#!/usr/bin/env bash
# The installed program, as a player on a Linux desktop meets it:
# 1. `cmake --install` into a temporary prefix gives the program folder, the launcher, the desktop entry,
#    the icon and the metainfo (checked by desktop-file-validate and appstreamcli when present), whose
#    texts each come in German, Spanish and French too;
# 2. started through the launcher by a player who cannot write the program folder, it makes the
#    player's own folder and stocks it, and ends through the Exit tab with status 0;
# 3. with a keyboard layout that has dead keys, a UTF-8 vocabulary is played in WordTris: the word and
#    the player's name in the top-ten table are typed with dead keys, and the score file in the
#    player's folder holds the name with its accent;
# 4. at QT_SCALE_FACTOR=2 the window is twice as large.
# Usage: installed_check.sh BUILD_DIR [SHOT_DIR].
set -euo pipefail
build="$1"
shots="${2:-}"
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"
on_exit() { chmod -R u+w "$work" 2>/dev/null || true; } # the program folder is made read-only below
chmod 755 "$work"

# 1. The installed tree.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install: $(cat "$work/install.log")"
app=org.keyvane.games
lib="$prefix/lib/keyvane-games"
for f in keyvane-games keyvane-files; do [ -x "$lib/$f" ] || fail "$lib/$f is not installed"; done
for f in Click.wav Error.wav Theend.wav Vanedoc.htm Vanedoc-de.htm Vanedoc-fr.htm Vanedoc-es.htm Français.vcb Deutsch.vcb Español.vcb animals.vcb; do
  [ -f "$lib/$f" ] || fail "$lib/$f is not installed"
done
leftovers=$(find "$lib" -mindepth 1 -maxdepth 1 -printf '%f\n' |
  grep -v -E '^(keyvane-games|keyvane-files|.*\.vcb|.*\.wav|Vanedoc(-[a-z][a-z])?\.htm)$' || true)
[ -z "$leftovers" ] || fail "unexpected files in the program folder: $leftovers"
# The launchers' folder as the build was configured (the Debian package's build puts them in games/).
launchers=$(sed -n 's/^KV_LAUNCHER_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
launcher="$prefix/${launchers:-bin}/keyvane-games"
[ -x "$launcher" ] || fail "no launcher in ${launchers:-bin}/"
desktop="$prefix/share/applications/$app.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx "Exec=$launcher" "$desktop" || fail "the desktop entry does not start the launcher"
grep -qx "Icon=$app" "$desktop" || fail "the desktop entry names another icon"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no icon in the hicolor theme"
metainfo="$prefix/share/metainfo/$app.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "metainfo names another entry"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
# The teacher's class report: its own entry, which runs the companion tool through its launcher.
report="$prefix/share/applications/$app.class-report.desktop"
[ -f "$report" ] || fail "no desktop entry for the class report"
grep -qx "Exec=$prefix/${launchers:-bin}/keyvane-class-report" "$report" || fail "the class report's entry starts something else"
[ -x "$prefix/${launchers:-bin}/keyvane-class-report" ] || fail "no launcher of the class report"
for lang in de es fr; do
  for key in Name Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$report" || fail "the class report's entry has no ${key}[$lang]"
  done
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$report" || fail "desktop-file-validate of the class report's entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate"
fi
# Each text a desktop shows in the player's language has its three translations: every key of the entry,
# and every name, summary, paragraph and list item of the metainfo (the developer's name aside).
texts=$(sed '/<developer/,/<\/developer>/d' "$metainfo")
for lang in de es fr; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$desktop" || fail "the desktop entry has no ${key}[$lang]"
  done
  for tag in name summary p li; do
    english=$(grep -o "<$tag>" <<<"$texts" | wc -l)
    translated=$(grep -o "<$tag xml:lang=\"$lang\">" <<<"$texts" | wc -l)
    [ "$english" = "$translated" ] || fail "metainfo: $english <$tag> in English, $translated in $lang"
  done
done

# The player: another user when run as root (permission bits do not bind root), otherwise this user
# with the program folder made read-only.
home="$work/home"
mkdir -p "$home"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || fail "setpriv is needed to play as another user"
  chown -R 65534:65534 "$home"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  # Under the leak checker the player reads its suppressions, which may lie in a clone other users
  # cannot enter: the player gets a copy in the scratch folder.
  supp=$(sed -En 's/(^|.*:)suppressions=([^:]*).*/\2/p' <<<"${LSAN_OPTIONS:-}")
  if [ -n "$supp" ]; then
    cp "$supp" "$work/lsan.supp" && chmod 644 "$work/lsan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS/suppressions=$supp/suppressions=$work/lsan.supp}"
  fi
else
  chmod -R a-w "$lib"
fi
player() { # runs a command as the player, with the player's environment
  env -u XDG_DATA_HOME -u XDG_STATE_HOME HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "${as_player[@]}" "$@"
}
listing() { ls -la --time-style=+ "$lib" | md5sum; }
before=$(listing)
user="$home/.local/share/keyvane-games"

start_display 2560x1600x24
d=$x_display
# A layout with dead keys: ' and " are dead acute and dead diaeresis.
DISPLAY=$d setxkbmap us -variant intl || fail "setxkbmap"

start() { # [ENV=VALUE...]: starts the installed program through its launcher
  DISPLAY=$d player env "$@" "$launcher" >>"$work/run.log" 2>&1 &
  prog=$!
  win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
  DISPLAY=$d xdotool windowactivate --sync "$win" 2>/dev/null || DISPLAY=$d xdotool windowfocus --sync "$win"
  sleep 1
}
geometry() { # -> "X Y WIDTH HEIGHT" of the window's client area
  DISPLAY=$d xwininfo -id "$win" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
exit_tab() { # SCALE: clicks the Exit tab (at 714,42 of the book) and expects status 0
  read -r x y _ _ <<<"$(geometry)"
  DISPLAY=$d xdotool mousemove $((x + 714 * $1)) $((y + 42 * $1)) click 1
  status=0; wait_exit "$prog" || status=$?
  [ "$status" = 0 ] || fail "Exit tab: status $status ($(cat "$work/run.log"))"
}

# 2. The first start makes and stocks the player's folder.
start
[ -d "$user" ] || fail "no folder $user"
for f in Click.wav Error.wav Theend.wav Vanedoc.htm Vanedoc-de.htm Vanedoc-fr.htm Vanedoc-es.htm Français.vcb Deutsch.vcb Español.vcb animals.vcb; do
  cmp -s "$lib/$f" "$user/$f" || fail "$f was not copied into $user"
done
[ -n "$shots" ] && mkdir -p "$shots" && DISPLAY=$d import -window "$win" "$shots/installed-menu.png"
exit_tab 1

# 3. WordTris with dead keys. The player adds a vocabulary of one UTF-8 word, so that the beam's word
# is known, and the WordTris table holds ten rows of 1 point, so that any score gets a name box.
printf '$description=Un mot\r\n\303\251t\303\251\r\n' >"$user/Qq.vcb"
row() { printf '\006Nobody'; head -c 249 /dev/zero; printf '\001\000\0102024-1-1'; head -c 247 /dev/zero; }
for _ in $(seq 10); do row; done >"$user/wordtris.kvt"
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$user/Qq.vcb" "$user/wordtris.kvt"
start
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.3; }
key alt+v q          # the WordTris vocabulary list, then its entry "Qq"
key alt+t            # WordTris
key x                # the first key starts the game
key dead_acute e t dead_acute e space
[ -n "$shots" ] && DISPLAY=$d import -window "$win" "$shots/installed-wordtris.png"
key Escape           # ends the game; its score goes to the top-ten table, with the name box
sleep 1
key ctrl+a Z o dead_acute e Return
[ -n "$shots" ] && DISPLAY=$d import -window "$win" "$shots/installed-top-ten.png"
exit_tab 1
table=$("$lib/keyvane-files" scores "$user/wordtris.kvt") || fail "keyvane-files scores"
first=$(head -n1 <<<"$table" | cut -f1-3)
[ "$first" = "$(printf '1\tZo\303\251\t10')" ] || fail "the table's first row is '$first', not 1 Zoé 10: $table"

# 4. Twice the pixel density: twice the window.
start QT_SCALE_FACTOR=2
read -r _ _ w h <<<"$(geometry)"
[ "$w" = 1554 ] && [ "$h" = 1058 ] || fail "at scale 2 the client area is ${w}x${h}, not 1554x1058"
[ -n "$shots" ] && DISPLAY=$d import -window "$win" "$shots/installed-menu-scale2.png"
exit_tab 2

[ "$(listing)" = "$before" ] || fail "the program folder was changed"
[ ! -e "$lib/Errors.log" ] || fail "Errors.log was written into the program folder"
echo "installed check: 4 passed, 0 failed"
