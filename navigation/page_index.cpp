#include "navigation/page_index.h"

#include <algorithm>

#include "platform/codepage.h"

namespace velmora::navigation {

std::shared_ptr<PageListing> PageIndex::Listing(platform::FileSystem& files,
                                                const std::string& directory) {
  if (listing_ && listing_->directory == directory) return listing_;
  auto listing = std::make_shared<PageListing>();
  listing->directory = directory;
  for (const platform::DirEntry& entry : files.List(directory + "*.htm")) {
    if (!entry.isDirectory) listing->names.push_back(entry.name);
  }
  std::sort(listing->names.begin(), listing->names.end(),
            [](const std::string& a, const std::string& b) {
              return platform::LowerWin1250(a) < platform::LowerWin1250(b);
            });
  listing->signatures.resize(listing->names.size());
  listing_ = std::move(listing);
  return listing_;
}

}  // namespace velmora::navigation
