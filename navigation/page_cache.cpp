#include "navigation/page_cache.h"

#include <algorithm>

#include "platform/codepage.h"

namespace velmora::navigation {

const std::vector<std::string>& PageCache::PageNames(platform::FileSystem& files,
                                                     const std::string& directory) {
  if (listed_ && directory == directory_) return names_;
  directory_ = directory;
  names_.clear();
  pages_.clear();
  used_ = 0;
  for (const platform::DirEntry& entry : files.List(directory + "*.htm")) {
    if (!entry.isDirectory) names_.push_back(entry.name);
  }
  std::sort(names_.begin(), names_.end(), [](const std::string& a, const std::string& b) {
    return platform::LowerWin1250(a) < platform::LowerWin1250(b);
  });
  listed_ = true;
  return names_;
}

const std::string* PageCache::Page(platform::FileSystem& files, const std::string& directory,
                                   const std::string& name) {
  if (directory == directory_) {
    const auto it = pages_.find(name);
    if (it != pages_.end()) return &it->second;
  }
  std::optional<std::string> bytes = files.ReadFile(directory + name);
  if (!bytes) return nullptr;
  if (directory == directory_ && used_ + bytes->size() <= budget_) {
    used_ += bytes->size();
    return &pages_.emplace(name, std::move(*bytes)).first->second;
  }
  uncached_ = std::move(*bytes);
  return &uncached_;
}

}  // namespace velmora::navigation
