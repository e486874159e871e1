// velmora-cli check run as a program: a clean disc, a disc with one planted
// fault of each kind, the menu definition's own faults, and the demo disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "check_disc.h"
#include "tables/contents_tree.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// kind, file, line of one finding.
using Where = std::tuple<std::string, std::string, int>;

std::vector<Where> FindingsOf(const CliResult& result) {
  static const std::regex kFinding(R"re(^\{"kind":"([^"]*)","file":"([^"]*)","line":(\d+),)re");
  std::vector<Where> found;
  for (const std::string& line : result.lines) {
    std::smatch match;
    EXPECT_TRUE(std::regex_search(line, match, kFinding)) << line;
    if (!match.empty()) found.emplace_back(match[1], match[2], std::stoi(match[3]));
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<Where> Sorted(std::vector<Where> where) {
  std::sort(where.begin(), where.end());
  return where;
}

std::string MenuWith(int lines, const std::string& lineTwo = "menu1;\r\n") {
  std::string menu = "start;799;\r\n" + lineTwo;
  for (int line = 2; line < lines; ++line) menu += "menu" + std::to_string(line) + ";\r\n";
  return menu;
}

TEST(CliCheck, cleanDisc_reportsNothingAndExitsZero) {
  TempDir disc;
  MakeCleanCheckDisc(disc.path());
  const CliResult text = RunCli({"check", "--content", disc.path()});
  EXPECT_EQ(text.status, 0) << text.out << text.err;
  EXPECT_EQ(text.out, "No problems found.\n");
  const CliResult json = RunCli({"check", "--content", disc.path(), "--json"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out, "");
}

TEST(CliCheck, oneFaultOfEachKind_isReportedOnceWithFileAndLine) {
  TempDir dir;
  const std::string root = dir.path();
  MakeCleanCheckDisc(root);
  // Tables.
  WriteFile(root + "/DB/RP.CSV",
            "1;a;b\r\n2;\"open;x\r\n3;<a href='http://db?dicnieznane'>x</a>\r\n4;a\r\n"
            "$<a href='http://db?rp998'>y</a>\r\n");
  WriteFile(root + "/DB/OCHK.CSV", "5;x;x;x;x;x;x;x;x;x;x;x;x;x;x;x;x\r\n");
  WriteFile(root + "/DB/FOTO.CSV",
            "1;a;b\r\n77;f;2000;rp1;opis;autor;miejsce\r\n55;f;2000;;c;p;m\r\n");
  WriteFile(root + "/DB/DICT.CSV", "1;a;b\r\ntorf;Torf;<--file-->\r\nlas;Las;\r\n");
  WriteFile(root + "/DB/SLIDE.CSV", "zima;1\r\ngory;1;3\r\n");
  WriteFile(root + "/DB/TRANSL.CSV", "intro_en;799\r\nintro_de;755\r\n");
  fs::remove(root + "/DB/BIOTOP.CSV");
  WriteFile(root + "/DB/woda.dic", "<b>woda</b>\r\n<a href=\"http://db?pk77\">park</a>\r\n");
  // Menu and tree.
  WriteFile(root + "/DB/MENU.CSV", MenuWith(81, "menu1;-5;\r\nmenu2;600;\r\n"));
  WriteFile(root + "/Data/600.htm", "<html></html>\r\n");
  WriteFile(
      root + "/Makiety/menu_start.htm",
      "<html>\r\n<a href=\"http://db?pg.htm\">a</a>\r\n<a href=\"http://db?pgb.htm\">b</a>\r\n");
  // An index outside the tree first; node 5 has no page, node 6 a missing one.
  std::string tree = "232;x.htm\r\n";
  for (int node = 0; node < tables::kTreeNodeCount; ++node) {
    if (tables::TreeNodeHasChildren(node) || node == 5) continue;
    tree += std::to_string(node) + (node == 6 ? ";nope.htm\r\n" : ";799.htm\r\n");
  }
  WriteFile(root + "/DB/DRZEWO1.CSV", tree);
  // Links of every kind in one page, one per line.
  const std::vector<std::string> links = {
      "<html><head><title>temat: Usterki</title></head><body>",
      "<a href=\"http://db?rp999\">record</a>",
      "<a href=\"http://db?shf55.jpg\">photo without picture</a>",
      "<a href=\"http://db?shf2.jpg\">photo without row</a>",
      "<a href=\"http://db?map-rp9\">map</a>",
      "<a href=\"http://db?ml-pk9\">location</a>",
      "<a href=\"http://db?dicbrak\">word</a>",
      "<a href=\"http://db?trans-nic.htm\">translation</a>",
      "<a href=\"http://db?trans-intro_de.htm\">translation page</a>",
      "<a href=\"http://db?ssnic\">slides</a>",
      "<a href=\"http://db?mvnic\">film</a>",
      "<a href=\"http://db?animnic\">program</a>",
      "<a href=\"nic.htm\">page</a>",
      "<img src=\"brak.jpg\">",
      "<a href=\"http://db?xyz\">unknown</a>",
      "<a href=\"mailto:a@b.example\">mail</a> <a href=\"http://www.example.org/\">web</a>",
      "<a href=\"799.htm#start\">fine</a> <!-- <a href=\"gone.htm\">commented out</a> -->",
      "</body></html>"};
  std::string page;
  for (const std::string& line : links) page += line + "\r\n";
  WriteFile(root + "/Data/100.htm", page);
  WriteFile(root + "/Foto/f2.jpg", "x");
  // Fixed files.
  fs::remove(root + "/Data/926.htm");
  fs::remove(root + "/Makiety/wstecz.gif");
  fs::remove(root + "/Makiety/search.html");
  fs::remove(root + "/Anim/kev1.wav");

  const CliResult result = RunCli({"check", "--content", root, "--json"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(FindingsOf(result), Sorted({
                                    {"table-unclosed-quote", "DB/RP.CSV", 2},
                                    {"word-missing", "DB/RP.CSV", 3},
                                    {"record-key-missing", "DB/RP.CSV", 5},
                                    {"table-extra-cells", "DB/OCHK.CSV", 1},
                                    {"photo-missing-picture", "DB/FOTO.CSV", 2},
                                    {"definition-file-missing", "DB/DICT.CSV", 2},
                                    {"definition-empty", "DB/DICT.CSV", 3},
                                    {"slide-missing-picture", "DB/SLIDE.CSV", 2},
                                    {"table-file-missing", "DB/BIOTOP.CSV", 0},
                                    {"record-key-missing", "DB/woda.dic", 2},
                                    {"menu-out-of-range", "DB/MENU.CSV", 2},
                                    {"menu-template-missing", "DB/MENU.CSV", 3},
                                    {"page-missing", "Makiety/menu_start.htm", 3},
                                    {"tree-bad-index", "DB/DRZEWO1.CSV", 1},
                                    {"tree-missing-page", "DB/DRZEWO1.CSV", 6},
                                    {"tree-leaf-without-page", "DB/DRZEWO1.CSV", 0},
                                    {"record-key-missing", "Data/100.htm", 2},
                                    {"photo-missing-picture", "Data/100.htm", 3},
                                    {"photo-without-row", "Data/100.htm", 4},
                                    {"map-missing", "Data/100.htm", 5},
                                    {"location-missing", "Data/100.htm", 6},
                                    {"word-missing", "Data/100.htm", 7},
                                    {"translation-missing", "Data/100.htm", 8},
                                    {"translation-page-missing", "Data/100.htm", 9},
                                    {"slide-set-unusable", "Data/100.htm", 10},
                                    {"film-missing", "Data/100.htm", 11},
                                    {"program-missing", "Data/100.htm", 12},
                                    {"page-missing", "Data/100.htm", 13},
                                    {"resource-missing", "Data/100.htm", 14},
                                    {"unknown-link", "Data/100.htm", 15},
                                    {"fixed-page-missing", "Data/926.htm", 0},
                                    {"support-file-missing", "Makiety/wstecz.gif", 0},
                                    {"template-missing", "Makiety/search.html", 0},
                                    {"fixed-file-missing", "Anim/kev1.wav", 0},
                                }));
}

TEST(CliCheck, findings_sayWhatTheReaderSees) {
  TempDir dir;
  MakeCleanCheckDisc(dir.path());
  WriteFile(dir / "Data/100.htm",
            "<a href=\"http://db?mvnic\">film</a>\r\n<a href=\"http://db?dicx\">x</a>\r\n");
  const CliResult result = RunCli({"check", "--content", dir.path()});
  EXPECT_EQ(result.status, 1);
  ASSERT_EQ(result.lines.size(), 3u) << result.out;
  EXPECT_NE(result.lines[0].find("Data/100.htm:1: film-missing: http://db?mvnic:"),
            std::string::npos);
  EXPECT_NE(result.lines[0].find("Brak pliku: "), std::string::npos);
  EXPECT_NE(result.lines[1].find("W s\u0142owniku brakuje s\u0142owa..."), std::string::npos);
  EXPECT_EQ(result.lines[2], "2 problems found.");
}

// Many missing pages and a link of entities: each is reported once, and
// "&amp;" is decoded once ("&amp;amp;" stays "&amp;").
TEST(CliCheck, manyMissingLinks_andEntities_areEachReportedOnce) {
  TempDir dir;
  MakeCleanCheckDisc(dir.path());
  for (int i = 0; i < 500; ++i) WriteFile(dir / ("Data/Kept" + std::to_string(i) + ".htm"), "");
  std::string page;
  for (int i = 0; i < 3000; ++i) page += "<a href=\"gone" + std::to_string(i) + ".htm\">x</a>\r\n";
  page += "<a href=\"a&amp;amp;b&amp;c.htm\">x</a> <a href=\"kept7.HTM\">x</a>\r\n";
  WriteFile(dir / "Data/100.htm", page);
  const CliResult result = RunCli({"check", "--content", dir.path()});
  EXPECT_EQ(result.status, 1);
  ASSERT_FALSE(result.lines.empty());
  EXPECT_EQ(result.lines.back(), "3001 problems found.");
  EXPECT_NE(result.out.find("Data/100.htm:3001: page-missing: a&amp;b&c.htm:"), std::string::npos)
      << result.out.substr(result.out.size() - 600);
  EXPECT_EQ(result.out.find("kept7"), std::string::npos);
}

TEST(CliCheck, menuDefinitionFaults_areEachReportedAtTheirLine) {
  struct Case {
    std::string menu;
    Where expected;
  };
  std::string blankInside = MenuWith(82);
  blankInside.replace(blankInside.find("menu39;"), 7, "");
  const Case cases[] = {
      {MenuWith(81), {"menu-too-few-lines", "DB/MENU.CSV", 0}},
      {MenuWith(83), {"menu-too-many-lines", "DB/MENU.CSV", 83}},
      {blankInside, {"menu-ends-early", "DB/MENU.CSV", 40}},
      {MenuWith(82, "menu1;abc;\r\n"), {"menu-not-a-number", "DB/MENU.CSV", 2}},
      {MenuWith(82, "menu1;7;1000;\r\n"), {"menu-out-of-range", "DB/MENU.CSV", 2}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    MakeCleanCheckDisc(dir.path());
    WriteFile(dir / "DB/MENU.CSV", c.menu);
    const CliResult result = RunCli({"check", "--content", dir.path(), "--json"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(FindingsOf(result), std::vector<Where>{c.expected}) << std::get<0>(c.expected);
  }
}

TEST(CliCheck, namesInAnyLetterCase_andSettingsKey_findTheDisc) {
  TempDir dir;
  MakeCleanCheckDisc(dir / "disc");
  WriteFile(dir / "disc/Data/100.htm",
            "<a href=\"../FOTO/F1.JPG\">x</a><img src=\"../foto/f1.jpg\">\r\n");
  WriteFile(dir / "settings.conf",
            "[General]\ncdPath=" + dir.path() + "/disc/\ninstPath=" + dir.path() + "/disc/\n");
  const CliResult result = RunCli({"check", "--settings", dir / "settings.conf", "--json"});
  EXPECT_EQ(result.status, 0) << result.out << result.err;
}

// A contents frame's links load into the frame they name; a name that no
// frameset defines is reported, wherever the frameset and the link stand.
TEST(CliCheck, linkTargetsNamingNoFrame_areReported) {
  TempDir dir;
  const std::string root = dir.path();
  MakeCleanCheckDisc(root);
  WriteFile(root + "/Data/stare/ramy.htm",
            "<html>\r\n<frameset cols=\"200,*\">\r\n<frame name=spis src=\"spis.htm\">\r\n"
            "<frame src=\"../799.htm\" name='tresc'>\r\n</frameset>\r\n</html>\r\n");
  WriteFile(
      root + "/Data/stare/spis.htm",
      "<html><body>\r\n<a target=\"tresc\" href=\"../799.htm\">fine</a>\r\n"
      "<a href=\"../799.htm\" TARGET=_TOP>top</a> <a href=\"../799.htm\" target=_blank>new</a>\r\n"
      "<a href=\"../799.htm\" target=\"glowna\">unknown</a>\r\n"
      "<a href=\"../799.htm\" target=\"Tresc\">names differ in case</a>\r\n</body></html>\r\n");
  WriteFile(root + "/Data/100.htm",
            "<html>\r\n<a href=\"799.htm\" target=\"spis\">x</a>\r\n</html>\r\n");

  const CliResult result = RunCli({"check", "--content", root, "--json"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(FindingsOf(result), Sorted({
                                    {"frame-target-unknown", "Data/stare/spis.htm", 4},
                                    {"frame-target-unknown", "Data/stare/spis.htm", 5},
                                }));
  EXPECT_EQ(Grep(result.lines, {"glowna", "replaces the whole window"}).size(), 1u);
}

TEST(CliCheck, demoDisc_reportsOnlyItsDeliberatelyMissingFiles) {
  const CliResult result = RunCli({"check", "--content", VELMORA_SAMPLE_CONTENT, "--json"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(FindingsOf(result), Sorted({
                                    {"page-missing", "Data/919.htm", 33},
                                    {"film-missing", "Data/919.htm", 34},
                                    {"program-missing", "Data/919.htm", 35},
                                    {"translation-page-missing", "Data/919.htm", 36},
                                    {"slide-set-unusable", "Data/919.htm", 37},
                                }));
  for (const char* link :
       {"998.htm", "?mvzubry", "?animerozja", "?trans-intro_fr.htm", "?ssjaskinie"}) {
    EXPECT_EQ(Grep(result.lines, {link}).size(), 1u) << link;
  }
}

TEST(CliCheck, wrongUsage_exitsTwo) {
  EXPECT_EQ(RunCli({"check", "--bogus"}).status, 2);
  EXPECT_EQ(RunCli({"check", "--content"}).status, 2);
  EXPECT_EQ(RunCli({"check", "--settings", "/nonexistent/settings.conf"}).status, 2);
  EXPECT_EQ(RunCli({"check", "--content", "/nonexistent/disc"}).status, 2);
}

}  // namespace
}  // namespace velmora::test
