#!/bin/bash
# Command lines that ask for nothing the saver does must end at once with 0
# and leave no process behind.
set -u

: "${VORLUNDA_SCR:?path of the built Vorlunda.scr}"
: "${WINE:?wrapper that runs a Windows program}"

readonly kLimitSeconds=20

failures=0
check() {
  local started=$SECONDS
  timeout "$kLimitSeconds" "$WINE" "$VORLUNDA_SCR" "$@" </dev/null >/dev/null 2>&1
  local code=$?
  local took=$((SECONDS - started))
  if [ "$code" -ne 0 ]; then
    echo "FAIL: '$*' exited with $code after ${took}s"
    failures=$((failures + 1))
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
check ?

if [ "$failures" -ne 0 ]; then
  echo "$failures mode check(s) failed"
  exit 1
fi
echo "all quiet modes ended with 0"
