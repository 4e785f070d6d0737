#!/bin/bash
# What the user stored survives the settings: schemes of a later version,
# values the writer could not keep, and a store that fails part way.
set -u
set -o pipefail

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kBuiltIn=13
readonly kLaterText='13,1,40,0.200000,5,FullRandom,Solid,a field of version 13'
readonly kMineText='11,1,20,0.400000,2,Experimental,Ferns'
readonly kTinyText='11,1,20,0.0000004,2,Experimental,Ferns'
readonly kErrorTitle='Error storing configuration'

# Answers the load warning and waits for the dialog behind it; without a
# warning, closes the dialog so the next case starts clean.
pass_warning() {
  if ! probe wait Warning >/dev/null; then
    fail "no warning before the dialog"
    if probe wait "$kSettingsTitle" >/dev/null; then
      activate_window "$kSettingsTitle"
      click_cancel
      expect_settings_end "Cancel without a warning"
    fi
    return 1
  fi
  activate_window Warning
  keys Return
  probe wait "$kSettingsTitle" >/dev/null || { fail "no dialog after the warning"; return 1; }
  activate_window "$kSettingsTitle"
}

# Every stored scheme of a later version: the user is warned, and OK leaves
# those schemes and the general values as they were.
forget_configuration
"$WINE" reg add "$kSaverKey" /v ScreenShots /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$WINE" reg add "$kSaverKey" /v HighestVersion /t REG_DWORD /d 13 /f >/dev/null 2>&1
"$WINE" reg add "$kSaverKey" /v ScreenShotDirectory /t REG_SZ /d 'C:\shots' /f >/dev/null 2>&1
for name in Solid Ferns; do
  "$WINE" reg add "$kSchemesKey" /v "$name" /t REG_SZ /d "$kLaterText" /f >/dev/null 2>&1
done
if start_settings --no-wait && pass_warning; then
  await_probe "the built-in schemes of free names are listed" $((kBuiltIn - 2)) lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "OK with later schemes only"
  failed=$failures
  for name in Solid Ferns; do
    [ "$(stored_scheme "$name")" = "$kLaterText" ] ||
      fail "the later '$name' was overwritten: $(stored_scheme "$name")"
  done
  [ "$(reg_value "$kSaverKey" ScreenShots)" = "REG_DWORD 0x1" ] ||
    fail "screen shots were reset: $(reg_value "$kSaverKey" ScreenShots)"
  [ "$(reg_value "$kSaverKey" ScreenShotDirectory)" = 'REG_SZ C:\shots' ] ||
    fail "the folder was reset: $(reg_value "$kSaverKey" ScreenShotDirectory)"
  [ "$failures" -eq "$failed" ] && echo "ok: OK kept the later schemes and the general values"
fi

# Beside the user's schemes, hidden ones keep their names: Copy goes on to
# the next number, and Defaults leaves a hidden "Solid" in place.
forget_configuration
store_configuration HighestVersion=12
for name in Solid "Copy of Autumn"; do
  "$WINE" reg add "$kSchemesKey" /v "$name" /t REG_SZ /d "$kLaterText" /f >/dev/null 2>&1
done
if start_settings --no-wait && pass_warning; then
  expect_probe "the hidden ones are not listed" $((kBuiltIn - 1)) \
    lbcount "$kSettingsTitle" sheet:100
  click_list_item "$kSettingsTitle" sheet:100 0
  await_probe "Autumn is selected" 0 lbsel "$kSettingsTitle" sheet:100
  keys alt+c
  await_probe "a copy is added" "$kBuiltIn" lbcount "$kSettingsTitle" sheet:100
  keys alt+f
  await_probe "Defaults asks first" "This will restore the default settings. Continue?" \
    msgbox Defaults
  keys alt+y
  probe gone Defaults >/dev/null || fail "the Defaults box stayed open after Yes"
  await_probe "Defaults adds no Solid" "$kBuiltIn" lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "Copy, Defaults, OK beside hidden schemes"
  for name in Solid "Copy of Autumn"; do
    [ "$(stored_scheme "$name")" = "$kLaterText" ] ||
      fail "the hidden '$name' was overwritten: $(stored_scheme "$name")"
  done
  [ -n "$(stored_scheme "Copy 2 of Autumn")" ] || fail "the copy was not stored as Copy 2 of Autumn"
fi

# A density six decimals would write as 0 is not taken in, so OK cannot
# write it back as a text the next start rejects.
forget_configuration
store_configuration HighestVersion=12
"$WINE" reg add "$kSchemesKey" /v Tiny /t REG_SZ /d "$kTinyText" /f >/dev/null 2>&1
if start_settings; then
  expect_probe "the tiny density is not listed" $kBuiltIn lbcount "$kSettingsTitle" sheet:100
  keys alt+c
  await_probe "a copy is added" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "OK beside a tiny density"
  [ "$(stored_scheme Tiny)" = "$kTinyText" ] || fail "Tiny was rewritten: $(stored_scheme Tiny)"
fi

# Delete "Aaa", copy a scheme whose copy's name the registry refuses, OK:
# the store fails, and after Cancel "Aaa" is still there.
forget_configuration
store_configuration HighestVersion=12
# The longest name the registry takes; its copy's name is longer.
long=Z$(printf '%16382s' '' | tr ' ' z)
"$WINE" reg add "$kSchemesKey" /v Aaa /t REG_SZ /d "$kMineText" /f >/dev/null 2>&1
"$WINE" reg add "$kSchemesKey" /v "$long" /t REG_SZ /d "$kMineText" /f >/dev/null 2>&1
[ -n "$(stored_scheme "$long")" ] || fail "the registry did not take the long name"
if start_settings; then
  count=$((kBuiltIn + 2))
  expect_probe "both schemes are listed" $count lbcount "$kSettingsTitle" sheet:100
  click_list_item "$kSettingsTitle" sheet:100 0
  await_probe "Aaa is selected" 0 lbsel "$kSettingsTitle" sheet:100
  keys alt+d
  await_probe "Aaa is deleted" $((count - 1)) lbcount "$kSettingsTitle" sheet:100
  # End once the list has the focus the click gives it. A list holding a
  # name of 16,383 characters takes its time to move, and on a busy machine
  # a key can be lost, so End is pressed again only after a wait.
  activate_window "$kSettingsTitle"
  click_list_item "$kSettingsTitle" sheet:100 0
  for _ in $(seq 5); do
    keys End
    for _ in $(seq 8); do
      [ "$(probe lbsel "$kSettingsTitle" sheet:100)" = $((count - 2)) ] && break 2
      sleep 0.25
    done
  done
  expect_probe "the long name is selected" $((count - 2)) lbsel "$kSettingsTitle" sheet:100
  keys alt+c
  await_probe "its copy is added" $count lbcount "$kSettingsTitle" sheet:100
  click_ok
  if probe wait "$kErrorTitle" >/dev/null; then
    echo "ok: the failed store is reported"
    activate_window "$kErrorTitle"
    keys Return
    probe gone "$kErrorTitle" >/dev/null || fail "the error box stayed open"
    activate_window "$kSettingsTitle"
    click_cancel
    expect_settings_end "Cancel after the failed store"
  else
    fail "OK stored a name the registry should refuse"
    click_cancel
    expect_settings_end "Cancel"
  fi
  [ "$(stored_scheme Aaa)" = "$kMineText" ] || fail "Aaa was lost: '$(stored_scheme Aaa)'"
  [ "$(stored_scheme Autumn)" != "" ] || fail "Autumn was lost"
fi

# Text beyond the system's code page reads with '?' in its place: a plain OK
# leaves such values as they are.
forget_configuration
store_configuration HighestVersion=12
unicode=$kArtefacts/unicode.reg
exported=$kArtefacts/unicode-export.reg
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n' "${kSaverKey/HKCU/HKEY_CURRENT_USER}"
  printf '"ScreenShotDirectory"="C:\\\\users\\\\名前\\\\shots"\r\n\r\n'
  printf '[%s\\Schemes]\r\n"Uni"="11,1,20,0.400000,2,Experimental,Ferns名"\r\n' \
    "${kSaverKey/HKCU/HKEY_CURRENT_USER}"
} | iconv -f UTF-8 -t UTF-16 >"$unicode"
"$WINE" regedit /s "$(winepath_of "$unicode")" >/dev/null 2>&1
if start_settings; then
  keys alt+c
  await_probe "a copy is added" $((kBuiltIn + 2)) lbcount "$kSettingsTitle" sheet:100
  click_ok
  expect_settings_end "OK beside text beyond the code page"
  rm -f "$exported"
  "$WINE" regedit /e "$(winepath_of "$exported")" "${kSaverKey/HKCU/HKEY_CURRENT_USER}" \
    >/dev/null 2>&1
  text=$(iconv -f UTF-16 -t UTF-8 "$exported" 2>/dev/null | tr -d '\r')
  failed=$failures
  grep -qF 'C:\\users\\名前\\shots' <<<"$text" ||
    fail "the folder lost its name: $(grep -F ScreenShotDirectory <<<"$text")"
  grep -qF 'Experimental,Ferns名' <<<"$text" ||
    fail "the template lost its name: $(grep -F '"Uni"' <<<"$text")"
  [ "$failures" -eq "$failed" ] && echo "ok: text beyond the code page is kept"
fi

forget_configuration
finish_checks
