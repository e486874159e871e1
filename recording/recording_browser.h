#pragma once
// A browser without an engine that behaves like one for the core: every
// navigation raises BeforeNavigate2 first; one that is not cancelled is
// loaded on the next pump (an existing local file raises TitleChange with its
// <title>, then DownloadComplete), history is kept, and CommandStateChange
// reports changes of the back and forward possibilities. A "javascript:"
// back or forward link steps the history as the page's script would.

#include <deque>
#include <string>
#include <vector>

#include "platform/browser.h"
#include "platform/file_system.h"
#include "recording/trace.h"

namespace velmora::recording {

class RecordingBrowser : public platform::Browser {
 public:
  RecordingBrowser(std::string control, Trace& trace, platform::FileSystem& files);

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void SetVisible(bool visible) override;
  int QueryStatusWB(int command) override;
  void ExecWB(int command, int option) override;
  void SetEvents(platform::BrowserEvents events) override;

  // What a click on a link in the shown page does.
  void UserNavigate(const std::string& address);
  // Events raised directly by a script line.
  void RaiseTitleChange(const std::string& title);
  void RaiseDownloadComplete();
  void RaiseCommandStateChange(int command, bool enable);

  // Loads what was accepted since the last pump; true when anything loaded.
  bool LoadPending();

  const std::string& control() const { return control_; }
  std::string CurrentAddress() const;

 private:
  struct PendingLoad {
    std::string address;
    int historyStep;  // 0 for a new entry, -1 back, +1 forward
  };

  bool AskBeforeNavigate(const std::string& address);
  // A navigation the program let proceed: queued for loading, or for a
  // "javascript:" history step, the step.
  void Accept(const std::string& address);
  void Load(const PendingLoad& load);
  void ReportCommandStates();

  std::string control_;
  Trace& trace_;
  platform::FileSystem& files_;
  platform::BrowserEvents events_;
  static constexpr std::size_t kMaxHistoryEntries = 50;
  std::vector<std::string> history_;
  int historyIndex_ = -1;
  std::deque<PendingLoad> pending_;
  bool canGoBack_ = false;
  bool canGoForward_ = false;
};

// The <title> of an HTML page as Windows-1250 text; the page is read as
// ISO-8859-2 unless it declares UTF-8.
std::string PageTitle(const std::string& html);

}  // namespace velmora::recording
