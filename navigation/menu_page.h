#pragma once
// The menu panel: MENU.CSV at start-up, and the menu page that follows the
// page on screen in Panel6.

#include <functional>
#include <string>
#include <string_view>

#include "pages/page_context.h"
#include "tables/menu_definition.h"

namespace velmora::navigation {

// The menu page's name in the working directory.
inline constexpr std::string_view kMenuPageName = "$$menu.html";

// Whether the address names the menu page: its file name is kMenuPageName
// exactly, not merely containing it.
bool IsMenuPage(std::string_view address);

// What the menu panel asks of the slide show: whether its window exists yet
// (start-up is over) and whether it is advancing by itself.
struct MenuSlideShowState {
  std::function<bool()> windowExists;
  std::function<bool()> advancing;
};

class MenuPages {
 public:
  MenuPages(pages::PageContext context, pages::PageBuffer& buffer, platform::Browser& menuBrowser,
            tables::MenuNames& typMenu, tables::MenuPageMap& plikMenu, std::string& lastMenu,
            MenuSlideShowState slideShow)
      : context_(context),
        buffer_(buffer),
        menuBrowser_(menuBrowser),
        typMenu_(typMenu),
        plikMenu_(plikMenu),
        lastMenu_(lastMenu),
        slideShow_(std::move(slideShow)) {}

  // Throws StartupError when the file cannot be read or holds a page number
  // that is not a number.
  void LoadDaneMenu(const std::string& fileName);
  // Appends the menu names to the diagnostic memo Memo2.
  void DumpMenuNames();
  std::string MenuForPage(const std::string& page);
  void ShowPageMenu(const std::string& address);
  void MakeMenuPage(const std::string& menu, const std::string& page);

 private:
  pages::PageContext context_;
  pages::PageBuffer& buffer_;
  platform::Browser& menuBrowser_;
  tables::MenuNames& typMenu_;
  tables::MenuPageMap& plikMenu_;
  std::string& lastMenu_;
  MenuSlideShowState slideShow_;
};

}  // namespace velmora::navigation
