// velmora-cli: headless tools for content authors (see docs/cli.md).

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/check/check_command.h"
#include "cli/command_help.h"
#include "cli/export/export_command.h"
#include "cli/install_command.h"
#include "cli/replay_command.h"
#include "cli/search_command.h"
#include "cli/table_command.h"

int main(int argc, char** argv) {
  using namespace velmora::cli;
  if (argc < 2) {
    std::cerr << GeneralUsage();
    return 2;
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    // "help COMMAND" as "COMMAND --help".
    const std::optional<std::string> help = args.empty() ? std::nullopt : CommandHelp(args[0]);
    std::cout << (help ? *help : GeneralUsage());
    return 0;
  }
  if (const std::optional<std::string> help = CommandHelp(command); help && AsksForHelp(args)) {
    std::cout << *help;
    return 0;
  }
  if (command == "table") return RunTableCommand(args, std::cout, std::cerr);
  if (command == "search") return RunSearchCommand(args, std::cout, std::cerr);
  if (command == "check") return RunCheckCommand(args, std::cout, std::cerr);
  if (command == "install") return RunInstallCommand(args, std::cout, std::cerr);
  if (command == "export") return RunExportCommand(args, std::cout, std::cerr);
  if (command == "replay") return RunReplayCommand(args, std::cout, std::cerr);
  std::cerr << "velmora-cli: unknown command " << command << "\n" << GeneralUsage();
  return 2;
}
