#pragma once
// velmora-cli export: a disc as a static website or a ZIM archive.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
