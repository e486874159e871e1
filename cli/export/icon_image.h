#pragma once
// A Windows icon file (.ico) made into the 48x48 PNG a ZIM archive shows:
// a 48x48 PNG image of the icon as it is, otherwise its best bitmap image
// (1, 4, 8, 24 or 32 bits, with its transparency mask) scaled. The bytes
// come from a disc: every size and offset is checked against them.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli::exporting {

// Nothing when the icon holds no image that can be read.
std::optional<std::string> IconAsPng48(std::string_view ico);

}  // namespace velmora::cli::exporting
