#!/usr/bin/env bash
# Installs what Velmora needs, builds it and runs the whole test suite: the
# core tests, the replay tests and the GUI tests on the real browser engine
# (offscreen).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages
velmora_build Debug -DVELMORA_WERROR=ON
velmora_browser_environment
export QT_QPA_PLATFORM=offscreen

cd "$VELMORA_BUILD"
ctest --output-on-failure -j 2 --timeout 600
