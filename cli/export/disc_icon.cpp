#include "cli/export/disc_icon.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <vector>

#include "cli/export/icon_image.h"
#include "platform/codepage.h"

namespace velmora::cli::exporting {
namespace {

namespace fs = std::filesystem;

// Icons are a few kilobytes, autorun.inf less; a disc's file is read only
// up to these.
constexpr std::uintmax_t kMaxIconBytes = 1024 * 1024;
constexpr std::uintmax_t kMaxAutorunBytes = 64 * 1024;
// The disc's root and its folders are looked through this far for a name,
// and this many icons at most are tried.
constexpr int kMaxEntries = 4096;
constexpr std::size_t kMaxIcons = 8;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\"");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\"") - first + 1);
}

// A plain file (no link, device or pipe) of at most limit bytes. What is
// opened is what is checked: a link swapped in after a look is not followed.
std::optional<std::string> ReadSmallFile(const fs::path& file, std::uintmax_t limit) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<std::uintmax_t>(st.st_size) <= limit) {
    std::string read(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t at = 0;
    ssize_t got = 0;
    while (at < read.size() && (got = ::read(fd, read.data() + at, read.size() - at)) > 0) {
      at += static_cast<std::size_t>(got);
    }
    if (at == read.size()) bytes = std::move(read);
  }
  ::close(fd);
  return bytes;
}

// The entry of dir named name in any case, as Windows reads a disc.
std::optional<fs::path> EntryNamed(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  int seen = 0;
  const std::string wanted = platform::LowerAscii(name);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end && seen < kMaxEntries;
       it.increment(ec), ++seen) {
    if (platform::LowerAscii(it->path().filename().string()) == wanted) return it->path();
  }
  return std::nullopt;
}

// The icon autorun.inf names ("icon=" in its [autorun] section), a path
// inside the disc; an icon inside a program ("start.exe,0") is not read.
std::optional<fs::path> AutorunIcon(const fs::path& disc) {
  const std::optional<fs::path> autorun = EntryNamed(disc, "autorun.inf");
  if (!autorun) return std::nullopt;
  const std::optional<std::string> text = ReadSmallFile(*autorun, kMaxAutorunBytes);
  if (!text) return std::nullopt;
  std::istringstream lines(*text);
  std::string line;
  bool inAutorun = false;
  while (std::getline(lines, line)) {
    line = Trim(line);
    if (line.starts_with("[")) {
      inAutorun = platform::LowerAscii(line) == "[autorun]";
      continue;
    }
    const auto equals = line.find('=');
    if (!inAutorun || equals == std::string::npos ||
        platform::LowerAscii(Trim(line.substr(0, equals))) != "icon") {
      continue;
    }
    std::string value = line.substr(equals + 1);
    value = Trim(value.substr(0, value.find(',')));
    std::replace(value.begin(), value.end(), '\\', '/');
    if (!platform::LowerAscii(value).ends_with(".ico") || value.starts_with("/") ||
        value.find(':') != std::string::npos) {
      return std::nullopt;
    }
    fs::path found = disc;
    std::istringstream parts(value);
    std::string part;
    while (std::getline(parts, part, '/')) {
      if (part.empty() || part == ".") continue;
      if (part == "..") return std::nullopt;
      const std::optional<fs::path> next = EntryNamed(found, part);
      if (!next) return std::nullopt;
      found = *next;
    }
    return found;
  }
  return std::nullopt;
}

// The .ico files at the disc's root, by name.
std::vector<fs::path> RootIcons(const fs::path& disc) {
  std::vector<fs::path> icons;
  std::error_code ec;
  int seen = 0;
  for (fs::directory_iterator it(disc, ec), end; !ec && it != end && seen < kMaxEntries;
       it.increment(ec), ++seen) {
    if (platform::LowerAscii(it->path().extension().string()) == ".ico")
      icons.push_back(it->path());
  }
  std::sort(icons.begin(), icons.end());
  return icons;
}

}  // namespace

std::string DiscIcon48Png(const fs::path& disc) {
  std::vector<fs::path> candidates = RootIcons(disc);
  if (const std::optional<fs::path> named = AutorunIcon(disc)) {
    candidates.insert(candidates.begin(), *named);
  }
  if (candidates.size() > kMaxIcons) candidates.resize(kMaxIcons);
  for (const fs::path& icon : candidates) {
    if (const std::optional<std::string> bytes = ReadSmallFile(icon, kMaxIconBytes)) {
      if (std::optional<std::string> png = IconAsPng48(*bytes)) return *std::move(png);
    }
  }
  return {};
}

}  // namespace velmora::cli::exporting
