#!/bin/bash
# Time a keystroke takes in the settings' folder field when the field holds
# 65,535 characters, its limit: 100 characters (VORLUNDA_TYPED) typed at the
# end, timed until the field holds them all, less the time one look at the
# field takes. Run inside a build's Wine environment on its display, as the
# end-to-end tests are:
#   build/win64/wine-run --env env VORLUNDA_SCR=build/win64/Vorlunda.scr \
#     VORLUNDA_PROBE=build/win64/probe.exe WINE=build/win64/wine-run \
#     bash bench/keystroke_latency.sh
set -u
set -o pipefail
# shellcheck source=../tests/e2e/support/saver.sh
source "$(dirname "$0")/../tests/e2e/support/saver.sh"
# shellcheck source=../tests/e2e/support/dialog.sh
source "$(dirname "$0")/../tests/e2e/support/dialog.sh"

# Another length (VORLUNDA_FIELD_LENGTH) gives the time of typing as such.
readonly kFieldLength=${VORLUNDA_FIELD_LENGTH:-65535}
readonly kTyped=${VORLUNDA_TYPED:-100}

field_length() {
  local text
  text=$(probe text "$kSettingsTitle" sheet:101) || return 1
  echo "${#text}"
}

folder=$(printf "%*s" $((kFieldLength - kTyped - 3)) '' | tr ' ' d)
file=$kArtefacts/long-folder.reg
printf 'REGEDIT4\r\n\r\n[%s]\r\n"ScreenShotDirectory"="%s"\r\n' \
  "${kSaverKey/HKCU/HKEY_CURRENT_USER}" "C:\\\\$folder" >"$file"
# The built-in schemes as well: without any the dialog starts from defaults.
forget_configuration
store_configuration HighestVersion=12
"$WINE" regedit /s "$(winepath_of "$file")" >/dev/null 2>&1

opened=$(date +%s%N)
start_settings || exit 1
echo "settings open after $(( ($(date +%s%N) - opened) / 1000000 )) ms"
keys ctrl+Tab
await_probe "the General sheet" "3 1" tab "$kSettingsTitle" || exit 1
click_control "$kSettingsTitle" sheet:101
keys End
looked=$(date +%s%N)
before=$(field_length) || exit 1
look=$(( ($(date +%s%N) - looked) / 1000000 ))
started=$(date +%s%N)
xdotool type --delay 0 "$(printf '%*s' "$kTyped" '' | tr ' ' x)"
# Slow fields took seconds a keystroke; ten minutes is where this gives up.
deadline=$(( $(date +%s) + 600 ))
until [ "$(field_length)" -ge $((before + kTyped)) ]; do
  [ "$(date +%s)" -lt "$deadline" ] || { fail "the field never took the keystrokes"; break; }
  sleep 0.5 # seldom, so looking does not slow the typing
done
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
echo "$kTyped keystrokes at $before characters: $elapsed ms, $look ms of it one look at the field"
echo "about $(( (elapsed - look) * 1000 / kTyped )) us a keystroke"
keys Escape
expect_settings_end "Cancel"
forget_configuration
finish_checks
