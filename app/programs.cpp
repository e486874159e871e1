#include "app/programs.h"

#include "app/texts.h"

namespace velmora::app {

std::optional<platform::ProcessHandle> LaunchProgram(platform::Platform& platform,
                                                     const std::string& path) {
  std::optional<platform::ProcessHandle> handle = platform.processes.Start(path);
  if (!handle) {
    platform.ui.MessageBox(texts::kLaunchFailed, "Error", platform::Icon::Stop);
  }
  return handle;
}

}  // namespace velmora::app
