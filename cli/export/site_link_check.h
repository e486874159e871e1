#pragma once
// The links of a site export, followed as a browser would from file:
// every link and picture must lead to a file of the export, nothing may
// load from the network, and the links that lead to a page saying the
// disc's link is broken are counted apart.

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::cli::exporting {

struct SiteLinkReport {
  std::size_t links = 0;                // inside the export, followed
  std::vector<std::string> unresolved;  // "page: link", leading to no file
  std::vector<std::string> network;     // "page: link", loading from outside
  std::vector<std::string> broken;      // pages saying a link of the disc is broken
};

SiteLinkReport CheckSiteLinks(const std::filesystem::path& root);

}  // namespace velmora::cli::exporting
