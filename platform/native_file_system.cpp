#include "platform/native_file_system.h"

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

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return LowerWin1250(a) == LowerWin1250(b);
}

// The existing native path for a core path, matching each component without
// regard to case where the exact one is missing. Components that cannot be
// found are kept as written.
fs::path ResolveNative(const std::string& path) {
  fs::path exact = ToNative(path);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;

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
    const std::string wanted = FromNative(part);
    bool matched = false;
    for (fs::directory_iterator it(resolved, ec), end; !ec && it != end; it.increment(ec)) {
      if (SameIgnoringCase(FromNative(it->path().filename()), wanted)) {
        resolved = it->path();
        matched = true;
        break;
      }
    }
    if (!matched) {
      resolved = candidate;
      found = false;
    }
  }
  return resolved;
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

NativeFileSystem::NativeFileSystem(std::string tempPath) : tempPath_(std::move(tempPath)) {}

bool NativeFileSystem::FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(ResolveNative(path), ec);
}

bool NativeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  return fs::copy_file(ResolveNative(from), ResolveNative(to), fs::copy_options::overwrite_existing,
                       ec);
}

bool NativeFileSystem::DeleteFile(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (fs::is_directory(fs::symlink_status(native, ec))) return false;
  return fs::remove(native, ec);
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
  fs::create_directories(native, ec);
  return !ec && fs::is_directory(native, ec);
}

bool NativeFileSystem::RemoveDirectory(const std::string& path) {
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (!fs::is_directory(fs::symlink_status(native, ec))) return false;
  return fs::remove(native, ec);  // only an empty directory goes
}

std::string NativeFileSystem::TempPath() {
  if (!tempPath_.empty()) return tempPath_.back() == '/' ? tempPath_ : tempPath_ + "/";
  std::error_code ec;
  fs::path base;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    base = runtime;
  } else {
    base = fs::temp_directory_path(ec);
  }
  if (ec || base.empty()) return {};
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
  std::error_code ec;
  const fs::path native = ResolveNative(path);
  if (!fs::is_regular_file(native, ec)) return std::nullopt;
  std::ifstream in(native, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool NativeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(ResolveNative(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string NativeFileSystem::ResolvePath(const std::string& path) {
  return FromNative(ResolveNative(path));
}

}  // namespace velmora::platform
