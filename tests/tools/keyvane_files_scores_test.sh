#!/bin/sh
# Runs "keyvane-files scores" on score files written here byte by byte; checks the exact table and
# the exit statuses. Usage: keyvane_files_scores_test.sh PATH-TO-keyvane-files
tool=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# shellcheck source=tests/e2e/scratch_home.sh
. "$(dirname "$0")/../e2e/scratch_home.sh"
scratch_home "$work/outside"
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
byte() { printf "\\$(printf %03o "$1")"; }
# record NAME-LENGTH NAME SCORE-LOW SCORE-HIGH DATE: one 514-byte row (NAME a printf format).
record() {
    byte "$1"; printf "$2"; head -c $((255 - $1)) /dev/zero
    byte "$3"; byte "$4"
    byte ${#5}; printf '%s' "$5"; head -c $((255 - ${#5})) /dev/zero
}
# run NAME STATUS ARGUMENTS...: the exit status, output in out
run() {
    name=$1 status=$2; shift 2
    "$tool" "$@" >out 2>err; rc=$?
    [ "$rc" -eq "$status" ] || fail "$name: exit status $rc, wanted $status ($(cat err))"
    if [ "$status" -eq 1 ]; then [ ! -s out ] && [ "$(wc -l <err)" -eq 1 ] || fail "$name: $(cat out err)"; fi
}

# A Windows-1252 name, scores needing sign extension, two stray bytes after the last record.
{ record 4 'Ren\351' 255 127 1/2/24; record 5 'Bob;x' 255 255 3/4/24; record 1 C 0 128 ''; printf xy; } >bubbles.kvt
run "three rows" 0 scores bubbles.kvt
printf '1\tRen\303\251\t32767\t1/2/24\n2\tBob;x\t-1\t3/4/24\n3\tC\t-32768\t\n' | cmp -s out - || fail "three rows: $(cat out)"

i=1; while [ $i -le 101 ]; do record 1 R $i 0 ''; i=$((i + 1)); done >many.kvt
run "101 rows" 0 scores many.kvt
[ "$(wc -l <out)" -eq 100 ] && [ "$(tail -n 1 out | cut -f 1,3)" = "$(printf '100\t100')" ] || fail "101 rows: $(tail -n 2 out)"

# A sparse table of 2 GB (no disk space) read within 1 GB of address space: only its first rows count.
cp many.kvt sparse.kvt && truncate -s 2G sparse.kvt
# A tool of the sanitizer build reserves terabytes of address space for its shadow memory: there the
# bound is left to the normal build, and only the rows are checked.
limit=1048576
ldd "$tool" 2>/dev/null | grep -q libasan && limit=unlimited
# shellcheck disable=SC3045 # dash, the sh of Debian, has ulimit -v
(ulimit -v "$limit" && "$tool" scores sparse.kvt >out 2>err); rc=$?
[ "$rc" -eq 0 ] && [ "$(wc -l <out)" -eq 100 ] || fail "sparse 2 GB table: exit status $rc, $(wc -l <out) rows ($(cat err))"

: >Clouds.kvt
run "empty file" 0 scores Clouds.kvt
[ "$(cut -f 3 out | tr '\n' ' ')" = "930 860 790 720 650 580 510 440 370 300 " ] || fail "empty file: $(cat out)"
[ "$(cut -f 2 out | sort -u)" = Keyvane ] && [ -n "$(head -n 1 out | cut -f 4)" ] || fail "empty file: $(cat out)"

run "missing file" 1 scores wordtris.kvt
mkdir folder.kvt && run "folder" 1 scores folder.kvt
mkfifo pipe.kvt && run "pipe" 1 scores pipe.kvt
run "no file" 2 scores
grep -q usage err || fail "no file: $(cat err)"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all keyvane-files scores checks passed"
