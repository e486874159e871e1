#pragma once
// What `velmora-cli --help` and `velmora-cli COMMAND --help` print, and the
// usage lines the commands repeat after a wrong argument.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Every command's usage lines and how to ask for more.
std::string GeneralUsage();
// The usage lines of one command ("usage: velmora-cli install ..."), or
// nullopt for a name that is no command.
std::optional<std::string> CommandUsage(std::string_view command);
// The usage lines, what the command does and each of its options.
std::optional<std::string> CommandHelp(std::string_view command);
// Whether the arguments ask for help: "-h" or "--help" anywhere.
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace velmora::cli
