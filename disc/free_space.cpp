#include "disc/free_space.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

namespace velmora::disc {
namespace fs = std::filesystem;
namespace {

fs::path NearestExisting(fs::path path) {
  std::error_code ec;
  while (!path.empty() && !fs::exists(path, ec) && path != path.parent_path()) {
    path = path.parent_path();
  }
  return path;
}

}  // namespace

std::optional<std::uint64_t> FreeBytes(const fs::path& path) {
  struct statvfs info {};
  if (::statvfs(NearestExisting(path).c_str(), &info) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

bool SameFilesystem(const fs::path& a, const fs::path& b) {
  struct stat first {
  }, second{};
  return ::stat(NearestExisting(a).c_str(), &first) == 0 &&
         ::stat(NearestExisting(b).c_str(), &second) == 0 && first.st_dev == second.st_dev;
}

std::optional<std::string> ShortOfSpace(const fs::path& where, std::uint64_t needed) {
  const std::optional<std::uint64_t> free = FreeBytes(where);
  if (!free || needed <= *free) return std::nullopt;
  return "not enough free space in " + NearestExisting(where).string() + ": " + MiB(needed) +
         " needed, " + MiB(*free) + " free";
}

std::string WriteFailure(int error) {
  if (error == ENOSPC) return "no space left on the device";
  if (error == EDQUOT) return "the disk quota is used up";
  if (error == EFBIG) return "the file is larger than allowed";
  return std::string("reading or writing failed: ") + std::strerror(error);
}

bool IsFull(int error) { return error == ENOSPC || error == EDQUOT; }

std::string MiB(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = 1024 * 1024;
  return std::to_string((bytes + kMiB - 1) / kMiB) + " MiB";
}

}  // namespace velmora::disc
