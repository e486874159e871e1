#pragma once
// An in-memory platform for core tests: files live in a map, message boxes
// and browser navigations are recorded, everything else answers at once.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmora::fakes {

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
  void ProcessMessages() override {}
  void WaitForMessages(int) override {
    if (onWaitForMessages) onWaitForMessages();
  }
  platform::Cursor GetCursor() override { return cursor; }
  void SetCursor(platform::Cursor value) override { cursor = value; }
  void SetVisible(const std::string& control, bool value) override { visible[control] = value; }
  void SetEnabled(const std::string&, bool) override {}
  void SetText(const std::string& control, const std::string& text) override {
    texts[control] = text;
  }
  std::string GetText(const std::string& control) override { return texts[control]; }
  void SelectTreeNode(const std::string&, int index) override { selectedNodes.push_back(index); }
  void ExpandTreeNode(const std::string&, int index) override { expandedNodes.push_back(index); }
  void ShowWindow(const std::string&) override {}
  void HideWindow(const std::string&) override {}
  void MaximizeWindow(const std::string&) override {}
  void SetWindowLeft(const std::string&, int) override {}
  void ShowModal(const std::string&) override {}
  void Terminate() override { terminated = true; }

  std::vector<RecordedMessage> messages;
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> visible;  // last value set per control
  std::vector<int> selectedNodes;
  std::vector<int> expandedNodes;
  platform::Cursor cursor = platform::Cursor::Default;
  bool terminated = false;
  std::function<void()> onWaitForMessages;
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
  platform::Browser& Get(const std::string& control) override;

 private:
  std::map<std::string, std::unique_ptr<FakeBrowser>> browsers_;
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
  bool CopyFile(const std::string& from, const std::string& to) override;
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
  std::optional<std::string> ReadFile(const std::string& path) override;
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

class FakeProcesses : public platform::Processes {
 public:
  std::optional<platform::ProcessHandle> Start(const std::string& path) override {
    started.push_back(path);
    return static_cast<platform::ProcessHandle>(started.size());
  }
  platform::WaitResult Wait(platform::ProcessHandle, int) override {
    return platform::WaitResult::Ended;
  }
  void Close(platform::ProcessHandle) override {}

  std::vector<std::string> started;
};

class FakeShell : public platform::Shell {
 public:
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  void StartProgram(const std::string& path) override { started.push_back(path); }
  std::vector<std::string> opened;
  std::vector<std::string> started;
};

class FakeSettings : public platform::SettingsStore {
 public:
  std::optional<platform::ContentKey> OpenContentKey() override { return key; }
  std::optional<platform::ContentKey> key;
};

// Each call moves time on by 10 ms, so waits end.
class FakeClock : public platform::Clock {
 public:
  std::uint32_t TickCount() override { return now += 10; }
  std::uint32_t now = 0;
};

struct FakePlatform {
  FakeUi ui;
  FakeBrowsers browsers;
  FakeFileSystem files;
  FakeProcesses processes;
  FakeShell shell;
  FakeSettings settings;
  FakeClock clock;
  platform::Platform platform{ui, browsers, files, processes, shell, settings, clock};
};

}  // namespace velmora::fakes
