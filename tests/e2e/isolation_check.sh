#!/usr/bin/env bash
# The test suite touches nothing outside its own scratch folders. It runs on a computer where a class
# competes on one score folder, named for every user in /etc/xdg/keyvane-games/keyvane-games.conf
# (put there by this check) and in the user's own configuration file of a home made for the run;
# afterwards the class folder must be empty and the home hold nothing but that file. Needs root (or
# sudo) for /etc/xdg, and refuses to start when that file exists already. Everything it makes is
# removed on any exit. Extra options go to ctest (-R PATTERN runs a part of the suite).
# Usage: tests/e2e/isolation_check.sh BUILD_DIR [CTEST_OPTION...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

conf_dir=/etc/xdg/keyvane-games
conf=$conf_dir/keyvane-games.conf
[ ! -e "$conf" ] || { echo "FAIL: $conf exists already (is the package installed?); not touching it" >&2; exit 1; }
made_conf_dir=no
[ -d "$conf_dir" ] || made_conf_dir=yes
work=$(mktemp -d)
cleanup() {
  $sudo rm -f "$conf"
  [ "$made_conf_dir" = no ] || $sudo rmdir "$conf_dir" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A class folder any user may write, so that a test running as another user would leave its mark too.
chmod 755 "$work"
class="$work/class"
mkdir -m 777 "$class"
$sudo mkdir -p "$conf_dir"
printf '[scores]\nfolder=%s\n' "$class" | $sudo tee "$conf" >/dev/null

export HOME="$work/home"
mkdir -p "$HOME/.config/keyvane-games"
printf '[scores]\nfolder=%s\n' "$class" >"$HOME/.config/keyvane-games/keyvane-games.conf"
unset XDG_CONFIG_HOME XDG_CONFIG_DIRS XDG_DATA_HOME XDG_STATE_HOME XDG_CACHE_HOME

status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j2 --timeout 300 "$@" || status=$?

written=$(find "$class" -mindepth 1 -printf '%P\n')
[ -z "$written" ] || { echo "FAIL: the suite wrote into the class folder: $written" >&2; exit 1; }
home=$(find "$HOME" -mindepth 1 -printf '%P\n' | grep -vx -e .config -e .config/keyvane-games \
  -e .config/keyvane-games/keyvane-games.conf || true)
[ -z "$home" ] || { echo "FAIL: the suite wrote into the home: $home" >&2; exit 1; }
[ "$status" -eq 0 ] || { echo "FAIL: the suite failed beside a class folder (status $status)" >&2; exit 1; }
echo "PASS: the suite left the class folder and the home untouched"
