#pragma once
// velmora-cli install --disc DIR [--to DIR] [--force]
// velmora-cli install --uninstall [--to DIR]
// Copies the installation part of a disc (Foto/, Makiety/, DB/, Data/) to a
// per-user directory and writes the settings the viewer reads
// (~/.config/Kestrava/VNQE.conf); removes exactly that again.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// Exit status: 0 done, 1 refused or failed, 2 wrong usage.
int RunInstallCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
