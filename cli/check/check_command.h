#pragma once
// velmora-cli check [--content DIR] [--settings FILE] [--json]: loads the
// disc as the viewer does and reports every problem a reader would meet.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// Exit status: 0 nothing found, 1 something found, 2 wrong usage.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
