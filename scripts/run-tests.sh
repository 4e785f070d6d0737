#!/bin/bash
# Builds every target and the release files, and runs every test: native,
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# under Wine. The Wine tests spend much of their time waiting for windows, so
# the sanitizer build and the native tests run beside them, at a lower
# priority than the tests that watch the clock.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
"$root/scripts/deps.sh" || exit 1
builds=${VORLUNDA_BUILD_ROOT:-$root/build}
logs=$builds/logs
mkdir -p "$logs"
start=$(date +%s)
failed=()
timings=()

# Runs one stage, noting its time; a failed stage fails the run.
step() {
  local name=$1 began=$SECONDS
  shift
  echo "=== $name"
  "$@" || failed+=("$name")
  timings+=("$name: $((SECONDS - began)) s")
}

check_format() {
  local files
  files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
  [ -z "$files" ] && return 0
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $files
}

check_scripts() {
  local files
  files=$(git ls-files '*.sh' 2>/dev/null)
  [ -z "$files" ] && return 0
  # shellcheck disable=SC2086
  shellcheck $files cmake/wine-run.sh.in
}

run_ctest() { ctest --test-dir "$builds/$1" --output-on-failure -j 2 --timeout 900; }

# The stages beside the Wine tests, with their output kept apart so the two
# streams stay readable; their verdicts and times come back through a file.
beside_wine() {
  local name began
  for name in "build asan" "test native" "test asan"; do
    began=$SECONDS
    case "$name" in
      "build asan") "$root/scripts/build.sh" asan ;;
      *) run_ctest "${name#test }" ;;
    esac >"$logs/${name// /-}.log" 2>&1
    echo "$? $((SECONDS - began)) $name"
  done
}

step format check_format
step shellcheck check_scripts
for target in native win64 win32; do
  step "build $target" "$root/scripts/build.sh" "$target"
done
# The release files, which the Windows tests install.
step package "$root/scripts/package.sh"

(
  renice -n 10 "$BASHPID" >/dev/null
  beside_wine
) >"$logs/beside.txt" &
beside=$!
step "test win64" run_ctest win64
wait "$beside"
while read -r code seconds name; do
  echo "=== $name (beside the Wine tests; log: $logs/${name// /-}.log)"
  if [ "$code" -eq 0 ]; then
    tail -n 3 "$logs/${name// /-}.log"
  else
    cat "$logs/${name// /-}.log"
    failed+=("$name")
  fi
  timings+=("$name: $seconds s (beside the Wine tests)")
done <"$logs/beside.txt"

echo "=== times"
printf '  %s\n' "${timings[@]}"
echo "=== finished in $(($(date +%s) - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All builds and tests passed."
