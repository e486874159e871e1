#pragma once
// Processes, the system shell, the settings store and the tick count.

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::platform {

using ProcessHandle = std::int64_t;

enum class WaitResult { Ended, TimedOut, Failed };

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts the program whose full path is given; no arguments are passed.
  virtual std::optional<ProcessHandle> Start(const std::string& path) = 0;
  virtual WaitResult Wait(ProcessHandle handle, int timeoutMs) = 0;
  virtual void Close(ProcessHandle handle) = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The system's "open" of an address or file; the result is not reported.
  virtual void Open(const std::string& address) = 0;
};

// The two string values of the key "\SOFTWARE\Kestrava\VNQE".
struct ContentKey {
  std::optional<std::string> cdPath;
  std::optional<std::string> instPath;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the key for reading; nullopt when the key is absent. Never creates it.
  virtual std::optional<ContentKey> OpenContentKey() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace velmora::platform
