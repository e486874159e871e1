// Record links clicked in the headless viewer: the generated page is written
// into the working directory, the main browser is sent to it and the page
// then loads through the dispatcher like any local page.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace velmora::test {
namespace {

class RecordLinkReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    WriteFile(disc / "DB/RP.CSV", "12;Las Bielanski;Warszawa\r\n");
    WriteFile(disc / "DB/ECONET.CSV", "5K;Dolina Wisly\r\n");
    WriteFile(disc / "Makiety/rp.html",
              "<html><head><title>temat: @kol2@</title></head>\r\n"
              "<body><TABLE><TR><TD>@kol3@</TD></TR><TR><TD>@kol4@</TD></TR></TABLE>"
              "<!--@foto@--></body></html>\r\n");
    WriteFile(disc / "Makiety/econet.html", "<title>temat: ECONET</title><!--@opis@-->");
    WriteFile(disc / "Makiety/econet_fr.html", "<title>temat: Sie\xE6 ECONET</title>");
    workDir = temp.path() + "/VNQETMP/";
  }

  std::vector<std::string> Click(const std::string& address) {
    const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
                                    "MainWebBrowserBeforeNavigate2 " + address + "\n");
    EXPECT_EQ(result.status, 0) << result.err;
    return result.lines;
  }

  TempDir disc;
  TempDir temp;
  std::string workDir;
};

TEST_F(RecordLinkReplay, reserveLink_writesItsPageAndTheBrowserLoadsIt) {
  const auto lines = Click("http://db?rp12");
  const std::string page = workDir + "$$RP_12.html";
  EXPECT_EQ(
      Grep(lines, {"\"call\":\"WriteFile\"", "\"path\":\"" + page + "\"", "\"ok\":true"}).size(),
      1u);
  EXPECT_EQ(Grep(lines, {"\"call\":\"Navigate\"", "MainWebBrowser", "\"address\":\"" + page + "\""})
                .size(),
            1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"BeforeNavigate2\"", "\"address\":\"" + page + "\"",
                         "\"cancel\":false"})
                .size(),
            1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"BeforeNavigate2\"", "\"address\":\"http://db?rp12\"",
                         "\"cancel\":true"})
                .size(),
            1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Las Bielanski"}).size(), 1u);
  EXPECT_TRUE(Grep(lines, {"MessageBox"}).empty());
  EXPECT_EQ(ReadFile(page),
            "<html><head><title>temat: Las Bielanski</title></head>\r\n"
            "<body><TABLE><TR><TD>Warszawa</TD></TR> </TR></TABLE> </body></html>\r\n");
}

TEST_F(RecordLinkReplay, econetLink_showsTheFramePageOfTheWorkingDirectory) {
  const auto lines = Click("http://db?ec5K");
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", workDir + "$$econet.html"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"BeforeNavigate2\"",
                         "\"address\":\"" + workDir + "econet_fr.html\"", "\"cancel\":false"})
                .size(),
            1u);
  EXPECT_EQ(ReadFile(workDir + "$$econet.html"),
            "<title>temat: ECONET</title>   5K - Krajowy obszar w\xEAz\xB3owy Dolina Wisly");
}

TEST_F(RecordLinkReplay, linkWithoutKey_isReportedAndNothingIsShown) {
  const auto lines = Click("http://db?rp");
  EXPECT_EQ(Grep(lines, {"\"call\":\"MessageBox\"", "\"text\":\"Nieznany link: ?rp\"",
                         "\"caption\":\"Make Dynamic Error\"", "\"icon\":\"error\""})
                .size(),
            1u);
  // The start page's menu and title strip are generated pages too.
  EXPECT_TRUE(Grep(lines, {"\"call\":\"Navigate\"", "$$RP"}).empty());
}

TEST_F(RecordLinkReplay, keyWithPathSeparators_writesOnlyIntoTheWorkingDirectory) {
  const auto lines = Click("http://db?rp../../x");
  const std::string page = workDir + "$$RP_..%2F..%2Fx.html";
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "\"path\":\"" + page + "\""}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"BeforeNavigate2\"", "\"address\":\"" + page + "\"",
                         "\"cancel\":false"})
                .size(),
            1u);
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP"}).size(), 1u);
  // Where "../../x" would lead from the working directory.
  EXPECT_FALSE(Exists(temp / "x.html"));
  EXPECT_FALSE(Exists((std::filesystem::path(temp.path()).parent_path() / "x.html").string()));
}

}  // namespace
}  // namespace velmora::test
