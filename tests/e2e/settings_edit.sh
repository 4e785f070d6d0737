#!/bin/bash
# The settings' way into the edit-scheme dialog: New, Edit and double click,
# what Cancel and OK in the editor leave in the list, and renames as OK
# stores them.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kBuiltIn=13

# Waits for the editor and gives it the keyboard.
open_editor() {
  if probe wait "$kEditTitle" >/dev/null; then
    activate_window "$kEditTitle"
    return 0
  fi
  fail "$1: the editor did not open"
  return 1
}

close_editor() {
  keys "$1"
  probe gone "$kEditTitle" || fail "the editor stayed open after $1"
  activate_window "$kSettingsTitle"
}

# Replaces the name in the editor, whose name field has the focus.
type_name() {
  keys Home shift+End BackSpace
  xdotool type --delay 40 "$1"
}

forget_configuration
if start_settings; then
  keys alt+n
  if open_editor "New"; then
    expect_probe "the editor shows the new name" "New scheme 1" text "$kEditTitle" sheet:101
    await_probe "the list holds the new scheme meanwhile" $((kBuiltIn + 1)) \
      lbcount "$kSettingsTitle" sheet:100
    close_editor Escape
  fi
  await_probe "Cancel in the editor takes the new scheme out" $kBuiltIn \
    lbcount "$kSettingsTitle" sheet:100
  # It stood after Mixture; the next scheme moved into its place.
  expect_probe "the scheme after it is selected" 9 lbsel "$kSettingsTitle" sheet:100

  keys alt+n
  if open_editor "second New"; then
    expect_probe "the name is free again" "New scheme 1" text "$kEditTitle" sheet:101
    close_editor Return
  fi
  await_probe "OK in the editor keeps the new scheme" $((kBuiltIn + 1)) \
    lbcount "$kSettingsTitle" sheet:100
  expect_probe "and selects it" 9 lbsel "$kSettingsTitle" sheet:100

  # A double click on an item edits it.
  read -r left top width height <<<"$(probe lbrect "$kSettingsTitle" sheet:100 3)"
  xdotool mousemove $((left + width / 2)) $((top + height / 2)) click --repeat 2 --delay 80 1
  if open_editor "double click"; then
    expect_probe "the double-clicked scheme is edited" Crystal text "$kEditTitle" sheet:101
    close_editor Escape
  fi
  expect_probe "nothing changed" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "New, OK"
  [ "$(stored_enabled 'New scheme 1')" = 1 ] || fail "the new scheme was not stored switched on"
  [ "$(reg_value_names "$kSchemesKey" | wc -l)" = $((kBuiltIn + 1)) ] ||
    fail "not fourteen schemes stored"
  echo "ok: one new scheme stored"
fi

# A rename moves the scheme to its sorted place; OK deletes the old value.
forget_configuration
store_configuration
autumn=$(stored_scheme Autumn)
ferns=$(stored_scheme Ferns)
if start_settings; then
  keys alt+e
  if open_editor "Edit"; then
    expect_probe "Edit opens the selected scheme" Autumn text "$kEditTitle" sheet:101
    type_name Zebra
    close_editor Return
  fi
  await_probe "the renamed scheme moves to the end" $((kBuiltIn - 1)) \
    lbsel "$kSettingsTitle" sheet:100
  expect_probe "the list keeps its length" $kBuiltIn lbcount "$kSettingsTitle" sheet:100

  # Ferns is fourth now that Autumn has gone: C2, C2&3, Crystal, Ferns.
  keys alt+s Home Down Down Down
  await_probe "Ferns selected" 3 lbsel "$kSettingsTitle" sheet:100
  keys alt+e
  if open_editor "Edit Ferns"; then
    expect_probe "Ferns is edited" Ferns text "$kEditTitle" sheet:101
    type_name FERNS
    close_editor Return
  fi
  await_probe "a change of letter case keeps the place" 3 lbsel "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "renames, OK"
  names=$(reg_value_names "$kSchemesKey")
  grep -qx Autumn <<<"$names" && fail "the old name's value was left behind"
  [ "$(stored_scheme Zebra)" = "$autumn" ] || fail "Zebra does not hold Autumn's scheme"
  [ "$(grep -cix ferns <<<"$names")" = 1 ] || fail "Ferns is not stored exactly once"
  [ "$(stored_scheme FERNS)" = "$ferns" ] || fail "Ferns' value changed"
  [ "$(wc -l <<<"$names")" = $kBuiltIn ] || fail "not thirteen schemes after the renames"
  echo "ok: renames stored"
fi

forget_configuration
finish_checks
