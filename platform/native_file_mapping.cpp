// A file's bytes left in the file: mapped read-only, so that the pages the
// program no longer reads go back to the system, which reads them again
// from the file (or its cache) when they are wanted.

#include "platform/native_file_system.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <limits>

#include "platform/mapping_fault_guard.h"

namespace velmora::platform {
namespace {

class MappedBytes : public FileBytes {
 public:
  MappedBytes(void* data, std::size_t size) : data_(data), size_(size) {}
  ~MappedBytes() override {
    UnguardMapping(data_);
    munmap(data_, size_);
  }
  MappedBytes(const MappedBytes&) = delete;
  MappedBytes& operator=(const MappedBytes&) = delete;

  std::string_view View() const override { return {static_cast<const char*>(data_), size_}; }
  void Release() const override { madvise(data_, size_, MADV_DONTNEED); }

 private:
  void* data_;
  std::size_t size_;
};

// The file open as fd mapped, or null when it cannot or need not be (read
// it instead). Closes fd.
std::shared_ptr<const FileBytes> Map(int fd) {
  struct stat info {};
  void* data = MAP_FAILED;
  std::size_t size = 0;
  // An empty file has nothing to map.
  if (::fstat(fd, &info) == 0 && info.st_size > 0 &&
      static_cast<std::uintmax_t>(info.st_size) < std::numeric_limits<std::size_t>::max()) {
    size = static_cast<std::size_t>(info.st_size);
    data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  }
  ::close(fd);  // the mapping keeps the file
  if (data == MAP_FAILED) return nullptr;
  if (!GuardMapping(data, size)) {
    munmap(data, size);
    return nullptr;
  }
  return std::make_shared<MappedBytes>(data, size);
}

}  // namespace

std::shared_ptr<const FileBytes> NativeFileSystem::MapFile(const std::string& path) {
  const int fd = OpenReadable(ResolveNative(path));
  if (fd < 0) return nullptr;  // missing, no plain file or outside the roots
  if (std::shared_ptr<const FileBytes> mapped = Map(fd)) return mapped;
  return FileSystem::MapFile(path);
}

}  // namespace velmora::platform

#else

namespace velmora::platform {

std::shared_ptr<const FileBytes> NativeFileSystem::MapFile(const std::string& path) {
  return FileSystem::MapFile(path);
}

}  // namespace velmora::platform

#endif
