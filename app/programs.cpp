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

std::optional<platform::ProcessHandle> LaunchDiscProgram(platform::Platform& platform,
                                                         const std::string& animDir,
                                                         const std::string& name) {
  const std::string path = animDir + name;
  if (!platform::LiesInside(platform.files, path, animDir)) {
    platform.ui.MessageBox(texts::kLaunchFailed, "Error", platform::Icon::Stop);
    return std::nullopt;
  }
  return LaunchProgram(platform, platform.files.RealPath(path).value_or(path));
}

}  // namespace velmora::app
