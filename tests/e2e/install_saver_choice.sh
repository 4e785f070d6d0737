#!/bin/bash
# The optional feature that makes Vorlunda the user's screen saver: on by
# default, off with SETASSAVER=0, and its setting removed with the product only
# while it still names the installed copy.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/msi.sh
source "$(dirname "$0")/support/msi.sh"

readonly kOtherSaver='C:\windows\system32\other.scr'
readonly kAbsent='(absent)'

code=$(msi_property "$VORLUNDA_MSI" ProductCode)
[ -n "$code" ] || { echo "FAIL: no product code in $VORLUNDA_MSI"; exit 1; }

saved_saver=$(reg_value "$kDesktopKey" SCRNSAVE.EXE)
restore_prefix() {
  uninstall_product "$code"
  forget_permanent_components "$VORLUNDA_MSI"
  if [ -n "$saved_saver" ]; then
    reg_set_string "$kDesktopKey" SCRNSAVE.EXE "$saved_saver"
  else
    reg_delete_value "$kDesktopKey" SCRNSAVE.EXE
  fi
}
trap restore_prefix EXIT
restore_prefix

current_saver() { reg_value "$kDesktopKey" SCRNSAVE.EXE || echo "$kAbsent"; }

set_saver() {
  if [ "$1" = "$kAbsent" ]; then
    reg_delete_value "$kDesktopKey" SCRNSAVE.EXE
  else
    reg_set_string "$kDesktopKey" SCRNSAVE.EXE "$1"
  fi
}

expect_saver() {
  local actual
  actual=$(current_saver)
  same_path "$actual" "$1" || fail "$2: SCRNSAVE.EXE is '$actual', not '$1'"
}

# name | command-line properties | saver before | chosen by the user after
# installing ("-" for none) | saver after installing | saver after removing
readonly kCases=(
  "default, nothing chosen before||$kAbsent|-|$kInstalledScr|$kAbsent"
  "default replaces another saver||$kOtherSaver|-|$kInstalledScr|$kAbsent"
  "SETASSAVER=1|SETASSAVER=1|$kAbsent|-|$kInstalledScr|$kAbsent"
  "SETASSAVER=0 keeps the user's saver|SETASSAVER=0|$kOtherSaver|-|$kOtherSaver|$kOtherSaver"
  "SETASSAVER=0 sets none|SETASSAVER=0|$kAbsent|-|$kAbsent|$kAbsent"
  "ADDLOCAL=Saver keeps the user's saver|ADDLOCAL=Saver|$kOtherSaver|-|$kOtherSaver|$kOtherSaver"
  "another saver chosen later survives||$kAbsent|$kOtherSaver|$kInstalledScr|$kOtherSaver"
)

for case in "${kCases[@]}"; do
  IFS='|' read -r name properties before chosen installed removed <<<"$case"
  set_saver "$before"
  # shellcheck disable=SC2086
  if ! install_package "$VORLUNDA_MSI" $properties; then
    fail "$name: installing failed (log: $kArtefacts/$log)"
    continue
  fi
  expect_saver "$installed" "$name, installed"
  [ "$chosen" = "-" ] || set_saver "$chosen"
  uninstall_product "$code" || fail "$name: removing failed (log: $kArtefacts/$log)"
  expect_saver "$removed" "$name, removed"
  echo "ok: $name"
done

# The feature alone goes and comes back while the saver stays installed.
if install_package "$VORLUNDA_MSI"; then
  install_package "$VORLUNDA_MSI" REMOVE=SetAsSaver || fail "REMOVE=SetAsSaver failed"
  expect_saver "$kAbsent" "feature removed"
  [ -f "$kSystemDir/Vorlunda.scr" ] || fail "removing the feature removed the saver"
  install_package "$VORLUNDA_MSI" ADDLOCAL=SetAsSaver || fail "ADDLOCAL=SetAsSaver failed"
  expect_saver "$kInstalledScr" "feature added again"
  uninstall_product "$code" || fail "removing after the feature changes failed"
  expect_saver "$kAbsent" "removed after the feature changes"
  echo "ok: the feature is removed and added on its own"
else
  fail "installing for the feature changes failed"
fi

finish_checks
