#pragma once
// What the search keeps of the content pages between searches: the disc
// does not change while the program runs, so the directory is listed once
// and each page, once read, leaves a signature that lets later searches
// pass over it without reading it when it cannot hold their word. The
// signatures wait in a file of the working directory, not in memory.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "navigation/search_signatures.h"
#include "platform/file_system.h"

namespace velmora::navigation {

// The signature files' names in the working directory, for the clean-up
// (one per running search, so that viewers sharing the directory never
// write a file another one reads).
inline constexpr const char* kSignatureFilePattern = "$$pages-*.sig";

struct PageListing {
  std::string directory;
  // The directory's "*.htm" entries in case-insensitive name order, the
  // order the disc's pages were numbered and listed in.
  std::vector<std::string> names;
  // Names the listing and this run: what a signature file must have been
  // written for to be used.
  std::uint64_t key = 0;
};

class PageIndex {
 public:
  PageIndex();

  // Shared with any scan still running, so that listing another directory
  // never pulls the names from under it.
  std::shared_ptr<PageListing> Listing(platform::FileSystem& files, const std::string& directory);

  // The signatures an earlier search of the listing left in the working
  // directory (none when it is empty, or nothing was kept).
  std::unique_ptr<SearchSignatures> OpenSignatures(platform::FileSystem& files,
                                                   const PageListing& listing,
                                                   const std::string& workDir);
  // Writes the file anew when the search made signatures it lacked; lets
  // go of the stored ones either way.
  void KeepSignatures(platform::FileSystem& files, SearchSignatures& signatures,
                      const std::string& workDir);

  // This run's signature file in the working directory.
  std::string SignatureFile(const std::string& workDir) const { return workDir + fileName_; }

 private:
  std::uint64_t runToken_;
  std::string fileName_;
  std::shared_ptr<PageListing> listing_;
  // Where the signatures of listing_ were last written, empty when nowhere.
  std::string written_;
};

}  // namespace velmora::navigation
