#pragma once
// The ten support files copied into the working directory at start-up, where
// the generated pages find them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::app {

struct SupportFile {
  bool fromTemplates;       // from the template directory, else the data directory
  std::string_view source;  // relative to that directory
  std::string_view name;    // in the working directory
};

// In the order they are copied.
inline constexpr std::array<SupportFile, 10> kSupportFiles{{
    {true, "f.jpg", "f.jpg"},
    {true, "arrow.gif", "arrow.gif"},
    {true, "wstecz.gif", "wstecz.gif"},
    {true, "econet_fr.html", "econet_fr.html"},
    {true, "blankb.htm", "blankb.htm"},
    {false, "lock.vnq", "lock.vnq"},
    {false, "styledb.css", "styledb.css"},
    {false, "bgr.jpg", "bgr.jpg"},
    {false, "pics/pk.jpg", "pk.jpg"},
    {false, "pics/pn.jpg", "pn.jpg"},
}};

// What the program puts in a working directory it shares with others: the
// generated pages ("$$" and any name after it) and the support files.
inline std::vector<std::string> OwnWorkingFileNames() {
  std::vector<std::string> names{"$$*"};
  for (const SupportFile& file : kSupportFiles) names.emplace_back(file.name);
  return names;
}

}  // namespace velmora::app
