#include "cli/install_paths.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "cli/install_tree.h"

namespace velmora::cli::install {
namespace fs = std::filesystem;
namespace {

// An XDG base directory: the variable when it holds an absolute path, else
// the home directory's default.
std::optional<fs::path> BaseDirectory(const char* variable, const char* homeDefault) {
  const char* value = std::getenv(variable);
  if (value && *value && fs::path(value).is_absolute()) return fs::path(value);
  const char* home = std::getenv("HOME");
  if (!home || !*home || !fs::path(home).is_absolute()) return std::nullopt;
  return fs::path(home) / homeDefault;
}

}  // namespace

fs::path Normal(const fs::path& path) {
  std::error_code ec;
  fs::path normal = fs::weakly_canonical(fs::absolute(path), ec);
  if (ec) normal = fs::absolute(path).lexically_normal();
  if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
    normal = normal.parent_path();
  }
  return normal;
}

bool IsWithin(const fs::path& path, const fs::path& dir) {
  const auto [d, p] = std::mismatch(dir.begin(), dir.end(), path.begin(), path.end());
  return d == dir.end();
}

// Directories from path upwards that do not exist yet, outermost last.
std::vector<fs::path> MissingDirectories(fs::path path) {
  std::vector<fs::path> missing;
  std::error_code ec;
  while (!path.empty() && !fs::exists(fs::symlink_status(path, ec))) {
    missing.push_back(path);
    if (path == path.parent_path()) break;
    path = path.parent_path();
  }
  return missing;
}

std::optional<Paths> LocatePaths(const InstallArgs& args, std::ostream& err) {
  const std::optional<fs::path> data = BaseDirectory("XDG_DATA_HOME", ".local/share");
  const std::optional<fs::path> config = BaseDirectory("XDG_CONFIG_HOME", ".config");
  if (!config || (!args.to && !data)) {
    err << "velmora-cli install: HOME is not set to an absolute path\n";
    return std::nullopt;
  }
  Paths paths;
  paths.target = Normal(args.to ? fs::path(*args.to) : *data / "velmora" / "disc");
  paths.settings = Normal(*config / "Kestrava" / "VNQE.conf");
  if (install::HasControlCharacter(paths.target.string()) ||
      install::HasControlCharacter(paths.settings.string())) {
    err << "velmora-cli install: the installation or settings path holds a control character\n";
    return std::nullopt;
  }
  return paths;
}

void RemoveEmptyParents(std::vector<fs::path> parents, const std::vector<fs::path>& allowedUnder) {
  std::sort(parents.begin(), parents.end(), [](const fs::path& a, const fs::path& b) {
    return std::distance(a.begin(), a.end()) > std::distance(b.begin(), b.end());
  });
  std::error_code ec;
  for (const fs::path& parent : parents) {
    // Only the directories above what was installed can be ours.
    const bool above = std::any_of(allowedUnder.begin(), allowedUnder.end(),
                                   [&](const fs::path& p) { return IsWithin(p, parent); });
    if (!above || parent == parent.root_path()) continue;
    if (fs::is_directory(fs::symlink_status(parent, ec)) && fs::is_empty(parent, ec)) {
      fs::remove(parent, ec);
    }
  }
}

}  // namespace velmora::cli::install
