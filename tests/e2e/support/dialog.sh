# shellcheck shell=bash
# Shared by the scripts that drive the program's dialogs like a person would:
# start the settings, type and click, and read back what is on screen through
# the probe (tests/win32/probe) and the registry through Wine's reg.
# Builds on saver.sh (its fail, kSaverKey and WINE), which it brings in when
# the script has not; expects VORLUNDA_PROBE besides.

# shellcheck source=saver.sh
declare -F fail >/dev/null || source "$(dirname "${BASH_SOURCE[0]}")/saver.sh"
: "${VORLUNDA_PROBE:?path of the built probe.exe}"

readonly kSettingsTitle='Vorlunda V1.2 Settings'
# shellcheck disable=SC2034 # for the scripts that open the editor
readonly kEditTitle='Edit Scheme'
readonly kSchemesKey="$kSaverKey\\Schemes"

# The probe's answer without Windows line ends, and its exit status: 1 when
# the window or control is not there in time.
probe() {
  local answer status
  answer=$("$WINE" "$VORLUNDA_PROBE" "$@" </dev/null 2>/dev/null)
  status=$?
  [ -z "$answer" ] || printf '%s\n' "${answer//$'\r'/}"
  return "$status"
}

# Checks that a probe answer equals what is expected.
expect_probe() {
  local what=$1 expected=$2
  shift 2
  local actual
  actual=$(probe "$@")
  if [ "$actual" = "$expected" ]; then
    echo "ok: $what"
  else
    fail "$what: expected '$expected', got '$actual'"
  fi
}

# Polls a probe answer until it equals what is expected (kWaitSeconds).
await_probe() {
  local what=$1 expected=$2
  shift 2
  local actual=
  for _ in $(seq $((kWaitSeconds * 4))); do
    actual=$(probe -t 1000 "$@")
    [ "$actual" = "$expected" ] && { echo "ok: $what"; return 0; }
    sleep 0.25
  done
  fail "$what: expected '$expected', last saw '$actual'"
  return 1
}

settings_pid=
# Starts the settings with the given arguments (default /c; --bare for an
# empty command line) and waits for the dialog. A load warning box shows
# before it, so callers that expect one pass --no-wait and see to it first.
start_settings() {
  local wait=1
  [ "${1:-}" = --no-wait ] && { wait=0; shift; }
  [ $# -eq 0 ] && set -- /c
  [ "$1" = --bare ] && shift
  # A dialog left open by an earlier test would be taken for this one.
  if ! "$WINE" "$VORLUNDA_PROBE" -t 5000 gone "$kSettingsTitle" </dev/null >/dev/null 2>&1; then
    fail "a settings dialog of an earlier test is still open"
    return 1
  fi
  "$WINE" "$VORLUNDA_SCR" "$@" </dev/null >/dev/null 2>&1 &
  settings_pid=$!
  [ $wait -eq 1 ] || return 0
  if probe wait "$kSettingsTitle" >/dev/null; then
    activate_window "$kSettingsTitle"
    return 0
  fi
  fail "the settings dialog did not appear"
  return 1
}

# Without a window manager nothing raises a window for the keyboard, so the
# window is raised and given the focus through X directly; when another
# program holds the activation (a help viewer, say), a click on the caption
# takes it back, as a person would.
activate_window() {
  local id rect
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
  [ -n "$id" ] && xdotool windowraise "$id" windowfocus --sync "$id" 2>/dev/null
  [ "$(probe foreground)" = "$1" ] && return 0
  rect=$(probe -t 0 rect "$1") || return 0
  local left top width
  read -r left top width _ <<<"$rect" || return 0
  xdotool mousemove $((left + width / 2)) $((top + 8)) click 1
  return 0
}

# Waits for the settings process to end and checks its exit code.
expect_settings_end() {
  local what=$1
  for _ in $(seq $((kWaitSeconds * 20))); do
    kill -0 "$settings_pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$settings_pid" 2>/dev/null; then
    fail "$what: the settings are still open"
    kill "$settings_pid" 2>/dev/null
    wait "$settings_pid" 2>/dev/null
    return 1
  fi
  wait "$settings_pid"
  local code=$?
  [ "$code" -eq 0 ] || fail "$what: exit code $code"
  return 0
}

# Keys to whatever window has the focus, one after another.
keys() { xdotool key --delay 80 "$@"; }

# Clicks the middle of a control (see the probe's CONTROL forms).
click_control() {
  local rect left top width height
  rect=$(probe rect "$@") || return 1
  read -r left top width height <<<"$rect" || return 1
  xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
}

# Clicks list item $3 of list $2 in window $1, at x offset $4 (default: the
# middle of the item).
click_list_item() {
  local rect left top width height
  rect=$(probe lbrect "$1" "$2" "$3") || return 1
  read -r left top width height <<<"$rect" || return 1
  local x=${4:-$((width / 2))}
  xdotool mousemove $((left + x)) $((top + height / 2)) click 1
}

# The registry: value names under a key, and one value's data.
reg_value_names() {
  "$WINE" reg query "$1" 2>/dev/null | tr -d '\r' |
    sed -n 's/^    \(.*\)    REG_[A-Z_]*    .*$/\1/p; s/^    \(.*\)    REG_[A-Z_]*$/\1/p'
}
reg_value() {
  "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n 's/^    .*    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2/p'
}
reg_key_exists() { "$WINE" reg query "$1" >/dev/null 2>&1; }

# The settings dialog's own buttons, clicked with the mouse.
click_ok() { click_control "$kSettingsTitle" 1; }
click_cancel() { click_control "$kSettingsTitle" 2; }

# Scheme list of the settings, on the Schemes sheet.
scheme_count() { probe lbcount "$kSettingsTitle" sheet:100; }
scheme_selection() { probe lbsel "$kSettingsTitle" sheet:100; }
# Clicks inside the check box of item $1: the box starts 5 pixels in.
click_scheme_box() { click_list_item "$kSettingsTitle" sheet:100 "$1" 10; }

# A scheme's stored text, and whether it is switched on (its second field).
stored_scheme() { reg_value "$kSchemesKey" "$1" | sed 's/^REG_SZ //'; }
stored_enabled() { stored_scheme "$1" | cut -d, -f2; }

# Screen geometry of a window or control as "left top width height".
window_rect() { probe rect "$@"; }
