#include "tables/contents_tree.h"

#include "tables/menu_definition.h"

namespace velmora::tables {

bool TreeNodeHasChildren(int index) {
  if (index < 0 || index + 1 >= kTreeNodeCount) return false;
  return kTreeNodes[index + 1].level > kTreeNodes[index].level;
}

int TreeNodeParent(int index) {
  if (index < 0 || index >= kTreeNodeCount) return -1;
  const int level = kTreeNodes[index].level;
  for (int i = index - 1; i >= 0; --i) {
    if (kTreeNodes[i].level < level) return i;
  }
  return -1;
}

TreePagesReadResult ReadTreePages(std::string_view bytes, TreePages& pages) {
  pages.fill({});
  bool anyOutOfRange = false;
  int lastValue = 0;
  for (const std::string_view line : FileLines(bytes)) {
    const std::size_t semicolon = line.find(';');
    if (semicolon == std::string_view::npos) {
      lastValue = 0;
      continue;
    }
    const int index = ParseWholeNumber(line.substr(0, semicolon)).value_or(-1);
    lastValue = index;
    if (index >= 0 && index < kTreeNodeCount) {
      pages[index] = std::string(line.substr(semicolon + 1));
    } else {
      anyOutOfRange = true;
    }
  }
  TreePagesReadResult result;
  if (anyOutOfRange) result.outOfRange = lastValue;
  return result;
}

}  // namespace velmora::tables
