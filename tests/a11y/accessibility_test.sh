#!/usr/bin/env bash
# The viewer on the demo disc as a screen reader sees it: on Xvfb with
# openbox and a D-Bus session of its own, with Qt's accessibility bridge on,
# accessible_objects.py lists every accessible object of the viewer and
# fails on a visible control without a name or with the wrong role.
#   accessibility_test.sh VIEWER DISC
# Skips (77) where AT-SPI, Xvfb or openbox is missing.
set -euo pipefail
viewer=$(realpath "$1") disc=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
session=$here/../../scripts/x11-session.sh
python=/usr/bin/python3

for tool in dbus-run-session Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: needs $tool"; exit 77; }
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: needs python3-pyatspi"
  exit 77
fi

# On the X server: offscreen windows reach no accessibility bus.
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
exec dbus-run-session -- "$session" --window-manager \
  "$python" "$here/accessible_objects.py" "$viewer" "$disc"
