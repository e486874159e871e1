#pragma once
// How a program of the disc is started here. The disc's programs were made
// for Windows; on another system a Windows program (a file beginning with
// "MZ") runs through wine when wine is installed, and cannot be started
// otherwise. Other programs run as they are.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora::platform {

struct ProgramCommand {
  std::string program;  // native path
  std::vector<std::string> arguments;
};

// Where the system's own programs are installed, in the order searched for
// wine: the usual directories, then those of WineHQ's packages. PATH is not
// asked: an entry such as "." or an empty one would find a disc's own
// "wine" when the viewer runs in the disc's directory.
inline constexpr std::array<const char*, 7> kSystemProgramDirectories{"/usr/local/bin",
                                                                      "/usr/bin",
                                                                      "/bin",
                                                                      "/usr/games",
                                                                      "/opt/wine-stable/bin",
                                                                      "/opt/wine-devel/bin",
                                                                      "/opt/wine-staging/bin"};

// The user's choice of wine: an absolute path. When the variable is set,
// nothing else is looked at (a path that is no program means no wine).
inline constexpr const char* kWineVariable = "VELMORA_WINE";

// Whether the file begins with the "MZ" of a Windows executable.
bool IsWindowsProgram(const std::string& nativePath);

// The executable file of that name in the first of the directories that
// holds one; relative directories are passed over.
std::optional<std::string> FindInDirectories(const std::string& name,
                                             const std::vector<std::string>& directories);

// The wine that runs Windows programs: VELMORA_WINE when set, else the one
// in the system's directories; nullopt when there is none.
std::optional<std::string> FindWine();

// The command that starts the program at the native path; nullopt for a
// Windows program when this system cannot run one.
std::optional<ProgramCommand> CommandFor(const std::string& nativePath);

}  // namespace velmora::platform
