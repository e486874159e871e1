#pragma once
// The viewer's own core, started headless on the recording platform and
// asked for one link at a time through its link dispatcher. The browsers
// load nothing: each navigation is caught and its address handed back, so
// the page the viewer would show is the file it has just written.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "recording/recording_platform.h"

namespace velmora::cli::exporting {

// Where the viewer showed the answer to a link.
enum class ShownIn { Main, Balloon };

struct Shown {
  ShownIn where = ShownIn::Main;
  std::string address;  // a core path, as the browser was given it
};

class ViewerSession {
 public:
  // tempDir: where the viewer makes its working directory. The disc is
  // looked for in the current directory, as the viewer does.
  explicit ViewerSession(const std::string& tempDir);
  ~ViewerSession();
  ViewerSession(const ViewerSession&) = delete;
  ViewerSession& operator=(const ViewerSession&) = delete;

  // False when no disc was found; throws StartupError as the viewer's
  // start-up does.
  bool Start();
  app::TMainForm& form() { return *application_->MainForm(); }
  const tables::ContentPaths& paths() { return form().Paths(); }

  // The link as a click in the main browser: what the viewer then showed,
  // or nullopt when it kept its page.
  std::optional<Shown> Follow(const std::string& address);
  // The menu page the viewer shows beside a data page, nullopt when none.
  std::optional<std::string> Menu(const std::string& pagePath);

  // Messages the viewer would have shown since the last call, UTF-8.
  std::vector<std::string> TakeMessages();

 private:
  class MessageCatcher;
  void CatchNavigations();

  std::unique_ptr<MessageCatcher> catcher_;
  std::ostream traceOut_;
  recording::RecordingPlatform recording_;
  std::unique_ptr<app::Application> application_;
  std::optional<Shown> shown_;
  std::optional<std::string> menu_;
};

}  // namespace velmora::cli::exporting
