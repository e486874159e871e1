#include "platform/qt/contents_tree_view.h"

#include <QKeyEvent>

#include "platform/codepage.h"
#include "tables/contents_tree.h"

namespace velmora::qt {

namespace {

constexpr int kIndexRole = Qt::UserRole;

// Hot tracking: the node under the mouse is underlined and coloured.
constexpr const char* kStyle =
    "QTreeWidget::item:hover { color: #0000ff; text-decoration: underline; }";

}  // namespace

ContentsTreeView::ContentsTreeView(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("TreeViewCD");
  setColumnCount(1);
  setHeaderHidden(true);
  setIndentation(19);
  QFont bold = font();
  bold.setPixelSize(13);
  bold.setBold(true);
  setFont(bold);
  setMouseTracking(true);
  setStyleSheet(kStyle);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(0, 0));

  // Each node's parent is the latest node one level up.
  std::vector<QTreeWidgetItem*> lastAtLevel;
  nodes_.reserve(tables::kTreeNodeCount);
  for (int index = 0; index < tables::kTreeNodeCount; ++index) {
    const tables::TreeNode& node = tables::kTreeNodes[index];
    const auto level = static_cast<std::size_t>(node.level);
    auto* item =
        level == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(lastAtLevel[level - 1]);
    item->setText(0, QString::fromStdString(platform::Win1250ToUtf8(node.text)));
    item->setData(0, kIndexRole, index);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    lastAtLevel.resize(level + 1);
    lastAtLevel[level] = item;
    nodes_.push_back(item);
  }

  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (current && onChange) onChange(IndexOf(current));
  });
  connect(this, &QTreeWidget::itemClicked, this, [this] {
    if (onClick) onClick();
  });
}

QTreeWidgetItem* ContentsTreeView::Node(int index) const {
  if (index < 0 || index >= static_cast<int>(nodes_.size())) return nullptr;
  return nodes_[static_cast<std::size_t>(index)];
}

int ContentsTreeView::IndexOf(const QTreeWidgetItem* item) const {
  return item ? item->data(0, kIndexRole).toInt() : -1;
}

void ContentsTreeView::SelectNode(int index) {
  if (QTreeWidgetItem* item = Node(index)) {
    setCurrentItem(item);
    scrollToItem(item);
  }
}

void ContentsTreeView::ExpandNode(int index) {
  if (QTreeWidgetItem* item = Node(index)) item->setExpanded(true);
}

int ContentsTreeView::SelectedNode() const { return IndexOf(currentItem()); }

void ContentsTreeView::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  if (onKeyDown) onKeyDown(key);
  if (key == 0) {
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace velmora::qt
