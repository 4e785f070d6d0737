#!/bin/bash
# The edit-scheme dialog opened from the settings and used by the keyboard:
# edited values reach the registry through both OKs, a point density or
# minimum scaling that would be written as 0.000000 is refused on the spot,
# and the smallest value that is written as more than 0 survives a restart.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kBuiltIn=13
readonly kCrystal=3 # list position among the built-in schemes
readonly kDensityError="'Point density' contains an invalid value.
It must be more than 0."
readonly kScalingError="'Minimum IFS scaling' contains an invalid value.
It must be at more than 0."

# Selects list item $1 by typing the rest of the arguments (the list's
# type-ahead), then opens the editor on it and waits for the focus on the name.
open_editor() {
  local index=$1
  shift
  keys "$@"
  await_probe "item $index selected" "$index" lbsel "$kSettingsTitle" sheet:100 || return 1
  keys alt+e
  probe wait "$kEditTitle" >/dev/null || { fail "the editor did not open"; return 1; }
  activate_window "$kEditTitle"
  await_probe "the editor opens with the focus on the name" "101 Edit" focus "$kEditTitle"
}

# The n-th field of a stored scheme text.
stored_field() { stored_scheme "$1" | cut -d, -f"$2"; }

# Edited values reach the registry through both OKs.
forget_configuration
if start_settings && open_editor $kCrystal C r y; then
  keys alt+d 1 7
  keys ctrl+Tab
  await_probe "Ctrl+Tab shows Drawing" "4 1" tab "$kEditTitle"
  keys alt+p 1 period 2 5 Return
  probe gone "$kEditTitle" >/dev/null || fail "OK left the editor open"
  activate_window "$kSettingsTitle"
  await_probe "the list keeps Crystal selected" $kCrystal lbsel "$kSettingsTitle" sheet:100
  keys Return
  expect_settings_end "edit, OK, OK"
  [ "$(stored_field Crystal 5)" = 17 ] || fail "delay stored as '$(stored_field Crystal 5)'"
  [ "$(stored_field Crystal 4)" = 1.250000 ] ||
    fail "point density stored as '$(stored_field Crystal 4)'"
  echo "ok: the edited delay and point density are stored"
fi

# Values written as 0.000000 are refused with the "more than 0" messages,
# the field in front with the focus; Cancel twice writes nothing.
forget_configuration
if start_settings && open_editor $kCrystal C r y; then
  keys ctrl+Tab alt+p 0 period 0 0 0 0 0 0 4 Return
  await_probe "a density written as zero is refused" "$kDensityError" msgbox Error
  keys Return
  probe gone Error >/dev/null || fail "the error box stayed open"
  await_probe "the focus is back on the density" "107 Edit" focus "$kEditTitle"
  keys 5 alt+i 0 period 0 0 0 0 0 0 1 Return
  await_probe "a scaling written as zero is refused" "$kScalingError" msgbox Error
  keys Return
  await_probe "the focus is back on the minimum scaling" "109 Edit" focus "$kEditTitle"
  keys Escape
  probe gone "$kEditTitle" >/dev/null || fail "Escape left the editor open"
  activate_window "$kSettingsTitle"
  keys Escape
  expect_settings_end "refused values, Cancel, Cancel"
  [ -z "$(reg_value_names "$kSchemesKey")" ] || fail "Cancel after refused values wrote schemes"
  echo "ok: values written as zero are refused"
fi

# The smallest density written as more than 0 is kept, and the scheme is
# still there at the next start.
forget_configuration
if start_settings && open_editor $kCrystal C r y; then
  keys ctrl+Tab alt+p 0 period 0 0 0 0 0 0 6 Return
  probe gone "$kEditTitle" >/dev/null || fail "the editor refused 0.0000006"
  activate_window "$kSettingsTitle"
  keys Return
  expect_settings_end "tiny density, OK, OK"
  [ "$(stored_field Crystal 4)" = 0.000001 ] ||
    fail "tiny density stored as '$(stored_field Crystal 4)'"
  echo "ok: the smallest density written as more than 0 is stored"
fi
if start_settings; then
  expect_probe "the next start lists every scheme" $kBuiltIn lbcount "$kSettingsTitle" sheet:100
  if open_editor $kCrystal C r y; then
    keys ctrl+Tab
    await_probe "Crystal reads back its density" 0.000001 text "$kEditTitle" sheet:107
    keys Escape
    probe gone "$kEditTitle" >/dev/null
  fi
  activate_window "$kSettingsTitle"
  keys Escape
  expect_settings_end "restart after a tiny density"
fi

# A templated scheme: its note shows, and only its own fields are offered.
forget_configuration
if start_settings && open_editor 0 A u; then
  expect_probe "Autumn shows the templated note" 1 visible "$kEditTitle" sheet:115
  expect_probe "its group sizes are not offered" 0 enabled "$kEditTitle" sheet:107
  keys alt+d 9 Return
  probe gone "$kEditTitle" >/dev/null || fail "OK left the templated editor open"
  activate_window "$kSettingsTitle"
  keys Return
  expect_settings_end "templated, OK, OK"
  [ "$(stored_scheme Autumn)" = "11,1,15,2.000000,9,Experimental,Autumn" ] ||
    fail "Autumn stored as '$(stored_scheme Autumn)'"
  echo "ok: a templated scheme stores its own fields"
fi

# Test draws the scheme as edited, full screen; a key brings the editor back
# with the focus on Test, and nothing of the run is kept. An invalid value
# shows its error and starts nothing.
readonly kSolid=10
readonly kMinLitPixels=20000
forget_configuration
if start_settings && open_editor $kSolid S o; then
  keys ctrl+Tab alt+n 1 1 alt+t
  await_probe "an invalid centring is refused" "'Centring' contains an invalid value.
It must be 10 or less." msgbox Error
  keys Return
  await_probe "the focus is back on the centring" "113 Edit" focus "$kEditTitle"
  # A run would cover the editor and disable it, its owner, while it lasts.
  expect_probe "no run started: the editor is enabled" 1 enabled "$kEditTitle" .
  expect_probe "no run started: the editor is in front" "$kEditTitle" foreground
  keys 0 alt+t
  # Past the grace period, so that a key ends the run.
  wait_past_grace
  lit=$(await_drawing "$kArtefacts/editscheme-test-run.png" "$kMinLitPixels") ||
    fail "the test run lit only $lit pixels"
  expect_probe "the editor is disabled during the run" 0 enabled "$kEditTitle" .
  keys a
  await_probe "the editor is enabled again" 1 enabled "$kEditTitle" .
  await_probe "the editor is in front again" "$kEditTitle" foreground
  await_probe "the focus is back on Test" "101 Button" focus "$kEditTitle"
  expect_probe "the edited value is still shown" 0 text "$kEditTitle" sheet:113
  keys Escape
  probe gone "$kEditTitle" >/dev/null || fail "Escape left the editor open"
  activate_window "$kSettingsTitle"
  keys Return
  expect_settings_end "test run, Cancel, OK"
  [ "$(stored_field Solid 30)" = 0.800000 ] ||
    fail "the tested centring was kept: '$(stored_field Solid 30)'"
  echo "ok: Test draws the edited scheme and keeps nothing ($lit lit pixels)"
fi

finish_checks
