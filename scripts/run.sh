#!/usr/bin/env bash
# Installs what Velmora needs, builds it and starts the viewer on the demo
# disc in sample-content/. Without a display it runs under Xvfb, saves a
# screenshot of the start page and prints where.
set -euo pipefail
# A build directory of its own (test.sh builds Debug into build/), so that
# neither command rebuilds what the other built.
: "${VELMORA_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-run}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages
# Only what it runs: the viewer and the command-line tools, no tests.
velmora_build RelWithDebInfo -DVELMORA_BUILD_TESTS=OFF
velmora_browser_environment

# Named on the command line, the demo disc is shown whatever the settings say.
cd "$VELMORA_ROOT/sample-content"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$VELMORA_BUILD/velmora" "$VELMORA_ROOT/sample-content"
fi

shot=${VELMORA_SCREENSHOT:-$VELMORA_BUILD/screenshot-start-page.png}
echo "No display available: running the viewer under Xvfb for a screenshot."
VELMORA_SCREENSHOT="$shot" "$VELMORA_ROOT/scripts/x11-session.sh" --window-manager "$VELMORA_BUILD/velmora" "$VELMORA_ROOT/sample-content"
echo "Screenshot of the start page: $shot"
