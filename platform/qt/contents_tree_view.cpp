#include "platform/qt/contents_tree_view.h"

#include <QKeyEvent>

#include "platform/codepage.h"
#include "platform/qt/win1250_text.h"
#include "tables/contents_tree.h"

namespace velmora::qt {

namespace {

constexpr int kIndexRole = Qt::UserRole;

// Hot tracking: the node under the mouse is underlined and coloured.
constexpr const char* kStyle =
    "QTreeWidget::item:hover { color: #0000ff; text-decoration: underline; }";

bool MovesTheCursor(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

bool ActsAsAClick(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

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
    item->setText(0, platform::qt::FromWin1250(node.text));
    item->setData(0, kIndexRole, index);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    lastAtLevel.resize(level + 1);
    lastAtLevel[level] = item;
    nodes_.push_back(item);
  }

  setAccessibleName(QString::fromUtf8("Mapa CD"));

  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    const int selected = SelectedNode();
    if (selected >= 0 && onChange) onChange(selected);
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

int ContentsTreeView::SelectedNode() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : IndexOf(selected.first());
}

QItemSelectionModel::SelectionFlags ContentsTreeView::selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const {
  if (event != nullptr && event->type() == QEvent::KeyPress) return QItemSelectionModel::NoUpdate;
  return QTreeWidget::selectionCommand(index, event);
}

void ContentsTreeView::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (MovesTheCursor(event->key())) {
      QTreeWidget::keyPressEvent(event);  // moves the cursor only (selectionCommand)
      return;
    }
    if (ActsAsAClick(event->key())) {
      event->accept();
      if (QTreeWidgetItem* item = currentItem()) {
        // A click selects the node, raising onChange when it changes.
        selectionModel()->select(indexFromItem(item), QItemSelectionModel::ClearAndSelect);
        if (onClick) onClick();
      }
      return;
    }
  }
  int key = event->key();
  if (onKeyDown) onKeyDown(key);
  if (key == 0) {
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace velmora::qt
