// The menu panel and the contents tree as the replay tool shows them: the
// start page's menu, clicks in the menu page, and going from the tree to a
// page and its menu.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "test_support.h"

namespace velmora::test {
namespace {

class MenuTreeReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    std::string menus = "start;799;\r\nlas;123;\r\n";
    for (int line = 2; line < 82; ++line) menus += "m" + std::to_string(line) + ";\r\n";
    WriteFile(disc / "DB/MENU.CSV", menus);
    WriteFile(disc / "DB/DRZEWO1.CSV", "5;123.htm\r\n");
    WriteFile(disc / "Makiety/menu_las.htm", "<a href=\"http://db?pga.htm\">a</a>\r\n");
    WriteFile(disc / "Data/123.htm", "<html><head><title>temat: Las</title></head></html>\r\n");
    WriteFile(disc / "Data/123a.htm", "<html><head><title>temat: Las a</title></head></html>\r\n");
    WriteFile(disc / "Data/drzewo.htm", "<html><head><title>Mapa</title></head></html>\r\n");
  }

  CliResult Replay(const std::string& script) {
    return RunCli({"replay", "--content", disc.path(), "--temp", temp.path()}, script);
  }

  // Index of the first line at or after from holding every fragment; -1 if none.
  static int Find(const CliResult& result, const std::vector<std::string>& fragments,
                  int from = 0) {
    for (int i = from; i < static_cast<int>(result.lines.size()); ++i) {
      bool all = true;
      for (const std::string& fragment : fragments) {
        all = all && result.lines[i].find(fragment) != std::string::npos;
      }
      if (all) return i;
    }
    return -1;
  }

  TempDir disc;
  TempDir temp;
};

const std::string kMenuNavigate = "\"call\":\"Navigate\",\"control\":\"MenuWebBrowser\"";
const std::string kPanelShown = "\"call\":\"SetVisible\",\"control\":\"Panel6\",\"value\":true";
const std::string kPanelHidden = "\"call\":\"SetVisible\",\"control\":\"Panel6\",\"value\":false";

TEST_F(MenuTreeReplay, startUp_showsStartPageMenuWithoutMessages) {
  const CliResult result = Replay("");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(Grep(result.lines, {kMenuNavigate, "$$menu.html"}).size(), 1u) << result.out;
  EXPECT_EQ(Grep(result.lines, {kPanelShown}).size(), 1u);
  EXPECT_TRUE(Grep(result.lines, {"\"call\":\"MessageBox\""}).empty()) << result.out;
}

TEST_F(MenuTreeReplay, clickInMenuPage_opensLinkInMainBrowserAndItsMenu) {
  const std::string page = disc.path() + "/Data/123a.htm";
  const CliResult result = Replay("MenuWebBrowserBeforeNavigate2 " + page + "\n");
  // The menu browser hands the address on lower-cased.
  std::string lower = page;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  ASSERT_EQ(result.status, 0) << result.err;
  const int cancelled = Find(result, {"\"event\":\"BeforeNavigate2\"",
                                      "\"control\":\"MenuWebBrowser\"", "\"cancel\":true"});
  ASSERT_GE(cancelled, 0) << result.out;
  const int main = Find(result, {"\"call\":\"Navigate\",\"control\":\"MainWebBrowser\"", lower});
  ASSERT_GE(main, 0) << result.out;
  EXPECT_GE(Find(result, {kMenuNavigate, "$$menu.html"}, main), 0) << result.out;
  EXPECT_GE(Find(result, {"\"event\":\"TitleChange\"", "temat: Las a"}, main), 0);
}

TEST_F(MenuTreeReplay, treePageThenLeaf_opensPageHidesTreeAndShowsMenu) {
  const CliResult result = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?tree\n"
      "TreeViewCDClick\n"
      "TreeViewCDKeyDown 40\n"
      "TreeViewCDChange 5\n");
  ASSERT_EQ(result.status, 0) << result.err;
  const int tree =
      Find(result, {"\"call\":\"SetVisible\",\"control\":\"TreeViewCD\",\"value\":true"});
  ASSERT_GE(tree, 0) << result.out;
  EXPECT_GE(Find(result, {kPanelHidden}), 0);
  const int selected =
      Find(result, {"{\"call\":\"SelectTreeNode\",\"control\":\"TreeViewCD\",\"index\":228}"});
  EXPECT_GT(selected, tree);
  // The tree page loaded beneath: its load does not hide the tree.
  const int treeLoaded = Find(result, {"\"event\":\"DownloadComplete\""}, selected);
  ASSERT_GT(treeLoaded, 0);
  const int click = Find(result, {"\"event\":\"TreeViewCDClick\""}, treeLoaded);
  EXPECT_EQ(Find(result, {"{\"call\":\"ExpandTreeNode\",\"control\":\"TreeViewCD\",\"index\":228}"},
                 click),
            click + 1);

  const int change = Find(result, {"\"event\":\"TreeViewCDChange\"", "\"argument\":\"5\""});
  ASSERT_GT(change, click);
  // Nothing between the key and the selection change.
  EXPECT_EQ(Find(result, {"\"event\":\"TreeViewCDKeyDown\""}, click), change - 1);
  const int opened =
      Find(result,
           {"\"call\":\"Navigate\",\"control\":\"MainWebBrowser\"", disc.path() + "/Data/123.htm"},
           change);
  ASSERT_GT(opened, 0) << result.out;
  const int menu = Find(result, {kMenuNavigate, "$$menu.html"}, opened);
  const int shown = Find(result, {kPanelShown}, opened);
  const int loaded = Find(result, {"\"event\":\"DownloadComplete\""}, opened);
  const int hidden =
      Find(result, {"\"call\":\"SetVisible\",\"control\":\"TreeViewCD\",\"value\":false"}, opened);
  EXPECT_GT(menu, opened);
  EXPECT_GT(shown, opened);
  EXPECT_GT(loaded, opened);
  // Hidden only once the leaf's page has loaded, not by the tree page's load.
  EXPECT_GT(hidden, loaded) << result.out;
  EXPECT_EQ(Find(result, {"\"control\":\"TreeViewCD\",\"value\":false"}, treeLoaded), hidden);
}

TEST_F(MenuTreeReplay, leafWithoutPage_namesNodeAndStays) {
  const CliResult result = Replay("TreeViewCDChange 4\n");
  EXPECT_EQ(Grep(result.lines,
                 {"\"call\":\"MessageBox\"", "\"text\":\"Autorzy opracowa\xC5\x84 = 4\"",
                  "\"caption\":\"Brakuje opisu strony o indeksie: \"", "\"icon\":\"information\""})
                .size(),
            1u)
      << result.out;
}

TEST_F(MenuTreeReplay, badMenuPageNumber_endsStartUpNamingFileAndField) {
  WriteFile(disc / "DB/MENU.CSV", "start;79x;\r\n");
  const CliResult result = Replay("");
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"", "MENU.CSV", "79x"}).size(), 1u)
      << result.out;
  EXPECT_TRUE(Grep(result.lines, {"\"call\":\"Navigate\""}).empty());
}

TEST_F(MenuTreeReplay, missingTreeFile_endsStartUpNamingIt) {
  std::remove((disc / "DB/DRZEWO1.CSV").c_str());
  const CliResult result = Replay("");
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"", "DRZEWO1.CSV"}).size(), 1u)
      << result.out;
}

TEST_F(MenuTreeReplay, hiddenDiagnosticButtons_dumpAndToggleMemo2) {
  const CliResult result = Replay("Button1Click\nButton14Click\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"SetText\",\"control\":\"Memo2\"",
                                "----------typMenu[]------------\\r\\n0, start\\r\\n1, las\\r\\n"})
                .size(),
            1u)
      << result.out;
  EXPECT_EQ(
      Grep(result.lines, {"\"call\":\"SetVisible\",\"control\":\"Memo2\",\"value\":true"}).size(),
      1u);
}

}  // namespace
}  // namespace velmora::test
