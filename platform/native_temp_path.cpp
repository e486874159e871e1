// The temporary-files path, private to this user, and the checks on
// directories that decide whose they are.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/native_file_system.h"
#include "platform/native_path.h"

namespace velmora::platform {
namespace fs = std::filesystem;
using native::FromNative;
using native::ToNative;

namespace {

// A directory only this user can enter and write: not a link, owned by the
// effective user, no access for group or others.
bool IsPrivateDirectory(const fs::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// The per-user directory under the shared temporary directory, created
// private when missing. Anything already there under that name that is not
// our own private directory (planted by someone else, or a link) is refused.
fs::path PrivateDirectoryUnderTemp() {
  std::error_code ec;
  const fs::path shared = fs::temp_directory_path(ec);
  if (ec || shared.empty()) return {};
  const fs::path own = shared / ("velmora-" + std::to_string(::geteuid()));
  if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) return {};
  struct stat st {};
  if (::lstat(own.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
    return {};
  }
  if ((st.st_mode & 077) != 0 && ::chmod(own.c_str(), 0700) != 0) return {};
  return IsPrivateDirectory(own) ? own : fs::path();
}

// A new 0700 directory under the shared temporary directory with a name
// nobody could have guessed beforehand; empty when none can be made.
fs::path FreshPrivateDirectory() {
  std::error_code ec;
  const fs::path shared = fs::temp_directory_path(ec);
  if (ec || shared.empty()) return {};
  std::string pattern = (shared / ("velmora-" + std::to_string(::geteuid()) + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) return {};
  return IsPrivateDirectory(pattern) ? fs::path(pattern) : fs::path();
}

}  // namespace

// Per-user and private, as a temporary path should be: the
// session's runtime directory when it is private, else a 0700 directory of
// our own under the shared temporary directory; when that name is taken by
// something not ours, a fresh private directory for this run (never the
// root, where no page could be written). Empty only when none can be made.
std::string NativeFileSystem::TempPath() {
  if (!tempPath_.empty()) return tempPath_.back() == '/' ? tempPath_ : tempPath_ + "/";
  if (!fresh_.empty()) return fresh_;
  fs::path base;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
      runtime && *runtime && IsPrivateDirectory(runtime)) {
    base = runtime;
  } else {
    base = PrivateDirectoryUnderTemp();
  }
  if (base.empty()) {
    base = FreshPrivateDirectory();
    if (!base.empty()) fresh_ = FromNative(base) + "/";
  }
  if (base.empty()) return {};
  std::string result = FromNative(base);
  if (result.empty() || result.back() != '/') result += '/';
  return result;
}

std::string NativeFileSystem::CurrentDirectory() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  return ec ? std::string() : FromNative(cwd);
}

bool NativeFileSystem::IsOwnDirectory(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  struct stat st {};
  if (::lstat(ToNative(trimmed).c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

}  // namespace velmora::platform
