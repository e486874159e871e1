#include "cli/export/export_paths.h"

#include "platform/codepage.h"

namespace velmora::cli::exporting {

std::string SafeName(const std::string& key) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string name;
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    // A dot only after the first character: never "." or "..".
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || (byte == '.' && !name.empty())) {
      name += c;
    } else {
      name += '_';
      name += kHex[byte >> 4];
      name += kHex[byte & 15];
    }
  }
  return name.empty() ? "_" : name;
}

std::string GeneratedPath(const std::string& kind, const std::string& key) {
  return "gen/" + kind + "/" + SafeName(key) + ".html";
}

std::string RelativeLink(const std::string& from, const std::string& to) {
  // Past the folders both share, one "../" for each folder of from left.
  std::size_t common = 0;
  for (std::size_t i = 0; i < from.size() && i < to.size() && from[i] == to[i]; ++i) {
    if (from[i] == '/') common = i + 1;
  }
  std::string link;
  for (std::size_t i = common; i < from.size(); ++i) {
    if (from[i] == '/') link += "../";
  }
  return link + to.substr(common);
}

bool IsKeptAsWritten(const std::string& value) {
  if (value.empty() || value[0] == '#') return true;
  const std::string lower = platform::LowerAscii(value);
  for (const char* kept : {"javascript:", "mailto:", "data:", "about:"}) {
    if (lower.starts_with(kept)) return true;
  }
  return false;
}

bool IsAbsoluteLink(const std::string& value) {
  const std::string lower = platform::LowerAscii(value);
  return lower.find("://") != std::string::npos || lower.starts_with("file:") ||
         value.starts_with('/');
}

bool IsNetworkAddress(const std::string& value) {
  const std::string lower = platform::LowerAscii(value);
  return lower.find("://") != std::string::npos && !lower.starts_with("file:");
}

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

ExportPaths::ExportPaths(const tables::ContentPaths& paths, platform::FileSystem& files)
    : files_(files),
      installRoot_(WithSlash(files.RealPath(paths.installRoot).value_or(paths.installRoot))),
      contentRoot_(WithSlash(files.RealPath(paths.contentRoot).value_or(paths.contentRoot))),
      sameRoots_(installRoot_ == contentRoot_) {}

std::optional<DiscFile> ExportPaths::ForDiscFile(const std::string& corePath) {
  if (!files_.FileExists(corePath)) return std::nullopt;
  const std::optional<std::string> real = files_.RealPath(corePath);
  if (!real) return std::nullopt;
  std::string relative;
  if (real->rfind(installRoot_, 0) == 0) {
    relative = real->substr(installRoot_.size());
  } else if (real->rfind(contentRoot_, 0) == 0) {
    // The disc's own files apart from the installation's, when both differ.
    relative = (sameRoots_ ? "" : "disc/") + real->substr(contentRoot_.size());
  } else {
    return std::nullopt;
  }
  // Export paths hold UTF-8; a name that is not plain ASCII is written safe.
  for (const char c : relative) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '%' || c == '#' || c == '?' || c == ' ' ||
        c == '"' || c == '\'' || c == '<' || c == '>' || c == '&') {
      return DiscFile{"gen/files/" + SafeName(relative), *real};
    }
  }
  // The export's own names stay its own.
  if (relative.starts_with("gen/") || relative == kIndexPage) relative.insert(0, "disc/");
  return DiscFile{relative, *real};
}

}  // namespace velmora::cli::exporting
