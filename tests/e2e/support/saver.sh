# shellcheck shell=bash
# Shared by the scripts that drive the full-screen saver like a person would:
# start it, wait for it, judge screenshots, and set up its configuration.
# Sourced first by every script; expects VORLUNDA_SCR, WINE and DISPLAY.

# A pipe's status is that of its first failing command, so a helper ending
# in a filter still reports the failure of what it ran.
set -o pipefail

: "${VORLUNDA_SCR:?path of the built Vorlunda.scr}"
: "${WINE:?wrapper that runs a Windows program}"
: "${DISPLAY:?display the saver runs on}"

readonly kArtefacts=${VORLUNDA_TEST_TMP:-/tmp}/saver-artefacts
readonly kSaverKey='HKCU\Control Panel\Screen Saver.Vorlunda'
readonly kDesktopKey='HKCU\Control Panel\Desktop'
mkdir -p "$kArtefacts"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Every script ends through here, so its exit code is the verdict.
finish_checks() {
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  exit 0
}

# How long a wait for a window, a text or a process lasts before it fails.
readonly kWaitSeconds=${VORLUNDA_WAIT_SECONDS:-10}

# Polls for up to kWaitSeconds.
wait_for() {
  for _ in $(seq $((kWaitSeconds * 20))); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

saver_window_open() { xdotool search --onlyvisible --classname vorlunda.scr >/dev/null 2>&1; }

saver_pid=
start_saver() {
  "$WINE" "$VORLUNDA_SCR" /s </dev/null >/dev/null 2>&1 &
  saver_pid=$!
  wait_for saver_window_open && return 0
  fail "no saver window appeared"
  return 1
}

# Ends a saver a check has given up on: a key, then force.
stop_saver() {
  xdotool key Escape
  wait_for saver_gone || kill "$saver_pid" 2>/dev/null
  wait "$saver_pid" 2>/dev/null
}

# The grace period (666 ms from the saver's start) is a span of time, so it
# is the one thing waited for by the clock: input before it is ignored.
readonly kPastGraceSeconds=1
wait_past_grace() { sleep "$kPastGraceSeconds"; }

# Wine names no X window when it manages none, so the save dialog is known
# as the window that appears after F1 and takes the keyboard focus.
viewable_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
shot_key_opens_dialog() {
  local windows_before focus_before
  windows_before=$(viewable_windows)
  focus_before=$(xdotool getwindowfocus 2>/dev/null)
  xdotool key F1
  save_dialog_open() {
    [ "$(viewable_windows)" -gt "$windows_before" ] &&
      [ "$(xdotool getwindowfocus 2>/dev/null)" != "$focus_before" ]
  }
  # Typing goes to the dialog only once it has set up its fields, which the
  # screen shows when it stands still.
  wait_for save_dialog_open && await_still
}

# Waits up to $1 seconds for the window to go and the process to exit 0. A
# window search can miss a window that is there while another (the file
# dialog) is being destroyed, so the window counts as gone once two searches
# in a row miss it, or once the process has ended.
saver_gone() {
  kill -0 "$saver_pid" 2>/dev/null || return 0
  saver_window_open && return 1
  sleep 0.05
  ! saver_window_open
}

expect_end() {
  local limit=$1 what=$2
  for _ in $(seq $((limit * 20))); do
    saver_gone && break
    sleep 0.05
  done
  if ! saver_gone; then
    fail "$what: saver still running after ${limit}s"
    stop_saver
    return
  fi
  wait "$saver_pid"
  local code=$?
  [ "$code" -eq 0 ] || fail "$what: exit code $code"
  echo "ok: $what"
}

lit_pixels() {
  convert "$1" -colorspace gray -threshold 1% -format "%[fx:int(mean*w*h)]" info:
}

# Shoots the screen into $1 until a shot has at least $2 lit pixels, for up
# to $3 seconds (default 30); prints the last count.
await_drawing() {
  local shot=$1 least=$2 end=$((SECONDS + ${3:-30})) lit
  while :; do
    import -window root "$shot"
    lit=$(lit_pixels "$shot")
    [ "$lit" -ge "$least" ] && { echo "$lit"; return 0; }
    [ "$SECONDS" -ge "$end" ] && { echo "$lit"; return 1; }
    sleep 0.2
  done
}

same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# Waits until two screen shots in a row agree: every window painted and
# nothing drawing.
await_still() {
  local before=$kArtefacts/still-before.png now=$kArtefacts/still-now.png
  import -window root "$now"
  for _ in $(seq $((kWaitSeconds * 4))); do
    mv -f "$now" "$before"
    import -window root "$now"
    same_picture "$before" "$now" && return 0
  done
  return 1
}

# Shoots the screen into $2 until it differs from $1, for up to $3 seconds
# (default 30); prints how many pixels differ.
await_change() {
  local before=$1 shot=$2 end=$((SECONDS + ${3:-30})) differ
  while :; do
    import -window root "$shot"
    differ=$(compare -metric AE "$before" "$shot" null: 2>&1)
    differ=${differ%% *}
    [ "$differ" != 0 ] && { echo "$differ"; return 0; }
    [ "$SECONDS" -ge "$end" ] && { echo 0; return 1; }
    sleep 0.2
  done
}

# Pixels of exactly colour $2 (#RRGGBB) in area $3 (WxH+X+Y) of image $1.
count_colour() {
  convert "$1" -crop "$3" +repage txt:- | grep -ci " $2 " || true
}

# The built-in schemes and the general values given as name=dword pairs, as
# the settings dialog would store them; removed again by forget_configuration.
store_configuration() {
  local file=$kArtefacts/configuration.reg pair
  {
    printf 'REGEDIT4\r\n\r\n[%s]\r\n' "${kSaverKey/HKCU/HKEY_CURRENT_USER}"
    for pair in "$@"; do
      printf '"%s"=dword:%08x\r\n' "${pair%%=*}" "${pair#*=}"
    done
    printf '\r\n[%s\\Schemes]\r\n' "${kSaverKey/HKCU/HKEY_CURRENT_USER}"
    "$WINE" "$VORLUNDA_RENDER" --defaults --list </dev/null 2>/dev/null | tr -d '\r' |
      while IFS=$'\t' read -r name text; do printf '"%s"="%s"\r\n' "$name" "$text"; done
  } >"$file"
  "$WINE" regedit /s "$(winepath_of "$file")" >/dev/null 2>&1
}

forget_configuration() { "$WINE" reg delete "$kSaverKey" /f >/dev/null 2>&1; }

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

# Wine reads the screen's resolution when a program starts: set_dpi N holds
# for the programs started after it, and restore_dpi (for the script's exit
# trap) puts back what the prefix had before the first set_dpi.
dpi_before=none
set_dpi() {
  if [ "$dpi_before" = none ]; then
    dpi_before=$("$WINE" reg query "$kDesktopKey" /v LogPixels </dev/null 2>/dev/null |
      tr -d '\r' | awk '/LogPixels/ { print $3 }')
  fi
  "$WINE" reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}
restore_dpi() {
  [ "$dpi_before" = none ] && return 0
  if [ -n "$dpi_before" ]; then
    "$WINE" reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d "$((dpi_before))" /f
  else
    "$WINE" reg delete "$kDesktopKey" /v LogPixels /f
  fi </dev/null >/dev/null 2>&1
}
