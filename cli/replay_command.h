#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// velmora-cli replay [--content DIR] [--temp DIR] [--settings FILE] [SCRIPT]
// Runs the viewer's start-up on the recording platform, then the script;
// writes the trace to out. Returns the exit status.
int RunReplayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
