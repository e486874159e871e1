#!/usr/bin/env bash
# wayland-session.sh COMMAND [ARGUMENT...]
#
# Runs COMMAND in a Wayland session of its own, as Debian's default desktop
# gives one: the weston compositor (headless, pixman, 1280 x 800) with its
# desktop shell and XWayland; WAYLAND_DISPLAY and DISPLAY set,
# QT_QPA_PLATFORM unset. Ends weston afterwards and exits with COMMAND's
# status. (--debug lets weston-screenshooter take pictures of the output.)
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENT...]" >&2; exit 2; }

work=$(mktemp -d)
chmod 700 "$work"
compositor=
command=
stop() {
  [ -n "$command" ] && kill "$command" 2>/dev/null && wait "$command" 2>/dev/null
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
# shellcheck source=session-command.sh
source "$(dirname "${BASH_SOURCE[0]}")/session-command.sh"
trap 'exit 143' TERM INT

export XDG_RUNTIME_DIR=$work
weston --backend=headless-backend.so --use-pixman --width=1280 --height=800 \
  --xwayland --socket=wayland-velmora --idle-time=0 --debug --log="$work/weston.log" &
compositor=$!
number=
for _ in $(seq 1 100); do
  number=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null)
  [ -n "$number" ] && [ -S "$work/wayland-velmora" ] && break
  sleep 0.1
done
[ -n "$number" ] || { cat "$work/weston.log" >&2; echo "weston did not start" >&2; exit 1; }
export WAYLAND_DISPLAY=wayland-velmora DISPLAY=":$number"
unset QT_QPA_PLATFORM

velmora_run_session_command "$@"
