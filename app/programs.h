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

}  // namespace velmora::app
