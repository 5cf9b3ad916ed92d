#!/usr/bin/env bash
# A class with real users: two pupils and their teacher share a class's score folder whose folder
# "progress" belongs to the teacher and the teachers' group (mode 3773). Each pupil's game's end
# publishes their copy (tests/classroom/publish_worker.cpp, the program's own publishing code); a
# classmate can neither list the folder, read the copy nor replace or remove it; a copy planted under
# another user's name is named and left out; the teacher's text, CSV and PDF reports show the pupils'
# figures, a pupil's report is refused, and a new term archives the tables and the copies.
#
# Usage: class_progress_check.sh BUILD_DIR   (as root: it makes the users and groups with useradd and
# groupadd and removes them, with everything else it made, on any exit).
set -euo pipefail
build=$(cd "${1:?usage: class_progress_check.sh BUILD_DIR}" && pwd)
tool=$build/bin/keyvane-files
publish=$build/tests/kv_class_publish
[ -x "$tool" ] && [ -x "$publish" ] || { echo "FAIL: build keyvane-files and kv_class_publish first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "FAIL: run as root (it makes users)" >&2; exit 1; }

tag=$$
teacher=kvt$tag
pupils=("kva$tag" "kvb$tag")
teachers=kvteach$tag
class=kvclass$tag
work=$(mktemp -d /tmp/kv-class.XXXXXX)
made_users=()
made_groups=()
cleanup() {
  local u g
  for u in "${made_users[@]}"; do userdel -r "$u" >/dev/null 2>&1 || userdel "$u" >/dev/null 2>&1 || true; done
  for g in "${made_groups[@]}"; do groupdel "$g" >/dev/null 2>&1 || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
fail() { echo "FAIL: $*" >&2; exit 1; }

groupadd "$teachers" && made_groups+=("$teachers")
groupadd "$class" && made_groups+=("$class")
useradd -m -G "$teachers,$class" "$teacher" && made_users+=("$teacher")
for p in "${pupils[@]}"; do useradd -m -G "$class" "$p" && made_users+=("$p"); done

# The class's score folder, as the administrator makes it, and the teacher's folder of copies.
chmod 755 "$work"
folder=$work/class
mkdir "$folder"
chgrp "$class" "$folder"
chmod 2775 "$folder"
install -d -o "$teacher" -g "$teachers" -m 3773 "$folder/progress"

as() { local who=$1; shift; runuser -u "$who" -- env HOME="/home/$who" XDG_STATE_HOME="/home/$who/.local/state" \
  XDG_CONFIG_HOME="/home/$who/.config" XDG_CONFIG_DIRS="$work/xdg" XDG_DATA_HOME="/home/$who/.local/share" \
  LANGUAGE="${KV_LANGUAGE:-}" LANG=C.UTF-8 "$@"; }

# Each pupil ends a game: the copy is theirs, of the teachers' group, 0640 though the umask is 0.
names=("Anna" "Ben")
for i in 0 1; do
  p=${pupils[$i]}
  out=$(as "$p" sh -c "umask 0; exec '$publish' '$folder' /home/$p/.local/state/keyvane-games '${names[$i]}'") ||
    fail "$p could not publish: $out"
  [ "$(stat -c '%U %G %a' "$folder/progress/$p.db")" = "$p $teachers 640" ] ||
    fail "$p's copy: $(stat -c '%U %G %a' "$folder/progress/$p.db")"
done
a=${pupils[0]} b=${pupils[1]}
sum=$(sha256sum <"$folder/progress/$a.db")

# The classmate: no listing, no reading, no replacing, no removing.
as "$b" ls "$folder/progress" >/dev/null 2>&1 && fail "$b lists the copies"
as "$b" cat "$folder/progress/$a.db" >/dev/null 2>&1 && fail "$b reads $a's copy"
as "$b" cp "/home/$b/.local/state/keyvane-games/progress.db" "$folder/progress/$a.db" 2>/dev/null && fail "$b overwrites $a's copy"
as "$b" sh -c "cp /home/$b/.local/state/keyvane-games/progress.db '$folder/progress/.x' && mv -f '$folder/progress/.x' '$folder/progress/$a.db'" 2>/dev/null &&
  fail "$b replaces $a's copy by a rename"
as "$b" rm -f "$folder/progress/$a.db" 2>/dev/null && fail "$b removes $a's copy"
[ "$(sha256sum <"$folder/progress/$a.db")" = "$sum" ] || fail "$a's copy was changed by $b"
as "$b" rm -f "$folder/progress/.x"
# A copy planted under the teacher's name, and the classmate's own report.
as "$b" cp "/home/$b/.local/state/keyvane-games/progress.db" "$folder/progress/$teacher.db"
if as "$b" "$tool" class "$folder" >"$work/b.out" 2>"$work/b.err"; then fail "a pupil got the class report"; fi
grep -q "only the teacher" "$work/b.err" || fail "the pupil's refusal: $(cat "$work/b.err")"

# The teacher's report: 40 keystrokes, 10 wrong, in 60 s: 75.0 % and 30.0 characters a minute.
as "$teacher" "$tool" class "$folder" >"$work/t.out" 2>"$work/t.err" || fail "teacher's report: $(cat "$work/t.err")"
head -1 "$work/t.out" | grep -q "^login	name	games" || fail "no header row: $(head -1 "$work/t.out")"
grep -q "^$a	Anna	1	1.0	.*	75.0		30.0		e.*types r for e" "$work/t.out" || fail "Anna's row: $(cat "$work/t.out")"
grep -q "^$b	Ben	1	" "$work/t.out" || fail "Ben's row: $(cat "$work/t.out")"
grep -q "$teacher.db: was not written by the user $teacher" "$work/t.err" || fail "the planted copy: $(cat "$work/t.err")"
grep -q "^$teacher	" "$work/t.out" && fail "the planted copy is in the report"
KV_LANGUAGE=de as "$teacher" env LANG=de_DE.UTF-8 "$tool" class "$folder" --csv >"$work/t.csv" 2>/dev/null
grep -q "^$a;Anna;1;1,0;.*;75,0;;30,0;" "$work/t.csv" || fail "German CSV: $(cat "$work/t.csv")"
as "$teacher" "$tool" class "$folder" --pdf "/home/$teacher/class.pdf" 2>/dev/null || fail "no PDF"
[ "$(head -c 4 "/home/$teacher/class.pdf")" = "%PDF" ] || fail "the PDF is no PDF"
if command -v pdfinfo >/dev/null; then
  pages=$(pdfinfo "/home/$teacher/class.pdf" | awk '/^Pages:/ { print $2 }')
  [ "$pages" = 3 ] || fail "the PDF has $pages pages, not a class page and two cards"
fi

# A new term, by the teacher who is a member of the class's group.
as "$a" sh -c "umask 002; head -c 5140 /dev/zero | tr '\\0' 'x' >'$folder/bubbles.kvt'"
as "$teacher" "$tool" new-term "$folder" >"$work/n.out" 2>&1 || fail "new-term: $(cat "$work/n.out")"
day=$(date +%F)
[ -f "$folder/archive/$day/bubbles.kvt" ] && [ -f "$folder/archive/$day/progress/$a.db" ] || fail "nothing archived"
[ "$(stat -c '%U %a' "$folder/archive/$day/progress/$a.db")" = "$a 640" ] || fail "the archived copy changed hands"
as "$b" cat "$folder/archive/$day/progress/$a.db" >/dev/null 2>&1 && fail "$b reads the archived copy"
[ "$(od -An -c -N 1 "$folder/bubbles.kvt" | tr -d ' ')" = '\0' ] || fail "the new table is not empty"
as "$teacher" "$tool" new-term "$folder" >/dev/null 2>&1 && fail "a second new term of the same day"
as "$a" "$publish" "$folder" "/home/$a/.local/state/keyvane-games" Anna >/dev/null || fail "no copy after the new term"
echo "class check passed: publishing, permissions, text, CSV and PDF reports, new term"
