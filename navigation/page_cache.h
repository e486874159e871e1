#pragma once
// The content pages of the data directory, kept between searches: the disc
// does not change while the program runs, so each page is read once. Pages
// beyond the memory budget are read again for every search instead.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velmora::navigation {

class PageCache {
 public:
  static constexpr std::size_t kDefaultBudget = 256u << 20;

  explicit PageCache(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

  // Names of the directory's "*.htm" entries in the order of the original
  // platform's listing (case-insensitive name order).
  const std::vector<std::string>& PageNames(platform::FileSystem& files,
                                            const std::string& directory);
  // The page's bytes; nullptr when it cannot be read. Valid until the next call.
  const std::string* Page(platform::FileSystem& files, const std::string& directory,
                          const std::string& name);

 private:
  std::size_t budget_;
  std::size_t used_ = 0;
  std::string directory_;
  std::vector<std::string> names_;
  bool listed_ = false;
  std::map<std::string, std::string> pages_;
  std::string uncached_;
};

}  // namespace velmora::navigation
