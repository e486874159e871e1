#pragma once
// The program entry's order of creation: the main window (whose construction
// runs the start-up), its first show, then the other windows. The viewer
// runs its message loop afterwards; the replay tool runs a script instead.

#include <functional>
#include <memory>

#include "app/main_form.h"
#include "platform/handlers.h"
#include "platform/platform.h"

namespace velmora::app {

class Application {
 public:
  explicit Application(platform::Platform& platform);
  ~Application();

  // Creates the windows in order. Returns false when the program is to end
  // at once (content missing). Throws StartupError from the start-up.
  bool Start();

  TMainForm* MainForm() { return mainForm_.get(); }

  // Every window's handlers, keyed "Window.Handler" ("MainForm.FormShow").
  platform::HandlerTable Handlers();

 private:
  platform::Platform& platform_;
  std::unique_ptr<TMainForm> mainForm_;
};

}  // namespace velmora::app

namespace velmora::app {

// The whole program: start-up, then messageLoop unless the program is to end
// at once. An error escaping start-up is shown in a message box. Returns the
// exit status: 1 when the start-up failed or the disc is missing.
int RunProgram(platform::Platform& platform, const std::function<void(Application&)>& messageLoop);

}  // namespace velmora::app
