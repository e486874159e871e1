#include "navigation/contents_tree_page.h"

#include "navigation/menu_tree_texts.h"
#include "platform/handlers.h"
#include "tables/disc_files.h"
#include "tables/startup_error.h"

namespace velmora::navigation {

namespace {

constexpr const char* kTree = platform::names::kTreeViewCD;
constexpr int kGalleryNode = 228;

}  // namespace

bool IsContentsPage(std::string_view address) {
  address = address.substr(0, address.find_first_of("#?"));
  const std::size_t separator = address.find_last_of("/\\");
  if (separator != std::string_view::npos) address.remove_prefix(separator + 1);
  return address == tables::disc_files::kContentsPage;
}

void ContentsTreePage::LoadDaneDrzewa1(const std::string& fileName) {
  const std::string path = context_.paths.tableDir + fileName;
  const std::optional<std::string> bytes = context_.files.ReadFile(path);
  if (!bytes) throw tables::StartupError(menu_tree_texts::kCannotOpen + path);
  const tables::TreePagesReadResult result = tables::ReadTreePages(*bytes, daneDrzewa_);
  if (result.outOfRange) {
    context_.ui.MessageBox(menu_tree_texts::kTreeTooSmall + std::to_string(*result.outOfRange),
                           menu_tree_texts::kTreeCaption, platform::Icon::Stop);
  }
}

void ContentsTreePage::ShowTreePage() {
  mainBrowser_.Navigate(context_.paths.dataDir + tables::disc_files::kContentsPage);
  releaseCategoryButtons_();
}

void ContentsTreePage::ShowTreeOverPage() {
  context_.ui.SetVisible(platform::names::kPanel6, false);
  context_.ui.SetVisible(kTree, true);
  // Selecting a node with children opens nothing.
  selection_ = kGalleryNode;
  context_.ui.SelectTreeNode(kTree, kGalleryNode);
}

void ContentsTreePage::TreeViewCDChange(int index) {
  if (index < 0 || index >= tables::kTreeNodeCount) return;
  // Only a change of selection counts: the selected leaf opens once.
  if (index == selection_) return;
  selection_ = index;
  if (tables::TreeNodeHasChildren(index)) return;
  const std::string& page = daneDrzewa_[index];
  if (page.empty()) {
    context_.ui.MessageBox(
        std::string(tables::kTreeNodes[index].text) + " = " + std::to_string(index),
        menu_tree_texts::kNoPageCaption, platform::Icon::Information);
    return;
  }
  mainBrowser_.Navigate(context_.paths.dataDir + page);
}

void ContentsTreePage::TreeViewCDClick() {
  if (selection_ >= 0) context_.ui.ExpandTreeNode(kTree, selection_);
}

}  // namespace velmora::navigation
