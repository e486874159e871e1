#pragma once
// Processes, the system shell, the settings store and the tick count on Qt.

#include <QProcess>
#include <QString>
#include <map>
#include <memory>

#include "platform/system.h"

namespace velmora::platform::qt {

class QtProcesses : public Processes {
 public:
  ~QtProcesses() override;
  std::optional<ProcessHandle> Start(const std::string& path) override;
  WaitResult Wait(ProcessHandle handle, int timeoutMs) override;
  void Close(ProcessHandle handle) override;
  bool NeedsWine(const std::string& path) override;

 private:
  std::map<ProcessHandle, std::unique_ptr<QProcess>> running_;
  ProcessHandle next_ = 1;
};

// Outside addresses go to the desktop's handler for their scheme; programs
// are started directly, never through the desktop's handler for their file
// type.
class QtShell : public Shell {
 public:
  void OpenAddress(const std::string& address) override;
  void StartProgram(const std::string& path) override;
};

// On Windows the registry key HKEY_CURRENT_USER\SOFTWARE\Kestrava\VNQE; elsewhere
// the INI file Kestrava/VNQE.conf in the user's configuration directory
// (~/.config unless XDG_CONFIG_HOME says otherwise), values in [General]:
//   [General]
//   cdPath=/media/cdrom/
//   instPath=/opt/velmora/
// Values are used as written: they must end in '/', since directory names
// are appended to them directly. The file is UTF-8; values reach the core as
// Windows-1250.
// Notices given are remembered apart from the key, in the user's state
// directory: velmora/notices.conf under XDG_STATE_HOME (~/.local/state),
// one list of disc roots per notice.
class QtSettingsStore : public SettingsStore {
 public:
  std::optional<ContentKey> OpenContentKey() override;
  bool FirstNotice(const std::string& notice, const std::string& disc) override;
  // Where the key lives on this system, for messages and documentation.
  static QString Location();
  static QString NoticesLocation();
  // A disc named for this run only: answered instead of the key, which
  // stays as it is.
  void UseForThisRun(const ContentKey& key) { thisRun_ = key; }
  // Names one folder as both the disc and the installation, as the
  // installer does; false when the settings cannot be written.
  static bool Write(const QString& folder);

 private:
  std::optional<ContentKey> thisRun_;
};

// Milliseconds of the monotonic clock, wrapping like the system tick count.
class QtClock : public Clock {
 public:
  std::uint32_t TickCount() override;
};

}  // namespace velmora::platform::qt
