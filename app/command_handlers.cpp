// The main window's command buttons: fixed pages, history, scroll to top,
// print, minimise, close, the logos and the search box.

#include "app/main_form.h"
#include "app/main_form_controls.h"

namespace velmora::app {

using main_form::Control;
using main_form::Handler;

void TMainForm::ShowFixedPage(const std::string& pageName, bool releaseCategoryButtons) {
  if (releaseCategoryButtons) ReleaseCategoryButtons();
  MainWebBrowser_.Navigate(paths_.dataDir + pageName);
}

void TMainForm::ReleaseCategoryButtons() {
  const std::string group(main_form::Description::kTopicGroup);
  ui_.SetAllowAllUp(group, true);
  for (main_form::ControlId button : main_form::kTopicButtonsByNumber) {
    ui_.SetPressed(Name(button), false);
  }
  ui_.SetAllowAllUp(group, false);
}

void TMainForm::Button8Click() { MainWebBrowser_.GoBack(); }

void TMainForm::Button9Click() {
  ReleaseCategoryButtons();
  MainWebBrowser_.GoForward();
}

void TMainForm::BitBtn1Click() {
  if (currentAddress_.empty()) return;
  const std::size_t hash = currentAddress_.find('#');
  if (hash != std::string::npos && hash > 0) currentAddress_.erase(hash);
  currentAddress_ += "#start";
  MainWebBrowser_.Navigate(currentAddress_);
}

void TMainForm::Button21Click() {
  if (MainWebBrowser_.QueryStatusWB(platform::OLECMDID_PRINTPREVIEW) ==
      platform::OLECMDF_SUPPORTED_ENABLED) {
    MainWebBrowser_.ExecWB(platform::OLECMDID_PRINTPREVIEW, platform::OLECMDEXECOPT_DONTPROMPTUSER);
  } else {
    MainWebBrowser_.ExecWB(platform::OLECMDID_PRINT, platform::OLECMDEXECOPT_PROMPTUSER);
  }
}

void TMainForm::LMDSpeedButton29Click() { ui_.MinimizeApplication(); }

void TMainForm::LMDSpeedButton30Click() { ui_.CloseWindow(platform::names::kMainForm); }

void TMainForm::Image1MouseDown(bool ctrlHeld) {
  if (ctrlHeld) platform_.shell.OpenAddress(std::string(main_form::kMakersPage));
}

void TMainForm::MainWebBrowserCommandStateChange(int command, bool enable) {
  if (command == platform::CSC_NAVIGATEFORWARD) {
    ui_.SetEnabled(Name(Control("LMDSpeedButton28")), enable);
  } else if (command == platform::CSC_NAVIGATEBACK) {
    ui_.SetEnabled(Name(Control("LMDSpeedButton27")), enable);
    ui_.SetEnabled(Name(Control("LMDSpeedButton26")), enable);
  }
}

void TMainForm::FormResize() { AdjustTitleStrip(); }

void TMainForm::AdjustTitleStrip() {
  // Hides the strip browser's frame and pushes its scroll bar past the
  // panel's right edge.
  ui_.PlaceInParent(Name(Control("TitleWebBrowser")), -2, -2, 25, 4);
}

void TMainForm::SzukajKeyPress(char key) {
  if (key == '\r') Button22Click();
}

void TMainForm::Button14Click() {
  memo2Visible_ = !memo2Visible_;
  ui_.SetVisible(Name(Control("Memo2")), memo2Visible_);
}

void TMainForm::RegisterCommandHandlers(platform::HandlerTable& handlers) {
  auto on = windows::Registrar<main_form::Description>(handlers);
  for (const main_form::FixedPage& button : main_form::kFixedPages) {
    const std::string page(button.page);
    const bool release = main_form::ReleasesTopicButtons(button);
    handlers[std::string(windows::Describe(button.button).handler)] =
        [this, page, release](const std::string&) { ShowFixedPage(page, release); };
  }
  on(Handler("Button6Click"), [this](const std::string&) { ShowTreePage(); });
  on(Handler("Button8Click"), [this](const std::string&) { Button8Click(); });
  on(Handler("Button9Click"), [this](const std::string&) { Button9Click(); });
  on(Handler("BitBtn1Click"), [this](const std::string&) { BitBtn1Click(); });
  on(Handler("Button21Click"), [this](const std::string&) { Button21Click(); });
  on(Handler("Button22Click"), [this](const std::string&) { Button22Click(); });
  on(Handler("LMDSpeedButton29Click"), [this](const std::string&) { LMDSpeedButton29Click(); });
  on(Handler("LMDSpeedButton30Click"), [this](const std::string&) { LMDSpeedButton30Click(); });
  on(Handler("Image1MouseDown"), [this](const std::string& argument) {
    Image1MouseDown(argument.find("ctrl") != std::string::npos);
  });
  on(Handler("FormResize"), [this](const std::string&) { FormResize(); });
  on(Handler("SzukajKeyPress"), [this](const std::string& argument) {
    SzukajKeyPress(
        argument == "enter" || argument == "13" ? '\r' : (argument.empty() ? ' ' : argument[0]));
  });
  on(Handler("Button14Click"), [this](const std::string&) { Button14Click(); });
  // Diagnostic buttons without an action.
  for (main_form::HandlerId nothing :
       {Handler("Button24Click"), Handler("Button12Click"), Handler("Button13Click"),
        Handler("Button16Click"), Handler("Button15Click")}) {
    on(nothing, [](const std::string&) {});
  }
}

}  // namespace velmora::app
