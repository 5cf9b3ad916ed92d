# shellcheck shell=bash disable=SC2154
# A speech-dispatcher of a check's own, sourced after x_display.sh (it uses `work`, `pids` and `fail`).
# start_speech_service: starts it on a socket in the scratch folder and exports SPEECHD_ADDRESS. Its
# generic output module writes each text it is given, whole, with the time in ms, as "MS<tab>TEXT"
# lines to $work/spoken.txt instead of speaking it; audio goes to ALSA's null device.
start_speech_service() {
  mkdir -p "$work/sd/modules" "$work/sd-log"
  cat >"$work/sd/speechd.conf" <<CONF
LogLevel 3
LogDir "$work/sd-log"
DefaultLanguage "en"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
CONF
  cat >"$work/sd/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\t%s\\\\n' \"\$(date +%s%3N)\" \\'\$DATA\\' >>$work/spoken.txt"
GenericDelimiters "|"
AddVoice "en" "MALE1" "recorder"
GenericLanguage "en" "en" "utf-8"
CONF
  speech-dispatcher -s -t 0 -C "$work/sd" -c unix_socket -S "$work/speechd.sock" -P "$work/speechd.pid" \
    -L "$work/sd-log" >"$work/speechd.out" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -S "$work/speechd.sock" ] && break; sleep 0.1; done
  [ -S "$work/speechd.sock" ] || fail "speech-dispatcher did not start: $(cat "$work/speechd.out")"
  export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
}
