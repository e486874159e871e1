// The lock files held while this process runs, by which a viewer sees
// whether another one still uses its working directory.
//
// The last viewer out removes the lock file while it holds it exclusively.
// A viewer that opened the file before that gets its lock only once the
// file is gone, so every lock taken is checked against what the path names
// afterwards, and taken again on the new file when they differ.

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

// How often a lock is taken again because the file went meanwhile; each
// time another viewer has shut down, so this is never reached in practice.
constexpr int kLockAttempts = 100;

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

// Whether the open file is still the plain file the path names.
bool StillAtPath(int fd, const fs::path& path) {
  struct stat held {};
  struct stat named {};
  return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && S_ISREG(named.st_mode) &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Opens the file at path and locks it with operation; -1 when that fails
// or is refused. A lock that lands on a file removed meanwhile is dropped
// and taken on the file now at the path.
int OpenAndLock(const fs::path& path, int operation) {
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    const int fd = OpenLockFile(path);
    if (fd < 0) return -1;
    if (::flock(fd, operation) != 0) {
      ::close(fd);
      return -1;
    }
    if (StillAtPath(fd, path)) return fd;
    ::close(fd);
  }
  return -1;
}

}  // namespace

bool NativeFileSystem::LockShared(const std::string& lockFile) {
  const fs::path native = ToNative(lockFile);
  // Held already: an exclusive lock becomes shared again.
  if (const auto held = locks_.find(lockFile); held != locks_.end()) {
    if (::flock(held->second.fd, LOCK_SH) == 0 && StillAtPath(held->second.fd, native)) {
      held->second.exclusive = false;
      return true;
    }
    Unlock(lockFile);
  }
  const int fd = OpenAndLock(native, LOCK_SH);
  if (fd < 0) return false;
  locks_[lockFile] = HeldLock{fd, false};
  return true;
}

bool NativeFileSystem::TryLockExclusive(const std::string& lockFile) {
  const fs::path native = ToNative(lockFile);
  const auto held = locks_.find(lockFile);
  if (held == locks_.end()) {
    const int fd = OpenAndLock(native, LOCK_EX | LOCK_NB);
    if (fd < 0) return false;
    locks_[lockFile] = HeldLock{fd, true};
    return true;
  }
  if (held->second.exclusive) return true;
  // Converting drops the shared lock first, and a refused conversion leaves
  // none: the file is then locked shared again, or other viewers would take
  // this one's pages for left over.
  if (::flock(held->second.fd, LOCK_EX | LOCK_NB) == 0 && StillAtPath(held->second.fd, native)) {
    held->second.exclusive = true;
    return true;
  }
  LockShared(lockFile);
  return false;
}

void NativeFileSystem::Unlock(const std::string& lockFile) {
  const auto it = locks_.find(lockFile);
  if (it == locks_.end()) return;
  ::close(it->second.fd);  // releases the lock
  locks_.erase(it);
}

void NativeFileSystem::UnlockAndRemove(const std::string& lockFile) {
  const auto it = locks_.find(lockFile);
  if (it == locks_.end()) return;
  const fs::path native = ToNative(lockFile);
  // Held exclusively, nobody else can remove or replace it before the unlink.
  if (it->second.exclusive && StillAtPath(it->second.fd, native) && ::unlink(native.c_str()) == 0) {
    Unmade(native);
  }
  Unlock(lockFile);
}

}  // namespace velmora::platform
