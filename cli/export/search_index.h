#pragma once
// The static site's search: for each word of the data pages the viewer's
// search lists (those with a topic), the pages holding it, and the headings
// of both dictionaries. The viewer finds a word anywhere in a page's bytes,
// ignoring case; a word of letters and digits lies inside one run of them,
// so the pages of every indexed run that contains the word are exactly the
// viewer's pages for it. Written as a script (it loads from file: too).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velmora::cli::exporting {

inline constexpr const char* kSearchPage = "gen/search.html";
inline constexpr const char* kSearchScript = "gen/velmora-search.js";
inline constexpr const char* kSearchIndex = "gen/velmora-search-index.js";

class SearchIndex {
 public:
  // A page of the data directory, as its bytes stand on the disc.
  void AddPage(const std::string& exportPath, const std::string& isoBytes);
  // An entry of the dictionary (kind 1) or the biotopes (kind 2).
  void AddDefinition(int kind, const std::string& key, const std::string& isoHeading,
                     const std::string& exportPath);
  // "VelmoraSearchIndex = {...};"
  std::string Script() const;

 private:
  struct Page {
    std::string path;
    std::string topic;  // UTF-8
  };
  struct Definition {
    int kind;
    std::string key, heading, path;  // UTF-8
  };
  std::vector<Page> pages_;
  std::map<std::string, std::vector<std::uint32_t>> words_;  // folded, UTF-8
  std::vector<Definition> definitions_;
};

// The search page's script: the matching, usable alone (node), and the page.
std::string SearchScript();
std::string SearchPage(const std::string& styleLink);

}  // namespace velmora::cli::exporting
