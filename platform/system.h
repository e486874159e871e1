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
  // Whether the program at the path is one this system cannot run for want
  // of wine (a Windows program where wine is not installed). Asked before
  // starting a disc's program, so that the user hears why nothing plays.
  virtual bool NeedsWine(const std::string& path) {
    (void)path;
    return false;
  }
};

// Whether the address is an absolute http:, https: or mailto: URL that
// parses as one (a host of letters, digits, dots and hyphens with an
// optional port; no control characters or backslashes anywhere). Nothing
// that names a local path passes, whatever it holds after the scheme.
bool IsOutsideAddress(const std::string& address);

class Shell {
 public:
  virtual ~Shell() = default;
  // Hands an outside address to the system's handler (browser, mail
  // program). Anything IsOutsideAddress refuses is dropped; the result is
  // not reported.
  virtual void OpenAddress(const std::string& address) = 0;
  // Starts a program of the disc without waiting for it; no arguments are
  // passed and the result is not reported.
  virtual void StartProgram(const std::string& path) = 0;
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
  // True the first time it is asked for this notice and disc (content root),
  // false ever after: the user's state, kept apart from the key, remembers
  // that the notice was given.
  virtual bool FirstNotice(const std::string& notice, const std::string& disc) {
    (void)notice;
    (void)disc;
    return true;
  }
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace velmora::platform
