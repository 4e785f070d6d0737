#!/bin/bash
# Builds every target and the release files, and runs every test: native,
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
"$root/scripts/deps.sh" || exit 1
start=$(date +%s)
failed=()

step() {
  local name=$1
  shift
  echo "=== $name"
  "$@" || failed+=("$name")
}

check_format() {
  local files
  files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
  [ -z "$files" ] && return 0
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $files
}

step format check_format
for target in native asan win64 win32; do
  step "build $target" "$root/scripts/build.sh" "$target"
done
# The release files, which the Windows tests install.
step package "$root/scripts/package.sh"
builds=${VORLUNDA_BUILD_ROOT:-$root/build}
for target in native asan win64; do
  [ -d "$builds/$target" ] || continue
  step "test $target" ctest --test-dir "$builds/$target" --output-on-failure -j 2 --timeout 900
done

echo "=== finished in $(( $(date +%s) - start )) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All builds and tests passed."
