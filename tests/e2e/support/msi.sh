# shellcheck shell=bash
# Shared by the scripts that install the release packages into the test
# prefix: msiexec with a time limit, the packages' tables, and what an
# installation leaves in the prefix. Builds on saver.sh, which it brings in
# when the script has not; expects VORLUNDA_MSI, VORLUNDA_ICON,
# VORLUNDA_SOURCE_DIR and WINEPREFIX besides.

# shellcheck source=saver.sh
declare -F fail >/dev/null || source "$(dirname "${BASH_SOURCE[0]}")/saver.sh"
: "${VORLUNDA_MSI:?path of the x64 package}"
: "${WINEPREFIX:?the test prefix}"

readonly kMsiLimitSeconds=180
readonly kUninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The scripts that install read these.
# shellcheck disable=SC2034
readonly kSystemDir=$WINEPREFIX/drive_c/windows/system32
# shellcheck disable=SC2034
readonly kInstalledScr='C:\windows\system32\Vorlunda.scr'
# shellcheck disable=SC2034
readonly kPayload=(Vorlunda.scr Vorlu12.hlp Vorlu12.chm)

msi_property() {
  msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'
}

# Windows Installer runs one installation at a time: while the one before
# is still ending, a new one is refused at once with this code and an empty
# log.
readonly kInstallAlreadyRunning=1618
installer_idle() { ! pgrep -f 'msiexec(\.exe)?( |$)' >/dev/null; }

# msiexec ARGS..., quiet, logged to the artefacts as $log; returns its code.
# It starts once the installations before it have ended, and tries again
# while the installer reports another one running.
log=msiexec.log
msiexec_quiet() {
  local deadline=$((SECONDS + kMsiLimitSeconds)) code
  while :; do
    wait_for installer_idle || true
    timeout $((deadline - SECONDS)) "$WINE" msiexec "$@" /qn \
      /l*v "$(winepath_of "$kArtefacts/$log")" </dev/null >/dev/null 2>&1
    code=$?
    [ "$code" -eq "$kInstallAlreadyRunning" ] && [ "$SECONDS" -lt "$deadline" ] || return "$code"
    echo "msiexec $*: another installation is running; trying again"
    sleep 0.5
  done
}

install_package() {
  local package=$1
  shift
  log=install-$(basename "$package" .msi).log
  msiexec_quiet /i "$(winepath_of "$package")" "$@"
}

uninstall_product() {
  log=uninstall-$1.log
  msiexec_quiet /x "$1"
}

# Prints the data of value $2 under key $1, or nothing (and fails) when absent.
reg_value() {
  "$WINE" reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .
}

reg_set_string() { "$WINE" reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1; }
reg_delete_value() { "$WINE" reg delete "$1" /v "$2" /f </dev/null >/dev/null 2>&1; }

# The product codes of the Add/Remove Programs entries named Vorlunda.
arp_vorlunda_entries() {
  "$WINE" reg query "$kUninstallKey" /s </dev/null 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { key = $0; sub(/.*\\/, "", key) }
         /^ *DisplayName +REG_SZ +Vorlunda$/ { print key }'
}

# Wine compares paths without regard to case, as Windows does.
same_path() { [ "${1,,}" = "${2,,}" ]; }

# A copy of the payload beside the x64 package with a help file of its own,
# so that an upgrade can be told from the version it replaces.
make_upgrade_package() {
  local version=$1 code=$2 output=$3 marker=$4
  local payload=$kArtefacts/upgrade-payload
  local build_dir
  build_dir=$(dirname "$VORLUNDA_MSI")
  rm -rf "$payload"
  mkdir -p "$payload"
  cp "$build_dir/Vorlunda.scr" "$build_dir/Vorlu12.chm" "$payload/"
  { cat "$build_dir/Vorlu12.hlp"; printf '%s' "$marker"; } >"$payload/Vorlu12.hlp"
  bash "$VORLUNDA_SOURCE_DIR/installer/make-msi.sh" x64 "$version" "$code" "$payload" \
    "$VORLUNDA_ICON" "$output"
}

# The form in which the installer keeps a code in the registry: the first
# three groups reversed, each later byte with its two digits swapped.
packed_guid() {
  local hex=${1//[\{\}-]/} out="" i
  for i in 7 6 5 4 3 2 1 0 11 10 9 8 15 14 13 12; do out+=${hex:i:1}; done
  for ((i = 16; i < 32; i += 2)); do out+=${hex:i+1:1}${hex:i:1}; done
  echo "$out"
}

# A permanent component stays registered to the system after removal, as
# Windows keeps it; the test prefix is shared, so the tests forget it.
readonly kPermanentComponent=16
forget_permanent_components() {
  local guid
  for guid in $(msiinfo export "$1" Component | tr -d '\r' |
    awk -F'\t' -v flag="$kPermanentComponent" 'NR > 3 && int($4 / flag) % 2 { print $2 }'); do
    "$WINE" reg delete \
      "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\UserData\\S-1-5-18\\Components\\$(packed_guid "$guid")" \
      /f </dev/null >/dev/null 2>&1
  done
}
