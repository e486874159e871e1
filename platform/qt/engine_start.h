#pragma once
// Starting the browser engine: its command-line flags.

#include <vector>

namespace velmora::platform::qt {

// Before QApplication is made: the engine reads its flags once, at start.
void PrepareEngineFlags();

// Switches for the program's arguments rather than the environment: the
// engine splits its environment variable at spaces.
std::vector<const char*> EngineArguments();

}  // namespace velmora::platform::qt
