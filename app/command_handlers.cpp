// The main window's command buttons: fixed pages, history, scroll to top,
// print, minimise, close, the logos and the search box.

#include "app/command_buttons.h"
#include "app/main_form.h"

namespace velmora::app {

void TMainForm::ShowFixedPage(const std::string& pageName, bool releaseCategoryButtons) {
  if (releaseCategoryButtons) ReleaseCategoryButtons();
  MainWebBrowser_.Navigate(paths_.dataDir + pageName);
}

void TMainForm::ReleaseCategoryButtons() {
  const std::string group(kCategoryButtonGroup);
  ui_.SetAllowAllUp(group, true);
  for (std::string_view button : kCategoryButtons) ui_.SetPressed(std::string(button), false);
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

void TMainForm::LMDSpeedButton30Click() { ui_.CloseWindow("MainForm"); }

void TMainForm::Image1MouseDown(bool ctrlHeld) {
  if (ctrlHeld) platform_.shell.OpenAddress(std::string(kMakersPage));
}

void TMainForm::MainWebBrowserCommandStateChange(int command, bool enable) {
  if (command == platform::CSC_NAVIGATEFORWARD) {
    ui_.SetEnabled("LMDSpeedButton28", enable);
  } else if (command == platform::CSC_NAVIGATEBACK) {
    ui_.SetEnabled("LMDSpeedButton27", enable);
    ui_.SetEnabled("LMDSpeedButton26", enable);
  }
}

void TMainForm::FormResize() { AdjustTitleStrip(); }

void TMainForm::AdjustTitleStrip() {
  // Hides the strip browser's frame and pushes its scroll bar past the
  // panel's right edge.
  ui_.PlaceInParent("TitleWebBrowser", -2, -2, 25, 4);
}

void TMainForm::SzukajKeyPress(char key) {
  if (key == '\r') Button22Click();
}

void TMainForm::Button14Click() {
  memo2Visible_ = !memo2Visible_;
  ui_.SetVisible("Memo2", memo2Visible_);
}

void TMainForm::RegisterCommandHandlers(platform::HandlerTable& handlers) {
  for (const FixedPageButton& button : kFixedPageButtons) {
    const std::string page(button.page);
    const bool release = button.releasesCategoryButtons;
    handlers[std::string(button.handler)] = [this, page, release](const std::string&) {
      ShowFixedPage(page, release);
    };
  }
  handlers["Button6Click"] = [this](const std::string&) { ShowTreePage(); };
  handlers["Button8Click"] = [this](const std::string&) { Button8Click(); };
  handlers["Button9Click"] = [this](const std::string&) { Button9Click(); };
  handlers["BitBtn1Click"] = [this](const std::string&) { BitBtn1Click(); };
  handlers["Button21Click"] = [this](const std::string&) { Button21Click(); };
  handlers["Button22Click"] = [this](const std::string&) { Button22Click(); };
  handlers["LMDSpeedButton29Click"] = [this](const std::string&) { LMDSpeedButton29Click(); };
  handlers["LMDSpeedButton30Click"] = [this](const std::string&) { LMDSpeedButton30Click(); };
  handlers["Image1MouseDown"] = [this](const std::string& argument) {
    Image1MouseDown(argument.find("ctrl") != std::string::npos);
  };
  handlers["FormResize"] = [this](const std::string&) { FormResize(); };
  handlers["SzukajKeyPress"] = [this](const std::string& argument) {
    SzukajKeyPress(
        argument == "enter" || argument == "13" ? '\r' : (argument.empty() ? ' ' : argument[0]));
  };
  handlers["Button14Click"] = [this](const std::string&) { Button14Click(); };
  for (const char* nothing :
       {"Button24Click", "Button12Click", "Button13Click", "Button16Click", "Button15Click"}) {
    handlers[nothing] = [](const std::string&) {};  // diagnostic buttons without an action
  }
}

}  // namespace velmora::app
