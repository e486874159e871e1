#pragma once
// Small recording fakes of the platform for the working-directory, page and
// notice-window tests. Header-only, so that the Qt tests can use them too.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmora::testing {

struct ShownMessage {
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
  void ProcessMessages() override {
    ++pumps;
    if (onProcessMessages) onProcessMessages();
  }
  platform::Cursor GetCursor() override { return cursor; }
  void SetCursor(platform::Cursor c) override { cursor = c; }
  void SetVisible(const std::string& control, bool visible) override {
    this->visible[control] = visible;
  }
  void SetEnabled(const std::string& control, bool enabled) override {
    this->enabled[control] = enabled;
  }
  void SetText(const std::string& control, const std::string& text) override {
    texts[control] = text;
  }
  std::string GetText(const std::string& control) override { return texts[control]; }
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

  std::vector<ShownMessage> messages;
  int pumps = 0;
  platform::Cursor cursor = platform::Cursor::Default;
  std::map<std::string, bool> visible;
  std::map<std::string, bool> enabled;
  std::map<std::string, std::string> texts;
  std::map<std::string, std::uint32_t> colors;
  std::map<std::string, std::vector<int>> progress;
  std::vector<std::string> windowsShown;
  std::vector<std::string> windowsHidden;
  bool terminated = false;
  std::function<void()> onProcessMessages;
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
  void SetEvents(platform::BrowserEvents) override {}

  std::vector<std::string> navigations;
};

class FakeBrowsers : public platform::Browsers {
 public:
  platform::Browser& Get(const std::string& control) override {
    auto& browser = browsers[control];
    if (!browser) browser = std::make_unique<FakeBrowser>();
    return *browser;
  }
  FakeBrowser& operator[](const std::string& control) {
    return static_cast<FakeBrowser&>(Get(control));
  }

  std::map<std::string, std::unique_ptr<FakeBrowser>> browsers;
};

// Programs "run" at once; a path listed in missing cannot be started.
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

  std::vector<std::string> started;
  std::vector<platform::ProcessHandle> closed;
  std::map<std::string, bool> missing;
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

class FakeClock : public platform::Clock {
 public:
  std::uint32_t TickCount() override { return now += 10; }
  std::uint32_t now = 0;
};

// A platform around a given file system, with every other service faked.
struct FakePlatform {
  explicit FakePlatform(platform::FileSystem& files)
      : platform{ui, browsers, files, processes, shell, settings, clock} {}

  FakeUi ui;
  FakeBrowsers browsers;
  FakeProcesses processes;
  FakeShell shell;
  FakeSettings settings;
  FakeClock clock;
  platform::Platform platform;
};

}  // namespace velmora::testing
