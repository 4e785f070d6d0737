#!/bin/bash
# The x64 package installs the saver and its help into the system folder with
# an Add/Remove Programs entry, the installed saver draws and configures, a
# newer version replaces it in place, and removal takes the files and the entry
# but leaves the user's schemes.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/msi.sh
source "$(dirname "$0")/support/msi.sh"

readonly kMinLitPixels=20000
readonly kSettingsTitle="Vorlunda V1.2 Settings"
readonly kSchemesKey="$kSaverKey\\Schemes"
readonly kTestScheme="Installer test scheme"
readonly kTestSchemeText="12,1,1,1.000000,0,FullRandom,Linear 3-4"
# A product code of the test's own for the newer version, so that a run that
# was cut short is cleaned up by the next.
readonly kUpgradeCode='{5C0F2D7E-41A9-4B3C-9E61-D8B27A4F0C13}'
readonly kUpgradeVersion=1.2.1
readonly kUpgradeMarker="upgrade $kUpgradeVersion"

build_dir=$(dirname "$VORLUNDA_MSI")
code=$(msi_property "$VORLUNDA_MSI" ProductCode)
[ -n "$code" ] || { echo "FAIL: no product code in $VORLUNDA_MSI"; exit 1; }
upgrade_msi=$kArtefacts/Vorlunda-$kUpgradeVersion-x64.msi
make_upgrade_package "$kUpgradeVersion" "$kUpgradeCode" "$upgrade_msi" "$kUpgradeMarker" ||
  { echo "FAIL: the upgrade package could not be made"; exit 1; }

# The prefix is shared with the other tests: whatever this script installs or
# changes is undone, also when it stops early.
saved_saver=$(reg_value "$kDesktopKey" SCRNSAVE.EXE)
key_exists() { "$WINE" reg query "$1" </dev/null >/dev/null 2>&1; }
configuration_existed=0 schemes_existed=0
key_exists "$kSaverKey" && configuration_existed=1
key_exists "$kSchemesKey" && schemes_existed=1
restore_prefix() {
  uninstall_product "$kUpgradeCode"
  uninstall_product "$code"
  forget_permanent_components "$VORLUNDA_MSI"
  if [ -n "$saved_saver" ]; then
    reg_set_string "$kDesktopKey" SCRNSAVE.EXE "$saved_saver"
  else
    reg_delete_value "$kDesktopKey" SCRNSAVE.EXE
  fi
  if [ "$schemes_existed" -eq 1 ]; then
    reg_delete_value "$kSchemesKey" "$kTestScheme"
  elif [ "$configuration_existed" -eq 1 ]; then
    "$WINE" reg delete "$kSchemesKey" /f </dev/null >/dev/null 2>&1
  else
    forget_configuration
  fi
}
trap restore_prefix EXIT
restore_prefix

# The help viewers find the help files by name in the system folder, beside
# the saver.
expect_payload_installed() {
  local file
  for file in "${kPayload[@]}"; do
    cmp -s "$1/$file" "$kSystemDir/$file" || fail "$2: $file is not the packaged one"
  done
}

expect_arp_entry() {
  local key="$kUninstallKey\\$1" name expected
  for name in DisplayName DisplayVersion Publisher; do
    case "$name" in
      DisplayName) expected=Vorlunda ;;
      DisplayVersion) expected=$2 ;;
      Publisher) expected="The Vorlunda project" ;;
    esac
    [ "$(reg_value "$key" "$name")" = "$expected" ] ||
      fail "entry $1: $name is '$(reg_value "$key" "$name")', not '$expected'"
  done
  local entries
  entries=$(arp_vorlunda_entries | tr '\n' ' ')
  [ "$entries" = "$1 " ] || fail "Add/Remove Programs lists '$entries', not only $1"
}

# Installing: the files beside each other in the system folder, the entry with
# its icon, and the user's saver set by the default feature.
if install_package "$VORLUNDA_MSI"; then
  expect_payload_installed "$build_dir" "install"
  expect_arp_entry "$code" 1.2.0
  [ -s "$WINEPREFIX/drive_c/windows/Installer/$code/vorlunda.ico" ] ||
    fail "the entry's icon was not installed"
  same_path "$(reg_value "$kDesktopKey" SCRNSAVE.EXE)" "$kInstalledScr" ||
    fail "SCRNSAVE.EXE is '$(reg_value "$kDesktopKey" SCRNSAVE.EXE)' after installing"
  echo "ok: installed $code"
else
  fail "installing $VORLUNDA_MSI failed (log: $kArtefacts/$log)"
fi

# The installed copy draws full screen.
VORLUNDA_SCR=$kInstalledScr
if [ -f "$kSystemDir/Vorlunda.scr" ] && start_saver; then
  lit=$(await_drawing "$kArtefacts/installed.png" "$kMinLitPixels") ||
    fail "the installed saver lit only $lit pixels"
  echo "ok: the installed saver draws ($lit lit pixels)"
  wait_past_grace
  xdotool key a
  expect_end 2 "installed saver ends on a key"
fi

# Its settings open from the installed copy.
settings_open() { xdotool search --onlyvisible --name "^$kSettingsTitle\$" >/dev/null 2>&1; }
settings_open_or_ended() { settings_open || ! kill -0 "$configure_pid" 2>/dev/null; }
if [ -f "$kSystemDir/Vorlunda.scr" ]; then
  "$WINE" "$kInstalledScr" /c </dev/null >/dev/null 2>&1 &
  configure_pid=$!
  wait_for settings_open_or_ended
  if settings_open; then
    import -window root "$kArtefacts/installed-settings.png"
    echo "ok: /c opens \"$kSettingsTitle\""
    # Keys sent to a window by X events alone do not reach Wine's dialog:
    # raise and focus it, then press Escape as a person would.
    settings_id=$(xdotool search --onlyvisible --name "^$kSettingsTitle\$" | head -1)
    xdotool windowraise "$settings_id" windowfocus --sync "$settings_id" key Escape 2>/dev/null
  elif find "$VORLUNDA_SOURCE_DIR/vorlunda/settings" -name '*.cpp' 2>/dev/null | grep -q .; then
    fail "/c showed no window titled \"$kSettingsTitle\""
  else
    echo "skip: this program has no settings dialog yet, so /c opens no window"
  fi
  for _ in $(seq 100); do kill -0 "$configure_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$configure_pid" 2>/dev/null; then
    fail "the installed settings did not close on Escape"
    # The wrapper's end would leave the Windows process and its dialog behind.
    "$WINE" taskkill /f /im Vorlunda.scr >/dev/null 2>&1
    kill "$configure_pid" 2>/dev/null
  fi
  wait "$configure_pid" 2>/dev/null
fi

# The user's schemes meet the newer version and the removal.
reg_set_string "$kSchemesKey" "$kTestScheme" "$kTestSchemeText" || fail "no test scheme stored"

# A newer version replaces the installed one: one entry, the new files, and
# the user's saver still set. (Windows tells the replaced version that it is
# being replaced, so it leaves the setting alone even when the new one does not
# set it; Wine removes it as a plain uninstall, so only the default is checked.)
if install_package "$upgrade_msi"; then
  expect_arp_entry "$kUpgradeCode" "$kUpgradeVersion"
  same_path "$(reg_value "$kDesktopKey" SCRNSAVE.EXE)" "$kInstalledScr" ||
    fail "SCRNSAVE.EXE is '$(reg_value "$kDesktopKey" SCRNSAVE.EXE)' after the upgrade"
  grep -q "$kUpgradeMarker" "$kSystemDir/Vorlu12.hlp" 2>/dev/null ||
    fail "the upgrade did not install its help file"
  expect_payload_installed "$kArtefacts/upgrade-payload" "upgrade"
  echo "ok: $kUpgradeVersion replaced 1.2.0"
else
  fail "installing $upgrade_msi over 1.2.0 failed (log: $kArtefacts/$log)"
fi

# Removing takes the files, the entry and the saver setting naming them, and
# leaves the schemes.
if uninstall_product "$kUpgradeCode"; then
  for file in "${kPayload[@]}"; do
    [ ! -e "$kSystemDir/$file" ] || fail "$file is still installed"
  done
  [ -z "$(arp_vorlunda_entries)" ] || fail "entries left: $(arp_vorlunda_entries | tr '\n' ' ')"
  reg_value "$kDesktopKey" SCRNSAVE.EXE >/dev/null &&
    fail "SCRNSAVE.EXE still names '$(reg_value "$kDesktopKey" SCRNSAVE.EXE)'"
  [ "$(reg_value "$kSchemesKey" "$kTestScheme")" = "$kTestSchemeText" ] ||
    fail "the user's scheme did not survive the removal"
  echo "ok: removed"
else
  fail "removing $kUpgradeCode failed (log: $kArtefacts/$log)"
fi

finish_checks
