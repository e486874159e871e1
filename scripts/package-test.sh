#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it on this
# machine, runs the installed viewer on an X server of its own (from its
# desktop entry's directory, with a disc image through the entry's command
# line, from a disc named by the settings, and in a directory without a
# disc), then purges the package and checks that nothing of it is left.
#
# Needs root or password-less sudo (it installs a package); otherwise it says
# so and skips. VELMORA_PACKAGE_BUILD=DIR packages that build directory
# instead of building build-package/ (RelWithDebInfo, Debian's build flags).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

say() { echo "package-test: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
  say "SKIPPED: installing a package needs root or password-less sudo."
  exit 0
fi
if dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q "ok installed"; then
  say "SKIPPED: a velmora package is already installed here; the test would replace and purge it."
  exit 0
fi

VELMORA_PACKAGES+=(dpkg-dev file lintian desktop-file-utils appstream xorriso)
velmora_install_packages

build=${VELMORA_PACKAGE_BUILD:-$VELMORA_ROOT/build-package}
if [ -z "${VELMORA_PACKAGE_BUILD:-}" ]; then
  # Debian's hardening flags; they count only when the directory is first made.
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow dpkg-buildflags --get LDFLAGS)" \
    VELMORA_BUILD="$build" velmora_build RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr -DVELMORA_BUILD_TESTS=OFF
else
  cmake "$build" -DCMAKE_INSTALL_PREFIX=/usr
  cmake --build "$build" -j "$(nproc)"
fi

rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/velmora_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "cpack made no single velmora_*_amd64.deb"
fi
deb=${debs[0]}
say "built $(basename "$deb")"

# No errors allowed; warnings are printed for the reader.
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" ||
  fail "lintian reports errors"

work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then
    velmora_sudo env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q velmora >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# apt reads the file as its own unprivileged user when it can.
cp "$deb" "$work/"
chmod 755 "$work"
velmora_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$work/$(basename "$deb")"
installed=1

desktop=/usr/share/applications/org.kestrava.velmora.desktop
for file in /usr/bin/velmora /usr/bin/velmora-cli /usr/share/velmora/disc/Anim/start.exe \
  /usr/share/velmora/disc/Data/799.htm /usr/share/velmora/disc/DB/RP.CSV "$desktop" \
  /usr/share/metainfo/org.kestrava.velmora.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/velmora.svg \
  /usr/share/icons/hicolor/48x48/apps/velmora.png \
  /usr/share/man/man1/velmora.1.gz /usr/share/man/man1/velmora-cli.1.gz \
  /usr/share/doc/velmora/copyright /usr/share/doc/velmora/changelog.Debian.gz; do
  [ -e "$file" ] || fail "the package did not install $file"
done
[ -x /usr/share/velmora/disc/Anim/start.exe ] || fail "Anim/start.exe lost its exec bit"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net /usr/share/metainfo/org.kestrava.velmora.metainfo.xml ||
  fail "appstreamcli rejects the metainfo"

# The viewer as an ordinary desktop would start it: no settings, so the disc
# is the current directory, the entry's Path.
entry_path=$(sed -n 's/^Path=//p' "$desktop")
entry_exec=$(sed -n 's/^Exec=//p' "$desktop")
[ "$entry_path" = /usr/share/velmora/disc ] || fail "the entry's Path is '$entry_path'"
[ "$(command -v "${entry_exec%% *}")" = /usr/bin/velmora ] || fail "Exec=$entry_exec is not /usr/bin/velmora"
[ "$entry_exec" = "velmora %f" ] || fail "Exec=$entry_exec does not take a file"
grep -q '^MimeType=.*application/x-cd-image;' "$desktop" || fail "the entry declares no disc image type"

# Settings, the cache and the working directory stay inside the test's
# directory; no disc of this machine is offered.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" TMPDIR="$work/tmp" \
  HOME="$work/home" VELMORA_MEDIA_ROOTS="$work/media"
mkdir -p "$XDG_CONFIG_HOME" "$TMPDIR" "$HOME"
velmora_browser_environment
# A real X server (Xvfb), as on a desktop.
unset QT_QPA_PLATFORM

# run_viewer NAME DIR [FILE]: the installed viewer in DIR on an X server of
# its own, unattended, started by the entry's command line with FILE for %f
# as a file manager does (one argument, whatever it holds; none without
# FILE); sets status (the viewer's alone: the server's clean-up cannot
# change it), leaves NAME.png, NAME.err.
run_viewer() {
  local name=$1 dir=$2 word
  local command=()
  for word in $entry_exec; do
    if [ "$word" = %f ]; then
      [ $# -lt 3 ] || command+=("$3")
    else
      command+=("$word")
    fi
  done
  status=0
  (cd "$dir" && VELMORA_SCREENSHOT="$work/$name.png" VELMORA_SCREENSHOT_DELAY_MS=2000 \
    timeout 180 "$VELMORA_ROOT/scripts/x11-session.sh" "${command[@]}" \
    >"$work/$name.out" 2>"$work/$name.err") || status=$?
  if [ "$status" -ge 124 ]; then
    cat "$work/$name.err" >&2
    fail "$name: the viewer hung or crashed (status $status)"
  fi
}

# expect_start_page NAME: a real picture of the start page was saved.
expect_start_page() {
  local name=$1 shot=$work/$1.png size
  [ "$status" -eq 0 ] || { cat "$work/$name.err" >&2; fail "$name: status $status"; }
  [ -s "$shot" ] || fail "$name: no screenshot"
  size=$(identify -format '%w %h' "$shot") || fail "$name: the screenshot is no picture"
  [ "$size" != "0 0" ] || fail "$name: empty screenshot"
  # A blank window compresses to almost nothing; the start page has photographs.
  [ "$(stat -c %s "$shot")" -gt 20000 ] || fail "$name: the screenshot looks blank"
  say "$name: start page shown ($size)"
}

run_viewer desktop-entry "$entry_path"
expect_start_page desktop-entry

# Started by hand where there is no disc: the disc chooser comes (and is
# closed once saved: nothing chosen, status 0, no settings written).
mkdir "$work/empty"
run_viewer no-disc "$work/empty"
[ "$status" -eq 0 ] || { cat "$work/no-disc.err" >&2; fail "no-disc: status $status, expected 0"; }
[ -s "$work/no-disc.png" ] || fail "no-disc: the chooser was not shown"
[ ! -e "$XDG_CONFIG_HOME/Kestrava/VNQE.conf" ] || fail "no-disc: settings were written"
say "no-disc: the disc chooser is shown"

# A disc image opened as a file manager opens it: unpacked into the cache,
# its Rock Ridge programs still runnable (no error box), the start page shown.
xorriso -as mkisofs -quiet -J -R -o "$work/Velmora plyta.iso" /usr/share/velmora/disc
run_viewer image "$work/empty" "$work/Velmora plyta.iso"
expect_start_page image
! grep -q "Błąd" "$work/image.err" || { cat "$work/image.err" >&2; fail "image: an error box"; }
ls "$XDG_CACHE_HOME"/velmora/discs/*/complete >/dev/null 2>&1 || fail "image: nothing in the cache"
[ ! -e "$XDG_CONFIG_HOME/Kestrava/VNQE.conf" ] || fail "image: settings were written"

# A disc installed for the user: the settings name it, and it is shown from
# any directory.
velmora-cli install --disc /usr/share/velmora/disc --to "$work/disc-copy"
[ -f "$XDG_CONFIG_HOME/Kestrava/VNQE.conf" ] || fail "velmora-cli install wrote no settings"
run_viewer settings "$work/empty"
expect_start_page settings

# Settings naming a disc that is not there: the disc is asked for, the viewer
# ends with a failure status.
printf '[General]\ncdPath=%s/no-cd/\ninstPath=%s/disc-copy/\n' "$work" "$work" \
  >"$XDG_CONFIG_HOME/Kestrava/VNQE.conf"
run_viewer no-cd "$work/empty"
[ "$status" -eq 1 ] || { cat "$work/no-cd.err" >&2; fail "no-cd: status $status, expected 1"; }
grep -q "Brak CD-ROMu w stacji $work/no-cd/" "$work/no-cd.err" ||
  { cat "$work/no-cd.err" >&2; fail "no-cd: the disc is not asked for"; }
say "no-cd: the disc is asked for, status 1"

# Nothing the package installed may stay behind.
velmora_sudo env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q velmora
installed=0
for file in /usr/bin/velmora /usr/bin/velmora-cli /usr/share/velmora "$desktop" \
  /usr/share/metainfo/org.kestrava.velmora.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/velmora.svg \
  /usr/share/man/man1/velmora.1.gz /usr/share/doc/velmora; do
  [ ! -e "$file" ] || fail "$file is left after purging the package"
done
! dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q "ok installed" ||
  fail "dpkg still lists velmora"
say "PASSED: built, checked, installed, started and purged $(basename "$deb")"
