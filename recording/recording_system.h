#pragma once
// Processes, shell, settings and clock for headless runs. Programs are not
// run: starting one that exists is recorded and it ends at once. The clock
// moves 10 ms on every pump so that timed waits finish.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "platform/file_system.h"
#include "platform/system.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingProcesses : public platform::Processes {
 public:
  RecordingProcesses(Trace& trace, platform::FileSystem& files) : trace_(trace), files_(files) {}
  std::optional<platform::ProcessHandle> Start(const std::string& path) override;
  platform::WaitResult Wait(platform::ProcessHandle handle, int timeoutMs) override;
  void Close(platform::ProcessHandle handle) override;
  // As this system would answer: a Windows program needs wine when none is
  // installed (VELMORA_WINE chooses, as for the viewer).
  bool NeedsWine(const std::string& path) override;

 private:
  Trace& trace_;
  platform::FileSystem& files_;
  platform::ProcessHandle next_ = 1;
};

// Addresses are recorded with whether the system would be given them;
// programs with whether they exist. Nothing is opened or run.
class RecordingShell : public platform::Shell {
 public:
  RecordingShell(Trace& trace, platform::FileSystem& files) : trace_(trace), files_(files) {}
  void OpenAddress(const std::string& address) override;
  void StartProgram(const std::string& path) override;

 private:
  Trace& trace_;
  platform::FileSystem& files_;
};

// Reads the key from an INI file as the Linux viewer keeps it
// ("[General]" with cdPath= and instPath=); no file means no key. Notices
// given are remembered for the run only.
class IniSettingsStore : public platform::SettingsStore {
 public:
  IniSettingsStore(Trace& trace, std::optional<std::string> iniText)
      : trace_(trace), iniText_(std::move(iniText)) {}
  std::optional<platform::ContentKey> OpenContentKey() override;
  bool FirstNotice(const std::string& notice, const std::string& disc) override;

 private:
  Trace& trace_;
  std::optional<std::string> iniText_;
  std::set<std::pair<std::string, std::string>> given_;
};

// Parses INI text (UTF-8) into the key; values come back as Windows-1250.
platform::ContentKey ParseContentKeyIni(const std::string& iniText);

class ManualClock : public platform::Clock {
 public:
  std::uint32_t TickCount() override { return now_; }
  void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }

 private:
  std::uint32_t now_ = 1000;
};

}  // namespace velmora::recording
