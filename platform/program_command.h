#pragma once
// How a program of the disc is started here. The disc's programs were made
// for Windows; on another system a Windows program (a file beginning with
// "MZ") runs through wine when wine is installed, and cannot be started
// otherwise. Other programs run as they are.

#include <optional>
#include <string>
#include <vector>

namespace velmora::platform {

struct ProgramCommand {
  std::string program;  // native path
  std::vector<std::string> arguments;
};

// Whether the file begins with the "MZ" of a Windows executable.
bool IsWindowsProgram(const std::string& nativePath);

// The executable file of that name in a directory of PATH, or nullopt.
std::optional<std::string> FindOnPath(const std::string& name);

// The command that starts the program at the native path; nullopt for a
// Windows program when this system cannot run one.
std::optional<ProgramCommand> CommandFor(const std::string& nativePath);

}  // namespace velmora::platform
