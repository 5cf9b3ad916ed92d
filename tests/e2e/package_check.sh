#!/usr/bin/env bash
# The Debian package as a player's computer meets it: install, play, remove.
# 1. `apt-get install ./FILE.deb` installs it with its dependencies (or autopkgtest has installed it);
#    the package depends on the packages of the shared libraries the program loads for its window, its
#    pictures, its sound and the player's progress, whatever the release calls them, and on
#    fonts-liberation, and recommends xdg-utils;
# 2. a new user who is not root starts the program under Xvfb through the desktop entry's command: the
#    first start makes and stocks the user's own folder, and the Exit tab ends it with status 0;
# 3. the user plays a short WordTris game and types a name into the top-ten table, which
#    keyvane-files (on the user's PATH) then reads from the user's folder;
# 4. both manual pages open without a warning, and `man 6 keyvane-games` finds its page;
# 5. `apt-get purge` removes every file the package installed (as `dpkg -L` listed them) and leaves the
#    user's folder alone.
# The package is purged and the user removed at the end, also when a step fails.
# Usage (as root): package_check.sh [FILE.deb], by default the keyvane-games_*.deb of the top folder;
# package_check.sh --installed checks the package installed already (debian/tests/control: autopkgtest
# installs it).
set -euo pipefail
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"
[ "$(id -u)" -eq 0 ] || fail "run as root: the check installs and removes the package"

installed() { dpkg-query -W -f='${Status}' keyvane-games 2>/dev/null | grep -q 'install ok installed'; }
field() { # FIELD: a control field of the package under test
  if [ -n "$deb" ]; then dpkg-deb -f "$deb" "$1"; else dpkg-query -W -f="\${$1}" keyvane-games; fi
}
top=$(cd "$(dirname "$0")/../.." && pwd)
deb=""
if [ "${1:-}" = --installed ]; then
  installed || fail "keyvane-games is not installed"
elif [ $# -gt 0 ]; then
  deb=$(readlink -f "$1")
else
  debs=("$top"/keyvane-games_*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single keyvane-games_*.deb in $top: run scripts/package"
  deb=${debs[0]}
fi
if [ -n "$deb" ]; then
  [ -f "$deb" ] || fail "$deb: no such file"
  # A package installed before the check is someone's own: it is not touched.
  installed && fail "keyvane-games is installed already; remove it before the check"
fi

chmod 755 "$work"
player=kv-player-$$
# Defined only now: a package that was installed before the check is not the check's to remove.
on_exit() {
  if dpkg -s keyvane-games >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y keyvane-games >/dev/null 2>&1 || true
  fi
  if id "$player" >/dev/null 2>&1; then userdel "$player" 2>/dev/null || true; fi
}

# 1. Install.
depends=$(field Depends)
grep -q "\bfonts-liberation\b" <<<"$depends" || fail "the package does not depend on fonts-liberation: $depends"
grep -q "\bxdg-utils\b" <<<"$(field Recommends)" || fail "the package does not recommend xdg-utils"
if [ -n "$deb" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt-get install: $(tail -n 20 "$work/apt.log")"
  installed || fail "keyvane-games is not installed after apt-get install"
fi
# The package of each library the program loads, as this release names it, is a dependency.
program=/usr/lib/keyvane-games/keyvane-games
for lib in libQt6Widgets.so libQt6Svg.so libasound.so libsqlite3.so; do
  path=$(ldd "$program" | awk -v lib="$lib" 'index($1, lib) == 1 { print $3; exit }')
  [ -n "$path" ] || fail "the program does not load $lib"
  owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path" 2>/dev/null) ||
    fail "no package holds $path"
  owner=${owner%%:*}
  grep -q "\b$owner\b" <<<"$depends" || fail "the package does not depend on $owner ($lib): $depends"
done
dpkg -L keyvane-games >"$work/files"
entry=/usr/share/applications/org.keyvane.games.desktop
for f in /usr/games/keyvane-games /usr/games/keyvane-files /usr/lib/keyvane-games/keyvane-games \
  /usr/share/keyvane-games/animals.vcb /usr/share/keyvane-games/Español.vcb "$entry" \
  /usr/share/man/man6/keyvane-games.6.gz /usr/share/man/man6/keyvane-files.6.gz \
  /usr/share/man/de/man6/keyvane-games.6.gz /usr/share/man/fr/man6/keyvane-files.6.gz \
  /usr/share/man/es/man6/keyvane-games.6.gz /usr/share/keyvane-games/Vanedoc-de.htm \
  /usr/share/doc/keyvane-games/copyright; do
  grep -qx "$f" "$work/files" || fail "$f is not in the package"
done
command -v desktop-file-validate >/dev/null && { desktop-file-validate "$entry" || fail "desktop-file-validate"; }
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -n "$exec_line" ] || fail "the desktop entry has no command"

# 2. A player of their own, with a home folder in the scratch folder.
home="$work/home"
useradd --home-dir "$home" --create-home --shell /bin/sh --user-group "$player" || fail "useradd"
uid=$(id -u "$player")
gid=$(id -g "$player")
user="$home/.local/share/keyvane-games"
as_player() {
  env -i HOME="$home" USER="$player" LOGNAME="$player" LANG=C.UTF-8 DISPLAY="$d" \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/games setpriv --reuid="$uid" --regid="$gid" --init-groups "$@"
}

start_display 1280x1024x24
d=$x_display

start() { # starts the desktop entry's command as the player
  # shellcheck disable=SC2086 # the command line is split as the desktop splits it (no quoting in it)
  as_player $exec_line >>"$work/run.log" 2>&1 &
  prog=$!
  pids+=("$prog")
  win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
  DISPLAY=$d xdotool windowactivate --sync "$win" 2>/dev/null || DISPLAY=$d xdotool windowfocus --sync "$win"
  sleep 1
}
exit_tab() { # clicks the Exit tab (at 714,42 of the book) and expects status 0
  local x y status=0
  read -r x y <<<"$(DISPLAY=$d xwininfo -id "$win" |
    awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')"
  DISPLAY=$d xdotool mousemove $((x + 714)) $((y + 42)) click 1
  wait_exit "$prog" || status=$?
  [ "$status" = 0 ] || fail "Exit tab: status $status ($(cat "$work/run.log"))"
}

start
[ -d "$user" ] || fail "the first start made no folder $user"
[ "$(stat -c %u "$user")" = "$uid" ] || fail "$user does not belong to the player"
for f in Click.wav Error.wav Theend.wav Vanedoc.htm animals.vcb Food.vcb Español.vcb; do
  cmp -s "/usr/share/keyvane-games/$f" "$user/$f" || fail "$f was not copied into $user"
done
exit_tab

# 3. WordTris with a vocabulary of one word, so that the beam's word is known, and a table of ten rows of
# 1 point, so that the score gets a name box.
printf 'cat\n' >"$work/words.txt"
chmod 644 "$work/words.txt"
as_player keyvane-files make-vocabulary "$work/words.txt" "$user/Qq.vcb" || fail "keyvane-files make-vocabulary"
row() { printf '\006Nobody'; head -c 249 /dev/zero; printf '\001\000\0102024-1-1'; head -c 247 /dev/zero; }
for _ in $(seq 10); do row; done >"$user/wordtris.kvt"
chown "$uid:$gid" "$user/wordtris.kvt"
start
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.3; }
key alt+v q        # the WordTris vocabulary list, then its entry "Qq"
key alt+t          # WordTris
key x              # the first key starts the game
key c a t space    # catches the beam: 10 points
key Escape         # ends the game; the score goes to the top-ten table, with the name box
sleep 1
key ctrl+a P l a y e r Return
exit_tab
table=$(as_player keyvane-files scores "$user/wordtris.kvt") || fail "keyvane-files scores"
first=$(head -n1 <<<"$table" | cut -f1-3)
[ "$first" = "$(printf '1\tPlayer\t10')" ] || fail "the table's first row is '$first', not 1 Player 10: $table"

# 4. The manual pages.
for page in keyvane-games keyvane-files; do
  warnings=$(man --warnings -l "/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.6: $warnings"
done
MANPAGER=cat MANWIDTH=80 man 6 keyvane-games 2>/dev/null | grep -q "three arcade typing games" ||
  fail "man 6 keyvane-games does not show the page"

# 5. Purge: every file of the package goes; a folder stays only when another package still owns it.
cp -a "$user" "$work/user-before"
DEBIAN_FRONTEND=noninteractive apt-get purge -y keyvane-games >"$work/apt.log" 2>&1 ||
  fail "apt-get purge: $(tail -n 20 "$work/apt.log")"
installed && fail "keyvane-games is still installed after apt-get purge"
left=()
while IFS= read -r path; do
  [ "$path" = "/." ] && continue # dpkg lists the root folder too
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    dpkg -S "$path" >/dev/null 2>&1 || left+=("$path")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "left after purge: ${left[*]}"
diff -r "$work/user-before" "$user" >/dev/null || fail "the purge changed the player's folder $user"

echo "package check: $(wc -l <"$work/files") paths installed and removed; 5 passed, 0 failed"
