#pragma once
// Starting the browser engine: its command-line flags.

namespace velmora::platform::qt {

// Before QApplication is made: the engine reads its flags once, at start.
void PrepareEngineFlags();

}  // namespace velmora::platform::qt
