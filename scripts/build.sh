#!/bin/bash
# Configures and builds one build directory: native, asan, win64 or win32
# (under build/, or under $VORLUNDA_BUILD_ROOT); all of it, or the targets named.
#   build.sh win64 [vorlunda_scr ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$1
shift
dir="${VORLUNDA_BUILD_ROOT:-$root/build}/$target"
args=(-G Ninja -S "$root" -B "$dir")
case "$target" in
  native) args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan) args+=(-DCMAKE_BUILD_TYPE=Debug -DVORLUNDA_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1) ;;
  win64) args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
  win32) args+=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
  *) echo "unknown build: $target" >&2; exit 2 ;;
esac
[ -f "$dir/build.ninja" ] || cmake "${args[@]}" >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$dir" -j "${VORLUNDA_JOBS:-2}" "${targets[@]}"
