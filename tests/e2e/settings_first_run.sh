#!/bin/bash
# The settings on an empty registry: the three ways of opening them, the
# thirteen built-in schemes all ticked, Cancel writing nothing and OK writing
# the whole configuration in the registry's layout.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

forget_configuration

# Every command line that means "settings" opens the same dialog.
for arguments in /c /c:12345 --bare; do
  start_settings $arguments || continue
  expect_probe "'$arguments' opens the Schemes sheet first" "3 0" tab "$kSettingsTitle"
  keys Escape
  expect_settings_end "'$arguments' then Escape"
done

# Cancel after a look at everything writes nothing, not even the general values.
if start_settings; then
  expect_probe "thirteen built-in schemes" 13 lbcount "$kSettingsTitle" sheet:100
  expect_probe "the first is selected" 0 lbsel "$kSettingsTitle" sheet:100
  expect_probe "the scheme list has the focus" "100 ListBox" focus "$kSettingsTitle"
  for index in 0 1 2 3 4 5; do
    expect_probe "scheme $index is ticked" 1 lbchecked "$kSettingsTitle" sheet:100 $index
  done
  for id in 101 102 103 104 105; do
    expect_probe "scheme button $id enabled" 1 enabled "$kSettingsTitle" sheet:$id
  done
  keys ctrl+Tab
  await_probe "Ctrl+Tab shows General" "3 1" tab "$kSettingsTitle"
  expect_probe "screen shots off" 0 check "$kSettingsTitle" sheet:100
  expect_probe "no screen-shot directory" "" text "$kSettingsTitle" sheet:101
  expect_probe "information line off" 0 check "$kSettingsTitle" sheet:102
  keys ctrl+Tab
  await_probe "Ctrl+Tab shows About" "3 2" tab "$kSettingsTitle"
  expect_probe "the product's name" "Vorlunda" text "$kSettingsTitle" sheet:101
  keys Escape
  expect_settings_end "Cancel"
  names=$(reg_value_names "$kSaverKey")
  [ -z "$names" ] || fail "Cancel wrote general values: $names"
  names=$(reg_value_names "$kSchemesKey")
  [ -z "$names" ] || fail "Cancel wrote schemes: $names"
  echo "ok: Cancel wrote nothing"
fi

# OK (Enter, the default button) writes everything.
if start_settings; then
  keys Return
  expect_settings_end "OK"
  [ "$(reg_value "$kSaverKey" ScreenShots)" = "REG_DWORD 0x0" ] || fail "ScreenShots"
  [ "$(reg_value "$kSaverKey" ScreenShotDirectory)" = "REG_SZ " ] || fail "ScreenShotDirectory"
  [ "$(reg_value "$kSaverKey" InfoLine)" = "REG_DWORD 0x0" ] || fail "InfoLine"
  [ "$(reg_value "$kSaverKey" HighestVersion)" = "REG_DWORD 0xc" ] || fail "HighestVersion"
  expected=$("$WINE" "$VORLUNDA_RENDER" --defaults --list </dev/null 2>/dev/null | tr -d '\r' |
    sed 's/\t/ REG_SZ /' | sort)
  stored=$(reg_value_names "$kSchemesKey" | while read -r name; do
    echo "$name $(reg_value "$kSchemesKey" "$name")"
  done | sort)
  if [ "$stored" = "$expected" ]; then
    echo "ok: OK wrote the thirteen built-in schemes"
  else
    fail "stored schemes differ:"$'\n'"$(diff <(echo "$expected") <(echo "$stored"))"
  fi
fi

forget_configuration
finish_checks
