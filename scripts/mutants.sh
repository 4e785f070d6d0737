#!/bin/bash
# Proof that the tests see faults: applies each deliberate fault of
# scripts/mutants.txt, one at a time, to a scratch copy of the tree, rebuilds
# what it touches, runs the tests that should see it (by CTest label) and
# prints one line per fault: caught, and by which tests, or survived.
#   mutants.sh [--list FILE] [--only NUMBER...] [--scratch DIR]
# A developer's tool: it takes long and is not part of the test command.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/scripts/mutants.txt
scratch=${TMPDIR:-/tmp}/vorlunda-mutants
only=()
while [ $# -gt 0 ]; do
  case "$1" in
    --list) list=$2; shift 2 ;;
    --scratch) scratch=$2; shift 2 ;;
    --only) shift; while [ $# -gt 0 ] && [[ $1 != --* ]]; do only+=("$1"); shift; done ;;
    *) echo "usage: $0 [--list FILE] [--only NUMBER...] [--scratch DIR]" >&2; exit 2 ;;
  esac
done
[ -f "$list" ] || { echo "no list of faults: $list" >&2; exit 2; }

# The scratch tree keeps its builds between runs, so a fault rebuilds only
# what it touches; the sources are taken afresh from the working tree, with
# their times, so that unchanged files are not built again.
tree=$scratch/tree
rm -rf "$tree"
mkdir -p "$tree"
tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$tree" -xf - || exit 2
export VORLUNDA_BUILD_ROOT=$scratch/build
builds_used=()

occurrences() { FIND=$2 perl -0ne '$n += () = /\Q$ENV{FIND}\E/g; END { print $n + 0 }' "$1"; }
replace_once() { FIND=$2 PUT=$3 perl -0pi -e 's/\Q$ENV{FIND}\E/$ENV{PUT}/' "$1"; }

wanted() {
  [ ${#only[@]} -eq 0 ] && return 0
  local n
  for n in "${only[@]}"; do [ "$n" = "$1" ] && return 0; done
  return 1
}

# Runs one fault; prints its verdict line.
run_mutant() {
  local number=$1 what=$2 file=$3 find=$4 put=$5 build=$6
  shift 6
  local source=$tree/$file verdict
  if [ ! -f "$source" ] || [ "$(occurrences "$source" "$find")" != 1 ]; then
    printf '%3d  BAD LIST  %s (the text is not once in %s)\n' "$number" "$what" "$file"
    return 2
  fi
  cp "$source" "$scratch/original"
  replace_once "$source" "$find" "$put"
  local log=$scratch/mutant-$number.log labels=()
  local label
  for label in "$@"; do labels+=(-L "$label"); done
  if ! "$tree/scripts/build.sh" "$build" >"$log" 2>&1; then
    verdict="caught by the build"
  elif ctest --test-dir "$VORLUNDA_BUILD_ROOT/$build" "${labels[@]}" -j 2 --timeout 600 \
    >>"$log" 2>&1; then
    verdict=""
  else
    verdict="caught by $(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$log" | sort -u | paste -sd' ')"
  fi
  # A fresh time, so the next build sees the file changed back.
  cp "$scratch/original" "$source"
  [[ " ${builds_used[*]} " == *" $build "* ]] || builds_used+=("$build")
  if [ -n "$verdict" ]; then
    printf '%3d  caught    %s: %s\n' "$number" "$what" "$verdict"
    return 0
  fi
  printf '%3d  SURVIVED  %s (log: %s)\n' "$number" "$what" "$log"
  return 1
}

# The list: blocks of "== what", "in FILE", "find TEXT", "put TEXT" and
# "test BUILD LABEL..." lines; \n in a text stands for a line break.
number=0 survived=0 what='' file='' find='' put='' test=''
flush() {
  [ -n "$what" ] || return 0
  number=$((number + 1))
  if wanted "$number"; then
    # shellcheck disable=SC2086 # the test line is a build and its labels
    run_mutant "$number" "$what" "$file" "${find//\\n/$'\n'}" "${put//\\n/$'\n'}" $test ||
      survived=$((survived + 1))
  fi
  what='' file='' find='' put='' test=''
}
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "== "*) flush; what=${line#== } ;;
    "in "*) file=${line#in } ;;
    "find "*) find=${line#find } ;;
    "put "*) put=${line#put } ;;
    "put") put='' ;;
    "test "*) test=${line#test } ;;
  esac
done <"$list"
flush
rm -f "$scratch/original"
# Back to the tree as it is, so that the builds kept for the next run hold
# no fault.
for build in "${builds_used[@]}"; do "$tree/scripts/build.sh" "$build" >/dev/null 2>&1; done
echo "$number faults, $survived not caught"
[ "$survived" -eq 0 ]
