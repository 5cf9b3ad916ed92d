# shellcheck shell=sh
# Sourced by every check (sh or bash): `scratch_home DIR` makes DIR the home of everything the check
# starts, with its configuration, data and state folders inside it and an empty list of the
# computer's configuration folders, so that a check neither reads the real user's or the computer's
# settings (a class's score folder named in /etc/xdg, say) nor writes into the real home.
scratch_home() {
  export HOME="$1" XDG_CONFIG_HOME="$1/.config" XDG_DATA_HOME="$1/.local/share" \
    XDG_STATE_HOME="$1/.local/state" XDG_CONFIG_DIRS="$1/.config-dirs"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" "$XDG_CONFIG_DIRS"
}
