#include "cli/install_args.h"

#include "cli/command_help.h"
#include "cli/install_tree.h"

namespace velmora::cli::install {
bool ParseArgs(const std::vector<std::string>& args, InstallArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--force") {
      parsed.force = true;
    } else if (arg == "--quiet") {
      parsed.quiet = true;
    } else if (arg == "--uninstall") {
      parsed.uninstall = true;
    } else if (arg == "--disc" || arg == "--to") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "velmora-cli install: " << arg << " needs a value\n" << *CommandUsage("install");
        return false;
      }
      if (install::HasControlCharacter(args[i + 1])) {
        // Written into the manifest and the settings, one value a line.
        err << "velmora-cli install: " << arg << " holds a control character\n";
        return false;
      }
      (arg == "--disc" ? parsed.disc : parsed.to) = args[++i];
    } else {
      err << "velmora-cli install: unexpected argument: " << arg << "\n"
          << *CommandUsage("install");
      return false;
    }
  }
  if (parsed.uninstall ? (parsed.disc || parsed.force) : !parsed.disc) {
    err << *CommandUsage("install");
    return false;
  }
  return true;
}

}  // namespace velmora::cli::install
