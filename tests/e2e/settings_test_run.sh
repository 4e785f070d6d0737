#!/bin/bash
# Test runs the selected scheme full screen, even a scheme switched off, and
# on a key hands the keyboard back to the settings as they were.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kMinLitPixels=20000
# Past the saver's grace period, so a key ends it.

# Judges a test run now on screen: the settings covered, the screen drawn.
# $1: what, $2: the settings' rectangle, $3: the dialog's face colour.
check_test_run() {
  local what=$1 shot=$kArtefacts/settings-test-$2.png face=$4
  local rect
  read -r -a rect <<<"$3"
  local area="${rect[2]}x${rect[3]}+${rect[0]}+${rect[1]}"
  local face_pixels lit
  # Past the grace period, so that the key after this ends the run.
  wait_past_grace
  lit=$(await_drawing "$shot" "$kMinLitPixels") || fail "$what: only $lit lit pixels"
  face_pixels=$(count_colour "$shot" "$face" "$area")
  [ "$face_pixels" -lt $((rect[2] * rect[3] / 100)) ] ||
    fail "$what: the settings still show ($face_pixels pixels of their face colour)"
  expect_probe "$what: the settings are disabled meanwhile" 0 enabled "$kSettingsTitle" .
  echo "ok: $what draws ($lit lit pixels)"
}

forget_configuration
if start_settings; then
  # Type-ahead to Solid, then switch it off.
  keys S o
  await_probe "typing selects Solid" 10 lbsel "$kSettingsTitle" sheet:100
  click_scheme_box 10
  await_probe "Solid switched off" 0 lbchecked "$kSettingsTitle" sheet:100 10
  settings_rect=$(window_rect "$kSettingsTitle")
  read -r left top _ height <<<"$settings_rect"
  face="#$(probe pixel $((left + 4)) $((top + height - 4)))"

  keys alt+t
  check_test_run "Test by its letter" keyboard "$settings_rect" "$face"
  keys a
  await_probe "the settings are enabled again" 1 enabled "$kSettingsTitle" .
  await_probe "the settings are in front again" "$kSettingsTitle" foreground
  await_probe "the focus is back on the Test button" "102 Button" focus "$kSettingsTitle"

  click_control "$kSettingsTitle" sheet:102
  check_test_run "Test by a click" mouse "$settings_rect" "$face"
  keys b
  await_probe "the settings are back after the second run" "$kSettingsTitle" foreground
  await_probe "the focus is on the Test button" "102 Button" focus "$kSettingsTitle"
  expect_probe "Solid is still off" 0 lbchecked "$kSettingsTitle" sheet:100 10

  click_ok
  expect_settings_end "OK after testing"
  [ "$(stored_enabled Solid)" = 0 ] || fail "testing switched Solid on for good"
fi

forget_configuration
finish_checks
