#!/bin/bash
# Makes the release: Vorlunda-<version>-x64.msi and -x86.msi (Windows
# Installer packages) and Vorlunda-<version>-win64.zip and -win32.zip (for
# installing by hand), built by the two Windows builds and gathered in one
# folder, build/release (or $VORLUNDA_BUILD_ROOT/release, or --out DIR).
#   package.sh [--out DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
builds=${VORLUNDA_BUILD_ROOT:-$root/build}
out=$builds/release
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--out DIR]" >&2; exit 2 ;;
  esac
done
"$root/scripts/deps.sh"
mkdir -p "$out"
for target in win64 win32; do
  "$root/scripts/build.sh" "$target" package_release
  cp "$builds/$target"/Vorlunda-*.msi "$builds/$target"/Vorlunda-*.zip "$out/"
done
echo "Release files in $out:"
ls -1 "$out"
