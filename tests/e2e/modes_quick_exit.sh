#!/bin/bash
# Command lines that ask for nothing the saver does must end at once with 0
# and leave no process behind.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

readonly kLimitSeconds=20

check() {
  local started=$SECONDS
  timeout "$kLimitSeconds" "$WINE" "$VORLUNDA_SCR" "$@" </dev/null >/dev/null 2>&1
  local code=$?
  local took=$((SECONDS - started))
  if [ "$code" -ne 0 ]; then
    fail "'$*' exited with $code after ${took}s"
  else
    echo "ok: '$*' exited with 0 after ${took}s"
  fi
}

check /x
check -X
check /s extra
check /S "two words"
check /p
check /p 0
check /p abc
check /p 0x10
check /p 99999999999999999999999999
check /p 123456789 extra
check /c extra
check '?'

[ "$failures" -eq 0 ] && echo "all quiet modes ended with 0"
finish_checks
