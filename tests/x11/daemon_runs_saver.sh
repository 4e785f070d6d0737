#!/bin/bash
# The screen-saver daemon drives the built program: activation shows
# fractals on the screen, deactivation ends the program within a second,
# and a line of its configuration file that does not read is reported on
# the program's error output (which the daemon keeps in its log) and
# skipped.
set -euo pipefail
# shellcheck source=SCRIPTDIR/support/x11.sh
source "$(dirname "$0")/support/x11.sh"
program=${VORLUNDA_X11:?the built program}
x11_need_user
x11_start_display 1024x768x24
# The program is copied where the user can reach it whatever the build's
# folders allow.
install -m 0755 "$program" "$X11_SCRATCH/vorlunda"
x11_daemon_home "$X11_SCRATCH/vorlunda -root"
mkdir -p "$X11_HOME/.config/vorlunda"
printf 'InfoLine = 1\nthis line has no equals sign\n' >"$X11_HOME/.config/vorlunda/vorlunda.conf"
chown -R "$X11_USER" "$X11_HOME"

x11_start_daemon
lit=$(x11_count_lit)
[ "$lit" -eq 0 ] || fail "the screen is not black before activation ($lit pixels lit)"
x11_command -activate
x11_wait_lit 2000 15 || fail "no fractal on the screen after activation"
pid=$(x11_daemon_program) || fail "the daemon runs no vorlunda"
[ "$(readlink "/proc/$pid/exe")" = "$X11_SCRATCH/vorlunda" ] || fail "the daemon runs another program"
x11_command -deactivate
x11_wait_gone "$pid" 1 || fail "the program was still running a second after deactivation"
grep -q "vorlunda: .*vorlunda.conf:2: skipped: no \"=\" between a name and a value" \
  "$X11_SCRATCH/daemon.log" || fail "the unreadable line was not reported: $(cat "$X11_SCRATCH/daemon.log")"
echo "PASS"
