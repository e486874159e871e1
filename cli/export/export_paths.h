#pragma once
// Where each thing a reader can reach lies inside an export: the disc's
// files under their own relative paths, generated pages under "gen/", and
// how one export path links to another.

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "tables/content_paths.h"

namespace velmora::cli::exporting {

// The export's own files; the disc's never take these names.
inline constexpr const char* kIndexPage = "index.html";
inline constexpr const char* kTreePage = "gen/tree.html";
inline constexpr const char* kScriptFile = "gen/velmora-export.js";
inline constexpr const char* kStyleFile = "gen/velmora-export.css";

// A key as a file name: letters, digits, '-' and '.' (not first) stay,
// every other byte is "_" and two hex digits, so no key reaches outside its
// folder, none needs escaping in an address, no two keys share a name and a
// file keeps its extension.
std::string SafeName(const std::string& key);

// "gen/" + kind + "/" + SafeName(key) + ".html".
std::string GeneratedPath(const std::string& kind, const std::string& key);

// The link from the page at export path `from` to export path `to`.
std::string RelativeLink(const std::string& from, const std::string& to);

// How a link's value reads, the same for the export that rewrites it and
// for the check that follows it. Left as written: empty, a place in its
// own page, or a script, mail, data or blank address.
bool IsKeptAsWritten(const std::string& value);
// Named absolutely: with a scheme ("://" or "file:") or from the root.
bool IsAbsoluteLink(const std::string& value);
// On the network: "://" in an address other than "file:".
bool IsNetworkAddress(const std::string& value);

// A file of the disc, found once: its place in the export and on disk.
struct DiscFile {
  std::string path;  // export path (its name as the disc spells it)
  std::string real;  // real path
};

class ExportPaths {
 public:
  ExportPaths(const tables::ContentPaths& paths, platform::FileSystem& files);

  // The disc file at corePath, nullopt when it is missing or lies outside
  // the disc's roots.
  std::optional<DiscFile> ForDiscFile(const std::string& corePath);

 private:
  platform::FileSystem& files_;
  std::string installRoot_;  // real, ending in '/'
  std::string contentRoot_;
  bool sameRoots_ = false;
};

}  // namespace velmora::cli::exporting
