// Reads confined to the content, the installation and the working
// directory: a disc's link that leads elsewhere reads as a missing file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/native_file_system.h"

namespace velmora::platform {
namespace fs = std::filesystem;

namespace {

// The real path of a name, links and ".." resolved; empty when it has none.
std::string RealNative(const char* native) {
  char* real = ::realpath(native, nullptr);
  if (!real) return {};
  std::string path(real);
  std::free(real);
  return path;
}

// Where the opened file lies: the system's own record of the descriptor,
// or, without one, the name resolved now if it still leads to that file.
std::string OpenedPath(int fd, const fs::path& native) {
  const std::string record = "/proc/self/fd/" + std::to_string(fd);
  std::string target(PATH_MAX + 1, '\0');
  const ssize_t length = ::readlink(record.c_str(), target.data(), target.size());
  if (length > 0 && static_cast<std::size_t>(length) < target.size() && target.front() == '/') {
    target.resize(static_cast<std::size_t>(length));
    return target;
  }
  const std::string real = RealNative(native.c_str());
  struct stat opened {
  }, named{};
  if (real.empty() || ::fstat(fd, &opened) != 0 || ::stat(real.c_str(), &named) != 0 ||
      opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
    return {};
  }
  return real;
}

bool InsideAny(const std::vector<std::string>& roots, const std::string& real) {
  if (real.empty()) return false;
  for (const std::string& root : roots) {
    if (real.size() > root.size() && real.compare(0, root.size(), root) == 0) return true;
  }
  return false;
}

}  // namespace

void NativeFileSystem::SetReadableRoots(const std::vector<std::string>& roots) {
  auto resolved = std::make_shared<std::vector<std::string>>();
  for (const std::string& root : roots) {
    // An empty root is the current directory, as a relative path reads.
    std::string real = RealNative(ResolveNative(root.empty() ? "." : root).c_str());
    if (real.empty()) continue;  // a root that does not exist holds nothing
    if (real.back() != '/') real += '/';
    resolved->push_back(std::move(real));
  }
  const std::lock_guard<std::mutex> lock(rootsMutex_);
  roots_ = std::move(resolved);
}

std::shared_ptr<const std::vector<std::string>> NativeFileSystem::Roots() {
  const std::lock_guard<std::mutex> lock(rootsMutex_);
  return roots_;
}

bool NativeFileSystem::ResolvesInsideRoots(const fs::path& native) {
  const std::shared_ptr<const std::vector<std::string>> roots = Roots();
  return !roots || InsideAny(*roots, RealNative(native.c_str()));
}

int NativeFileSystem::OpenReadable(const fs::path& native) {
  // Not blocking on a pipe planted under the name.
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat info {};
  const std::shared_ptr<const std::vector<std::string>> roots = Roots();
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      (roots && !InsideAny(*roots, OpenedPath(fd, native)))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace velmora::platform
