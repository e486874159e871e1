#include "cli/install_removal.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli::install {
namespace fs = std::filesystem;
namespace {

bool IsViewerSettings(const fs::path& settings) {
  return settings.is_absolute() && settings.filename() == "VNQE.conf" &&
         settings.parent_path().filename() == "Kestrava";
}

std::optional<std::string> ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::size_t RemoveInstalled(InstallTree& tree, const Manifest& manifest) {
  std::size_t removed = 0;
  for (const std::string& file : manifest.files) removed += tree.RemoveFile(file) ? 1 : 0;
  std::vector<std::string> dirs = manifest.directories;
  std::sort(dirs.begin(), dirs.end(), [](const std::string& a, const std::string& b) {
    return std::count(a.begin(), a.end(), '/') > std::count(b.begin(), b.end(), '/');
  });
  for (const std::string& dir : dirs) tree.RemoveEmptyDirectory(dir);
  return removed;
}

bool RemoveSettingsIfOurs(const Manifest& manifest, const fs::path& target) {
  if (!IsViewerSettings(manifest.settings)) return false;
  const std::optional<std::string> current = ReadText(manifest.settings);
  if (!current || *current != SettingsText(manifest.disc, target)) return false;
  std::error_code ec;
  return fs::remove(manifest.settings, ec);
}

void RemoveParentsOf(const Manifest& manifest, const fs::path& target) {
  std::vector<fs::path> ends = {target};
  if (IsViewerSettings(manifest.settings)) ends.push_back(manifest.settings);
  std::vector<fs::path> listed;
  for (const fs::path& parent : manifest.parents) listed.push_back(parent.lexically_normal());
  // What the installation made on the way lies unbroken right above each end.
  std::vector<fs::path> parents;
  for (const fs::path& end : ends) {
    for (fs::path dir = end.parent_path();
         dir != dir.root_path() && std::find(listed.begin(), listed.end(), dir) != listed.end();
         dir = dir.parent_path()) {
      parents.push_back(dir);
    }
  }
  RemoveEmptyParents(parents, ends);
}

}  // namespace velmora::cli::install
