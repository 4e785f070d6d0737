# Shared by the scripts that drive the full-screen saver like a person would:
# start it, wait for it, judge screenshots, and set up its configuration.
# Sourced; expects VORLUNDA_SCR, WINE and DISPLAY.

: "${VORLUNDA_SCR:?path of the built Vorlunda.scr}"
: "${WINE:?wrapper that runs a Windows program}"
: "${DISPLAY:?display the saver runs on}"

readonly kArtefacts=${VORLUNDA_TEST_TMP:-/tmp}/saver-artefacts
readonly kSaverKey='HKCU\Control Panel\Screen Saver.Vorlunda'
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

# Polls for up to ten seconds.
wait_for() {
  local i
  for i in $(seq 200); do
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

stop_saver() {
  xdotool key Escape
  sleep 1
  saver_window_open && kill "$saver_pid" 2>/dev/null
  wait "$saver_pid" 2>/dev/null
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
  local limit=$1 what=$2 i
  for i in $(seq $((limit * 20))); do
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
