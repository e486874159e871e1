// Reading and writing whole files, the viewer's pages and tables.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/native_file_system.h"

namespace velmora::platform {
namespace fs = std::filesystem;

std::optional<std::string> NativeFileSystem::ReadFile(const std::string& path) {
  const int fd = OpenReadable(ResolveNative(path));
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return std::nullopt;
  }
  // One read of the size the file has, with one byte more so that the end is seen without growing
  // the buffer: growing it would double its capacity, kept for as long as the text is (the tables
  // keep theirs for the whole run). A file that grows meanwhile is read on.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) bytes.resize(bytes.size() + 4096);
    const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  ::close(fd);
  bytes.resize(have);
  // Grown while read: give back what the growth reserved.
  if (bytes.capacity() > have + 4096) bytes.shrink_to_fit();
  return bytes;
}

void NativeFileSystem::ReadingInBackground() {
#ifdef __linux__
  // Linux keeps a nice value per thread: only this thread yields. A thread
  // already nicer stays as it is.
  const auto thread = static_cast<id_t>(gettid());
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, thread);
  if (errno == 0 && nice < kBackgroundNice) setpriority(PRIO_PROCESS, thread, kBackgroundNice);
#endif
}

bool NativeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  // Written over when it exists, but never through a link planted under its name.
  // Overwritten in place and cut to length afterwards: truncating to zero on
  // open makes ext4 flush the file to disk on close, a few milliseconds for
  // every generated page.
  // Nor blocking on a pipe planted there.
  const fs::path native = ResolveNative(path);
  const int fd =
      ::open(native.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return false;
  Made(native);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      ::close(fd);
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  const bool cut = ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
  return ::close(fd) == 0 && cut;
}

}  // namespace velmora::platform
