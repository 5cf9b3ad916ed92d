#!/usr/bin/env bash
# The game spoken through the real speech service: a speech-dispatcher of the check's own, whose
# output module writes each text it is given, with the time in ms, to a file instead of a voice.
# The program is started with its speech turned on by the speech key (F2), plays one Bubbles game to
# its end and the top ten, and ends with Ctrl+Q. The check prints the texts in the order the service
# got them, each with its delay after the program said it (a bubble's character is said as the
# bubble appears), and fails when one is missing or the median delay of the characters is 300 ms or
# more. Usage: speech_check.sh BIN_DIR.
set -euo pipefail
bin="$1"
# shellcheck source=tests/e2e/x_display.sh
source "$(dirname "$0")/x_display.sh"
# shellcheck source=tests/e2e/speech_service.sh
source "$(dirname "$0")/speech_service.sh"

cp -r "$bin" "$work/prog"
rm -f "$work"/prog/*.kvt "$work/prog/Errors.log"
mkdir -p "$work/home" "$work/state" "$work/config" "$work/data" "$work/cache" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_DIRS="$work/config" QT_QPA_PLATFORM=xcb
# No session bus: the program finds no screen reader, so only the speech key turns its speech on.
unset DBUS_SESSION_BUS_ADDRESS

start_speech_service

start_display 1280x1024x24
d=$x_display
QT_LOGGING_RULES="keyvane.speech.debug=true" DISPLAY=$d "$work/prog/keyvane-games" >"$work/run.log" 2>&1 &
prog=$!
pids+=("$prog")
win=$(find_window "$d") || fail "no window: $(cat "$work/run.log")"
DISPLAY=$d xdotool windowfocus --sync "$win"
sleep 1
key() { DISPLAY=$d xdotool key --delay 60 "$@"; sleep 0.3; }
key F2
key alt+s
sleep 1
key x
# Nobody pops a bubble: the game ends when six have been missed.
for _ in $(seq 240); do grep -q "Press Enter to continue" "$work/spoken.txt" 2>/dev/null && break; sleep 0.5; done
grep -q "Press Enter to continue" "$work/spoken.txt" || fail "no end of the game was spoken: $(cat "$work/spoken.txt" 2>/dev/null)"
key Return
sleep 1
key ctrl+q
status=0
wait_exit "$prog" || status=$?
[ "$status" = 0 ] || fail "Ctrl+Q: status $status"

# Each text the service got, paired in order with the program's "say" line of the same text.
sed -n 's/^keyvane\.speech: say \([0-9]*\) \(.*\)$/\1\t\2/p' "$work/run.log" >"$work/said.txt"
[ -s "$work/said.txt" ] || fail "the program said nothing: $(cat "$work/run.log")"
python3 - "$work/spoken.txt" "$work/said.txt" <<'PY' || fail "the texts were not spoken in time"
import statistics, sys
said = [l.rstrip("\n").split("\t", 1) for l in open(sys.argv[2], encoding="utf-8") if "\t" in l]
heard = [l.rstrip("\n").split("\t", 1) for l in open(sys.argv[1], encoding="utf-8") if "\t" in l]
pending = list(said)
chars = []
print("delay ms  text")
for t, text in heard:
    match = next((p for p in pending if p[1] == text), None)
    if match is None:
        print(f"    ?     {text}")
        continue
    pending.remove(match)
    delay = int(t) - int(match[0])
    if len(text) == 1:
        chars.append(delay)
    print(f"{delay:8d}  {text}")
expected = ["Speech on.", "Bubbles. Press any key to begin.", "Game over.", "Press Enter to continue.", "Your score: 0."]
texts = [h[1] for h in heard]
missing = [e for e in expected if e not in texts]
order = [texts.index(e) for e in expected if e in texts]
if missing or order != sorted(order):
    print(f"missing or out of order: {missing}", file=sys.stderr)
    sys.exit(1)
if not chars:
    print("no bubble's character was spoken", file=sys.stderr)
    sys.exit(1)
median = statistics.median(chars)
print(f"characters: {len(chars)}, delay median {median:.0f} ms, max {max(chars)} ms")
sys.exit(0 if median < 300 else 1)
PY
echo "speech check: 1 passed, 0 failed"
