// The contents tree: its fixed nodes, DRZEWO1.CSV, showing and hiding the
// tree, and what selecting, clicking and keys do in it.
#include "tables/contents_tree.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tables/startup_error.h"
#include "tests/support/fake_platform.h"
#include "windows/slide_form.h"

using velmora::app::TMainForm;
using velmora::platform::Icon;
using velmora::tables::StartupError;
using velmora::test::FakeBrowser;
using velmora::test::FakePlatform;
using namespace velmora::tables;

namespace {

// --- The nodes ---

int GroupSize(int top) {
  int size = 1;
  while (top + size < kTreeNodeCount && kTreeNodes[top + size].level > 0) ++size;
  return size;
}

TEST(TreeNodes, sixteenTopGroupsWithTheirSizes) {
  const std::pair<int, int> groups[] = {
      {0, 1},   {1, 1},   {2, 1},    {3, 6},    {9, 1},    {10, 17}, {27, 6},  {33, 3},
      {36, 61}, {97, 20}, {117, 77}, {194, 14}, {208, 14}, {222, 3}, {225, 3}, {228, 4}};
  int tops = 0;
  for (int i = 0; i < kTreeNodeCount; ++i) tops += kTreeNodes[i].level == 0;
  EXPECT_EQ(tops, 16);
  for (const auto& [index, size] : groups) {
    EXPECT_EQ(kTreeNodes[index].level, 0) << index;
    EXPECT_EQ(GroupSize(index), size) << index;
  }
}

TEST(TreeNodes, levelsStepDownOneAtATimeAndAtMostFiveDeep) {
  EXPECT_EQ(kTreeNodes[0].level, 0);
  for (int i = 1; i < kTreeNodeCount; ++i) {
    EXPECT_LE(kTreeNodes[i].level, kTreeNodes[i - 1].level + 1) << i;
    EXPECT_LE(kTreeNodes[i].level, 4) << i;
  }
  EXPECT_EQ(kTreeNodes[76].level, 4);
}

TEST(TreeNodes, textsExactInWindows1250WithTrailingBlanks) {
  EXPECT_STREQ(kTreeNodes[0].text, "Wst\xEAp");
  EXPECT_STREQ(kTreeNodes[5].text, "Autorzy wg inicja\xB3\xF3w");
  EXPECT_STREQ(kTreeNodes[36].text, "Formy ochrony przyrody wg ustawy o ochr. przyr. ");
  EXPECT_STREQ(kTreeNodes[47].text, "Spis alfabetyczny wybranych  rezerwat\xF3w");
  EXPECT_STREQ(kTreeNodes[100].text, "Wprowadzenie\\");
  EXPECT_STREQ(kTreeNodes[159].text, "Ustawa z dn. 13.10.1995 r. Prawo \xB3owieckie ");
  EXPECT_STREQ(kTreeNodes[166].text, "\"Mapa\" ustawy o ochr. przyrody wg stanu na 2001.10.01");
  EXPECT_STREQ(kTreeNodes[176].text, "Karta Ate\xF1ska \x96 1931 r.");
  EXPECT_STREQ(kTreeNodes[197].text, "EECONET ");
  EXPECT_STREQ(kTreeNodes[220].text, "Plejstoce\xF1skie zlodowacenia ");
  EXPECT_STREQ(kTreeNodes[228].text, "Galeria");
  EXPECT_STREQ(kTreeNodes[231].text, "Filmy video");
  for (const TreeNode& node : kTreeNodes) EXPECT_LE(std::string(node.text).size(), 255u);
  EXPECT_EQ(std::string(kTreeNodes[138].text).back(), 'r');  // cut where the stored text ends
}

TEST(TreeNodes, childrenAndParents) {
  EXPECT_TRUE(TreeNodeHasChildren(228));
  EXPECT_FALSE(TreeNodeHasChildren(229));
  EXPECT_FALSE(TreeNodeHasChildren(231));
  EXPECT_FALSE(TreeNodeHasChildren(0));
  EXPECT_TRUE(TreeNodeHasChildren(75));
  EXPECT_FALSE(TreeNodeHasChildren(-1));
  EXPECT_FALSE(TreeNodeHasChildren(232));
  EXPECT_EQ(TreeNodeParent(5), 3);
  EXPECT_EQ(TreeNodeParent(77), 75);
  EXPECT_EQ(TreeNodeParent(78), 72);
  EXPECT_EQ(TreeNodeParent(228), -1);
}

// --- DRZEWO1.CSV ---

TEST(TreePagesRead, indexAndPage_laterLineReplaces) {
  TreePages pages;
  pages.fill("stale");
  const auto result = ReadTreePages("5;autorzy.htm\r\n12;a;b\r\n5;inni.htm\r\n", pages);
  EXPECT_FALSE(result.outOfRange);
  EXPECT_EQ(pages[5], "inni.htm");
  EXPECT_EQ(pages[12], "a;b");
  EXPECT_EQ(pages[0], "");
  EXPECT_EQ(pages[231], "");
}

TEST(TreePagesRead, outOfRange_reportsValueOfLastLine) {
  TreePages pages;
  auto result = ReadTreePages("232;x.htm\r\n7;r.htm\r\n", pages);
  ASSERT_TRUE(result.outOfRange);
  EXPECT_EQ(*result.outOfRange, 7);
  EXPECT_EQ(pages[7], "r.htm");

  result = ReadTreePages("1;a.htm\r\nx;y.htm\r\n", pages);
  ASSERT_TRUE(result.outOfRange);
  EXPECT_EQ(*result.outOfRange, -1);
  EXPECT_EQ(pages[1], "a.htm");

  result = ReadTreePages("-3;a.htm\r\nno semicolon\r\n", pages);
  ASSERT_TRUE(result.outOfRange);
  EXPECT_EQ(*result.outOfRange, 0);
}

TEST(TreePagesRead, linesWithoutSemicolonIgnored_emptyPageAllowed) {
  TreePages pages;
  const auto result = ReadTreePages("nothing here\n231;\n\n230;last.htm", pages);
  EXPECT_FALSE(result.outOfRange);
  EXPECT_EQ(pages[231], "");
  EXPECT_EQ(pages[230], "last.htm");
}

// --- The tree in the main window ---

class ContentsTree : public ::testing::Test {
 protected:
  void SetUp() override {
    AddMinimalDisc(fake_.files);
    fake_.files.files["/disc/DB/DRZEWO1.CSV"] = "5;autorzy.htm\r\n230;album.htm\r\n";
    fake_.files.files["/disc/Data/drzewo.htm"] = "<html></html>";
  }
  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(fake_.platform);
    // The program entry creates the slide window after the main window.
    form_->CreateMediaWindows();
    return *form_;
  }
  FakeBrowser& Main() {
    return static_cast<FakeBrowser&>(fake_.platform.browsers.Get("MainWebBrowser"));
  }
  void Navigate(const std::string& address) {
    bool cancel = false;
    form_->MainWebBrowserBeforeNavigate2(address, cancel);
  }
  FakePlatform fake_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<velmora::windows::TSlideForm> slide_;
};

TEST_F(ContentsTree, startUp_readsPagesAndReportsOutOfRangeOnce) {
  fake_.files.files["/disc/DB/DRZEWO1.CSV"] = "232;x.htm\r\n300;y.htm\r\n7;r.htm\r\n";
  TMainForm& form = Start();
  EXPECT_EQ(form.TreePageNames()[7], "r.htm");
  ASSERT_EQ(fake_.ui.messages.size(), 1u);
  EXPECT_EQ(fake_.ui.messages[0].text,
            "Warto\x9C\xE6 iloscElemDrzewa za ma\xB3"
            "a: 7");
  EXPECT_EQ(fake_.ui.messages[0].caption, "LoadDaneDrzewa1");
  EXPECT_EQ(fake_.ui.messages[0].icon, Icon::Stop);
}

TEST_F(ContentsTree, missingFile_endsStartUpNamingIt) {
  fake_.files.files.erase("/disc/DB/DRZEWO1.CSV");
  try {
    Start();
    FAIL() << "start-up went on";
  } catch (const StartupError& error) {
    EXPECT_NE(std::string(error.what()).find("/disc/DB/DRZEWO1.CSV"), std::string::npos);
  }
}

TEST_F(ContentsTree, treePage_navigatesMainBrowserToDrzewo) {
  TMainForm& form = Start();
  Main().navigations.clear();
  form.ShowTreePage();
  ASSERT_EQ(Main().navigations.size(), 1u);
  EXPECT_EQ(Main().navigations[0], "/disc/Data/drzewo.htm");
}

TEST_F(ContentsTree, drzewoAddress_hidesMenuShowsTreeAndSelectsGaleria) {
  Start();
  fake_.ui.visible["Panel6"] = true;
  Navigate("/disc/Data/drzewo.htm");
  EXPECT_FALSE(fake_.ui.visible["Panel6"]);
  EXPECT_TRUE(fake_.ui.visible["TreeViewCD"]);
  EXPECT_EQ(fake_.ui.selectedNodes, std::vector<int>{228});
  // Galeria has children: the change it raises opens nothing.
  Main().navigations.clear();
  form_->TreeViewCDChange(228);
  EXPECT_TRUE(Main().navigations.empty());
  EXPECT_TRUE(fake_.ui.messages.empty());
}

TEST_F(ContentsTree, downloadComplete_hidesTreeUnlessTreePageIsOnScreen) {
  Start();
  Navigate("/disc/Data/drzewo.htm");
  form_->MainWebBrowserDownloadComplete();
  EXPECT_TRUE(fake_.ui.visible["TreeViewCD"]);

  fake_.files.files["/disc/Data/12.htm"] = "";
  Navigate("/disc/Data/12.htm");
  form_->MainWebBrowserDownloadComplete();
  EXPECT_FALSE(fake_.ui.visible["TreeViewCD"]);
  EXPECT_FALSE(fake_.ui.visible["MainRichEdit"]);
}

TEST_F(ContentsTree, pageWhoseNameOnlyEndsInTheContentsPagesName_hidesTheTree) {
  Start();
  Navigate("/disc/Data/drzewo.htm");
  fake_.files.files["/disc/Data/stare_drzewo.htm"] = "";
  Navigate("/disc/Data/stare_drzewo.htm");
  form_->MainWebBrowserDownloadComplete();
  EXPECT_FALSE(fake_.ui.visible["TreeViewCD"]);
}

TEST_F(ContentsTree, leafWithPage_opensItFromDataDirectory) {
  Start();
  Main().navigations.clear();
  form_->TreeViewCDChange(5);
  ASSERT_EQ(Main().navigations.size(), 1u);
  EXPECT_EQ(Main().navigations[0], "/disc/Data/autorzy.htm");
}

TEST_F(ContentsTree, leafWithoutPage_namesNodeInInformationMessage) {
  Start();
  Main().navigations.clear();
  form_->TreeViewCDChange(4);
  ASSERT_EQ(fake_.ui.messages.size(), 1u);
  EXPECT_EQ(fake_.ui.messages[0].text, "Autorzy opracowa\xF1 = 4");
  EXPECT_EQ(fake_.ui.messages[0].caption, "Brakuje opisu strony o indeksie: ");
  EXPECT_EQ(fake_.ui.messages[0].icon, Icon::Information);
  EXPECT_TRUE(Main().navigations.empty());
}

TEST_F(ContentsTree, nodeWithChildrenOrNoNode_opensNothing) {
  Start();
  Main().navigations.clear();
  form_->TreeViewCDChange(3);
  form_->TreeViewCDChange(-1);
  form_->TreeViewCDChange(232);
  EXPECT_TRUE(Main().navigations.empty());
  EXPECT_TRUE(fake_.ui.messages.empty());
}

TEST_F(ContentsTree, sameLeafAgain_opensNothingUntilSelectionChanges) {
  Start();
  Main().navigations.clear();
  form_->TreeViewCDChange(230);
  form_->TreeViewCDChange(230);
  EXPECT_EQ(Main().navigations.size(), 1u);
  Navigate("/disc/Data/drzewo.htm");  // selects Galeria
  form_->TreeViewCDChange(230);
  EXPECT_EQ(Main().navigations.size(), 2u);
}

TEST_F(ContentsTree, click_expandsSelectedNodeOnly) {
  Start();
  form_->TreeViewCDClick();
  EXPECT_TRUE(fake_.ui.expandedNodes.empty());
  form_->TreeViewCDChange(36);
  form_->TreeViewCDClick();
  EXPECT_EQ(fake_.ui.expandedNodes, std::vector<int>{36});
}

TEST_F(ContentsTree, keys_allSwallowed) {
  Start();
  for (int key : {13, 37, 38, 39, 40, 107, 65}) {
    int code = key;
    form_->TreeViewCDKeyDown(code);
    EXPECT_EQ(code, 0);
  }
}

}  // namespace
