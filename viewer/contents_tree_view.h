#pragma once
// TreeViewCD: the contents tree, built from the core's fixed node table.
// Nodes are addressed by absolute index (depth-first position from 0); the
// main window routes its events to the core's TreeViewCD handlers and the
// Ui's tree operations to SelectNode and ExpandNode.
//
// The keyboard moves a cursor through the nodes without selecting them, so
// that stepping past a leaf opens no page; Enter or Space on the cursor's
// node does what a click on it does. Other keys go to onKeyDown.

#include <QTreeWidget>
#include <functional>
#include <vector>

namespace velmora::qt {

class ContentsTreeView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ContentsTreeView(QWidget* parent = nullptr);

  // Selecting raises onChange, as a click does.
  void SelectNode(int index);
  void ExpandNode(int index);
  // -1 when no node is selected (the keyboard's cursor may be elsewhere).
  int SelectedNode() const;
  QTreeWidgetItem* Node(int index) const;
  int IndexOf(const QTreeWidgetItem* item) const;

  // The selection changed to the node (TreeViewCDChange).
  std::function<void(int index)> onChange;
  // A click in the tree (TreeViewCDClick).
  std::function<void()> onClick;
  // A key went down (TreeViewCDKeyDown); a key code set to 0 is swallowed.
  std::function<void(int& key)> onKeyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  std::vector<QTreeWidgetItem*> nodes_;
};

}  // namespace velmora::qt
