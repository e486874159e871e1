# Shared by run.sh and test.sh: installs the Debian packages Velmora needs
# (when missing) and builds it.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_BUILD=${VELMORA_BUILD:-$VELMORA_ROOT/build}

VELMORA_PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin
  qt6-multimedia-dev libgl1-mesa-dev libvulkan-dev qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  gstreamer1.0-tools
  ffmpeg libarchive-dev xorriso genisoimage libzim-dev zim-tools kiwix-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick fonts-dejavu-core openbox xdotool weston xwayland
  iproute2 tcpdump
  at-spi2-core python3-pyatspi dbus-daemon
)

velmora_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

velmora_install_packages() {
  local missing=()
  for package in "${VELMORA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  velmora_sudo apt-get update -q
  velmora_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

velmora_build() {
  local type=${1:-RelWithDebInfo}
  shift || true
  cmake -S "$VELMORA_ROOT" -B "$VELMORA_BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
  cmake --build "$VELMORA_BUILD" -j "$(nproc)"
}

# QtWebEngine's sandbox cannot run as root.
velmora_browser_environment() {
  if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
    case " ${QTWEBENGINE_CHROMIUM_FLAGS:-} " in
      *" --no-sandbox "*) ;;
      *) export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox" ;;
    esac
  fi
}
