#pragma once
// All recording implementations wired into one platform. Browsers are made
// on first use under their control names.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/platform.h"
#include "recording/recording_browser.h"
#include "recording/recording_file_system.h"
#include "recording/recording_media_player.h"
#include "recording/recording_system.h"
#include "recording/recording_timers.h"
#include "recording/recording_ui.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingBrowsers : public platform::Browsers {
 public:
  RecordingBrowsers(Trace& trace, platform::FileSystem& files) : trace_(trace), files_(files) {}
  platform::Browser& Get(const std::string& control) override { return GetRecording(control); }
  // Recorded as one field, the directories joined by ';'.
  void AllowLocalDirectories(const std::vector<std::string>& directories) override;
  void AllowLocalFilesIn(const std::string& directory,
                         const std::vector<std::string>& names) override;
  RecordingBrowser& GetRecording(const std::string& control);
  RecordingBrowser* Find(const std::string& control);
  // Loads pending navigations of every browser; true when any loaded.
  bool LoadPending();

 private:
  Trace& trace_;
  platform::FileSystem& files_;
  std::map<std::string, std::unique_ptr<RecordingBrowser>> browsers_;
};

struct RecordingOptions {
  std::string tempPath;                     // the system's temporary-files path
  std::optional<std::string> settingsText;  // INI text; nullopt: key absent
};

class RecordingPlatform {
 public:
  RecordingPlatform(std::ostream& traceOut, RecordingOptions options);

  platform::Platform& platform() { return platform_; }
  Trace& trace() { return trace_; }
  RecordingUi& ui() { return ui_; }
  RecordingBrowsers& browsers() { return browsers_; }
  ManualClock& clock() { return clock_; }
  RecordingMediaPlayers& players() { return players_; }

  // Lets pending browser loads run until none is left (bounded, so that a
  // page that keeps navigating cannot hang a replay).
  void RunUntilIdle();

  // Set by the replay driver: input that arrives while the program pumps
  // the message queue in the middle of its work.
  std::function<void()> onBusyPump;

 private:
  Trace trace_;
  RecordingUi ui_;
  RecordingFileSystem files_;
  RecordingBrowsers browsers_;
  RecordingProcesses processes_;
  RecordingShell shell_;
  IniSettingsStore settings_;
  ManualClock clock_;
  RecordingMediaPlayers players_;
  RecordingTimers timers_;
  platform::Platform platform_;
};

}  // namespace velmora::recording
