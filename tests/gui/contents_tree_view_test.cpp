// The contents tree widget: its 232 nodes and look, selection and expansion
// from the core, the mouse and key events it hands to the core, and the
// keyboard's cursor.
#include "viewer/contents_tree_view.h"

#include <QApplication>
#include <QDir>
#include <QtTest>
#include <vector>

using velmora::qt::ContentsTreeView;

class ContentsTreeViewTest : public QObject {
  Q_OBJECT

 private slots:
  void nodes_allInDepthFirstOrderWithExactTexts() {
    ContentsTreeView tree;
    QCOMPARE(tree.topLevelItemCount(), 16);
    int count = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
      QCOMPARE(tree.IndexOf(*it), count);
      ++count;
    }
    QCOMPARE(count, 232);
    QCOMPARE(tree.Node(0)->text(0), QString::fromUtf8("Wstęp"));
    QCOMPARE(tree.Node(36)->text(0),
             QString::fromUtf8("Formy ochrony przyrody wg ustawy o ochr. przyr. "));
    QVERIFY(tree.Node(136)->text(0).endsWith(QString::fromUtf8("„Park Narodowy \"w Pieninach\".")));
    QCOMPARE(tree.Node(77)->parent(), tree.Node(75));
    QCOMPARE(tree.Node(228)->childCount(), 3);
  }

  void look_boldThirteenPixelsIndentNineteenHotTrackingReadOnly() {
    ContentsTreeView tree;
    QCOMPARE(tree.objectName(), QString("TreeViewCD"));
    QVERIFY(tree.font().bold());
    QCOMPARE(tree.font().pixelSize(), 13);
    QCOMPARE(tree.indentation(), 19);
    QVERIFY(tree.hasMouseTracking());
    QVERIFY(tree.styleSheet().contains(":hover"));
    QCOMPARE(tree.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(tree.isHeaderHidden());
    for (int i = 0; i < 232; ++i) {
      QVERIFY(tree.Node(i)->icon(0).isNull());
      QVERIFY(!(tree.Node(i)->flags() & Qt::ItemIsEditable));
    }
  }

  void selectNode_raisesChangeAndShowsNode() {
    ContentsTreeView tree;
    std::vector<int> changes;
    tree.onChange = [&](int index) { changes.push_back(index); };
    tree.SelectNode(228);
    QCOMPARE(tree.SelectedNode(), 228);
    QCOMPARE(changes, std::vector<int>{228});
    tree.SelectNode(228);  // no change, no event
    QCOMPARE(changes.size(), std::size_t{1});
    tree.SelectNode(500);
    QCOMPARE(tree.SelectedNode(), 228);
    QVERIFY(!tree.Node(228)->isExpanded());
    tree.ExpandNode(228);
    QVERIFY(tree.Node(228)->isExpanded());
  }

  void mouseClickOnLeaf_changesThenClicks() {
    ContentsTreeView tree;
    tree.resize(500, 700);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    std::vector<QString> events;
    tree.onChange = [&](int index) { events.push_back("change " + QString::number(index)); };
    tree.onClick = [&] { events.push_back("click " + QString::number(tree.SelectedNode())); };
    tree.ExpandNode(3);
    const QRect rect = tree.visualItemRect(tree.Node(5));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(events, (std::vector<QString>{"change 5", "click 5"}));
    // Clicking the selected leaf again changes nothing.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(events.size(), std::size_t{3});
    QCOMPARE(events.back(), QString("click 5"));
  }

  void keys_moveTheCursorWithoutOpeningAndEnterActsAsAClick() {
    ContentsTreeView tree;
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.SelectNode(3);
    std::vector<QString> events;
    tree.onChange = [&](int index) { events.push_back(QString("change %1").arg(index)); };
    tree.onClick = [&] { events.push_back("click"); };
    tree.onKeyDown = [&](int& key) {
      events.push_back("key");
      key = 0;
    };
    // Stepping past nodes selects none of them: no page opens on the way.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
      QTest::keyClick(&tree, key);
    }
    QVERIFY(tree.Node(3)->isExpanded());
    QCOMPARE(tree.currentItem(), tree.Node(4));
    QCOMPARE(tree.SelectedNode(), 3);
    // Other keys are the core's, which swallows them.
    QTest::keyClick(&tree, Qt::Key_Plus);
    QCOMPARE(events, std::vector<QString>{"key"});
    // Enter on the cursor's node, then Space on it again: as two clicks.
    QTest::keyClick(&tree, Qt::Key_Return);
    QTest::keyClick(&tree, Qt::Key_Space);
    QCOMPARE(events, (std::vector<QString>{"key", "change 4", "click", "click"}));
    QCOMPARE(tree.SelectedNode(), 4);
  }

  void screenshot_ofGalleryOpen() {
    ContentsTreeView tree;
    tree.resize(600, 500);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.ExpandNode(36);
    tree.ExpandNode(37);
    tree.ExpandNode(228);
    tree.SelectNode(228);
    // Kept where VELMORA_SCREENSHOT_DIR says, else in a private directory
    // that goes with the test.
    QTemporaryDir own;
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR", own.path());
    const QString path = QDir(dir).filePath("velmora-contents-tree.png");
    QVERIFY(tree.grab().save(path));
    qInfo("screenshot: %s", qPrintable(path));
  }
};

QTEST_MAIN(ContentsTreeViewTest)
#include "contents_tree_view_test.moc"
