// velmora-cli: headless tools for content authors (see docs/cli.md).

#include <iostream>
#include <string>
#include <vector>

#include "cli/check/check_command.h"
#include "cli/install_command.h"
#include "cli/replay_command.h"
#include "cli/search_command.h"
#include "cli/table_command.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: velmora-cli table FILE [--columns N]\n"
         "       velmora-cli search WORD [--content DIR]\n"
         "       velmora-cli replay [--content DIR] [--temp DIR] [--settings FILE] [SCRIPT]\n"
         "       velmora-cli check [--content DIR] [--settings FILE] [--json]\n"
         "       velmora-cli install --disc DIR [--to DIR] [--force]\n"
         "       velmora-cli install --uninstall [--to DIR]\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "table") return velmora::cli::RunTableCommand(args, std::cout, std::cerr);
  if (command == "search") return velmora::cli::RunSearchCommand(args, std::cout, std::cerr);
  if (command == "check") return velmora::cli::RunCheckCommand(args, std::cout, std::cerr);
  if (command == "install") return velmora::cli::RunInstallCommand(args, std::cout, std::cerr);
  if (command == "replay") return velmora::cli::RunReplayCommand(args, std::cout, std::cerr);
  if (command == "--help" || command == "-h" || command == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  std::cerr << "velmora-cli: unknown command " << command << "\n";
  PrintUsage(std::cerr);
  return 2;
}
