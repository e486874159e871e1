#!/usr/bin/env bash
# x11-session.sh [--window-manager] COMMAND [ARGUMENT...]
#
# Runs COMMAND on an X server of its own (Xvfb, 1280 x 800, on a free
# display number) and, with --window-manager, under the openbox window
# manager, as on a desktop. Ends both afterwards and exits with COMMAND's
# status alone: stopping the server cannot fail the run.
set -uo pipefail

manager=0
if [ "${1:-}" = "--window-manager" ]; then
  manager=1
  shift
fi
[ $# -gt 0 ] || { echo "usage: $0 [--window-manager] COMMAND [ARGUMENT...]" >&2; exit 2; }

work=$(mktemp -d)
server=
wm=
command=
stop() {
  [ -n "$command" ] && kill "$command" 2>/dev/null && wait "$command" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
# shellcheck source=session-command.sh
source "$(dirname "${BASH_SOURCE[0]}")/session-command.sh"
trap 'exit 143' TERM INT

# The server writes the display number it took once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
read -r -t 30 number <"$work/display" || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
unset WAYLAND_DISPLAY

if [ "$manager" -eq 1 ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm=$!
  # Managing once it has announced itself on the root window.
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  export VELMORA_TEST_WINDOW_MANAGER=openbox
fi

velmora_run_session_command "$@"
