#include "platform/native_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/codepage.h"

namespace velmora::platform {
namespace fs = std::filesystem;

namespace {

fs::path ToNative(const std::string& path) { return fs::u8path(Win1250ToUtf8(path)); }

std::string FromNative(const fs::path& path) {
  const std::u8string u8 = path.generic_u8string();
  return Utf8ToWin1250(std::string(u8.begin(), u8.end()));
}

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

bool IsLink(const fs::path& path) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(path, ec));
}

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
  for (const auto& [path, fd] : locks_) ::close(fd);
  // A directory made for this run alone goes with it.
  std::error_code ec;
  if (!fresh_.empty()) fs::remove_all(ToNative(fresh_), ec);
}

bool NativeFileSystem::FileExists(const std::string& path) {
  // One look at the name as written; the resolution only when it is missing.
  struct stat info {};
  if (::stat(ToNative(path).c_str(), &info) == 0) return S_ISREG(info.st_mode);
  // Missing as written (a link to nothing is found again in the listing,
  // and is no file either).
  const bool missing = errno == ENOENT;
  std::error_code ec;
  return fs::is_regular_file(ResolveNative(path, missing), ec);
}

bool NativeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  const fs::path target = ResolveNative(to);
  if (IsLink(target)) return false;
  if (!fs::copy_file(ResolveNative(from), target, fs::copy_options::overwrite_existing, ec)) {
    return false;
  }
  Made(target);
  return true;
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

std::optional<std::string> NativeFileSystem::ReadFile(const std::string& path) {
  const fs::path native = ResolveNative(path);
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  // Not blocking on a pipe planted under the name. One read of the size the
  // file has, with one byte more so that the end is seen without growing the
  // buffer: growing it would double its capacity, kept for as long as the
  // text is (the tables keep theirs for the whole run). A file that grows
  // meanwhile is read on.
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
  const fs::path native = ResolveNative(path);
  const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  Made(native);
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

namespace velmora::platform {

bool NativeFileSystem::IsOwnDirectory(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  struct stat st {};
  if (::lstat(ToNative(trimmed).c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

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
  if (locks_.count(lockFile)) return true;
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
