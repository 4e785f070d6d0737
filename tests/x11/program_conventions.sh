#!/bin/bash
# The program keeps the conventions of an X display program: it ends with 0
# on SIGTERM and SIGINT and never on a key pressed elsewhere (the daemon
# reads input, not the program), while its own window closes on Escape or q;
# a bad option or value gets one line on stderr and exit code 2; and the
# configuration file is read, each unreadable line reported by its number
# and skipped, the file left as it was.
set -euo pipefail
# shellcheck source=SCRIPTDIR/support/x11.sh
source "$(dirname "$0")/support/x11.sh"
program=${VORLUNDA_X11:?the built program}

# One line on stderr, nothing on stdout, exit code 2.
expect_usage_error() {
  local status=0
  "$program" "$@" >"$X11_SCRATCH/out" 2>"$X11_SCRATCH/err" || status=$?
  [ "$status" -eq 2 ] || fail "$* ended with $status, not 2"
  [ "$(wc -l <"$X11_SCRATCH/err")" -eq 1 ] || fail "$* wrote not one line: $(cat "$X11_SCRATCH/err")"
  [ ! -s "$X11_SCRATCH/out" ] || fail "$* wrote to stdout"
}
expect_usage_error -no-such-option
expect_usage_error --seed 12x
expect_usage_error --scheme
expect_usage_error --scheme "No such scheme"
for option in root window window-id scheme seed info list check display help; do
  "$program" --help | grep -q -- "--$option" || fail "--help does not list --$option"
done

# A configuration of one scheme of the user's own, a line that is no value
# and a scheme text that does not read.
config="$X11_SCRATCH/config"
mkdir -p "$config/vorlunda"
conf="$config/vorlunda/vorlunda.conf"
sample=$("$program" --list | grep '^Ferns' | cut -f2)
cat >"$conf" <<CONF
# made by hand
HighestVersion = 12
[Schemes]
My ferns = $sample
not a value
Broken = 12,1,nonsense
CONF
before=$(md5sum <"$conf")
export XDG_CONFIG_HOME=$config
"$program" --list >"$X11_SCRATCH/list" 2>"$X11_SCRATCH/err"
[ "$(cut -f1 "$X11_SCRATCH/list")" = "My ferns" ] || fail "the file's scheme is not the one listed"
grep -q "vorlunda.conf:5: skipped: no \"=\" between a name and a value" "$X11_SCRATCH/err" ||
  fail "line 5 was not reported: $(cat "$X11_SCRATCH/err")"
grep -q "vorlunda.conf:6: skipped: " "$X11_SCRATCH/err" || fail "the broken scheme was not reported"
[ "$(md5sum <"$conf")" = "$before" ] || fail "reading changed the file"

# Larger than a window of its own (800 x 600), so the window can grow.
x11_start_display 1024x768x24
for signal in TERM INT; do
  "$program" -root --scheme "My ferns" 2>/dev/null &
  saver=$!
  X11_PIDS+=("$saver")
  x11_wait_lit 500 15 || fail "nothing drawn before SIG$signal"
  # A key pressed on the display is the daemon's business.
  xdotool key q
  sleep 0.2
  x11_alive "$saver" || fail "a key pressed elsewhere ended the program"
  kill "-$signal" "$saver"
  x11_wait_gone "$saver" 5 || fail "SIG$signal did not end the program"
  status=0
  wait "$saver" || status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal ended the program with $status"
done

for key in Escape q; do
  "$program" -window 2>/dev/null &
  saver=$!
  X11_PIDS+=("$saver")
  window=$(xdotool search --sync --name '^Vorlunda$' | head -n1)
  x11_wait_lit 500 15 || fail "nothing drawn in its own window"
  if [ "$key" = q ]; then
    # Made larger, the window is drawn to its new corner.
    xdotool windowsize "$window" 1000 700
    x11_wait_lit 50 15 190x90+810+610 || fail "the resized window was not drawn to its new size"
  fi
  xdotool key --window "$window" "$key"
  x11_wait_gone "$saver" 5 || fail "$key did not close its own window"
  status=0
  wait "$saver" || status=$?
  [ "$status" -eq 0 ] || fail "closing its own window ended the program with $status"
done
echo "PASS"
