// The menu panel: MENU.CSV at start-up, and the menu page that follows the
// page on screen in Panel6.

#include <string_view>

#include "app/main_form.h"
#include "app/startup_error.h"
#include "navigation/menu_tree_texts.h"

namespace velmora::app {

namespace {

// Letters after a page number that share the number's menu.
constexpr std::string_view kSharingLetters = "sabcdem";

}  // namespace

void TMainForm::LoadDaneMenu(const std::string& fileName) {
  ui_.SetText("Memo2", "");
  const std::string path = paths.tableDir + fileName;
  const std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) {
    typMenu.fill(" ");
    plikMenu.fill(-1);
    throw StartupError(menu_tree_texts::kCannotOpen + path);
  }
  const tables::MenuReadResult result = tables::ReadMenuDefinition(*bytes, typMenu, plikMenu);
  for (const std::string& message : result.messages) {
    ui_.MessageBox(message, menu_tree_texts::kMenuCaption, platform::Icon::Stop);
  }
  if (result.badField) throw StartupError(path + ": " + *result.badField);
}

void TMainForm::Button1Click() {
  std::string memo = ui_.GetText("Memo2");
  memo += std::string(menu_tree_texts::kMemoHeading) + "\r\n";
  for (int k = 0; k < tables::iloscTypowMenu; ++k) {
    memo += std::to_string(k) + ", " + typMenu[k] + "\r\n";
  }
  ui_.SetText("Memo2", memo);
}

std::string TMainForm::MenuForPage(const std::string& page) {
  return tables::MenuForPage(typMenu, plikMenu, page);
}

void TMainForm::ShowPageMenu(const std::string& address) {
  std::string name = address;
  name = name.substr(name.find_last_of('\\') + 1);
  name = name.substr(name.find_last_of('/') + 1);
  if (name.empty()) return;
  const std::size_t htm = name.find(".htm");
  if (htm == std::string::npos || htm == 0) return;
  std::string page = name.substr(0, htm);
  if (kSharingLetters.find(page.back()) != std::string_view::npos) page.pop_back();

  const std::string menu = MenuForPage(page);
  if (!slideFormExists) {
    // Still constructing: only the start page's menu is shown.
    if (menu == "start") {
      MakeMenuPage(menu, page);
      lastMenu = menu + page;
      ui_.SetVisible("Panel6", true);
    }
    return;
  }
  if (page.empty() || menu.empty() || slideAdvanceOn) {
    ui_.SetVisible("Panel6", false);
    return;
  }
  if (lastMenu != menu + page) {
    MakeMenuPage(menu, page);
    lastMenu = menu + page;
  }
  ui_.SetVisible("Panel6", true);
}

void TMainForm::MakeMenuPage(const std::string& menu, const std::string& page) {
  const std::string templatePath = paths.templateDir + "menu_" + menu + ".htm";
  if (!files_.FileExists(templatePath)) {
    ui_.MessageBox(menu_tree_texts::kMissingTemplate + templatePath,
                   menu_tree_texts::kGenerateCaption, platform::Icon::Stop);
    return;
  }
  // Unreadable: the menu browser keeps its page.
  if (!MainRichEdit.LoadFromFile(templatePath)) return;
  ReplaceAll("http://db?pg", paths.dataDir + page);
  ReplaceAll("http://db?path", paths.dataDir);
  SaveAndShow(MainRichEdit, "$$menu.html", MenuWebBrowser_, menu_tree_texts::kMissingFileCaption);
}

}  // namespace velmora::app
