#!/bin/bash
# The end-to-end helpers must fail when what they check is false: a window
# that never appears, a text that differs, a process that does not end, a
# screen that stays black. Run natively, with stand-ins for Wine, the probe,
# xdotool and the screen grab, so each condition can be made false at will.
set -u
here=$(cd "$(dirname "$0")" && pwd)
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT

# The probe answers from files: $stubs/answer (its output) and
# $stubs/status, or $stubs/status.COMMAND for that command alone.
cat >"$stubs/probe" <<'EOF'
#!/bin/bash
[ "$1" = -t ] && shift 2
cat "$STUBS/answer" 2>/dev/null
[ -f "$STUBS/status.$1" ] && exit "$(cat "$STUBS/status.$1")"
exit "$(cat "$STUBS/status" 2>/dev/null || echo 0)"
EOF
# Wine runs what it is given; xdotool sees a saver window while $stubs/window
# exists; the screen grab copies $stubs/screen.png.
cat >"$stubs/wine" <<'EOF'
#!/bin/bash
exec "$@"
EOF
cat >"$stubs/xdotool" <<'EOF'
#!/bin/bash
[ "$1" = search ] && [ -f "$STUBS/window" ] && { echo 1; exit 0; }
exit 1
EOF
cat >"$stubs/import" <<'EOF'
#!/bin/bash
cp "$STUBS/screen.png" "${!#}"
EOF
chmod +x "$stubs"/*
export STUBS=$stubs PATH=$stubs:$PATH DISPLAY=:0 VORLUNDA_WAIT_SECONDS=1
export VORLUNDA_SCR=$stubs/none.scr WINE=$stubs/wine VORLUNDA_PROBE=$stubs/probe
export VORLUNDA_TEST_TMP=$stubs/tmp

# shellcheck source=dialog.sh
source "$here/dialog.sh"

verdicts=0
# expect_status WHAT WANTED COMMAND...: the helper's own status, and whether
# it counted a failure, must be as wanted (0 passes, 1 fails).
expect_status() {
  local what=$1 wanted=$2
  shift 2
  local before=$failures status
  "$@" >/dev/null
  status=$?
  [ "$failures" -gt "$before" ] && status=1
  failures=$before
  if [ "$status" -eq "$wanted" ]; then
    echo "ok: $what"
  else
    echo "WRONG: $what (status $status, wanted $wanted)"
    verdicts=$((verdicts + 1))
  fi
}
answer() { printf '%s\r\n' "$1" >"$stubs/answer"; echo "$2" >"$stubs/status"; }

answer "" 1
echo 0 >"$stubs/status.gone"
expect_status "probe passes on the status of a window that is not there" 1 probe wait Title
expect_status "start_settings fails when the dialog never appears" 1 start_settings
rm "$stubs/status.gone"
answer "shown" 0
expect_status "probe reports a window that is there" 0 probe wait Title
expect_status "expect_probe passes on the same text" 0 expect_probe what shown text T
expect_status "expect_probe fails on another text" 1 expect_probe what other text T
expect_status "await_probe fails when the text never comes" 1 await_probe what other text T
expect_status "wait_for fails on a condition that stays false" 1 wait_for false

sleep 30 &
saver_pid=$!
touch "$stubs/window"
expect_status "expect_end fails while the saver's window stays" 1 expect_end 1 "ends"
rm -f "$stubs/window"
kill "$saver_pid" 2>/dev/null
wait "$saver_pid" 2>/dev/null
(exit 3) &
settings_pid=$!
expect_status "expect_settings_end fails on an exit code other than 0" 1 expect_settings_end "ends"

convert -size 64x64 xc:black "$stubs/screen.png"
expect_status "await_drawing fails on a black screen" 1 await_drawing "$stubs/shot.png" 10 1
expect_status "await_change fails on a screen that stands still" 1 \
  await_change "$stubs/screen.png" "$stubs/shot.png" 1
convert -size 64x64 xc:white "$stubs/screen.png"
expect_status "await_drawing passes on a lit screen" 0 await_drawing "$stubs/shot.png" 10 1

finish_after_failure() { (failures=1 && finish_checks); }
expect_status "finish_checks ends a script with a failure in error" 1 finish_after_failure

[ "$verdicts" -eq 0 ] || { echo "$verdicts helper(s) misjudged"; exit 1; }
echo "every helper fails when its condition is false"
