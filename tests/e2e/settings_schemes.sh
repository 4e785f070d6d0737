#!/bin/bash
# The scheme list as a person uses it: ticking, copying, deleting and the
# defaults, checked on screen and then in what OK wrote or Cancel did not.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kBuiltIn=13

# Unticking changes the list at once, but Cancel forgets it.
forget_configuration
if start_settings; then
  click_scheme_box 0
  await_probe "a click in the box unticks Autumn" 0 lbchecked "$kSettingsTitle" sheet:100 0
  expect_probe "the clicked item is selected" 0 lbsel "$kSettingsTitle" sheet:100
  expect_probe "the other items keep their ticks" 1 lbchecked "$kSettingsTitle" sheet:100 1
  click_cancel
  expect_settings_end "untick, Cancel"
  [ -z "$(reg_value_names "$kSchemesKey")" ] || fail "Cancel after unticking wrote schemes"
fi
if start_settings; then
  expect_probe "reopened, Autumn is ticked again" 1 lbchecked "$kSettingsTitle" sheet:100 0
  # Unticked and ticked again, then unticked: OK stores the last state.
  click_scheme_box 1
  await_probe "Contractions 2 unticked" 0 lbchecked "$kSettingsTitle" sheet:100 1
  # Apart by more than the double-click time, or the second click is one.
  sleep 0.6
  click_scheme_box 1
  await_probe "Contractions 2 ticked again" 1 lbchecked "$kSettingsTitle" sheet:100 1
  click_scheme_box 2
  await_probe "Contractions 2&3 unticked" 0 lbchecked "$kSettingsTitle" sheet:100 2
  click_ok
  expect_settings_end "untick, OK"
  [ "$(stored_enabled 'Contractions 2&3')" = 0 ] || fail "the unticked scheme was stored switched on"
  [ "$(stored_enabled 'Contractions 2')" = 1 ] || fail "the re-ticked scheme was stored switched off"
  [ "$(stored_enabled Autumn)" = 1 ] || fail "an untouched scheme was stored switched off"
  echo "ok: OK stores the ticks"
fi

# Copy names the copy after its original, selects it and opens no editor.
forget_configuration
if start_settings; then
  keys alt+c
  await_probe "a copy is added" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
  # Autumn, Contractions 2, Contractions 2&3, Copy of Autumn, ...
  expect_probe "the copy is selected in its sorted place" 3 lbsel "$kSettingsTitle" sheet:100
  expect_probe "no editor opened" 0 exists "$kEditTitle"
  keys alt+c
  await_probe "a copy of the copy" $((kBuiltIn + 2)) lbcount "$kSettingsTitle" sheet:100
  expect_probe "Copy 2 of Autumn sorts before Copy of Autumn" 3 lbsel "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "copy, OK"
  autumn=$(stored_scheme Autumn)
  [ "$(stored_scheme 'Copy of Autumn')" = "$autumn" ] || fail "Copy of Autumn differs from Autumn"
  [ "$(stored_scheme 'Copy 2 of Autumn')" = "$autumn" ] || fail "Copy 2 of Autumn differs"
  stored_count=$(reg_value_names "$kSchemesKey" | wc -l)
  [ "$stored_count" = $((kBuiltIn + 2)) ] || fail "$stored_count schemes stored after two copies"
  echo "ok: copies stored under their names"
fi

# Delete selects the next item, or the new last one, or nothing at all.
forget_configuration
if start_settings; then
  keys End
  await_probe "End selects the last scheme" $((kBuiltIn - 1)) lbsel "$kSettingsTitle" sheet:100
  keys alt+d
  await_probe "delete the last" $((kBuiltIn - 1)) lbcount "$kSettingsTitle" sheet:100
  expect_probe "the new last is selected" $((kBuiltIn - 2)) lbsel "$kSettingsTitle" sheet:100
  # The Delete button has the focus now; the label's letter leads back to the list.
  keys alt+s
  await_probe "Alt+S focuses the list" "100 ListBox" focus "$kSettingsTitle"
  keys Home alt+d
  await_probe "delete the first" $((kBuiltIn - 2)) lbcount "$kSettingsTitle" sheet:100
  expect_probe "the next moved into its place" 0 lbsel "$kSettingsTitle" sheet:100
  for _ in $(seq $((kBuiltIn - 2))); do keys alt+d; done
  await_probe "every scheme deleted" 0 lbcount "$kSettingsTitle" sheet:100
  expect_probe "nothing selected" -1 lbsel "$kSettingsTitle" sheet:100
  for id in 101 102 104 105; do
    expect_probe "button $id disabled without a selection" 0 enabled "$kSettingsTitle" sheet:$id
  done
  expect_probe "New stays enabled" 1 enabled "$kSettingsTitle" sheet:103
  read -r focus_id focus_class <<<"$(probe focus "$kSettingsTitle")"
  case "$focus_id" in
    101 | 102 | 104 | 105) fail "the focus rests on disabled button $focus_id" ;;
    *) echo "ok: the focus is on an enabled control ($focus_id $focus_class)" ;;
  esac
  click_ok
  expect_settings_end "delete all, OK"
  [ -z "$(reg_value_names "$kSchemesKey")" ] || fail "schemes left after deleting all"
fi
# With no scheme stored, the settings start from the built-in ones, silently.
if start_settings; then
  expect_probe "no warning about the empty configuration" 0 exists Warning
  expect_probe "the built-in schemes are back" $kBuiltIn lbcount "$kSettingsTitle" sheet:100
  click_cancel
  expect_settings_end "reopen after deleting all"
fi

# Defaults keep the user's own schemes, switched off, and restore the rest.
forget_configuration
store_configuration ScreenShots=1 InfoLine=1
solid=$(stored_scheme Solid)
"$WINE" reg add "$kSchemesKey" /v "My scheme" /t REG_SZ /d "$solid" /f >/dev/null 2>&1
"$WINE" reg add "$kSchemesKey" /v Autumn /t REG_SZ /d "11,0,99,2.000000,2,Experimental,Autumn" \
  /f >/dev/null 2>&1
if start_settings; then
  expect_probe "the user scheme is listed" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
  keys ctrl+Tab
  await_probe "General shown" "3 1" tab "$kSettingsTitle"
  expect_probe "screen shots on as stored" 1 check "$kSettingsTitle" sheet:100
  keys alt+f
  await_probe "Defaults asks first" \
    "This will restore the default settings. Continue?" msgbox Defaults
  keys alt+n
  probe gone Defaults || fail "the Defaults box stayed open after No"
  expect_probe "No changes nothing" 1 check "$kSettingsTitle" sheet:100
  keys alt+f
  await_probe "Defaults asks again" "This will restore the default settings. Continue?" \
    msgbox Defaults
  keys alt+y
  probe gone Defaults || fail "the Defaults box stayed open after Yes"
  await_probe "screen shots off after Defaults" 0 check "$kSettingsTitle" sheet:100
  expect_probe "information line off after Defaults" 0 check "$kSettingsTitle" sheet:102
  keys ctrl+shift+Tab
  await_probe "Schemes shown" "3 0" tab "$kSettingsTitle"
  expect_probe "still fourteen schemes" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "Defaults, OK"
  [ "$(stored_enabled 'My scheme')" = 0 ] || fail "the user scheme was not switched off"
  [ "$(stored_scheme 'My scheme' | cut -d, -f3-)" = "$(echo "$solid" | cut -d, -f3-)" ] ||
    fail "the user scheme changed beyond its switch"
  [ "$(stored_scheme Autumn)" = "11,1,15,2.000000,2,Experimental,Autumn" ] ||
    fail "Autumn not restored: $(stored_scheme Autumn)"
  [ "$(reg_value "$kSaverKey" ScreenShots)" = "REG_DWORD 0x0" ] || fail "screen shots not cleared"
  [ "$(reg_value "$kSaverKey" InfoLine)" = "REG_DWORD 0x0" ] || fail "information line not cleared"
  echo "ok: Defaults stored"
fi

forget_configuration
finish_checks
