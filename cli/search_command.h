#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// velmora-cli search WORD [--content DIR]
// Runs the viewer's full-text search headless and prints what the results
// page lists, as one JSON object. Returns the exit status.
int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
