#include "app/application.h"

#include "app/texts.h"

namespace velmora::app {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

bool Application::Start() {
  mainForm_ = std::make_unique<TMainForm>(platform_);
  // The form description marks the main window visible: it shows at the end
  // of its construction, and FormShow runs the start-up animation.
  platform_.ui.ShowWindow(platform::names::kMainForm);
  mainForm_->FormShow();
  mainForm_->CreateMediaWindows();
  return !mainForm_->ContentMissing();
}

platform::HandlerTable Application::Handlers() {
  platform::HandlerTable all;
  if (!mainForm_) return all;
  auto add = [&all](const std::string& window, auto& form) {
    platform::HandlerTable own;
    form.RegisterHandlers(own);
    for (auto& [name, handler] : own) all[platform::HandlerName(window, name)] = std::move(handler);
  };
  add(platform::names::kMainForm, *mainForm_);
  mainForm_->RegisterBalloonHandlers(all);
  add(platform::names::kSlideForm, mainForm_->SlideForm());
  add(platform::names::kMovieForm, mainForm_->MovieForm());
  return all;
}

}  // namespace velmora::app

namespace velmora::app {

int RunProgram(platform::Platform& platform, const std::function<void(Application&)>& messageLoop) {
  Application application(platform);
  try {
    // The disc named by the settings is missing: the user has been told, and
    // whoever started the program learns that it did not run.
    if (!application.Start()) return 1;
  } catch (const std::exception& error) {
    platform.ui.MessageBox(error.what(), texts::kApplicationTitle, platform::Icon::Stop);
    return 1;
  }
  messageLoop(application);
  return 0;
}

}  // namespace velmora::app
