#!/usr/bin/env bash
# The README's set-up on a new Debian 12: makes a minimal bookworm system with debootstrap (from
# Debian's mirror, as apt on this machine uses it), with sudo and a user who may use it, copies the
# files git knows into that user's home (a folder other users cannot read), and there, as that user,
# runs the README's install step (scripts/deps: apt through sudo), a Release build of the program, its
# companion tool, their data and one test program, and that test. Needs root (or sudo); installs
# debootstrap when it is missing. Every mount it makes is undone and the new system removed on any
# exit. Prints what the install step brought (packages, space) and how long each part took.
# Usage: tests/e2e/fresh_machine_check.sh [MIRROR]
set -euo pipefail
cd "$(dirname "$0")/../.."
mirror="${1:-http://deb.debian.org/debian}"

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
command -v debootstrap >/dev/null ||
  { $sudo apt-get update && $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap; }

root=$(mktemp -d /var/tmp/kv-fresh.XXXXXX)
chmod 755 "$root" # the new system's top folder, which its users enter
work_log=$(mktemp)
# Unmounts whatever is mounted inside the new system (deepest first), then removes it without ever
# crossing into a mount that could not be undone.
cleanup() {
  local m
  while read -r m; do
    $sudo umount "$m" 2>/dev/null || $sudo umount -l "$m" || true
  done < <(awk -v r="$root/" 'index($2 "/", r) == 1 { print $2 }' /proc/self/mounts | sort -r)
  if awk -v r="$root/" 'index($2 "/", r) == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
    echo "FAIL: mounts left under $root; not removing it" >&2
    return 1
  fi
  rm -f "$work_log"
  $sudo rm -rf --one-file-system "$root"
}
trap cleanup EXIT

seconds() { date +%s; }
t0=$(seconds)
$sudo debootstrap --variant=minbase --include=sudo bookworm "$root" "$mirror" >"$work_log" 2>&1 ||
  { tail -n 20 "$work_log" >&2; exit 1; }
t1=$(seconds)

# The new system's apt uses the same mirror; its name lookups are this machine's.
echo "deb $mirror bookworm main" | $sudo tee "$root/etc/apt/sources.list" >/dev/null
$sudo cp /etc/resolv.conf "$root/etc/resolv.conf"
$sudo mount -t proc proc "$root/proc"
$sudo mount -t tmpfs tmpfs "$root/tmp"
in_root() { $sudo chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin LANG=C.UTF-8 "$@"; }

# A user as the installer makes one when root has no password: in the group sudo (here without a
# password, as nobody types it), with a home only that user may read.
in_root useradd --create-home --groups sudo --shell /bin/bash pat
in_root chmod 700 /home/pat
echo 'pat ALL=(ALL) NOPASSWD: ALL' | $sudo tee "$root/etc/sudoers.d/pat" >/dev/null
src="$root/home/pat/keyvane-games"
$sudo mkdir "$src"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null --files-from=- -cf - | $sudo tar -xf - -C "$src"
in_root chown -R pat:pat /home/pat/keyvane-games

packages_before=$(in_root dpkg-query -W -f='.\n' | wc -l)
used_before=$($sudo du -sm --one-file-system "$root" | cut -f1)
as_pat() {
  in_root /usr/sbin/runuser -u pat -- /usr/bin/env HOME=/home/pat USER=pat \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 bash -c "cd ~/keyvane-games && $1"
}
as_pat scripts/deps >"$work_log" 2>&1 || { tail -n 30 "$work_log" >&2; exit 1; }
t2=$(seconds)
packages_after=$(in_root dpkg-query -W -f='.\n' | wc -l)
used_after=$($sudo du -sm --one-file-system "$root" | cut -f1)
downloaded=$($sudo du -sm "$root/var/cache/apt/archives" | cut -f1)

as_pat 'scripts/build Release keyvane-games keyvane-files kv_data test_text' >"$work_log" 2>&1 ||
  { tail -n 30 "$work_log" >&2; exit 1; }
t3=$(seconds)
as_pat 'QT_QPA_PLATFORM=offscreen ctest --test-dir build -R "^(TextFile|VocabularyWords)" --output-on-failure' \
  >"$work_log" 2>&1 || { tail -n 30 "$work_log" >&2; exit 1; }
grep -q 'tests passed' "$work_log" || { tail -n 30 "$work_log" >&2; exit 1; }
t4=$(seconds)
tail -n 3 "$work_log"
echo "debootstrap $((t1 - t0)) s; install step $((t2 - t1)) s ($((packages_after - packages_before)) packages," \
  "$((used_after - used_before)) MB, $downloaded MB of them apt's downloaded copies); Release build $((t3 - t2)) s; test $((t4 - t3)) s; total $((t4 - t0)) s"
echo "PASS: a new Debian 12 builds and tests from the README's install step"
