#pragma once
// The viewer's own network namespace: the disc's pages reach no network,
// whatever the browser engine lets them try (WebRTC, WebTransport, a media
// player's playlist), because the process has no interface but loopback.

#include <string>

namespace velmora::platform::qt {

struct NetworkSeal {
  bool sealed = false;
  std::string reason;  // why not, when not sealed
};

// Moves the calling process into a network namespace of its own that holds
// only a loopback interface (as an unprivileged user through a user
// namespace of its own that maps the user to itself). Must run while the
// process has a single thread: before QApplication, before any helper
// process that should stay outside is started.
NetworkSeal LeaveNetwork();

}  // namespace velmora::platform::qt
