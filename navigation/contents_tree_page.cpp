// The contents tree: DRZEWO1.CSV at start-up, showing the tree over the
// contents page and hiding it when another page has loaded, and its nodes
// opening their pages.

#include "app/main_form.h"
#include "app/startup_error.h"
#include "navigation/menu_tree_texts.h"

namespace velmora::app {

namespace {

constexpr const char* kTree = "TreeViewCD";
constexpr int kGalleryNode = 228;

}  // namespace

void TMainForm::LoadDaneDrzewa1(const std::string& fileName) {
  const std::string path = paths.tableDir + fileName;
  const std::optional<std::string> bytes = files_.ReadFile(path);
  if (!bytes) throw StartupError(menu_tree_texts::kCannotOpen + path);
  const tables::TreePagesReadResult result = tables::ReadTreePages(*bytes, daneDrzewa);
  if (result.outOfRange) {
    ui_.MessageBox(menu_tree_texts::kTreeTooSmall + std::to_string(*result.outOfRange),
                   menu_tree_texts::kTreeCaption, platform::Icon::Stop);
  }
}

void TMainForm::ShowTreePage() {
  MainWebBrowser_.Navigate(paths.dataDir + "drzewo.htm");
  ReleaseCategoryButtons();
}

void TMainForm::ShowTreeOverPage() {
  ui_.SetVisible("Panel6", false);
  ui_.SetVisible(kTree, true);
  // Selecting a node with children opens nothing.
  treeSelection_ = kGalleryNode;
  ui_.SelectTreeNode(kTree, kGalleryNode);
}

void TMainForm::MainWebBrowserDownloadComplete() {
  if (currentAddress.find("drzewo.htm") == std::string::npos) ShowBrowserView(true);
}

void TMainForm::TreeViewCDChange(int index) {
  if (index < 0 || index >= tables::kTreeNodeCount) return;
  // Only a change of selection counts: the selected leaf opens once.
  if (index == treeSelection_) return;
  treeSelection_ = index;
  if (tables::TreeNodeHasChildren(index)) return;
  const std::string& page = daneDrzewa[index];
  if (page.empty()) {
    ui_.MessageBox(std::string(tables::kTreeNodes[index].text) + " = " + std::to_string(index),
                   menu_tree_texts::kNoPageCaption, platform::Icon::Information);
    return;
  }
  MainWebBrowser_.Navigate(paths.dataDir + page);
}

void TMainForm::TreeViewCDClick() {
  if (treeSelection_ >= 0) ui_.ExpandTreeNode(kTree, treeSelection_);
}

void TMainForm::TreeViewCDKeyDown(int& key) {
  // The tree is worked with the mouse only.
  key = 0;
}

}  // namespace velmora::app
