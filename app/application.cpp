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
  slideForm_ = std::make_unique<windows::TSlideForm>(mainForm_->SlideShowHost(), platform_);
  mainForm_->SlideForm = slideForm_.get();
  movieForm_ = std::make_unique<windows::TMovieForm>(platform_);
  mainForm_->MovieForm = movieForm_.get();
  czekajForm_ = std::make_unique<windows::TCzekajForm>(platform_.ui);
  mainForm_->CzekajForm = czekajForm_.get();
  return !mainForm_->contentMissing;
}

HandlerTable Application::Handlers() {
  HandlerTable all;
  if (mainForm_) {
    HandlerTable own;
    mainForm_->RegisterHandlers(own);
    for (auto& [name, handler] : own)
      all[platform::HandlerName(platform::names::kMainForm, name)] = std::move(handler);
    mainForm_->RegisterBalloonHandlers(all);
  }
  auto add = [&all](const std::string& window, auto& form) {
    if (!form) return;
    HandlerTable own;
    form->RegisterHandlers(own);
    for (auto& [name, handler] : own) all[platform::HandlerName(window, name)] = std::move(handler);
  };
  add(platform::names::kSlideForm, slideForm_);
  add(platform::names::kMovieForm, movieForm_);
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
