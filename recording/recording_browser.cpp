#include "recording/recording_browser.h"

#include "platform/codepage.h"

namespace velmora::recording {

namespace {

bool IsLocalPath(const std::string& address) { return !address.empty() && address[0] == '/'; }

std::string WithoutFragment(const std::string& address) {
  const std::size_t hash = address.find('#');
  return hash == std::string::npos ? address : address.substr(0, hash);
}

// A "javascript:" address runs in the page instead of loading; of scripts,
// only the history steps of back links are understood.
bool IsScript(const std::string& address) { return address.rfind("javascript:", 0) == 0; }

int HistoryStepOf(const std::string& script) {
  if (script.find("history.go(-1)") != std::string::npos) return -1;
  if (script.find("history.back()") != std::string::npos) return -1;
  if (script.find("history.go(1)") != std::string::npos) return +1;
  if (script.find("history.forward()") != std::string::npos) return +1;
  return 0;
}

}  // namespace

std::string PageTitle(const std::string& html) {
  const std::string lower = platform::LowerAscii(html);
  const std::size_t open = lower.find("<title");
  if (open == std::string::npos) return {};
  const std::size_t start = lower.find('>', open);
  if (start == std::string::npos) return {};
  const std::size_t end = lower.find("</title", start);
  std::string title =
      html.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  const bool utf8 = lower.find("charset=utf-8") != std::string::npos;
  return platform::Utf8ToWin1250(utf8 ? title : platform::Iso88592ToUtf8(title));
}

RecordingBrowser::RecordingBrowser(std::string control, Trace& trace, platform::FileSystem& files)
    : control_(std::move(control)), trace_(trace), files_(files) {}

void RecordingBrowser::SetEvents(platform::BrowserEvents events) { events_ = std::move(events); }

bool RecordingBrowser::AskBeforeNavigate(const std::string& address) {
  bool cancel = false;
  if (events_.BeforeNavigate2) events_.BeforeNavigate2(address, cancel);
  trace_.Event("BeforeNavigate2",
               {{"control", control_}, {"address", address}, {"cancel", cancel}});
  return !cancel;
}

void RecordingBrowser::Navigate(const std::string& address) {
  trace_.Call("Navigate", {{"control", control_}, {"address", address}});
  if (AskBeforeNavigate(address)) Accept(address);
}

void RecordingBrowser::UserNavigate(const std::string& address) {
  if (AskBeforeNavigate(address)) Accept(address);
}

void RecordingBrowser::Accept(const std::string& address) {
  if (!IsScript(address)) {
    pending_.push_back({address, 0});
    return;
  }
  const int step = HistoryStepOf(address);
  const int target = historyIndex_ + step;
  if (step == 0 || target < 0 || target >= static_cast<int>(history_.size())) return;
  if (AskBeforeNavigate(history_[target])) pending_.push_back({history_[target], step});
}

void RecordingBrowser::GoBack() {
  trace_.Call("GoBack", {{"control", control_}});
  if (historyIndex_ <= 0) return;
  if (AskBeforeNavigate(history_[historyIndex_ - 1])) {
    pending_.push_back({history_[historyIndex_ - 1], -1});
  }
}

void RecordingBrowser::GoForward() {
  trace_.Call("GoForward", {{"control", control_}});
  if (historyIndex_ + 1 >= static_cast<int>(history_.size())) return;
  if (AskBeforeNavigate(history_[historyIndex_ + 1])) {
    pending_.push_back({history_[historyIndex_ + 1], +1});
  }
}

void RecordingBrowser::SetVisible(bool visible) {
  trace_.Call("SetVisible", {{"control", control_}, {"value", visible}});
}

int RecordingBrowser::QueryStatusWB(int command) {
  trace_.Call("QueryStatusWB",
              {{"control", control_}, {"command", static_cast<long long>(command)}});
  return command == platform::OLECMDID_PRINTPREVIEW ? platform::OLECMDF_SUPPORTED_ENABLED : 0;
}

void RecordingBrowser::ExecWB(int command, int option) {
  trace_.Call("ExecWB", {{"control", control_},
                         {"command", static_cast<long long>(command)},
                         {"option", static_cast<long long>(option)}});
}

bool RecordingBrowser::LoadPending() {
  if (pending_.empty()) return false;
  std::deque<PendingLoad> loads;
  loads.swap(pending_);
  for (const PendingLoad& load : loads) Load(load);
  return true;
}

void RecordingBrowser::Load(const PendingLoad& load) {
  if (load.historyStep == 0) {
    history_.resize(historyIndex_ + 1);
    history_.push_back(load.address);
    // Like the browser engine, keep only the latest entries, so that a long
    // session does not grow without end.
    if (history_.size() > kMaxHistoryEntries) {
      history_.erase(history_.begin(),
                     history_.begin() + static_cast<long>(history_.size() - kMaxHistoryEntries));
    }
    historyIndex_ = static_cast<int>(history_.size()) - 1;
  } else {
    historyIndex_ += load.historyStep;
  }
  ReportCommandStates();
  if (IsLocalPath(load.address)) {
    const std::string path = WithoutFragment(load.address);
    if (std::optional<std::string> html = files_.ReadFile(path)) {
      RaiseTitleChange(PageTitle(*html));
    }
  }
  RaiseDownloadComplete();
}

void RecordingBrowser::ReportCommandStates() {
  const bool canGoBack = historyIndex_ > 0;
  const bool canGoForward = historyIndex_ + 1 < static_cast<int>(history_.size());
  if (canGoForward != canGoForward_) {
    canGoForward_ = canGoForward;
    RaiseCommandStateChange(platform::CSC_NAVIGATEFORWARD, canGoForward);
  }
  if (canGoBack != canGoBack_) {
    canGoBack_ = canGoBack;
    RaiseCommandStateChange(platform::CSC_NAVIGATEBACK, canGoBack);
  }
}

void RecordingBrowser::RaiseTitleChange(const std::string& title) {
  trace_.Event("TitleChange", {{"control", control_}, {"title", title}});
  if (events_.TitleChange) events_.TitleChange(title);
}

void RecordingBrowser::RaiseDownloadComplete() {
  trace_.Event("DownloadComplete", {{"control", control_}});
  if (events_.DownloadComplete) events_.DownloadComplete();
}

void RecordingBrowser::RaiseCommandStateChange(int command, bool enable) {
  trace_.Event(
      "CommandStateChange",
      {{"control", control_}, {"command", static_cast<long long>(command)}, {"enable", enable}});
  if (events_.CommandStateChange) events_.CommandStateChange(command, enable);
}

std::string RecordingBrowser::CurrentAddress() const {
  return historyIndex_ >= 0 ? history_[historyIndex_] : std::string();
}

}  // namespace velmora::recording
