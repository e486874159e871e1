#pragma once
// What the search keeps of the content pages between searches: the disc
// does not change while the program runs, so the directory is listed once
// and each page, once read, leaves a signature that lets later searches
// pass over it without reading it when it cannot hold their word.

#include <memory>
#include <string>
#include <vector>

#include "navigation/page_signature.h"
#include "platform/file_system.h"

namespace velmora::navigation {

struct PageListing {
  std::string directory;
  // The directory's "*.htm" entries in case-insensitive name order, the
  // order the disc's pages were numbered and listed in.
  std::vector<std::string> names;
  // One per name; empty until the page has been read.
  std::vector<PageSignature> signatures;
};

class PageIndex {
 public:
  // Shared with any scan still running, so that listing another directory
  // never pulls the names from under it.
  std::shared_ptr<PageListing> Listing(platform::FileSystem& files, const std::string& directory);

 private:
  std::shared_ptr<PageListing> listing_;
};

}  // namespace velmora::navigation
