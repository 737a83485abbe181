# The harness's one library, sourced by its scripts (dash or bash), in the
# manner of git's test-lib.sh: the traps, the run's folder, its children, its
# waits and its X server are set up here once; no script writes a trap.
#
# On every way out (its end, exit, set -e, HUP, INT, TERM) the script, once
# and deaf to a second signal: names the step under way if it failed ($step,
# with the end of $step_log); ends every child still running, with what each
# started, and waits for them; runs what at_end was given, the newest first;
# removes $run_folder. Its status is its own, or 129, 130, 143 on a signal.
run_folder=$(mktemp -d "${TMPDIR:-/tmp}/kalderon-$(basename "$0" .sh).XXXXXX")
# Seconds a wait is given: many times what the slowest machine (an emulated
# guest, a sanitizer build) takes, well within CTest's timeout.
patience=60
step="" step_log="" found="" harness_children="" harness_at_end=""

# A command (shell text) to run on the way out.
at_end() { harness_at_end="$1
$harness_at_end"; }

# Starts a command in the background, in a session and process group of its
# own, its pid in $!. A shell takes a signal only between commands: a long
# one runs so, and is waited for, never in the foreground. It reads nothing.
started() { setsid "$@" & harness_children="$harness_children $!"; }

# Runs a command as started, to its end; its status.
waited() { started "$@"; harness_reap $!; }

# Waits for the started child PID, ended if it is still running after
# $patience seconds; its status.
ended() {
  wait_for "the end of process $1" harness_gone "$1" || kill "$1" 2>/dev/null || true
  harness_reap "$1"
}

# Asks a command every tenth of a second until it succeeds, its last output
# in $found. Gives up after $patience seconds, or once process PID has
# ended (--while PID), saying what it waited for and how far it came.
# Usage: wait_for [--while PID] WHAT COMMAND [ARG...]
wait_for() {
  local alive="" what start tries=1
  [ "$1" != --while ] || { alive=$2; shift 2; }
  what=$1
  shift
  start=$(date +%s)
  until found=$("$@"); do
    if [ -n "$alive" ] && ! kill -0 "$alive" 2>/dev/null; then
      what="$what, but process $alive ended first"
    elif [ $(($(date +%s) - start)) -lt "$patience" ]; then
      tries=$((tries + 1))
      sleep 0.1
      continue
    fi
    echo "FAIL: waited $(($(date +%s) - start)) s for $what (tries: $tries); the last try said: ${found:-nothing}" >&2
    return 1
  done
}

# An X server of the run's own, ended with it, the run's programs' only
# display. It picks a free display and says which (-displayfd), so runs
# started together never race for one.
start_x() {
  unset WAYLAND_DISPLAY
  started Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run_folder/display" >/dev/null 2>&1
  wait_for --while $! "the X server's display" grep -x '[0-9][0-9]*' "$run_folder/display" || return
  export DISPLAY=":$found"
}

# x_window PID TITLE: the window titled exactly TITLE once it is shown, in
# $found; PID is its program, which must not end first.
x_window() { wait_for --while "$1" "a window titled \"$2\"" harness_x_shown "$2"; }

# x_focus PID WINDOW: the keyboard focus on WINDOW, asked for until it is
# there (xdotool's own --sync gives up after a while on a loaded machine).
x_focus() { wait_for --while "$1" "the keyboard focus on window $2" harness_x_focused "$2"; }

harness_x_shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
harness_x_focused() {
  xdotool windowfocus "$1" 2>/dev/null
  set -- "$1" "$(xdotool getwindowfocus 2>/dev/null)"
  echo "the focus is on window ${2:-none}"
  [ "$2" = "$1" ]
}
harness_gone() { ! kill -0 "$1" 2>/dev/null || { echo "$(cat "/proc/$1/comm" 2>/dev/null) ($1) runs"; false; }; }

# The child's status; what it left in its group goes with it.
harness_reap() {
  local status=0 pid kept=""
  wait "$1" || status=$?
  kill -TERM -"$1" 2>/dev/null || true
  for pid in $harness_children; do [ "$pid" = "$1" ] || kept="$kept $pid"; done
  harness_children=$kept
  return "$status"
}

harness_none_running() { for pid in $harness_children; do harness_gone "$pid" || return 1; done; }

harness_end() {
  local status=$? pid
  trap '' HUP INT TERM
  set +e
  if [ "$status" -ne 0 ] && [ -n "$step" ]; then
    [ "$status" -eq 77 ] || echo "FAIL: $step (status $status)"
    [ -z "$step_log" ] || tail -n 20 "$step_log"
  fi
  for pid in $harness_children; do kill -TERM -"$pid" "$pid" 2>/dev/null; done
  patience=10  # a child told to end has ended in seconds, or is killed: a stop is never held long
  wait_for "this run's children to end" harness_none_running ||
    for pid in $harness_children; do kill -KILL -"$pid" "$pid" 2>/dev/null; done
  wait
  eval "$harness_at_end"
  rm -rf "$run_folder"
  exit "$status"
}
trap harness_end EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
