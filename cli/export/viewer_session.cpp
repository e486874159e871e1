#include "cli/export/viewer_session.h"

#include <streambuf>

#include "platform/codepage.h"
#include "platform/handlers.h"

namespace velmora::cli::exporting {

// The trace is not kept: only the message boxes are picked out of it, one
// JSON line at a time.
class ViewerSession::MessageCatcher : public std::streambuf {
 public:
  std::vector<std::string> Take() { return std::exchange(messages_, {}); }

 protected:
  int_type overflow(int_type c) override {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    if (c != '\n') {
      if (line_.size() < kMaxLine) line_ += static_cast<char>(c);
      return c;
    }
    if (line_.rfind("{\"call\":\"MessageBox\"", 0) == 0 && messages_.size() < kMaxMessages) {
      messages_.push_back(TextField(line_));
    }
    line_.clear();
    return c;
  }

 private:
  static constexpr std::size_t kMaxLine = 4096;
  static constexpr std::size_t kMaxMessages = 10000;

  // The "text" field, its escapes read back.
  static std::string TextField(const std::string& line) {
    const std::string key = "\"text\":\"";
    std::size_t at = line.find(key);
    if (at == std::string::npos) return line;
    std::string text;
    for (at += key.size(); at < line.size() && line[at] != '"'; ++at) {
      if (line[at] == '\\' && at + 1 < line.size()) {
        ++at;
        text += line[at] == 'n' ? ' ' : line[at];
      } else {
        text += line[at];
      }
    }
    return text;
  }

  std::string line_;
  std::vector<std::string> messages_;
};

ViewerSession::ViewerSession(const std::string& tempDir)
    : catcher_(std::make_unique<MessageCatcher>()),
      traceOut_(catcher_.get()),
      recording_(traceOut_, {tempDir, std::nullopt}) {}

ViewerSession::~ViewerSession() {
  // The viewer's shut-down removes its working directory.
  if (application_ && application_->MainForm()) application_->MainForm()->FormClose();
  application_.reset();
}

bool ViewerSession::Start() {
  application_ = std::make_unique<app::Application>(recording_.platform());
  if (!application_->Start()) return false;
  recording_.RunUntilIdle();
  CatchNavigations();
  TakeMessages();
  return true;
}

void ViewerSession::CatchNavigations() {
  namespace names = platform::names;
  auto catchInto = [this](ShownIn where) {
    platform::BrowserEvents events;
    events.BeforeNavigate2 = [this, where](const std::string& address, bool& cancel) {
      shown_ = Shown{where, address};
      cancel = true;
    };
    return events;
  };
  recording_.browsers().Get(names::kMainWebBrowser).SetEvents(catchInto(ShownIn::Main));
  for (const char* balloon : {names::kDictionaryBalloon, names::kLocationBalloon}) {
    recording_.browsers()
        .Get(std::string(balloon) + ".CppWebBrowser")
        .SetEvents(catchInto(ShownIn::Balloon));
  }
  platform::BrowserEvents menuEvents;
  menuEvents.BeforeNavigate2 = [this](const std::string& address, bool& cancel) {
    menu_ = address;
    cancel = true;
  };
  recording_.browsers().Get(names::kMenuWebBrowser).SetEvents(std::move(menuEvents));
}

std::optional<Shown> ViewerSession::Follow(const std::string& address) {
  app::TMainForm& main = form();
  // A balloon opened afresh each time, so no page gets the balloon's back
  // link from the one before.
  if (auto* balloon = main.DictionaryBalloon()) balloon->FormClose();
  if (auto* balloon = main.LocationBalloon()) balloon->FormClose();
  shown_.reset();
  bool cancel = false;
  main.MainWebBrowserBeforeNavigate2(address, cancel);
  if (!cancel && !shown_) shown_ = Shown{ShownIn::Main, address};
  return std::exchange(shown_, std::nullopt);
}

std::optional<std::string> ViewerSession::Menu(const std::string& pagePath) {
  app::TMainForm& main = form();
  main.ForgetLastMenu();  // made anew for every page, not only on a change
  menu_.reset();
  main.ShowPageMenu(platform::LowerAscii(pagePath));
  return std::exchange(menu_, std::nullopt);
}

std::vector<std::string> ViewerSession::TakeMessages() {
  traceOut_.flush();
  return catcher_->Take();
}

}  // namespace velmora::cli::exporting
