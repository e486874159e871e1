#pragma once
// The private link protocol: which row of the dispatcher an address falls
// to, and the key it carries. The dispatcher acts on it; velmora-cli check
// judges a disc's links by it.

#include <functional>
#include <string>

namespace velmora::navigation {

// In the order the rows are tried.
enum class LinkRow {
  Record,        // "?rp", "?pk", "?ok", "?ec" + key, as received (case kept)
  NationalPark,  // "?pn" + key
  Map,           // "?map-" + name: the map picture large
  Location,      // "?ml-" + name: the location in the balloon
  Photo,         // "?sh" + picture name
  Translation,   // "?trans-" + page name
  Dictionary,    // "?dic" + word
  Biotope,       // "?bio" + word
  Animation,     // "?anim" + program name
  SlideShow,     // "?ss" + set key
  Movie,         // "?mv" + film name
  Tree,          // "?tree": the contents page
  Outside,       // an outside address for the desktop
  TreePage,      // the contents page itself loads ("drzewo.htm")
  LocalFile,     // an existing local file: it loads
  Mail,          // holds "@": it loads
  Missing,       // none of the above
};

struct Link {
  LinkRow row = LinkRow::Missing;
  // The text after the key word (lower case except for records).
  std::string key;
  // The record kind's key word ("?rp" ...), for records only.
  std::string marker;
};

// The rows after the record rows read the address in lower case.
// isLocalFile is asked only when no earlier row takes the address, with
// LocalPath of the lower-case address.
Link ParseLink(const std::string& address,
               const std::function<bool(const std::string& path)>& isLocalFile);

// The file an address names: without its "#fragment", a "file:///" address
// as an absolute path with its first "%20" a blank. Letter case is kept.
std::string LocalPath(const std::string& address);

}  // namespace velmora::navigation
