#!/bin/bash
# The Debian package: lintian finds no error in it, dpkg installs it (into a
# root of the test's own, so the machine's system is left as it was), its
# dependencies are met on this system, its files are where the desktops
# look, and the program it installs is the one the daemon runs and draws.
set -euo pipefail
# shellcheck source=SCRIPTDIR/support/x11.sh
source "$(dirname "$0")/support/x11.sh"
deb=${VORLUNDA_DEB:?the built package}
[ -f "$deb" ] || fail "no package at $deb"
x11_need_user

lintian --fail-on error "$deb" ||
  fail "lintian reports errors"
dpkg --dry-run -i "$deb" >/dev/null || fail "the package cannot be installed on this system"

root="$X11_SCRATCH/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
# Its dependencies are in the real system, not in this empty root.
dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$X11_SCRATCH/dpkg.log" 2>&1 ||
  fail "dpkg cannot install the package: $(cat "$X11_SCRATCH/dpkg.log")"
installed=$(dpkg --root="$root" -L vorlunda-x11)
for path in /usr/libexec/xscreensaver/vorlunda /usr/share/xscreensaver/config/vorlunda.xml \
  /usr/share/applications/screensavers/vorlunda.desktop /usr/share/doc/vorlunda-x11/copyright; do
  grep -qx "$path" <<<"$installed" || fail "the package does not install $path"
done
program="$root/usr/libexec/xscreensaver/vorlunda"
[ -x "$program" ] || fail "the installed program is not executable"
ldd "$program" | grep -q "not found" && fail "the installed program misses libraries"
grep -qx 'Exec=/usr/libexec/xscreensaver/vorlunda -root' \
  "$root/usr/share/applications/screensavers/vorlunda.desktop" ||
  fail "the desktop entry does not start the program on the root window"
xml="$root/usr/share/xscreensaver/config/vorlunda.xml"
grep -q '<screensaver name="vorlunda"' "$xml" || fail "the description names another program"
# Every scheme the description offers is one the program knows.
grep -o "arg-set=\"-scheme '[^']*'\"" "$xml" | sed -e "s/^arg-set=\"-scheme '//" -e "s/'\"$//" \
  -e 's/&amp;/\&/g' >"$X11_SCRATCH/offered"
[ -s "$X11_SCRATCH/offered" ] || fail "the description offers no scheme"
XDG_CONFIG_HOME="$X11_SCRATCH" "$program" --list | cut -f1 >"$X11_SCRATCH/known"
diff "$X11_SCRATCH/offered" "$X11_SCRATCH/known" || fail "the offered schemes are not the program's"

x11_start_display 800x600x24
chmod -R a+rX "$root"
x11_daemon_home "$program -root"
x11_start_daemon
x11_command -activate
x11_wait_lit 2000 15 || fail "the installed program drew nothing"
pid=$(x11_daemon_program) || fail "the daemon runs no vorlunda"
[ "$(readlink "/proc/$pid/exe")" = "$program" ] || fail "the daemon runs another program"
x11_command -deactivate
x11_wait_gone "$pid" 1 || fail "the installed program did not end on deactivation"
echo "PASS"
