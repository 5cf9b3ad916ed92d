# shellcheck shell=bash
# Shared by the checks of the real program: their scratch folder (which holds their home too, see
# scratch_home.sh), the processes they start, their failure, and a virtual X display with the
# program's window on it. Sourced at the start of a check:
# it sets `work` (a new scratch folder, removed when the check ends), the array `pids` (processes the
# check started, killed when it ends) and `fail`. A check with more to undo at the end defines
# `on_exit`, which runs after those processes are killed and before the folder goes.

work=$(mktemp -d)
# shellcheck source=tests/e2e/scratch_home.sh
source "$(dirname "${BASH_SOURCE[0]}")/scratch_home.sh"
scratch_home "$work/outside"
pids=()
fail() { echo "FAIL: $*" >&2; exit 1; }
end_check() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  if declare -F on_exit >/dev/null; then on_exit; fi
  rm -rf "$work"
}
trap end_check EXIT

# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# find_window DISPLAY [NAME]: prints the id of the first visible window titled NAME (the book window
# by default) once it is mapped; fails after 15 s.
find_window() {
  local id name="Keyvane's Games!"
  [ -z "${2:-}" ] || name=$2
  for _ in $(seq 150); do
    id=$(DISPLAY="$1" xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# wait_exit PID: returns the program's exit status; fails when it has not ended within 10 s.
wait_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1" && return 0 || return $?
    fi
    sleep 0.1
  done
  kill "$1"
  fail "the program did not end"
}
