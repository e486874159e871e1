#include "viewer/network_seal.h"

#include <cerrno>
#include <cstring>

#ifdef __linux__
#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace velmora::platform::qt {

#ifdef __linux__
namespace {

bool WriteProcFile(const char* path, const std::string& text) {
  const int fd = open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return written;
}

// The user and group keep their numbers inside, so files, sockets and the
// desktop's services see the same user as before.
bool MapUserToItself(uid_t uid, gid_t gid) {
  // Writing the group map unprivileged needs setgroups to be denied first.
  WriteProcFile("/proc/self/setgroups", "deny");
  return WriteProcFile("/proc/self/uid_map",
                       std::to_string(uid) + " " + std::to_string(uid) + " 1") &&
         WriteProcFile("/proc/self/gid_map",
                       std::to_string(gid) + " " + std::to_string(gid) + " 1");
}

// A new namespace's loopback starts down.
bool BringUpLoopback() {
  const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  ifreq request{};
  std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
  bool up = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
  if (up) {
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
    up = ioctl(fd, SIOCSIFFLAGS, &request) == 0;
  }
  close(fd);
  return up;
}

std::string Failure(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

}  // namespace

NetworkSeal LeaveNetwork() {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  NetworkSeal seal;
  if (uid == 0) {
    // Root may have a network namespace without a user namespace, and keeps
    // its own access to files that way.
    if (unshare(CLONE_NEWNET) != 0) {
      seal.reason = Failure("unshare(CLONE_NEWNET)");
      return seal;
    }
  } else {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
      seal.reason = Failure("unshare(CLONE_NEWUSER | CLONE_NEWNET)");
      return seal;
    }
    if (!MapUserToItself(uid, gid)) {
      // The namespace is made already; without the map the process would be
      // nobody to the files it reads, so it cannot go on usefully either way.
      seal.reason = Failure("user map");
      return seal;
    }
  }
  // Without loopback the namespace is still sealed; nothing needs it.
  BringUpLoopback();
  seal.sealed = true;
  return seal;
}

#else

NetworkSeal LeaveNetwork() { return {false, "no network namespaces on this system"}; }

#endif

}  // namespace velmora::platform::qt
