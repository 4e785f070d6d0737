# shellcheck shell=bash
# Shared by the X11 end-to-end tests: a virtual display of each test's own,
# the screen read back, and an ordinary user to run the screen-saver daemon
# (it refuses to start display programs as root). Every process started here
# is ended by its id when the test ends.

X11_PIDS=()
X11_SCRATCH=$(mktemp -d "${VORLUNDA_TEST_TMP:-/tmp}/x11.XXXXXX")
X11_USER=vorlunda-e2e

x11_cleanup() {
  local pid
  [ -z "${X11_HOME:-}" ] || x11_command -exit 2>/dev/null || true
  local i
  # Newest first, so the programs end before the displays they draw on.
  for (( i = ${#X11_PIDS[@]} - 1; i >= 0; i-- )); do
    pid=${X11_PIDS[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$X11_SCRATCH"
}
trap x11_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A running process that is not a zombie waiting for its parent.
x11_alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

# Waits up to $2 seconds, in steps of 50 ms, for process $1 to be gone.
x11_wait_gone() {
  local pid=$1 steps=$(( $2 * 20 )) i
  for (( i = 0; i < steps; i++ )); do
    x11_alive "$pid" || return 0
    sleep 0.05
  done
  ! x11_alive "$pid"
}

# Starts a virtual display (Xvfb) of screen $1, kept as it is when its
# last client leaves (no server reset), and
# sets DISPLAY to it. Any client may connect: the daemon's user too.
x11_start_display() {
  local screen=$1 fdfile="$X11_SCRATCH/displayfd.$RANDOM" i
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -ac -noreset 3>"$fdfile" >/dev/null 2>&1 &
  X11_PIDS+=($!)
  for (( i = 0; i < 100; i++ )); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || fail "the virtual display did not start"
  DISPLAY=:$(head -n1 "$fdfile")
  export DISPLAY
}

# Prints the number of pixels that are not black on the display, in the
# area WxH+X+Y when given.
x11_count_lit() {
  local shot="$X11_SCRATCH/shot.png" crop=()
  [ $# -gt 0 ] && crop=(-crop "$1" +repage)
  import -window root "$shot" || return 1
  convert "$shot" "${crop[@]}" -colorspace gray -threshold 1% -format '%[fx:round(mean*w*h)]' \
    info: || return 1
}

# Waits up to $2 seconds for at least $1 lit pixels (in area $3 if given).
x11_wait_lit() {
  local want=$1 seconds=$2 i lit=0
  shift 2
  for (( i = 0; i < seconds * 4; i++ )); do
    lit=$(x11_count_lit "$@") || lit=0
    [ "$lit" -ge "$want" ] && return 0
    sleep 0.25
  done
  echo "only $lit pixels lit after $seconds s" >&2
  return 1
}

# The ordinary user the daemon runs as, created when missing. Tests that
# need it skip themselves (exit 77) when not run as root.
x11_need_user() {
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root to run the daemon as another user"; exit 77; }
  id "$X11_USER" >/dev/null 2>&1 ||
    useradd --system --no-create-home --shell /usr/sbin/nologin "$X11_USER" ||
    id "$X11_USER" >/dev/null 2>&1 || fail "cannot create the user $X11_USER"
}

# Runs a command as the daemon's user with the given home and the display.
x11_as_user() {
  local home=$1
  shift
  runuser -u "$X11_USER" -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin "$@"
}

# A home for the daemon whose only display program is $1 (a command line),
# with no fading, no locking and no splash; sets X11_HOME.
x11_daemon_home() {
  X11_HOME="$X11_SCRATCH/home"
  mkdir -p "$X11_HOME"
  cat >"$X11_HOME/.xscreensaver" <<XSCREENSAVER
timeout:	0:30:00
cycle:		0:00:00
lock:		False
mode:		one
selected:	0
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
programs:	$1 \\n
XSCREENSAVER
  chmod 0755 "$X11_SCRATCH"
  chown -R "$X11_USER" "$X11_HOME"
}

# Starts the daemon as the user, its output in $X11_SCRATCH/daemon.log, and
# waits until it answers.
x11_start_daemon() {
  x11_as_user "$X11_HOME" xscreensaver -no-splash -verbose >"$X11_SCRATCH/daemon.log" 2>&1 &
  X11_PIDS+=($!)
  local i
  for (( i = 0; i < 100; i++ )); do
    x11_as_user "$X11_HOME" xscreensaver-command -time >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$X11_SCRATCH/daemon.log" >&2
  fail "the daemon did not answer"
}

x11_command() { x11_as_user "$X11_HOME" xscreensaver-command "$@" >/dev/null; }

# The display program the daemon runs as the user, waited for up to 10 s.
x11_daemon_program() {
  local i pid
  for (( i = 0; i < 100; i++ )); do
    pid=$(pgrep -u "$X11_USER" -x vorlunda | head -n1) && [ -n "$pid" ] && { echo "$pid"; return 0; }
    sleep 0.1
  done
  return 1
}
