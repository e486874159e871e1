#include "platform/file_system.h"

#include <utility>
#include <vector>

namespace velmora::platform {

std::shared_ptr<const FileBytes> FileSystem::MapFile(const std::string& path) {
  std::optional<std::string> bytes = ReadFile(path);
  if (!bytes) return nullptr;
  return std::make_shared<HeapFileBytes>(std::move(*bytes));
}

std::optional<std::string> FileSystem::RealPath(const std::string& path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  std::vector<std::string> parts;
  std::size_t start = 1;
  while (start <= path.size()) {
    std::size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    const std::string part = path.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string folded;
  for (const std::string& part : parts) folded += "/" + part;
  return folded.empty() ? "/" : folded;
}

bool LiesInside(FileSystem& files, const std::string& path, const std::string& directory) {
  if (!files.FileExists(path)) return false;
  const std::optional<std::string> real = files.RealPath(path);
  const std::optional<std::string> root = files.RealPath(directory);
  if (!real || !root) return false;
  const std::string prefix = root->back() == '/' ? *root : *root + "/";
  return real->size() > prefix.size() && real->compare(0, prefix.size(), prefix) == 0;
}

bool LiesInsideDiscDirectory(FileSystem& files, const std::string& path,
                             const std::string& directory, const std::string& root) {
  return LiesInside(files, path, directory) && LiesInside(files, path, root);
}

}  // namespace velmora::platform
