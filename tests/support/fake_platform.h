#pragma once
// An in-memory platform for tests: files live in a map (or in a file system
// the test gives), message boxes, navigations, windows and programs are
// recorded, everything else answers at once. Header-only, so that the Qt
// tests can use it too.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tables/catalogue.h"

namespace velmora::test {

struct RecordedMessage {
  std::string text;
  std::string caption;
  platform::Icon icon;
};

class FakeUi : public platform::Ui {
 public:
  void MessageBox(const std::string& text, const std::string& caption,
                  platform::Icon icon) override {
    messages.push_back({text, caption, icon});
  }
  void Log(const std::string& line) override { logged.push_back(line); }
  void ProcessMessages() override {
    ++pumps;
    if (onProcessMessages) onProcessMessages();
  }
  void WaitForMessages(int) override {
    if (onWaitForMessages) onWaitForMessages();
  }
  platform::Cursor GetCursor() override { return cursor; }
  void SetCursor(platform::Cursor value) override { cursor = value; }
  void SetVisible(const std::string& control, bool value) override { visible[control] = value; }
  void SetEnabled(const std::string& control, bool value) override { enabled[control] = value; }
  void SetText(const std::string& control, const std::string& text) override {
    texts[control] = text;
  }
  std::string GetText(const std::string& control) override { return texts[control]; }
  void SelectTreeNode(const std::string&, int index) override { selectedNodes.push_back(index); }
  void ExpandTreeNode(const std::string&, int index) override { expandedNodes.push_back(index); }
  void ShowWindow(const std::string& window) override {
    windowsShown.push_back(window);
    visible[window] = true;
    if (onShowWindow) onShowWindow(window);
  }
  void HideWindow(const std::string& window) override {
    windowsHidden.push_back(window);
    visible[window] = false;
    if (onHideWindow) onHideWindow(window);
  }
  void MaximizeWindow(const std::string&) override {}
  void SetWindowLeft(const std::string&, int) override {}
  void ShowModal(const std::string&) override {}
  void Terminate() override { terminated = true; }
  void SetColor(const std::string& control, std::uint32_t rgb) override { colors[control] = rgb; }
  void SetProgress(const std::string& control, int position) override {
    progress[control].push_back(position);
    if (onSetProgress) onSetProgress(control, position);
  }

  std::vector<RecordedMessage> messages;
  std::vector<std::string> logged;
  int pumps = 0;
  platform::Cursor cursor = platform::Cursor::Default;
  std::map<std::string, bool> visible;  // last value set per control or window
  std::map<std::string, bool> enabled;
  std::map<std::string, std::string> texts;
  std::map<std::string, std::uint32_t> colors;
  std::map<std::string, std::vector<int>> progress;
  std::vector<std::string> windowsShown;
  std::vector<std::string> windowsHidden;
  std::vector<int> selectedNodes;
  std::vector<int> expandedNodes;
  bool terminated = false;
  std::function<void()> onProcessMessages;
  std::function<void()> onWaitForMessages;
  std::function<void(const std::string&)> onShowWindow;
  std::function<void(const std::string&)> onHideWindow;
  std::function<void(const std::string&, int)> onSetProgress;
};

class FakeBrowser : public platform::Browser {
 public:
  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void GoBack() override {}
  void GoForward() override {}
  void SetVisible(bool) override {}
  int QueryStatusWB(int) override { return 0; }
  void ExecWB(int, int) override {}
  void SetEvents(platform::BrowserEvents value) override { events = std::move(value); }

  std::vector<std::string> navigations;
  platform::BrowserEvents events;
};

class FakeBrowsers : public platform::Browsers {
 public:
  platform::Browser& Get(const std::string& control) override {
    std::unique_ptr<FakeBrowser>& browser = browsers[control];
    if (!browser) browser = std::make_unique<FakeBrowser>();
    return *browser;
  }
  FakeBrowser& operator[](const std::string& control) {
    return static_cast<FakeBrowser&>(Get(control));
  }
  void AllowLocalDirectories(const std::vector<std::string>& directories) override {
    allowedDirectories = directories;
  }
  void AllowLocalFilesIn(const std::string& directory,
                         const std::vector<std::string>& names) override {
    allowedFilesIn[directory] = names;
  }

  std::map<std::string, std::unique_ptr<FakeBrowser>> browsers;
  std::vector<std::string> allowedDirectories;
  std::map<std::string, std::vector<std::string>> allowedFilesIn;
};

// Paths are compared exactly; List matches nothing.
// With readsFromAnyThread, ReadFile may run on another thread: the map is
// then guarded while the program runs (tests set it up before and read it
// after).
class FakeFileSystem : public platform::FileSystem {
 public:
  bool FileExists(const std::string& path) override {
    ++existenceTests;
    const std::lock_guard<std::mutex> lock(mutex_);
    return files.count(path) > 0;
  }
  bool CopyFile(const std::string& from, const std::string& to) override {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = files.find(from);
    if (found == files.end()) return false;
    files[to] = found->second;
    return true;
  }
  bool DeleteFile(const std::string& path) override {
    const std::lock_guard<std::mutex> lock(mutex_);
    return files.erase(path) > 0;
  }
  bool ClearAttributes(const std::string& path) override { return FileExists(path); }
  std::vector<platform::DirEntry> List(const std::string&) override { return {}; }
  bool CreateDirectories(const std::string&) override { return true; }
  bool RemoveDirectory(const std::string&) override { return true; }
  std::string TempPath() override { return "/tmp/"; }
  std::string CurrentDirectory() override { return currentDirectory; }
  std::optional<std::string> ReadFile(const std::string& path) override {
    if (onRead) onRead(path);
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool ReadsFromAnyThread() const override { return readsFromAnyThread; }
  void ReadingInBackground() override { ++backgroundReads; }
  bool WriteFile(const std::string& path, const std::string& bytes) override {
    const std::lock_guard<std::mutex> lock(mutex_);
    files[path] = bytes;
    return true;
  }
  std::string ResolvePath(const std::string& path) override { return path; }

  std::map<std::string, std::string> files;
  std::string currentDirectory = "/disc";
  bool readsFromAnyThread = false;
  // Runs before each read, on the reading thread.
  std::function<void(const std::string&)> onRead;
  std::atomic<int> backgroundReads{0};
  // Calls of FileExists so far: lookups that scale with the content.
  std::atomic<int> existenceTests{0};

 private:
  std::mutex mutex_;
};

// Programs "run" at once; a path listed in missing cannot be started, one
// listed in needingWine wants the wine this system lacks.
class FakeProcesses : public platform::Processes {
 public:
  std::optional<platform::ProcessHandle> Start(const std::string& path) override {
    started.push_back(path);
    if (missing.count(path)) return std::nullopt;
    return static_cast<platform::ProcessHandle>(started.size());
  }
  platform::WaitResult Wait(platform::ProcessHandle, int) override {
    return platform::WaitResult::Ended;
  }
  void Close(platform::ProcessHandle handle) override { closed.push_back(handle); }
  bool NeedsWine(const std::string& path) override { return needingWine.count(path) > 0; }

  std::vector<std::string> started;
  std::vector<platform::ProcessHandle> closed;
  std::map<std::string, bool> missing;
  std::set<std::string> needingWine;
};

class FakeShell : public platform::Shell {
 public:
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  void StartProgram(const std::string& path) override { started.push_back(path); }
  std::vector<std::string> opened;
  std::vector<std::string> started;
};

// Notices given are kept in `notices` (notice, disc), as the user's state.
class FakeSettings : public platform::SettingsStore {
 public:
  std::optional<platform::ContentKey> OpenContentKey() override { return key; }
  bool FirstNotice(const std::string& notice, const std::string& disc) override {
    return notices.insert({notice, disc}).second;
  }
  std::optional<platform::ContentKey> key;
  std::set<std::pair<std::string, std::string>> notices;
};

// Each call moves time on by 10 ms, so waits end.
class FakeClock : public platform::Clock {
 public:
  std::uint32_t TickCount() override { return now += 10; }
  std::uint32_t now = 0;
};

// Every service faked; the file system is the fake's own, or one the test
// gives (a real directory, say).
struct FakePlatform {
  FakePlatform() : FakePlatform(files) {}
  explicit FakePlatform(platform::FileSystem& fileSystem)
      : platform{ui, browsers, fileSystem, processes, shell, settings, clock} {}
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeUi ui;
  FakeBrowsers browsers;
  FakeFileSystem files;
  FakeProcesses processes;
  FakeShell shell;
  FakeSettings settings;
  FakeClock clock;
  platform::Platform platform;
};

// The least a disc under root needs for the program to start on it: every
// catalogue table of one row, the menu definition's 82 lines, an empty
// contents tree and the start-up program. Tests write over what they use.
inline void AddMinimalDisc(FakeFileSystem& files, const std::string& root = "/disc") {
  for (const auto& entry : tables::kCatalogue) {
    files.files[root + "/DB/" + std::string(entry.fileName)] = "x\r\n";
  }
  std::string menus;
  for (int line = 0; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
  files.files[root + "/DB/MENU.CSV"] = menus;
  files.files[root + "/DB/DRZEWO1.CSV"] = "";
  files.files[root + "/Anim/start.exe"] = "";
}

}  // namespace velmora::test
