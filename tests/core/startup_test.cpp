// Start-up as the replay tool shows it: locating the content, the start page,
// the start-up animation, and the content-missing end.

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace velmora::test {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeMinimalDisc(disc.path()); }

  CliResult Replay(const std::string& script, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"replay", "--content", disc.path(), "--temp", temp.path()};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(args, script);
  }

  TempDir disc;
  TempDir temp;
};

// --- Content in the current directory (no settings key) ---

TEST_F(StartupTest, noKey_navigatesToStartPageAndRunsStartAnimation) {
  const CliResult result = Replay("");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string startPage = disc.path() + "/Data/799.htm";
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\"",
                                "\"address\":\"" + startPage + "\""})
                .size(),
            1u)
      << result.out;
  EXPECT_EQ(Grep(result.lines,
                 {"\"call\":\"LaunchProgram\"", "\"path\":\"" + disc.path() + "/Anim/start.exe\""})
                .size(),
            1u);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\""}).size(), 0u) << result.out;
}

TEST_F(StartupTest, startPageLoads_titleThenDownloadComplete) {
  const CliResult result = Replay("");
  const auto title = Grep(result.lines, {"\"event\":\"TitleChange\"", "temat: Start"});
  ASSERT_EQ(title.size(), 1u) << result.out;
  EXPECT_EQ(Grep(result.lines, {"\"event\":\"DownloadComplete\"", "MainWebBrowser"}).size(), 1u);
}

TEST_F(StartupTest, waitForAnimation_disablesWindowWithHourglassThenRestores) {
  const CliResult result = Replay("");
  std::vector<std::string> calls;
  for (const std::string& line : result.lines) {
    if (line.find("\"SetCursor\"") != std::string::npos ||
        (line.find("\"SetEnabled\"") != std::string::npos &&
         line.find("MainForm") != std::string::npos)) {
      calls.push_back(line);
    }
  }
  ASSERT_EQ(calls.size(), 4u) << result.out;
  EXPECT_NE(calls[0].find("hourglass"), std::string::npos);
  EXPECT_NE(calls[1].find("false"), std::string::npos);
  EXPECT_NE(calls[2].find("default"), std::string::npos);
  EXPECT_NE(calls[3].find("true"), std::string::npos);
}

TEST_F(StartupTest, missingStartProgram_reportsLaunchErrorAndGoesOn) {
  std::filesystem::remove(disc / "Anim/start.exe");
  const CliResult result = Replay("");
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"",
                                "\"text\":\"B\xC5\x82\xC4\x85"
                                "d uruchamiania dema startowego\"",
                                "\"caption\":\"Error\""})
                .size(),
            1u)
      << result.out;
  // Nothing to wait for: the window is never disabled.
  EXPECT_EQ(Grep(result.lines, {"\"SetEnabled\"", "MainForm"}).size(), 0u);
}

// --- Content named by the settings key ---

TEST_F(StartupTest, keyNamingDiscWithoutStartProgram_showsNoDiscMessageAndEnds) {
  TempDir emptyDisc;
  WriteFile(temp / "settings.ini",
            "[General]\ncdPath=" + emptyDisc.path() + "/\ninstPath=" + disc.path() + "/\n");
  TempDir work;
  const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", work.path(),
                                   "--settings", temp / "settings.ini"},
                                  "LMDSpeedButton16Click\n");
  EXPECT_EQ(result.status, 1);
  const std::string text = "Brak CD-ROMu w stacji " + emptyDisc.path() +
                           "/\\r\\nProsz\xC4\x99 w\xC5\x82o\xC5\xBCy\xC4\x87 p\xC5\x82yt\xC4\x99 "
                           "i spr\xC3\xB3"
                           "bowa\xC4\x87 ponownie...";
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"", "\"text\":\"" + text + "\"",
                                "\"caption\":\"Velmora\"", "\"icon\":\"error\""})
                .size(),
            1u)
      << result.out;
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"SetWindowLeft\"", "1500"}).size(), 1u);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"Navigate\""}).size(), 0u);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"CreateDirectory\""}).size(), 0u);
  EXPECT_EQ(Grep(result.lines, {"LaunchProgram"}).size(), 0u);
  // The script never runs: the program has ended.
  EXPECT_EQ(Grep(result.lines, {"LMDSpeedButton16Click"}).size(), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

TEST_F(StartupTest, keyWithoutCdPath_messageHasNoRootBeforeLineBreak) {
  WriteFile(temp / "settings.ini", "[General]\ninstPath=/nowhere/\n");
  // The presence test then looks for "Anim/start.exe" in the current directory.
  TempDir elsewhere;
  const CliResult result = RunCli({"replay", "--content", elsewhere.path(), "--temp", temp.path(),
                                   "--settings", temp / "settings.ini"});
  EXPECT_EQ(Grep(result.lines, {"\"text\":\"Brak CD-ROMu w stacji \\r\\n"}).size(), 1u)
      << result.out;
}

TEST_F(StartupTest, keyNamingDisc_usesCdPathForAnimAndInstPathForData) {
  TempDir install;
  MakeMinimalDisc(install.path());
  WriteFile(temp / "settings.ini",
            "[General]\ncdPath=" + disc.path() + "/\ninstPath=" + install.path() + "/\n");
  TempDir elsewhere;
  const CliResult result = RunCli({"replay", "--content", elsewhere.path(), "--temp", temp.path(),
                                   "--settings", temp / "settings.ini"});
  ASSERT_EQ(result.status, 0) << result.err << result.out;
  EXPECT_EQ(Grep(result.lines,
                 {"\"call\":\"Navigate\"", "\"address\":\"" + install.path() + "/Data/799.htm\""})
                .size(),
            1u)
      << result.out;
  EXPECT_EQ(Grep(result.lines, {"LaunchProgram", disc.path() + "/Anim/start.exe"}).size(), 1u);
}

// --- Start-up errors ---

TEST_F(StartupTest, missingTableFile_endsWithMessageNamingFileAndNonZeroStatus) {
  std::filesystem::remove(disc / "DB/FOTO.CSV");
  const CliResult result = Replay("");
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"", "FOTO.CSV"}).size(), 1u) << result.out;
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"Navigate\""}).size(), 0u);
}

TEST_F(StartupTest, tableFilesFoundRegardlessOfLetterCase) {
  std::filesystem::rename(disc / "DB/RP.CSV", disc / "DB/rp.csv");
  std::filesystem::rename(disc / "Data", disc / "DATA");
  const CliResult result = Replay("");
  ASSERT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(Grep(result.lines, {"\"event\":\"TitleChange\"", "temat: Start"}).size(), 1u)
      << result.out;
}

TEST_F(StartupTest, rootAsCurrentDirectory_getsNoSecondSeparator) {
  const CliResult result = RunCli({"replay", "--content", "/", "--temp", temp.path()});
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"MessageBox\"", " /DB/RP.CSV\""}).size(), 1u)
      << result.out;
}

// --- Scripts ---

TEST_F(StartupTest, unknownHandler_isReportedAndFailsTheRun) {
  const CliResult result = Replay("NoSuchHandlerClick\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(
      Grep(result.lines, {"\"error\":\"unknown handler\"", "NoSuchHandlerClick", "\"line\":1"})
          .size(),
      1u);
}

TEST_F(StartupTest, linkClickFromScript_raisesBeforeNavigateAndLoads) {
  WriteFile(disc / "Data/100.htm", "<title>temat: Las</title>");
  const CliResult result = Replay("# a click on a link\nMainWebBrowserBeforeNavigate2 " +
                                  disc.path() + "/Data/100.htm\n");
  ASSERT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(
      Grep(result.lines, {"\"event\":\"BeforeNavigate2\"", "100.htm", "\"cancel\":false"}).size(),
      1u)
      << result.out;
  EXPECT_EQ(Grep(result.lines, {"\"event\":\"TitleChange\"", "temat: Las"}).size(), 1u);
  // Two pages in the history: going back is now possible.
  EXPECT_EQ(Grep(result.lines, {"\"event\":\"CommandStateChange\"", "MainWebBrowser",
                                "\"command\":2", "\"enable\":true"})
                .size(),
            1u);
}

}  // namespace
}  // namespace velmora::test
