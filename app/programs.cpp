#include "app/programs.h"

#include <algorithm>
#include <cstdint>

#include "app/texts.h"
#include "platform/handlers.h"
#include "tables/disc_files.h"

namespace velmora::app {

std::optional<platform::ProcessHandle> LaunchProgram(platform::Platform& platform,
                                                     const std::string& path) {
  std::optional<platform::ProcessHandle> handle = platform.processes.Start(path);
  if (!handle) {
    platform.ui.MessageBox(texts::kLaunchFailed, "Error", platform::Icon::Stop);
  }
  return handle;
}

DiscProgramStart LaunchDiscProgram(platform::Platform& platform, const tables::ContentPaths& paths,
                                   const std::string& name) {
  const std::string path = paths.animDir + name;
  if (!platform::LiesInsideDiscDirectory(platform.files, path, paths.animDir, paths.contentRoot)) {
    platform.ui.MessageBox(texts::kLaunchFailed, "Error", platform::Icon::Stop);
    return {};
  }
  const std::string real = platform.files.RealPath(path).value_or(path);
  // A box at every start and exit would only say that wine is missing.
  if (platform.processes.NeedsWine(real)) {
    platform.ui.Log("not running " + real + ": a Windows program, and wine is not installed");
    return {std::nullopt, true};
  }
  return {LaunchProgram(platform, real), false};
}

void TellOnceThatWineWouldPlay(platform::Platform& platform, const tables::ContentPaths& paths) {
  if (!platform.settings.FirstNotice(texts::kWineNoticeName, paths.contentRoot)) return;
  platform.ui.MessageBox(texts::kWineWouldPlay, texts::kApplicationTitle,
                         platform::Icon::Information);
}

void WaitForProgram(platform::Platform& platform, std::optional<platform::ProcessHandle> handle) {
  if (!handle) return;
  platform::Ui& ui = platform.ui;
  const platform::Cursor remembered = ui.GetCursor();
  ui.SetCursor(platform::Cursor::Hourglass);
  ui.SetEnabled(platform::names::kMainForm, false);
  while (platform.processes.Wait(*handle, 50) == platform::WaitResult::TimedOut) {
    ui.ProcessMessages();
  }
  platform.processes.Close(*handle);
  ui.SetCursor(remembered);
  ui.SetEnabled(platform::names::kMainForm, true);
}

void PauseWithMessages(platform::Platform& platform, int milliseconds) {
  const std::uint32_t start = platform.clock.TickCount();
  std::int64_t elapsed = 0;
  do {
    // Waiting, not spinning: the browser engine is starting up meanwhile.
    platform.ui.WaitForMessages(
        static_cast<int>(std::min<std::int64_t>(milliseconds - elapsed + 1, 50)));
    elapsed = static_cast<std::int64_t>(platform.clock.TickCount() - start);
  } while (elapsed <= milliseconds);
}

bool LocateContent(platform::Platform& platform, tables::ContentPaths& paths) {
  const std::optional<platform::ContentKey> key = platform.settings.OpenContentKey();
  if (key) {
    paths.contentRoot = key->cdPath.value_or("");
    paths.installRoot = key->instPath.value_or("");
    if (platform.files.FileExists(paths.contentRoot + "Anim/" + tables::disc_files::kStartProgram))
      return true;
    platform.ui.MessageBox(texts::kNoDisc + paths.contentRoot + texts::kInsertDisc,
                           texts::kApplicationTitle, platform::Icon::Stop);
    return false;
  }
  // A root such as "/" already ends in the separator.
  paths.contentRoot = platform.files.CurrentDirectory();
  if (paths.contentRoot.empty() || paths.contentRoot.back() != '/') paths.contentRoot += '/';
  paths.installRoot = paths.contentRoot;
  return true;
}

}  // namespace velmora::app
