#!/usr/bin/env bash
# Two machines sharing a class's score folder, for real: one folder mounted twice with sshfs from an
# sshd of this script's own (a localhost port, its own keys), so that each mount behaves as another
# machine does: a flock taken through one is not seen through the other. Copies of the score keeping
# (tests/stress/score_worker.cpp, the program's own saving code) save many rows at once through both
# mounts; no committed row may be lost and every table must stay whole. The same run with the lock
# file turned off must lose rows, which shows that the check can fail. A table filled through one
# mount keeps its rows when the other mount, which saw it empty, saves. A copy killed while it holds
# the lock leaves a lock file that the next save breaks. Last, copies of the progress keeping
# (tests/stress/progress_worker.cpp) fold games into one progress database through both mounts: every
# game must be stored and the database must pass SQLite's integrity check. In both runs one copy runs
# under a clock an hour ahead and one under a clock a minute behind (libfaketime), as on lab machines
# whose clocks are off: no copy may take another's live lock for stale, so nothing is lost either.
#
# Usage: sshfs_check.sh BUILD_DIR   (as root, or a user who may mount FUSE file systems); KV_KEEP=1
# keeps the scratch folder with every copy's output for a look afterwards. KV_SAVE_TIMING="PROGRAM..."
# names kv-save-timing programs (bench/measure, of one build or several) that then time 50 saves each
# in a local folder and through the first mount, one program after the other.
# Installs openssh-server, sshfs, sqlite3 and faketime when they are missing. Everything it starts or mounts is undone
# on any exit.
set -euo pipefail
build=$(cd "${1:?usage: sshfs_check.sh BUILD_DIR}" && pwd)
worker=$build/tests/kv_score_worker
progress_worker=$build/tests/kv_progress_worker
tool=$build/bin/keyvane-files
if [ ! -x "$worker" ] || [ ! -x "$progress_worker" ] || [ ! -x "$tool" ]; then
  echo "FAIL: build kv_score_worker, kv_progress_worker and keyvane-files first" >&2
  exit 1
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in openssh-server sshfs sqlite3 faketime; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d /tmp/kv-sshfs.XXXXXX)
# shellcheck source=tests/e2e/scratch_home.sh
source "$(dirname "$0")/scratch_home.sh"
scratch_home "$work/outside"
pids=()
mounts=()
cleanup() {
  local m p
  for m in "${mounts[@]}"; do fusermount3 -u -z "$m" 2>/dev/null || fusermount -u -z "$m" 2>/dev/null || true; done
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  if [ -n "${KV_KEEP:-}" ]; then echo "kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
fail() { echo "FAIL: $*" >&2; exit 1; }
ms() { echo $(($(date +%s%N) / 1000000)); }

# The server: its own host key, a key for the client, a free port on the loopback interface.
mkdir -p "$work/ssh" "$work/share"
ssh-keygen -q -t ed25519 -N '' -f "$work/ssh/host_key"
ssh-keygen -q -t ed25519 -N '' -f "$work/ssh/client_key"
cp "$work/ssh/client_key.pub" "$work/ssh/authorized_keys"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$work/ssh/sshd_config" <<EOF
ListenAddress 127.0.0.1
Port $port
HostKey $work/ssh/host_key
AuthorizedKeysFile $work/ssh/authorized_keys
PidFile none
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
Subsystem sftp internal-sftp
EOF
mkdir -p /run/sshd 2>/dev/null || true
"$(command -v sshd || echo /usr/sbin/sshd)" -D -e -f "$work/ssh/sshd_config" 2>"$work/sshd.log" &
pids+=($!)
ssh_options=(-o "Port=$port" -o "IdentityFile=$work/ssh/client_key" -o IdentitiesOnly=yes -o BatchMode=yes
  -o StrictHostKeyChecking=no -o "UserKnownHostsFile=/dev/null" -o LogLevel=ERROR)
for _ in $(seq 50); do
  ssh "${ssh_options[@]}" "$(id -un)@127.0.0.1" true 2>/dev/null && break
  sleep 0.1
done
ssh "${ssh_options[@]}" "$(id -un)@127.0.0.1" true || fail "sshd did not answer ($(cat "$work/sshd.log"))"

# Two mounts of the share, with sshfs's own defaults (its caches on), as a lab machine mounts it.
for m in a b; do
  mkdir -p "$work/$m"
  sshfs "${ssh_options[@]}" "$(id -un)@127.0.0.1:$work/share" "$work/$m" || fail "sshfs could not mount"
  mounts+=("$work/$m")
done
for m in a b; do mountpoint -q "$work/$m" || fail "mount $m is not there"; done

# skewed ID: the command that runs copy ID under its own clock: the first copy of each mount runs an
# hour ahead (copy 0) or a minute behind (the first copy of mount b), the others on the true time.
skewed() {
  case $1 in
    0) echo "faketime -f +1h" ;;
    "$2") echo "faketime -f -1m" ;;
  esac
}

# run_copies TAG [--no-lock-file]: 4 copies through each mount commit 25 rising scores each into an
# empty share; prints the number of committed rows that the final table lacks. Faults (an error
# reported, a row twice) fail the check.
copies=4
rows=25
run_copies() {
  local tag=$1 option=${2:-} id m out
  rm -f "$work/share/stress.kvt" "$work/share/.stress.kvt."*
  local -a started=()
  for id in $(seq 0 $((2 * copies - 1))); do
    m=a
    [ "$id" -lt "$copies" ] || m=b
    # shellcheck disable=SC2086 # the option is one word or none, the clock a command of words or none
    $(skewed "$id" "$copies") "$worker" commit "$work/$m" "$id" "$rows" $((4000 + id)) $option \
      >"$work/$tag.$id.out" 2>>"$work/$tag.log" &
    started+=($!)
  done
  for id in "${started[@]}"; do wait "$id" || fail "$tag: a copy ended with status $?"; done
  cat "$work/$tag".*.out >"$work/$tag.all"
  # Without the lock file the copies also trip over each other's new files: those reports are expected.
  if [ -z "$option" ] && grep -Ev '^([CN] |Q$)' "$work/$tag.all" >&2; then fail "$tag: the copies reported faults"; fi
  local size
  size=$(stat -c %s "$work/share/stress.kvt" 2>/dev/null || echo 0)
  if [ "$size" -ne 5140 ]; then
    # Without the lock file the copies may even remove each other's table: everything is lost.
    [ -n "$option" ] || fail "$tag: the table is not whole ($size bytes)"
    echo 10
    return
  fi
  "$tool" scores "$work/share/stress.kvt" >"$work/$tag.table" || fail "$tag: the table cannot be read"
  # The ten best of every committed row and the default rows, against what the table holds.
  {
    awk '$1 == "C" || $1 == "N" { print $3 }' "$work/$tag.all"
    printf '%s\n' 930 860 790 720 650 580 510 440 370 300
  } | sort -rn | head -n 10 >"$work/$tag.expected"
  cut -f 3 "$work/$tag.table" >"$work/$tag.held"
  out=$(comm -23 <(sort "$work/$tag.expected") <(sort "$work/$tag.held") | wc -l)
  # A row held twice is a fault too.
  [ "$(cut -f 2 "$work/$tag.table" | grep -v '^Keyvane$' | sort | uniq -d | wc -l)" -eq 0 ] ||
    fail "$tag: a row is in the table twice: $(cat "$work/$tag.table")"
  echo "$out"
}

began=$(ms)
lost=$(run_copies locked)
ended=$(ms)
questions=$(grep -c '^Q' "$work/locked.all" || true)
echo "with the lock file (one copy an hour ahead, one a minute behind): $((2 * copies)) copies," \
  "$(grep -c '^[CN] ' "$work/locked.all") rows committed," \
  "$lost of the ten best lost, busy question $questions times, $((ended - began)) ms"
[ "$lost" -eq 0 ] || fail "rows were lost with the lock file: $(paste -sd' ' "$work/locked.held")"

# Without the lock file the copies on the two mounts overwrite each other's rows.
lost_without=0
for _ in 1 2 3; do
  lost_without=$(run_copies unlocked --no-lock-file)
  [ "$lost_without" -eq 0 ] || break
done
echo "without the lock file: $lost_without of the ten best lost"
[ "$lost_without" -gt 0 ] || fail "without the lock file no row was lost: the check cannot tell"

# A table made empty through one mount and filled through it, while the other mount still keeps the
# length of the empty file: a save through that mount must start from the rows on the server.
mkdir "$work/share/fill"
: >"$work/a/fill/stress.kvt"
[ "$(stat -c %s "$work/b/fill/stress.kvt")" -eq 0 ] || fail "the second mount did not see the empty table"
"$worker" commit "$work/a/fill" 1 12 1 >"$work/fill.a.out" 2>>"$work/fill.log"
"$worker" commit "$work/b/fill" 2 1 2 >"$work/fill.b.out" 2>>"$work/fill.log"
kept=$("$tool" scores "$work/share/fill/stress.kvt" | cut -f 2 | grep -c '^w1-' || true)
[ "$kept" -eq 10 ] || fail "a save through the other mount lost the rows: $("$tool" scores "$work/share/fill/stress.kvt")"
echo "a table filled through one mount kept its rows when the other saved"

# A copy killed while it holds the lock: the next save, through the other mount, breaks the lock. The
# table starts afresh, removed through both mounts so that neither keeps it in its caches.
rm -f "$work/a/stress.kvt" "$work/b/stress.kvt"
"$worker" hold "$work/a" >"$work/hold.out" 2>>"$work/hold.log" &
holder=$!
pids+=("$holder")
for _ in $(seq 100); do grep -q '^H' "$work/hold.out" && break; sleep 0.1; done
grep -q '^H' "$work/hold.out" || fail "the holding copy did not take the lock"
[ -e "$work/share/.stress.kvt.lock" ] || fail "no lock file beside the table"
kill -KILL "$holder"
wait "$holder" 2>/dev/null || true
[ -e "$work/share/.stress.kvt.lock" ] || fail "the killed copy left no lock file to break"
start=$(ms)
timeout 60 "$worker" commit "$work/b" 99 1 99 >"$work/after-kill.out" 2>>"$work/hold.log" || fail "the save after the kill failed"
took=$(($(ms) - start))
grep -q '^C w99-0 ' "$work/after-kill.out" || fail "the save after the kill stored nothing: $(cat "$work/after-kill.out")"
echo "a lock file left by a killed copy was broken; the next save took $took ms"

# One progress database, as in a home folder on a server: 2 copies through each mount fold games at
# once into the same state folder.
games=30
began=$(ms)
started=()
for id in 0 1 2 3; do
  m=a
  [ "$id" -lt 2 ] || m=b
  # shellcheck disable=SC2046 # the clock is a command of words or none
  $(skewed "$id" 2) "$progress_worker" "$work/$m/state" "$id" "$games" >"$work/progress.$id.out" 2>>"$work/progress.log" &
  started+=($!)
done
for p in "${started[@]}"; do wait "$p" || fail "progress: a copy ended with status $?"; done
took=$(($(ms) - began))
db=$work/share/state/progress.db
check=$(sqlite3 "$db" 'PRAGMA integrity_check') || fail "progress: the database cannot be read"
[ "$check" = ok ] || fail "progress: the database is damaged: $check"
stored=$(sqlite3 "$db" 'SELECT count(*) FROM games')
distinct=$(sqlite3 "$db" 'SELECT count(DISTINCT score) FROM games')
echo "progress: 4 copies on two mounts stored $stored of $((4 * games)) games ($distinct distinct), integrity ok, $took ms"
[ "$stored" -eq $((4 * games)) ] && [ "$distinct" -eq $((4 * games)) ] || fail "progress: games were lost or stored twice"
if compgen -G "$work/share/state/*damaged*" >/dev/null; then
  fail "progress: a database was set aside as damaged: $(ls "$work/share/state")"
fi
for timing in ${KV_SAVE_TIMING:-}; do
  mkdir -p "$work/local-timing" "$work/share/timing"
  rm -f "$work/local-timing/"* "$work/share/timing/"*
  echo "$timing: local: $("$timing" "$work/local-timing" 50)"
  echo "$timing: sshfs: $("$timing" "$work/a/timing" 50)"
done
echo "sshfs check passed"
