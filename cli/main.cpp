#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/table_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
  const std::string command = argc >= 2 ? argv[1] : "";
  if (command == "table") return velmora::cli::RunTableCommand(args, std::cout, std::cerr);
  std::cerr << "velmora-cli: no command\n";
  return 2;
}
