#pragma once
// The disc's own icon as the 48x48 PNG of an archive: the icon its
// autorun.inf names, else an .ico file at its root.

#include <filesystem>
#include <string>

namespace velmora::cli::exporting {

// Empty when the disc has no icon that can be read.
std::string DiscIcon48Png(const std::filesystem::path& disc);

}  // namespace velmora::cli::exporting
