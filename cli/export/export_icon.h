#pragma once
// The program's 48x48 icon (packaging/icons/velmora-48.png), built in: the
// illustration of an archive.

#include <string_view>

namespace velmora::cli::exporting {

std::string_view ProgramIcon48Png();

}  // namespace velmora::cli::exporting
