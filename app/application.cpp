#include "app/application.h"

#include "app/texts.h"

namespace velmora::app {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

bool Application::Start() {
  mainForm_ = std::make_unique<TMainForm>(platform_);
  // The form description marks the main window visible: it shows at the end
  // of its construction, and FormShow runs the start-up animation.
  platform_.ui.ShowWindow("MainForm");
  mainForm_->FormShow();
  // Slide-show and film windows: created here, hidden, once they exist.
  czekajForm_ = std::make_unique<windows::TCzekajForm>(platform_.ui);
  mainForm_->CzekajForm = czekajForm_.get();
  mainForm_->slideFormExists = true;
  return !mainForm_->contentMissing;
}

HandlerTable Application::Handlers() {
  HandlerTable all;
  if (mainForm_) {
    HandlerTable own;
    mainForm_->RegisterHandlers(own);
    for (auto& [name, handler] : own) all["MainForm." + name] = std::move(handler);
    mainForm_->RegisterBalloonHandlers(all);
  }
  return all;
}

}  // namespace velmora::app

namespace velmora::app {

int RunProgram(platform::Platform& platform, const std::function<void(Application&)>& messageLoop) {
  Application application(platform);
  try {
    if (!application.Start()) return 0;
  } catch (const std::exception& error) {
    platform.ui.MessageBox(error.what(), texts::kApplicationTitle, platform::Icon::Stop);
    return 1;
  }
  messageLoop(application);
  return 0;
}

}  // namespace velmora::app
