// The lock files held while this process runs, by which a viewer sees
// whether another one still uses its working directory.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/native_file_system.h"
#include "platform/native_path.h"

namespace velmora::platform {
namespace fs = std::filesystem;
using native::ToNative;

namespace {

// A plain file of its own, never reached through a link; -1 otherwise.
int OpenLockFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

bool NativeFileSystem::LockShared(const std::string& lockFile) {
  // Held already: an exclusive lock becomes shared again.
  if (const auto held = locks_.find(lockFile); held != locks_.end()) {
    return ::flock(held->second, LOCK_SH) == 0;
  }
  const int fd = OpenLockFile(ToNative(lockFile));
  if (fd < 0) return false;
  if (::flock(fd, LOCK_SH) != 0) {
    ::close(fd);
    return false;
  }
  locks_[lockFile] = fd;
  return true;
}

bool NativeFileSystem::TryLockExclusive(const std::string& lockFile) {
  auto it = locks_.find(lockFile);
  if (it == locks_.end()) {
    const int fd = OpenLockFile(ToNative(lockFile));
    if (fd < 0) return false;
    it = locks_.emplace(lockFile, fd).first;
  }
  // Converting may briefly drop the shared lock; a process that starts in
  // that moment makes this fail, which only leaves the files in place.
  return ::flock(it->second, LOCK_EX | LOCK_NB) == 0;
}

void NativeFileSystem::Unlock(const std::string& lockFile) {
  const auto it = locks_.find(lockFile);
  if (it == locks_.end()) return;
  ::close(it->second);  // releases the lock
  locks_.erase(it);
}

}  // namespace velmora::platform
