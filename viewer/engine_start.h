#pragma once
// Starting the browser engine: its command-line flags, and nothing of it
// kept on disk.

#include <vector>

namespace velmora::platform::qt {

// Before QApplication is made: the engine reads its flags once, at start.
void PrepareEngineFlags();

// Switches for the program's arguments rather than the environment: the
// engine splits its environment variable at spaces.
std::vector<const char*> EngineArguments();

// Before QApplication is made: no compiled shaders are cached on disk.
void KeepShaderCachesOffDisk();

}  // namespace velmora::platform::qt
