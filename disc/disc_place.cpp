#include "disc/disc_place.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace velmora::disc {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
  return text;
}

// The entry under dir that equals `name` but for letter case, when it is of
// `type`; the exact spelling, when there, decides.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::string& name,
                                  fs::file_type type) {
  std::error_code ec;
  const fs::file_status exact = fs::status(dir / name, ec);
  if (fs::exists(exact)) {
    if (exact.type() == type) return dir / name;
    return std::nullopt;
  }
  const std::string wanted = Lower(name);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (Lower(it->path().filename().string()) == wanted) {
      if (it->status(ec).type() == type) return it->path();
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool HoldsFile(const fs::path& root, const std::string& folder, const std::string& file) {
  const std::optional<fs::path> dir = FindEntry(root, folder, fs::file_type::directory);
  return dir && FindEntry(*dir, file, fs::file_type::regular);
}

std::string UserName() {
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name) return entry->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

}  // namespace

bool HoldsTables(const fs::path& root) { return HoldsFile(root, "DB", "RP.CSV"); }

bool LooksLikeDisc(const fs::path& root) {
  return HoldsTables(root) && HoldsFile(root, "Anim", "start.exe");
}

std::vector<fs::path> MediaRoots() {
  std::vector<fs::path> roots;
  if (const char* given = std::getenv("VELMORA_MEDIA_ROOTS")) {
    std::string rest = given;
    for (std::size_t start = 0; start <= rest.size();) {
      const std::size_t end = std::min(rest.find(':', start), rest.size());
      if (end > start) roots.emplace_back(rest.substr(start, end - start));
      start = end + 1;
    }
    return roots;
  }
  const std::string user = UserName();
  if (user.empty() || user.find('/') != std::string::npos) return roots;
  return {fs::path("/media") / user, fs::path("/run/media") / user};
}

std::vector<fs::path> MountedDiscs(const std::vector<fs::path>& roots) {
  std::vector<fs::path> discs;
  for (const fs::path& root : roots) {
    std::vector<fs::path> here;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
      if (it->is_directory(ec) && LooksLikeDisc(it->path())) here.push_back(it->path());
    }
    std::sort(here.begin(), here.end());
    discs.insert(discs.end(), here.begin(), here.end());
  }
  return discs;
}

}  // namespace velmora::disc
