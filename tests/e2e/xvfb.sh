# shellcheck shell=bash
# Sourced by every script that starts a virtual X display (tests/e2e/x_display.sh for the checks,
# scripts/soak, scripts/measure). The script that sources it has defined `work` (its scratch folder),
# the array `pids` (processes it kills when it ends) and `fail MESSAGE`.

# start_display GEOMETRY: starts Xvfb on a display number it finds free itself (-displayfd: the
# server takes the first number nobody holds and writes it once it accepts connections), sets
# `x_display` to that display (":N") and checks that it answers. A check never guesses a number, so
# it cannot end up driving a server another check or user started. -noreset keeps the server up when
# its last client leaves, so the next start of the program finds it.
start_display() {
  local number log pid
  # shellcheck disable=SC2154 # work is the scratch folder of the sourcing script
  number=$(mktemp "$work/display.XXXXXX")
  log="$number.log"
  Xvfb -displayfd 3 -screen 0 "$1" -noreset -nolisten tcp 3>"$number" >"$log" 2>&1 &
  pid=$!
  pids+=("$pid")
  for _ in $(seq 100); do
    if [ "$(wc -l <"$number")" -ge 1 ]; then
      x_display=":$(head -n1 "$number")"
      DISPLAY="$x_display" xdpyinfo >/dev/null 2>&1 && return 0
      fail "Xvfb $x_display does not answer: $(cat "$log")"
    fi
    kill -0 "$pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$log")"
    sleep 0.1
  done
  fail "Xvfb did not start within 10 s: $(cat "$log")"
}
