#pragma once
// Starting a program of the disc (the start-up and closing animations, the
// animation programs of links).

#include <optional>
#include <string>

#include "platform/platform.h"

namespace velmora::app {

// Starts the program; on failure shows "Błąd uruchamiania dema startowego"
// and returns nullopt.
std::optional<platform::ProcessHandle> LaunchProgram(platform::Platform& platform,
                                                     const std::string& path);

// LaunchProgram for a program of the animation directory (start.exe,
// fin.exe): one that resolves to a place outside it counts as missing.
std::optional<platform::ProcessHandle> LaunchDiscProgram(platform::Platform& platform,
                                                         const std::string& animDir,
                                                         const std::string& name);

}  // namespace velmora::app
