// The export's edits of a page's text and its names inside the export:
// pages in any of the disc's charsets become UTF-8 that says so, keys
// become file names that stay in their folder, links lead from one export
// path to another.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/export/export_paths.h"
#include "cli/export/html_text.h"

namespace velmora::test {
namespace {

using namespace cli::exporting;

TEST(ExportText, pagesBecomeUtf8ThatSaysSo) {
  // "ą" is B1 in ISO-8859-2 and B9 in Windows-1250.
  EXPECT_EQ(PageAsUtf8("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=iso-8859-2\"></head><body>\xB1</body></html>"),
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=utf-8\"></head><body>\xC4\x85</body></html>");
  EXPECT_EQ(PageAsUtf8("<head><meta charset='windows-1250'></head>\xB9"),
            "<head><meta charset='utf-8'></head>\xC4\x85");
  // No declaration: the disc's charset, and one added.
  EXPECT_EQ(PageAsUtf8("<head><title>\xB1</title></head>"),
            "<head><title>\xC4\x85</title><meta charset=\"utf-8\"></head>");
  EXPECT_EQ(PageAsUtf8("<head><meta charset=utf-8></head>\xC4\x85"),
            "<head><meta charset=utf-8></head>\xC4\x85");
}

TEST(ExportText, aDeclarationAfterManyLettersIsStillFoundInTheConvertedPage) {
  // 3,000 letters of two bytes each in UTF-8 move the declaration from
  // inside the head's first 4 KB to past it.
  const std::string letters(3000, '\xB1');
  std::string utf8Letters;
  for (int i = 0; i < 3000; ++i) utf8Letters += "\xC4\x85";
  EXPECT_EQ(PageAsUtf8("<head><title>" + letters + "</title><meta charset=iso-8859-2></head>"),
            "<head><title>" + utf8Letters + "</title><meta charset=utf-8></head>");
}

TEST(ExportText, snippetsGoIntoHeadAndBodyOrWhereTheyCan) {
  EXPECT_EQ(InsertIntoHead("<HTML><HEAD></HEAD><BODY bgcolor=x>a</BODY></HTML>", "S"),
            "<HTML><HEAD>S</HEAD><BODY bgcolor=x>a</BODY></HTML>");
  EXPECT_EQ(InsertAtBodyStart("<HTML><BODY bgcolor=x>a</BODY></HTML>", "S"),
            "<HTML><BODY bgcolor=x>Sa</BODY></HTML>");
  EXPECT_EQ(InsertAtBodyEnd("<body>a</body>b</body>", "S"), "<body>a</body>bS</body>");
  // A frameset keeps its frames; a fragment takes the snippets at its ends.
  EXPECT_EQ(InsertAtBodyStart("<frameset></frameset>", "S"), "<frameset></frameset>");
  EXPECT_EQ(InsertIntoHead("a", "S"), "Sa");
  EXPECT_EQ(InsertAtBodyEnd("a", "S"), "aS");
  EXPECT_EQ(EscapeHtml("<a href=\"x\">&</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
  EXPECT_EQ(TitleOf("<TITLE>\r\n  Kępa\tRedłowska </title>"), "Kępa Redłowska");
  EXPECT_EQ(TitleOf("<title>unfinished"), "");
}

TEST(ExportPaths, keysBecomeDistinctNamesThatStayInTheirFolder) {
  std::set<std::string> names;
  const std::string keys[] = {"..", ".", "../x",  "a/b",  "a_2Fb", "A",
                              "a",  "",  "x.jpg", "\xB1", "%2e",   " "};
  for (const std::string& key : keys) {
    const std::string name = SafeName(key);
    EXPECT_TRUE(names.insert(name).second) << key << " shares " << name;
    EXPECT_EQ(name.find('/'), std::string::npos) << key;
    EXPECT_NE(name[0], '.') << key;
    EXPECT_EQ(
        name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-._"),
        std::string::npos)
        << key;
  }
  EXPECT_EQ(SafeName("x.jpg"), "x.jpg");
  EXPECT_EQ(GeneratedPath("rp", "101"), "gen/rp/101.html");
}

TEST(ExportPaths, linksLeadFromOneExportPathToAnother) {
  EXPECT_EQ(RelativeLink("Data/799.htm", "Data/118.htm"), "118.htm");
  EXPECT_EQ(RelativeLink("Data/799.htm", "gen/rp/108.html"), "../gen/rp/108.html");
  EXPECT_EQ(RelativeLink("gen/rp/108.html", "gen/rpx/1.html"), "../rpx/1.html");
  EXPECT_EQ(RelativeLink("gen/rp/1.html", "gen/rp/1.html"), "1.html");
  EXPECT_EQ(RelativeLink("index.html", "Data/799.htm"), "Data/799.htm");
  EXPECT_EQ(RelativeLink("Data/a/b/c.htm", "Foto/f1.jpg"), "../../../Foto/f1.jpg");
  // How a link's value is read.
  EXPECT_TRUE(IsKeptAsWritten("#top"));
  EXPECT_TRUE(IsKeptAsWritten("JavaScript:void(0)"));
  EXPECT_TRUE(IsKeptAsWritten("MAILTO:a@b"));
  EXPECT_FALSE(IsKeptAsWritten("118.htm"));
  EXPECT_TRUE(IsNetworkAddress("HTTP://example.org/"));
  EXPECT_FALSE(IsNetworkAddress("file:///cdrom/x.htm"));
  EXPECT_TRUE(IsAbsoluteLink("file:x.htm"));
  EXPECT_TRUE(IsAbsoluteLink("/x.htm"));
  EXPECT_FALSE(IsAbsoluteLink("x.htm"));
}

}  // namespace
}  // namespace velmora::test
