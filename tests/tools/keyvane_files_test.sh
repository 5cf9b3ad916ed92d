#!/bin/sh
# Runs keyvane-files on text files written here byte by byte and checks exact output and exit statuses.
# Usage: keyvane_files_test.sh PATH-TO-keyvane-files
tool=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# shellcheck source=tests/e2e/scratch_home.sh
. "$(dirname "$0")/../e2e/scratch_home.sh"
scratch_home "$work/outside"
cd "$work" || exit 1
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect NAME STATUS EXPECTED-STDOUT-FILE COMMAND...: exact standard output and exit status
expect() {
    name=$1 status=$2 expected=$3
    shift 3
    "$tool" "$@" >out 2>err
    rc=$?
    [ "$rc" -eq "$status" ] || fail "$name: exit status $rc, wanted $status ($(cat err))"
    cmp -s out "$expected" || fail "$name: output differs: $(od -c out | head -5)"
}

# refuse NAME STATUS TEXT COMMAND...: exit status and one line on standard error that holds TEXT
refuse() {
    name=$1 status=$2 text=$3
    shift 3
    "$tool" "$@" >out 2>err
    rc=$?
    [ "$rc" -eq "$status" ] || fail "$name: exit status $rc, wanted $status"
    [ -s out ] && fail "$name: printed on standard output"
    if [ "$status" -eq 1 ]; then
        [ "$(wc -l <err)" -eq 1 ] || fail "$name: wanted one line on standard error: $(cat err)"
    fi
    grep -q -- "$text" err || fail "$name: message lacks '$text': $(cat err)"
}

: >empty

# words: every line end, blanks, a blank line, a Windows-1252 letter, a last line without line end
printf '$Version=2\r\n  cat \r\ndog\n\n\tbig bird\rcaf\351\r\nowl' >plain.vcb
printf 'cat\ndog\nbig bird\ncaf\303\251\nowl\n' >plain.words
expect "words plain" 0 plain.words words plain.vcb

printf '$fileformat=crypted\r\n\324\326\303\r\n\323\330\320' >scrambled.vcb
printf 'cat\ndog\n' >scrambled.words
expect "words scrambled" 0 scrambled.words words scrambled.vcb
expect "words name in other case" 0 scrambled.words words SCRAMBLED.VCB

# Lines of 255 characters and more: their first 255 characters are the word, and the reading goes on;
# a line longer than 255 is named.
a254=$(printf '%254s' '' | tr ' ' a)
b255=$(printf '%255s' '' | tr ' ' b)
printf '%s\r\n%s\r\n%s\r\nafter\r\n' "$a254" "$b255" "${b255}ccc" >long.vcb
printf '%s\n%s\n%s\nafter\n' "$a254" "$b255" "$b255" >long.words
expect "words long lines" 0 long.words words long.vcb
[ "$(cat err)" = "keyvane-files: long.vcb: line 3: longer than 255 characters, only its first 255 are the word" ] ||
    fail "words long lines: line 3 not named alone: $(cat err)"

printf 'only\000hidden\r\nnext\r\n' >nul.vcb
printf 'only\nnext\n' >nul.words
expect "words NUL" 0 nul.words words nul.vcb

# header: keys in any case, "%" escapes, ";" as separator, a value with blanks around the line
printf '$Version=1.0\r\n  $description=Part one%%;two \r\n$author=A;B\r\n$LONGDESC=x%%=y\r\n$fileformat=Crypted\r\n' >head.vcb
printf 'status: 1\nversion: 1.0\ncopyright: \nlongdesc: x=y\ndescription: Part one;two\nauthor: A\ncrypted: 1\nutf-8: 0\n' >head.out
expect "header" 0 head.out header head.vcb
printf 'status: 1\nversion: \ncopyright: \nlongdesc: \ndescription: \nauthor: \ncrypted: 0\nutf-8: 1\n' >nohead.out
expect "header of a plain word file" 0 nohead.out header plain.words

# UTF-8: the words in the code page, each line the code page cannot hold named on standard error; the
# header read as UTF-8 too.
printf '$description=Mots fran\303\247ais\r\n\303\251t\303\251\r\n\305\202\303\263d\305\272\r\nc\305\223ur\r\n\316\261\r\n' >utf8.vcb
printf '\303\251t\303\251\nc\305\223ur\n' >utf8.words
expect "words UTF-8" 0 utf8.words words utf8.vcb
[ "$(wc -l <err)" -eq 2 ] || fail "words UTF-8: wanted two skipped lines on standard error: $(cat err)"
grep -qF "line 3: \"$(printf '\305\202\303\263d\305\272')\"" err || fail "words UTF-8: line 3 not named: $(cat err)"
grep -q 'line 5: ' err || fail "words UTF-8: line 5 not named: $(cat err)"
printf 'status: 1\nversion: \ncopyright: \nlongdesc: \ndescription: Mots fran\303\247ais\nauthor: \ncrypted: 0\nutf-8: 1\n' >utf8.out
expect "header UTF-8" 0 utf8.out header utf8.vcb
printf '\357\273\277$version=2\r\nzoo\r\n' >bom.vcb
printf 'zoo\n' >bom.words
expect "words after a byte-order mark" 0 bom.words words bom.vcb
# UTF-16 with its byte-order mark, as some editors save "Unicode"
printf '\377\376c\000a\000f\000\351\000\r\000\n\000o\000x\000' >utf16.vcb
printf 'caf\303\251\nox\n' >utf16.words
expect "words UTF-16" 0 utf16.words words utf16.vcb
# UTF-16 LE without a byte-order mark, as some tools write it: every word, not the first alone; and
# the line whose text a NUL empties is named.
printf 'a\000p\000p\000l\000e\000\r\000\n\000c\000a\000f\000\351\000\r\000\n\000o\000x\000' >bare16.vcb
printf 'apple\ncaf\303\251\nox\n' >bare16.words
expect "words UTF-16 without a mark" 0 bare16.words words bare16.vcb
printf 'cat\r\n\000dog\r\nowl\r\n' >nulfirst.vcb
printf 'cat\nowl\n' >nulfirst.words
expect "words line starting with a NUL" 0 nulfirst.words words nulfirst.vcb
[ "$(cat err)" = "keyvane-files: nulfirst.vcb: line 2: a NUL byte before any character, skipped" ] ||
    fail "words line starting with a NUL: not named: $(cat err)"

# make-vocabulary: mixed line ends in, CR LF and Windows-1252 out; the header in its fixed order
printf 'apple\r\nbanana split\ncaf\303\251\rlast' >list.txt
printf '$version=3\r\n$copyright=(c) us\r\n$description=Fruit%%; and more\r\n$author=Team %%= all\r\napple\r\nbanana split\r\ncaf\351\r\nlast\r\n' >plain.expected
expect "make plain" 0 empty make-vocabulary --author 'Team = all' --description 'Fruit; and more' \
    --copyright '(c) us' --version 3 list.txt made.vcb
cmp -s made.vcb plain.expected || fail "make plain: bytes differ: $(od -c made.vcb | head -8)"

printf '$fileformat=crypted\r\n\326\307\307\333\322\r\n\325\326\331\326\331\326\227\304\307\333\336\303\r\n\324\326\321\136\r\n\333\326\304\303\r\n' >scrambled.expected
expect "make scrambled" 0 empty make-vocabulary --scrambled list.txt made-s.vcb
cmp -s made-s.vcb scrambled.expected || fail "make scrambled: bytes differ: $(od -c made-s.vcb | head -8)"
printf 'apple\nbanana split\ncaf\303\251\nlast\n' >list.words
expect "words of made scrambled" 0 list.words words made-s.vcb

# Lines that cannot be stored are named and left out; the words that fit are written, and a count ends
# the report.
printf '  $price\r\nok\n%255s\nfine\n\346\227\245\n\377x\n$later\n' x >mixed.txt
printf 'ok\r\nfine\r\n$later\r\n' >mixed.expected
expect "make leaves lines out" 0 empty make-vocabulary mixed.txt mixed.vcb
cmp -s mixed.vcb mixed.expected || fail "make leaves lines out: bytes differ: $(od -c mixed.vcb | head -5)"
for text in 'line 1: starts with "\$"' 'line 3: longer than 254' "line 5: \"$(printf '\346\227\245')\"" \
    'line 6: not valid UTF-8' 'mixed.vcb: 3 words, 4 lines left out'; do
    grep -q -- "$text" err || fail "make leaves lines out: '$text' not said: $(cat err)"
done
[ "$(wc -l <err)" -eq 5 ] || fail "make leaves lines out: wanted five lines on standard error: $(cat err)"

# Without a word to write, nothing is written.
printf '  $price\r\n' >dollar.txt
printf 'mid\302\267dot\n' >dot.txt
for args in "dollar.txt bad.vcb" "--scrambled dot.txt bad.vcb"; do
    # shellcheck disable=SC2086
    "$tool" make-vocabulary $args >out 2>err
    [ $? -eq 1 ] || fail "make $args: wanted exit status 1"
    grep -q 'not written, no word' err || fail "make $args: $(cat err)"
done
[ -e bad.vcb ] && fail "a list without a word left bad.vcb"
expect "make middle dot plain" 0 empty make-vocabulary dot.txt dot.vcb

# The list from standard input, or in UTF-16; devices and pipes are refused at once.
(printf 'a\n'; sleep 0.2; printf 'b\n') | "$tool" make-vocabulary - stdin.vcb 2>err ||
    fail "make from standard input: $(cat err)"
printf 'a\r\nb\r\n' >ab.expected
cmp -s stdin.vcb ab.expected || fail "make from standard input: bytes differ"
printf '\376\377\000a\000\n\000b' >list16.txt
expect "make UTF-16 list" 0 empty make-vocabulary list16.txt list16.vcb
cmp -s list16.vcb ab.expected || fail "make UTF-16 list: bytes differ"
printf 'a\000\n\000b\000' >bare16.txt
expect "make UTF-16 list without a mark" 0 empty make-vocabulary bare16.txt bare16-made.vcb
cmp -s bare16-made.vcb ab.expected || fail "make UTF-16 list without a mark: bytes differ"

# The output is exactly the name given: a file whose name differs only in case is left alone, and the
# player hears that the games will list both.
printf 'lion\r\n' >animals.vcb
cp animals.vcb animals.before
expect "make onto a name differing in case" 0 empty make-vocabulary list16.txt Animals.vcb
cmp -s animals.vcb animals.before || fail "make onto a name differing in case: animals.vcb was replaced"
cmp -s Animals.vcb ab.expected || fail "make onto a name differing in case: Animals.vcb differs"
grep -q 'Animals.vcb: the folder also holds animals.vcb' err || fail "make onto a name differing in case: $(cat err)"
mkdir words
refuse "make into a folder named in another case" 1 "Words/new.vcb: cannot be created" \
    make-vocabulary list16.txt Words/new.vcb
[ -e words/new.vcb ] && fail "make into a folder named in another case: wrote words/new.vcb"
mkfifo pipe
refuse "make from the zero device" 1 "not a regular file" make-vocabulary /dev/zero zero.vcb
refuse "make from a pipe" 1 "not a regular file" make-vocabulary pipe pipe.vcb
head -c 17000000 /dev/zero | "$tool" make-vocabulary - zero.vcb 2>err
[ $? -eq 1 ] && grep -q 'standard input: larger than 16 MiB' err || fail "make from an endless input: $(cat err)"
# More words than a game starts with at once: nothing is written.
seq 250001 | "$tool" make-vocabulary - many.vcb 2>err
[ $? -eq 1 ] && grep -q 'many.vcb: not written, 250001 words are more than the 250000' err && [ ! -e many.vcb ] ||
    fail "make from too many words: $(cat err)"
seq 250000 | "$tool" make-vocabulary - enough.vcb 2>err || fail "make from 250000 words: $(cat err)"

refuse "words missing" 1 "missing.vcb" words missing.vcb
refuse "make missing input" 1 "missing.txt" make-vocabulary missing.txt out.vcb
refuse "no command" 2 "usage" 
refuse "unknown command" 2 "usage" ranks x.kvt
refuse "words two files" 2 "usage" words a b
refuse "make one file" 2 "usage" make-vocabulary list.txt
refuse "make option without value" 2 "usage" make-vocabulary list.txt out.vcb --author
refuse "make unknown option" 2 "usage" make-vocabulary --crypted list.txt out.vcb
refuse "history with an argument" 2 "^usage: keyvane-files history$" history x

refuse "progress --days without a number" 2 "number of days" progress --days x

# --version, and a usage that names every command, option and column.
"$tool" --version >out 2>err && grep -Eqx 'keyvane-files [0-9]+\.[0-9]+' out && [ ! -s err ] ||
    fail "--version: $(cat out err)"
"$tool" --help >out 2>err || fail "--help: status $?"
for text in words header make-vocabulary --scrambled --copyright 'scores FILE' 'progress \[--days N\]' \
    'error rate' 'ms per right keystroke' 'typed instead' 'history' 'keystrokes, errors, level' --version; do
    grep -q -- "$text" out || fail "--help does not name '$text'"
done

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all keyvane-files checks passed"
