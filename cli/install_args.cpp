#include "cli/install_args.h"

#include "cli/install_tree.h"

namespace velmora::cli::install {
namespace {

constexpr const char* kUsage =
    "usage: velmora-cli install --disc DIR|IMAGE.iso [--to DIR] [--force]\n"
    "       velmora-cli install --uninstall [--to DIR]\n";

}  // namespace

bool ParseArgs(const std::vector<std::string>& args, InstallArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--force") {
      parsed.force = true;
    } else if (arg == "--uninstall") {
      parsed.uninstall = true;
    } else if (arg == "--disc" || arg == "--to") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "velmora-cli install: " << arg << " needs a value\n" << kUsage;
        return false;
      }
      if (install::HasControlCharacter(args[i + 1])) {
        // Written into the manifest and the settings, one value a line.
        err << "velmora-cli install: " << arg << " holds a control character\n";
        return false;
      }
      (arg == "--disc" ? parsed.disc : parsed.to) = args[++i];
    } else {
      err << "velmora-cli install: unexpected argument: " << arg << "\n" << kUsage;
      return false;
    }
  }
  if (parsed.uninstall ? (parsed.disc || parsed.force) : !parsed.disc) {
    err << kUsage;
    return false;
  }
  return true;
}

}  // namespace velmora::cli::install
