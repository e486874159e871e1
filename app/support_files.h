#pragma once
// The ten support files copied into the working directory at start-up, where
// the generated pages find them.

#include <array>
#include <string_view>

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

}  // namespace velmora::app
