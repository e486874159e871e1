// The main window's command buttons, history states and title strip, as the
// replay tool shows them.

#include <gtest/gtest.h>

#include <filesystem>

#include "replay_test.h"

namespace velmora::test {
namespace {

class MainWindow : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    WriteFile(disc / "Data/100.htm", "<title>temat: Las</title>");
  }
};

// --- Fixed pages ---

TEST_F(MainWindow, helpButton_releasesTopicButtonsInOrderThenShowsItsPage) {
  const auto lines = Run("Button7Click\n");
  std::vector<std::string> calls;
  for (const std::string& line : lines) {
    if (line.find("SetPressed") != std::string::npos ||
        line.find("SetAllowAllUp") != std::string::npos ||
        line.find("\"call\":\"Navigate\"") != std::string::npos) {
      calls.push_back(line);
    }
  }
  ASSERT_EQ(calls.size(), 18u);
  EXPECT_NE(calls[0].find("\"SetAllowAllUp\",\"group\":\"CategoryButtons\",\"value\":true"),
            std::string::npos);
  EXPECT_NE(calls[1].find("\"control\":\"LMDSpeedButton1\""), std::string::npos);
  EXPECT_NE(calls[13].find("\"control\":\"LMDSpeedButton13\""), std::string::npos);
  EXPECT_NE(calls[15].find("\"control\":\"LMDSpeedButton15\""), std::string::npos);
  EXPECT_NE(calls[16].find("\"value\":false"), std::string::npos);
  EXPECT_NE(calls[17].find(disc.path() + "/Data/919.htm"), std::string::npos);
}

TEST_F(MainWindow, dictionaryTopicButton_showsItsPageWithoutReleasing) {
  const auto lines = Run("LMDSpeedButton5Click\n");
  EXPECT_EQ(Count(lines, {"SetPressed"}), 0u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", disc.path() + "/Data/658.htm"}), 1u);
}

TEST_F(MainWindow, missingFixedPage_isReportedByTheDispatcher) {
  const auto lines = Run("LMDSpeedButton1Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"", "Brak pliku:", "800.htm",
                          "\"caption\":\"Before Navigate\""}),
            1u);
}

// --- History ---

TEST_F(MainWindow, backAndForward_stepThroughHistoryAndFollowButtonStates) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 " + disc.path() +
                         "/Data/100.htm\nButton8Click\nButton9Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"GoBack\""}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"GoForward\""}), 1u);
  // Forward became possible after going back, and not after going forward.
  EXPECT_EQ(Count(lines, {"\"call\":\"SetEnabled\"", "LMDSpeedButton28", "true"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"SetEnabled\"", "LMDSpeedButton28", "false"}), 1u);
  EXPECT_EQ(Count(lines, {"\"event\":\"TitleChange\"", "temat: Las"}), 2u);
}

TEST_F(MainWindow, backNotPossible_disablesBackAndScrollButNotForward) {
  const auto lines = Run("MainWebBrowserCommandStateChange 2 false\n");
  EXPECT_EQ(Count(lines, {"SetEnabled", "LMDSpeedButton27", "false"}), 1u);
  EXPECT_EQ(Count(lines, {"SetEnabled", "LMDSpeedButton26", "false"}), 1u);
  EXPECT_EQ(Count(lines, {"SetEnabled", "LMDSpeedButton28"}), 0u);
}

// --- Scroll to top ---

TEST_F(MainWindow, scrollToTop_replacesFragmentWithStart) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 " + disc.path() + "/Data/100.htm#Drzewa\nBitBtn1Click\n");
  const auto navigations = Grep(lines, {"\"call\":\"Navigate\"", "100.htm#start\""});
  ASSERT_EQ(navigations.size(), 1u);
  EXPECT_EQ(navigations[0].find("#drzewa"), std::string::npos);
}

// --- Print, logos, window ---

TEST_F(MainWindow, print_usesPreviewWhenSupportedAndEnabled) {
  const auto lines = Run("Button21Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"QueryStatusWB\"", "\"command\":7"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"ExecWB\"", "\"command\":7", "\"option\":2"}), 1u);
}

TEST_F(MainWindow, logo_opensMakersPageOnlyWithCtrl) {
  const auto plain = Run("Image1MouseDown\n");
  EXPECT_EQ(Count(plain, {"OpenAddress"}), 0u);
  const auto withCtrl = Run("Image1MouseDown ctrl\n");
  const auto opened =
      Grep(withCtrl, {"\"call\":\"OpenAddress\"", "http://", "?id=", "\"opened\":true"});
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(MainWindow, closeButton_runsShutDownAndEndsTheProgram) {
  const auto lines = Run("LMDSpeedButton30Click\nLMDSpeedButton16Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"CloseWindow\"", "MainForm"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"LaunchProgram\"", "/Anim/fin.exe"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Terminate\""}), 1u);
  EXPECT_EQ(Count(lines, {"LMDSpeedButton16Click"}), 0u);
}

TEST_F(MainWindow, resize_keepsTitleBrowserWiderThanItsPanel) {
  const auto lines = Run("FormResize\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"PlaceInParent\"", "\"control\":\"TitleWebBrowser\"",
                          "\"left\":-2", "\"top\":-2", "\"extraWidth\":25", "\"extraHeight\":4"}),
            1u);
}

// --- Title strip ---

TEST_F(MainWindow, titleWithMarkerTwice_showsEverythingAfterTheFirst) {
  const auto lines = Run("MainWebBrowserTitleChange Park temat: Las temat: Bory\n");
  EXPECT_EQ(
      Count(lines, {"\"call\":\"Navigate\"", "\"control\":\"TitleWebBrowser\"", "$$title.html"}),
      1u);
  EXPECT_EQ(ReadFile(temp / "VNQETMP/$$title.html"),
            "<html><body><b>Las temat: Bory</b></body></html>\r\n");
}

TEST_F(MainWindow, titleWithCapitalMarker_leavesStripUnchanged) {
  const auto lines = Run("MainWebBrowserTitleChange Temat: Las\n");
  EXPECT_EQ(Count(lines, {"TitleWebBrowser"}), 0u);
}

TEST_F(MainWindow, titleWithEmptyTopic_showsProgramName) {
  Run("MainWebBrowserTitleChange temat: \n");
  EXPECT_EQ(ReadFile(temp / "VNQETMP/$$title.html"),
            "<html><body><b>Velmora</b></body></html>\r\n");
}

TEST_F(MainWindow, missingTitleTemplate_leavesStripWithoutMessage) {
  std::filesystem::remove(disc / "Makiety/title.html");
  const auto lines = Run("MainWebBrowserTitleChange temat: Las\n");
  EXPECT_EQ(Count(lines, {"TitleWebBrowser"}), 0u);
  EXPECT_EQ(Count(lines, {"MessageBox"}), 0u);
}

}  // namespace
}  // namespace velmora::test
