#!/usr/bin/env bash
# The viewer on a disc whose start page tries to reach the network by the
# ways no request guard sees (WebRTC, WebTransport, name lookups), run in a
# network namespace that has a real interface, a route and a name server.
# Whatever the page sends would leave through that interface; a capture on
# its other end must see nothing from the viewer.
#   sealed_network_test.sh VIEWER DISC ATTACK_PAGE root|user
# Needs root (namespaces, veth); skips (77) otherwise.
set -euo pipefail
viewer=$1 disc=$2 attack=$3 who=${4:-root}

if [ "$(id -u)" -ne 0 ] || ! command -v ip >/dev/null || ! command -v tcpdump >/dev/null; then
  echo "SKIP: needs root, ip and tcpdump"
  exit 77
fi

tag=$$
ns=vseal$tag peer=vpeer$tag inside=vs$tag outside=vp$tag
work=$(mktemp -d)
[ -n "${VELMORA_KEEP_WORK:-}" ] && echo "work: $work"
viewer_pid= capture_pid=
cleanup() {
  [ -n "$viewer_pid" ] && kill -KILL "$viewer_pid" 2>/dev/null || true
  [ -n "$capture_pid" ] && kill "$capture_pid" 2>/dev/null || true
  ip netns del "$ns" 2>/dev/null || true
  ip netns del "$peer" 2>/dev/null || true
  rm -rf "/etc/netns/$ns"
  [ -n "${VELMORA_KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

if ! ip netns add "$ns"; then
  echo "SKIP: this machine makes no network namespaces"
  exit 77
fi
ip netns add "$peer"
ip link add "$inside" netns "$ns" type veth peer name "$outside" netns "$peer"
ip -n "$ns" addr add 10.231.0.2/24 dev "$inside"
ip -n "$ns" -6 addr add fd00:231::2/64 dev "$inside" nodad
ip -n "$peer" addr add 10.231.0.1/24 dev "$outside"
ip -n "$peer" -6 addr add fd00:231::1/64 dev "$outside" nodad
for side in "$ns:$inside" "$peer:$outside"; do
  ip -n "${side%%:*}" link set lo up
  ip -n "${side%%:*}" link set "${side#*:}" up
done
ip -n "$ns" route add default via 10.231.0.1
ip -n "$ns" -6 route add default via fd00:231::1
mkdir -p "/etc/netns/$ns"
echo "nameserver 10.231.0.1" >"/etc/netns/$ns/resolv.conf"

# Every TCP and UDP packet that reaches the far end, DNS queries included.
ip netns exec "$peer" tcpdump -i "$outside" -n -U -w "$work/capture.pcap" 'tcp or udp' \
  2>"$work/tcpdump.log" &
capture_pid=$!
until grep -q "listening on" "$work/tcpdump.log"; do
  kill -0 "$capture_pid" || { cat "$work/tcpdump.log"; exit 1; }
  sleep 0.1
done

# The capture sees what leaves the namespace: probes from outside the viewer
# until one arrives, so the link is up and routed before the viewer starts.
probes_seen() {
  tcpdump -r "$work/capture.pcap" -n 2>/dev/null | awk '/\.9: UDP/ { n++ } END { print n + 0 }'
}
for _ in $(seq 100); do
  ip netns exec "$ns" bash -c 'echo probe >/dev/udp/10.231.0.1/9'
  [ "$(probes_seen)" -gt 0 ] && break
  sleep 0.1
done

# A copy of the demo disc whose start page is the attack.
cp -r "$disc" "$work/disc"
cp "$attack" "$work/disc/Data/799.htm"
mkdir -p "$work/home" "$work/tmp"
run_as=()
if [ "$who" = user ]; then
  # An ordinary user: the viewer makes its namespace through a user namespace.
  chown -R 65534:65534 "$work/home" "$work/tmp"
  # The build may lie where that user cannot reach (a root's home).
  cp "$viewer" "$work/velmora"
  viewer=$work/velmora
  chmod -R a+rX "$work"
  run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups --inh-caps=-all)
fi
(
  cd "$work/disc"
  exec ip netns exec "$ns" "${run_as[@]}" env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
    -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" TMPDIR="$work/tmp" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" "$viewer"
) >"$work/viewer.log" 2>&1 &
viewer_pid=$!

# The page asks for "attacks-done" once every attempt has ended.
until grep -q "attacks-done" "$work/viewer.log"; do
  if ! kill -0 "$viewer_pid" 2>/dev/null; then
    echo "The viewer ended before the page had tried everything:"
    cat "$work/viewer.log"
    exit 1
  fi
  sleep 0.2
done
grep "velmora:" "$work/viewer.log" || true
# The page reports what it could try; without WebRTC and WebTransport there
# would be nothing to prove.
tried=$(grep -o "attacks-done/[^ ]*" "$work/viewer.log" | head -1)
case "$tried" in
  *rtc*transport*) ;;
  *) echo "FAIL: the page could not try WebRTC and WebTransport ($tried)"; exit 1 ;;
esac
kill -TERM "$viewer_pid"
wait "$viewer_pid" 2>/dev/null || true
viewer_pid=

kill -INT "$capture_pid"
wait "$capture_pid" 2>/dev/null || true
capture_pid=
packets=$(tcpdump -r "$work/capture.pcap" -n 2>/dev/null)
echo "Captured on the far end:"
echo "$packets"
probes=$(awk '/\.9: UDP/ { n++ } END { print n + 0 }' <<<"$packets")
others=$(awk 'NF && !/\.9: UDP/ { n++ } END { print n + 0 }' <<<"$packets")
if [ "$probes" -lt 1 ]; then
  echo "FAIL: the capture did not see the probe packet"
  exit 1
fi
if [ "$others" -ne 0 ]; then
  echo "FAIL: $others packets left the viewer's machine"
  exit 1
fi
if grep -q "no network namespace of its own" "$work/viewer.log"; then
  echo "FAIL: the viewer ran without its own network namespace"
  exit 1
fi
echo "PASS: nothing left ($who)"
