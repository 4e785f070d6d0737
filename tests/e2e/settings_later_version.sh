#!/bin/bash
# Schemes written by a later version: the settings warn before they open,
# leave those schemes out of the list, and OK does not touch their values.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kBuiltIn=13
readonly kLaterText='13,1,40,0.200000,5,FullRandom,Solid,a field of version 13'

forget_configuration
store_configuration
"$WINE" reg add "$kSchemesKey" /v "From the future" /t REG_SZ /d "$kLaterText" /f >/dev/null 2>&1

if start_settings --no-wait; then
  if probe wait Warning >/dev/null; then
    expect_probe "the warning names one scheme" \
      "Vorlunda is ignoring 1 scheme which was written by a later version" msgbox Warning
    expect_probe "the dialog waits for the warning" 0 exists "$kSettingsTitle"
    activate_window Warning
    keys Return
    probe gone Warning || fail "the warning stayed open"
  else
    fail "no warning before the dialog"
  fi
  if probe wait "$kSettingsTitle" >/dev/null; then
    activate_window "$kSettingsTitle"
    expect_probe "the later scheme is not listed" $kBuiltIn lbcount "$kSettingsTitle" sheet:100
    # A change elsewhere, so that OK really writes.
    keys alt+c
    await_probe "a copy is added" $((kBuiltIn + 1)) lbcount "$kSettingsTitle" sheet:100
    click_ok
    expect_settings_end "OK after the warning"
    [ "$(stored_scheme 'From the future')" = "$kLaterText" ] ||
      fail "the later scheme's value changed: $(stored_scheme 'From the future')"
    [ -n "$(stored_scheme 'Copy of Autumn')" ] || fail "OK did not store the copy"
    echo "ok: OK left the later scheme alone"
  else
    fail "the dialog did not appear after the warning"
  fi
fi

# Two of them are counted in the plural.
"$WINE" reg add "$kSchemesKey" /v "Also from the future" /t REG_SZ /d "$kLaterText" /f \
  >/dev/null 2>&1
if start_settings --no-wait; then
  await_probe "the warning counts two schemes" \
    "Vorlunda is ignoring 2 schemes which were written by a later version" msgbox Warning
  activate_window Warning
  keys Return
  if probe wait "$kSettingsTitle" >/dev/null; then
    activate_window "$kSettingsTitle"
    keys Escape
  fi
  expect_settings_end "Cancel after two warnings"
fi

forget_configuration
finish_checks
