#include "navigation/menu_page.h"

#include <string_view>

#include "navigation/menu_tree_texts.h"
#include "platform/handlers.h"
#include "tables/startup_error.h"

namespace velmora::navigation {

bool IsMenuPage(std::string_view address) {
  return address.substr(address.rfind('/') + 1) == kMenuPageName;
}

namespace {

// Letters after a page number that share the number's menu.
constexpr std::string_view kSharingLetters = "sabcdem";

}  // namespace

void MenuPages::LoadDaneMenu(const std::string& fileName) {
  context_.ui.SetText(platform::names::kMemo2, "");
  const std::string path = context_.paths.tableDir + fileName;
  const std::optional<std::string> bytes = context_.files.ReadFile(path);
  if (!bytes) {
    typMenu_.fill(" ");
    plikMenu_.fill(-1);
    throw tables::StartupError(menu_tree_texts::kCannotOpen + path);
  }
  const tables::MenuReadResult result = tables::ReadMenuDefinition(*bytes, typMenu_, plikMenu_);
  for (const std::string& message : result.messages) {
    context_.ui.MessageBox(message, menu_tree_texts::kMenuCaption, platform::Icon::Stop);
  }
  if (result.badField) throw tables::StartupError(path + ": " + *result.badField);
}

void MenuPages::DumpMenuNames() {
  std::string memo = context_.ui.GetText(platform::names::kMemo2);
  memo += std::string(menu_tree_texts::kMemoHeading) + "\r\n";
  for (int k = 0; k < tables::iloscTypowMenu; ++k) {
    memo += std::to_string(k) + ", " + typMenu_[k] + "\r\n";
  }
  context_.ui.SetText(platform::names::kMemo2, memo);
}

std::string MenuPages::MenuForPage(const std::string& page) {
  return tables::MenuForPage(typMenu_, plikMenu_, page);
}

void MenuPages::ShowPageMenu(const std::string& address) {
  std::string name = address;
  name = name.substr(name.find_last_of('\\') + 1);
  name = name.substr(name.find_last_of('/') + 1);
  if (name.empty()) return;
  const std::size_t htm = name.find(".htm");
  if (htm == std::string::npos || htm == 0) return;
  std::string page = name.substr(0, htm);
  if (kSharingLetters.find(page.back()) != std::string_view::npos) page.pop_back();

  const std::string menu = MenuForPage(page);
  if (!slideShow_.windowExists()) {
    // Still constructing: only the start page's menu is shown.
    if (menu == "start") {
      MakeMenuPage(menu, page);
      lastMenu_ = menu + page;
      context_.ui.SetVisible(platform::names::kPanel6, true);
    }
    return;
  }
  if (page.empty() || menu.empty() || slideShow_.advancing()) {
    context_.ui.SetVisible(platform::names::kPanel6, false);
    return;
  }
  if (lastMenu_ != menu + page) {
    MakeMenuPage(menu, page);
    lastMenu_ = menu + page;
  }
  context_.ui.SetVisible(platform::names::kPanel6, true);
}

void MenuPages::MakeMenuPage(const std::string& menu, const std::string& page) {
  const std::string templatePath = context_.paths.templateDir + "menu_" + menu + ".htm";
  if (!context_.files.FileExists(templatePath)) {
    context_.ui.MessageBox(menu_tree_texts::kMissingTemplate + templatePath,
                           menu_tree_texts::kGenerateCaption, platform::Icon::Stop);
    return;
  }
  // Unreadable: the menu browser keeps its page.
  if (!buffer_.LoadFromFile(templatePath)) return;
  pages::ReplaceAllIn(buffer_, "http://db?pg", context_.paths.dataDir + page);
  pages::ReplaceAllIn(buffer_, "http://db?path", context_.paths.dataDir);
  context_.Show(buffer_, std::string(kMenuPageName), menuBrowser_,
                menu_tree_texts::kMissingFileCaption);
}

}  // namespace velmora::navigation
