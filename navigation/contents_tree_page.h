#pragma once
// The contents tree: DRZEWO1.CSV at start-up, showing the tree over the
// contents page, and its nodes opening their pages.

#include <functional>
#include <string>
#include <string_view>

#include "pages/page_context.h"
#include "tables/contents_tree.h"

namespace velmora::navigation {

// Whether the lower-cased address names the contents page: its file name,
// without a fragment or query, is the contents page's name exactly, not
// merely ending in it.
bool IsContentsPage(std::string_view address);

class ContentsTreePage {
 public:
  // releaseCategoryButtons: opening the contents page lets the category
  // buttons of the main window up.
  ContentsTreePage(pages::PageContext context, platform::Browser& mainBrowser,
                   tables::TreePages& daneDrzewa, std::function<void()> releaseCategoryButtons)
      : context_(context),
        mainBrowser_(mainBrowser),
        daneDrzewa_(daneDrzewa),
        releaseCategoryButtons_(std::move(releaseCategoryButtons)) {}

  // Throws StartupError when the file cannot be read.
  void LoadDaneDrzewa1(const std::string& fileName);
  // A "?tree" link: the contents page.
  void ShowTreePage();
  // The contents page is loading: the tree covers it.
  void ShowTreeOverPage();
  void TreeViewCDChange(int index);
  void TreeViewCDClick();

 private:
  pages::PageContext context_;
  platform::Browser& mainBrowser_;
  tables::TreePages& daneDrzewa_;
  std::function<void()> releaseCategoryButtons_;
  int selection_ = -1;  // absolute index of the selected tree node
};

}  // namespace velmora::navigation
