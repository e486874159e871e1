#include "cli/install_swap.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

namespace velmora::cli::install {
namespace fs = std::filesystem;
namespace {

mode_t PermissionsFor(const fs::path& target) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0) return st.st_mode & 0755;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0755 & ~mask;
}

std::string Utf8(const fs::path& path) {
  const std::u8string u8 = path.generic_u8string();
  return std::string(u8.begin(), u8.end());
}

}  // namespace

std::optional<fs::path> MakeStagingDirectory(const fs::path& target, std::string& error) {
  std::string pattern =
      (target.parent_path() / ("." + target.filename().string() + ".velmora-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot make a directory beside " + target.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  return fs::path(pattern);
}

bool PutInPlace(const fs::path& staging, const fs::path& target, std::optional<fs::path>& earlier,
                std::string& error) {
  const bool replace = fs::exists(fs::symlink_status(target));
  ::chmod(staging.c_str(), PermissionsFor(target));
  if (!replace) {
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0 ||
        ((errno == EINVAL || errno == ENOSYS) && ::rename(staging.c_str(), target.c_str()) == 0)) {
      return true;
    }
  } else if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) ==
             0) {
    earlier = staging;
    return true;
  } else if (errno == EINVAL || errno == ENOSYS) {
    // A filesystem without the exchange: two renames, the earlier copy
    // first moved aside.
    const fs::path aside = staging.string() + "-earlier";
    if (::rename(target.c_str(), aside.c_str()) == 0) {
      if (::rename(staging.c_str(), target.c_str()) == 0) {
        earlier = aside;
        return true;
      }
      ::rename(aside.c_str(), target.c_str());
    }
  }
  error = "cannot put the new copy in place of " + target.string() + ": " + std::strerror(errno);
  ::chmod(staging.c_str(), 0700);
  return false;
}

bool HoldsOnlyListed(const fs::path& dir, const Manifest& manifest) {
  const std::set<std::string> files(manifest.files.begin(), manifest.files.end());
  const std::set<std::string> dirs(manifest.directories.begin(), manifest.directories.end());
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string relative = Utf8(it->path().lexically_relative(dir));
    std::error_code typeError;
    const fs::file_status status = it->symlink_status(typeError);
    const bool listed = fs::is_directory(status) ? dirs.count(relative) > 0
                        : fs::is_regular_file(status)
                            ? files.count(relative) > 0 || relative == kManifestName
                            : false;
    if (!listed) return false;
  }
  return !ec;
}

}  // namespace velmora::cli::install
