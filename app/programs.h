#pragma once
// Starting a program of the disc (the start-up and closing animations, the
// animation programs of links), waiting for it, pausing, and finding the
// disc.

#include <optional>
#include <string>

#include "platform/platform.h"
#include "tables/content_paths.h"

namespace velmora::app {

// Starts the program; on failure shows "Błąd uruchamiania dema startowego"
// and returns nullopt.
std::optional<platform::ProcessHandle> LaunchProgram(platform::Platform& platform,
                                                     const std::string& path);

struct DiscProgramStart {
  std::optional<platform::ProcessHandle> handle;
  // Not started, without a message box: a Windows program where wine is
  // missing. Only the log says so.
  bool neededWine = false;
};

// LaunchProgram for a program of the animation directory (start.exe,
// fin.exe): one that resolves to a place outside it, or outside the disc,
// counts as missing.
DiscProgramStart LaunchDiscProgram(platform::Platform& platform, const tables::ContentPaths& paths,
                                   const std::string& name);

// Tells the user, the first time this disc is opened here, that with wine
// installed its animations would play.
void TellOnceThatWineWouldPlay(platform::Platform& platform, const tables::ContentPaths& paths);

// Waits for a started program with the main window disabled and the
// hourglass shown, answering messages meanwhile; closes the handle.
void WaitForProgram(platform::Platform& platform, std::optional<platform::ProcessHandle> handle);

// Pauses, answering messages meanwhile.
void PauseWithMessages(platform::Platform& platform, int milliseconds);

// The content root and installation root from the settings key, else the
// current directory. False, after telling the user, when the key names a
// disc without its start-up program.
bool LocateContent(platform::Platform& platform, tables::ContentPaths& paths);

}  // namespace velmora::app
