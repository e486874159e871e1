#pragma once
// Starting the browser engine: its command-line flags, and nothing of it
// kept on disk.

namespace velmora::platform::qt {

// Before QApplication is made: the engine reads its flags once, at start.
void PrepareEngineFlags();

// Before QApplication is made: no compiled shaders are cached on disk.
void KeepShaderCachesOffDisk();

}  // namespace velmora::platform::qt
