#include "platform/native_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/codepage.h"
#include "platform/native_path.h"

namespace velmora::platform {
namespace fs = std::filesystem;
using native::FromNative;
using native::ToNative;

namespace {

// Native names the same regardless of case, as the core compares its names.
std::string FoldNative(std::string_view name) {
  return LowerWin1250(Utf8ToWin1250(std::string(name)));
}

std::optional<std::vector<std::string>> ListNative(const std::string& dir) {
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  std::vector<std::string> names;
  for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    names.push_back(it->path().filename().native());
  }
  return names;
}

// The key of a directory's listing: one spelling for one directory.
std::string DirectoryKey(const std::string& dir) {
  // Paths are mostly plain already: parsing every one costs more than the
  // lookup it serves.
  const bool plain = dir.find("//") == std::string::npos && dir.find("/./") == std::string::npos &&
                     dir.find("/../") == std::string::npos && !dir.ends_with("/.") &&
                     !dir.ends_with("/..") && dir != "." && dir != "..";
  std::string key = plain ? dir : fs::path(dir).lexically_normal().native();
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

std::string DirectoryKey(const fs::path& dir) { return DirectoryKey(dir.native()); }

// A path's directory and name; "dir/" names dir itself.
std::pair<fs::path, fs::path> DirectoryAndName(const fs::path& native) {
  const fs::path entry = native.has_filename() ? native : native.parent_path();
  return {entry.parent_path(), entry.filename()};
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  const std::string p = LowerWin1250(pattern);
  const std::string n = LowerWin1250(name);
  std::size_t pi = 0, ni = 0, starP = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

NativeFileSystem::NativeFileSystem(std::string tempPath)
    : listings_(ListNative, FoldNative), tempPath_(std::move(tempPath)) {}

fs::path NativeFileSystem::ResolveNative(const std::string& path, bool exactMissing) {
  fs::path exact = ToNative(path);
  std::error_code ec;
  if (!exactMissing && fs::exists(fs::symlink_status(exact, ec))) return exact;

  // Mostly the directory is spelt right and only the name is not: its
  // listing answers without a look at each directory above it.
  const std::string& whole = exact.native();
  const std::size_t slash = whole.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    const std::string parent = whole.substr(0, slash);
    const std::string_view name = std::string_view(whole).substr(slash + 1);
    if (!name.empty() && name != "." && name != "..") {
      bool listed = false;
      const std::optional<std::string> found = listings_.Find(DirectoryKey(parent), name, &listed);
      if (found) return fs::path(parent + "/" + *found);
      if (listed) return exact;
    }
  }

  fs::path resolved;
  bool found = true;
  for (const fs::path& part : exact) {
    if (resolved.empty() || !found || part == "/" || part == "." || part == "..") {
      resolved /= part;
      continue;
    }
    fs::path candidate = resolved / part;
    if (fs::exists(fs::symlink_status(candidate, ec))) {
      resolved = candidate;
      continue;
    }
    if (const std::optional<std::string> match =
            listings_.Find(DirectoryKey(resolved), part.native())) {
      resolved /= *match;
    } else {
      resolved = candidate;
      found = false;
    }
  }
  return resolved;
}

void NativeFileSystem::Made(const fs::path& native) {
  // A listing read while it was missing is read again when needed.
  listings_.Forget(DirectoryKey(native));
  const auto [dir, name] = DirectoryAndName(native);
  if (!name.empty()) listings_.Added(DirectoryKey(dir), name.native());
}

void NativeFileSystem::Unmade(const fs::path& native) {
  listings_.Forget(DirectoryKey(native));
  const auto [dir, name] = DirectoryAndName(native);
  if (!name.empty()) listings_.Removed(DirectoryKey(dir), name.native());
}

NativeFileSystem::~NativeFileSystem() {
  for (const auto& [path, held] : locks_) ::close(held.fd);
  // A directory made for this run alone goes with it.
  std::error_code ec;
  if (!fresh_.empty()) fs::remove_all(ToNative(fresh_), ec);
}

bool NativeFileSystem::FileExists(const std::string& path) {
  // One look at the name as written; the resolution only when it is missing.
  struct stat info {};
  const fs::path exact = ToNative(path);
  if (::stat(exact.c_str(), &info) == 0) {
    return S_ISREG(info.st_mode) && ResolvesInsideRoots(exact);
  }
  // Missing as written (a link to nothing is found again in the listing,
  // and is no file either).
  const bool missing = errno == ENOENT;
  std::error_code ec;
  const fs::path resolved = ResolveNative(path, missing);
  return fs::is_regular_file(resolved, ec) && ResolvesInsideRoots(resolved);
}

bool NativeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  const int source = OpenReadable(ResolveNative(from));
  if (source < 0) return false;
  // Never written through a link or into a pipe planted under the name.
  const fs::path target = ResolveNative(to);
  const int copy =
      ::open(target.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
  struct stat info {};
  if (copy < 0 || ::fstat(copy, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (copy >= 0) ::close(copy);
    ::close(source);
    return false;
  }
  Made(target);
  bool ok = true;
  off_t size = 0;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(source, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    for (ssize_t done = 0; ok && done < got;) {
      const ssize_t written = ::write(copy, buffer + done, static_cast<std::size_t>(got - done));
      if (written < 0 && errno == EINTR) continue;
      ok = written > 0;
      if (ok) done += written;
    }
    if (!ok) break;
    size += got;
  }
  ::close(source);
  // A longer file found there is cut to the copy's length.
  ok = ok && ::ftruncate(copy, size) == 0;
  return ::close(copy) == 0 && ok;
}

bool NativeFileSystem::DeleteFile(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (fs::is_directory(fs::symlink_status(native, ec))) return false;
  if (!fs::remove(native, ec)) return false;
  Unmade(native);
  return true;
}

bool NativeFileSystem::ClearAttributes(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (!fs::is_regular_file(fs::symlink_status(native, ec))) return false;
  fs::permissions(native, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                  ec);
  return !ec;
}

std::vector<DirEntry> NativeFileSystem::List(const std::string& pattern) {
  std::vector<DirEntry> entries;
  const std::size_t slash = pattern.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  const std::string wildcard = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  std::error_code ec;
  for (fs::directory_iterator it(ResolveNative(dir), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = FromNative(it->path().filename());
    if (!WildcardMatch(wildcard, name)) continue;
    std::error_code statusError;
    const fs::file_status status = it->symlink_status(statusError);
    entries.push_back({name, fs::is_directory(status), fs::is_regular_file(status)});
  }
  return entries;
}

bool NativeFileSystem::CreateDirectories(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  // The directories this makes, itself and those missing on the way.
  std::vector<fs::path> missing;
  for (fs::path above = native;
       above.has_relative_path() && !fs::exists(fs::symlink_status(above, ec));
       above = DirectoryAndName(above).first) {
    missing.push_back(above);
  }
  fs::create_directories(native, ec);
  if (ec || !fs::is_directory(native, ec)) return false;
  for (const fs::path& made : missing) Made(made);
  return true;
}

bool NativeFileSystem::RemoveDirectory(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (!fs::is_directory(fs::symlink_status(native, ec))) return false;
  if (!fs::remove(native, ec)) return false;  // only an empty directory goes
  Unmade(native);
  return true;
}

std::string NativeFileSystem::ResolvePath(const std::string& path) {
  return FromNative(ResolveNative(path));
}

std::optional<std::string> NativeFileSystem::RealPath(const std::string& path) {
  std::error_code ec;
  const fs::path real = fs::canonical(ResolveNative(path), ec);
  if (ec) return std::nullopt;
  return FromNative(real);
}

}  // namespace velmora::platform
