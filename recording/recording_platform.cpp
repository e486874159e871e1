#include "recording/recording_platform.h"

namespace velmora::recording {

RecordingBrowser& RecordingBrowsers::GetRecording(const std::string& control) {
  auto& slot = browsers_[control];
  if (!slot) slot = std::make_unique<RecordingBrowser>(control, trace_, files_);
  return *slot;
}

RecordingBrowser* RecordingBrowsers::Find(const std::string& control) {
  const auto it = browsers_.find(control);
  return it == browsers_.end() ? nullptr : it->second.get();
}

bool RecordingBrowsers::LoadPending() {
  bool loaded = false;
  for (auto& [name, browser] : browsers_) loaded = browser->LoadPending() || loaded;
  return loaded;
}

void RecordingBrowsers::AllowLocalDirectories(const std::vector<std::string>& directories) {
  std::string joined;
  for (const std::string& directory : directories) {
    joined += (joined.empty() ? "" : ";") + directory;
  }
  trace_.Call("AllowLocalDirectories", {{"directories", joined}});
}

void RecordingBrowsers::AllowLocalFilesIn(const std::string& directory,
                                          const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ";") + name;
  trace_.Call("AllowLocalFilesIn", {{"directory", directory}, {"names", joined}});
}

RecordingPlatform::RecordingPlatform(std::ostream& traceOut, RecordingOptions options)
    : trace_(traceOut),
      ui_(trace_),
      files_(trace_, options.tempPath),
      browsers_(trace_, files_),
      processes_(trace_, files_),
      shell_(trace_, files_),
      settings_(trace_, std::move(options.settingsText)),
      players_(trace_, files_),
      timers_(trace_),
      platform_{ui_, browsers_, files_, processes_, shell_, settings_, clock_, players_, timers_} {
  ui_.onPump = [this] {
    clock_.Advance(10);
    browsers_.LoadPending();
    if (onBusyPump) onBusyPump();
  };
}

void RecordingPlatform::RunUntilIdle() {
  constexpr int kMaxRounds = 1000;
  for (int round = 0; round < kMaxRounds && browsers_.LoadPending(); ++round) {
  }
}

}  // namespace velmora::recording
