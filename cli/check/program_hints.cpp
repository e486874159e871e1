// Programs of the animation directory that are Windows programs, when this
// system has no wine to run them. Not a fault of the disc: the viewer says
// it cannot start them, and installing wine mends it.

#include "cli/check/checks.h"
#include "platform/codepage.h"
#include "platform/program_command.h"

namespace velmora::cli::check {

std::vector<std::string> WindowsProgramHints(Disc& disc) {
  std::vector<std::string> hints;
  if (platform::FindWine()) return hints;
  const std::string& dir = disc.paths().animDir;
  for (const std::string& name : disc.ListFiles(dir, "*.exe")) {
    if (!platform::IsWindowsProgram(platform::Win1250ToUtf8(dir + name))) continue;
    hints.push_back("hint: " + disc.Display(dir + name) +
                    " is a Windows program and wine is not installed: the viewer cannot "
                    "start it (install wine to run it)");
  }
  return hints;
}

}  // namespace velmora::cli::check
