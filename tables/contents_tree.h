#pragma once
// The contents tree: its fixed nodes, and DRZEWO1.CSV, the page each node
// opens. Nodes are numbered by their absolute index: the position in a
// depth-first walk, each node before its children, counting from 0.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::tables {

inline constexpr int iloscElemDrzewa = 232;
inline constexpr int kTreeNodeCount = iloscElemDrzewa;

struct TreeNode {
  int level;         // 0 for a top-level node
  const char* text;  // Windows-1250, exact (trailing blanks included)
};

// Every node in depth-first order.
extern const std::array<TreeNode, kTreeNodeCount> kTreeNodes;

// False for indices outside the tree.
bool TreeNodeHasChildren(int index);
// The parent's index, or -1 for a top-level node (and indices outside).
int TreeNodeParent(int index);

using TreePages = std::array<std::string, kTreeNodeCount>;

struct TreePagesReadResult {
  // Set when some line's index was outside 0..231 or not a number: the value
  // the last line of the file leaves (its index, -1 when not a number, 0 when
  // it has no ";").
  std::optional<int> outOfRange;
};

// Fills pages (all emptied first) from the bytes of DRZEWO1.CSV.
TreePagesReadResult ReadTreePages(std::string_view bytes, TreePages& pages);

}  // namespace velmora::tables
