#pragma once
// The install command's arguments, checked before anything is touched.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli::install {

struct InstallArgs {
  std::optional<std::string> disc;
  std::optional<std::string> to;
  bool force = false;
  bool uninstall = false;
  bool quiet = false;  // no progress line
};

// False, with the reason and the usage on err, for arguments that do not
// make one of the two forms of the command.
bool ParseArgs(const std::vector<std::string>& args, InstallArgs& parsed, std::ostream& err);

}  // namespace velmora::cli::install
