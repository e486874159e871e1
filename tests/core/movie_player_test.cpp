// The film window as the replay tool shows it, with the recording player's
// simulated length and position: the bar, seeking, the buttons, the end of
// the film, and films that are missing or cannot be played.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay_test.h"

namespace velmora::test {
namespace {

class MoviePlayer : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    WriteFile(disc / "Anim/las.avi", "RIFF....AVI ");
    WriteFile(disc / "Anim/zepsuty.avi", "");
  }

  // Trace lines after the film window opened on a film of the given length.
  std::vector<std::string> Play(std::int64_t length, const std::string& script,
                                const std::string& film = "las") {
    return Run(script, "MovieForm.MediaSetLength " + std::to_string(length) +
                           "\nMainWebBrowserBeforeNavigate2 http://db?mv" + film + "\n");
  }

  static std::vector<int> BarPositions(const std::vector<std::string>& lines) {
    std::vector<int> positions;
    for (const std::string& line :
         Grep(lines, {"\"call\":\"SetPosition\"", "MovieForm.LMDTrackBarFilmow"})) {
      positions.push_back(std::stoi(line.substr(line.rfind(':') + 1)));
    }
    return positions;
  }

  static bool TimerOn(const std::vector<std::string>& lines) {
    const auto changes = Grep(lines, {"\"call\":\"SetTimer\"", "MovieForm.Timer1"});
    return !changes.empty() && changes.back().find("\"enabled\":true") != std::string::npos;
  }
};

// --- Opening ---

TEST_F(MoviePlayer, link_opensAndPlaysTheFilmThenShowsTheWindow) {
  Play(1000, "");
  const std::string path = disc.path() + "/Anim/las.avi";
  std::vector<std::string> calls;
  for (const std::string& line : Grep(all, {"MovieForm"})) {
    const std::size_t start = line.find("{\"call\":\"");
    if (start == std::string::npos) continue;
    std::string call = line.substr(start + 9, line.find('"', start + 9) - start - 9);
    if (call == "SetTimer")
      call += line.find("\"enabled\":true") != std::string::npos ? " on" : " off";
    calls.push_back(call);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"MediaSetDisplay", "SetTimer off", "MediaSetFileName",
                                             "SetPosition", "MediaOpen", "MediaPlay", "SetTimer on",
                                             "ShowModal"}));
  EXPECT_EQ(Count(all, {"\"call\":\"MediaOpen\"", path, "\"ok\":true"}), 1u);
  EXPECT_EQ(Count(all, {"\"call\":\"MediaSetDisplay\"", "MovieForm.Panel3"}), 1u);
}

TEST_F(MoviePlayer, missingFilm_isReportedWithoutWindow) {
  Play(1000, "", "brak");
  const std::string path = disc.path() + "/Anim/brak.avi";
  EXPECT_EQ(Count(all, {"\"call\":\"MessageBox\"", "\"text\":\"Brak pliku:\\n " + path + "\"",
                        "\"caption\":\"Pokaż Film AVI\"", "\"icon\":\"error\""}),
            1u);
  EXPECT_EQ(Count(all, {"ShowModal"}), 0u);
  EXPECT_EQ(Count(all, {"MediaOpen"}), 0u);
}

TEST_F(MoviePlayer, filmThePlayerCannotOpen_isReportedWithoutWindow) {
  Play(1000, "", "zepsuty");
  EXPECT_EQ(Count(all, {"\"call\":\"MediaOpen\"", "\"ok\":false"}), 1u);
  EXPECT_EQ(Count(all, {"\"call\":\"MessageBox\"", "Nie można odtworzyć filmu:\\n ", "zepsuty.avi",
                        "\"caption\":\"Pokaż Film AVI\""}),
            1u);
  EXPECT_EQ(Count(all, {"ShowModal"}), 0u);
  EXPECT_FALSE(TimerOn(all));
}

// --- The bar ---

TEST_F(MoviePlayer, bar_followsThePercentAndStaysAtOneBelowOnePercent) {
  const auto lines = Play(100000,
                          "MovieForm.MediaSetPosition 999\nMovieForm.Timer1Timer\n"
                          "MovieForm.MediaSetPosition 37000\nMovieForm.Timer1Timer\n"
                          "MovieForm.MediaSetPosition 99999\nMovieForm.Timer1Timer\n");
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{1, 37, 99}));
}

TEST_F(MoviePlayer, lengthZero_leavesTheBarAtItsStartWithoutFailing) {
  const auto lines = Play(0,
                          "MovieForm.Timer1Timer\nMovieForm.LMDMMButton6Click\n"
                          "MovieForm.LMDTrackBarFilmowClick 50\n");
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{1, 1, 50}));
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaSeek\"", "\"target\":0"}), 1u);
}

TEST_F(MoviePlayer, endOfFilm_returnsBarToStartRewindsAndSwitchesTimerOff) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 500\nMovieForm.Timer1Timer\n"
                          "MovieForm.MediaFinish\nMovieForm.Timer1Timer\n"
                          "MovieForm.Timer1Timer\n");
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{50, 1}));
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaRewind\"", "\"position\":0"}), 1u);
  EXPECT_FALSE(TimerOn(lines));
}

// --- Seeking ---

TEST_F(MoviePlayer, barRelease_seeksToWholeHundredthsThenPlays) {
  const auto lines = Play(1050,
                          "MovieForm.LMDTrackBarFilmowMouseDown 30\n"
                          "MovieForm.LMDTrackBarFilmowClick 37\n"
                          "MovieForm.LMDTrackBarFilmowMouseUp 37\n");
  std::vector<std::string> order;
  for (const std::string& line : lines) {
    for (const char* call : {"MediaStop", "MediaSeek", "MediaPlay"}) {
      if (line.find(std::string("\"call\":\"") + call) != std::string::npos) order.push_back(call);
    }
  }
  EXPECT_EQ(order, (std::vector<std::string>{"MediaStop", "MediaSeek", "MediaPlay"}));
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaSeek\"", "\"position\":370", "\"target\":370"}), 1u);
  EXPECT_TRUE(TimerOn(lines));
}

TEST_F(MoviePlayer, filmShorterThanHundredUnits_seeksAlwaysToZero) {
  const auto lines = Play(99,
                          "MovieForm.MediaSetPosition 60\n"
                          "MovieForm.LMDTrackBarFilmowMouseDown\n"
                          "MovieForm.LMDTrackBarFilmowClick 80\n"
                          "MovieForm.LMDTrackBarFilmowMouseUp\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaSeek\"", "\"position\":0", "\"target\":0"}), 1u);
}

TEST_F(MoviePlayer, releaseOutsideTheBar_doesNotSeekAndTheTimerMovesTheBarBack) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 200\n"
                          "MovieForm.LMDTrackBarFilmowMouseDown 20\n"
                          "MovieForm.LMDTrackBarFilmowMouseUp 80\nMovieForm.Timer1Timer\n");
  EXPECT_EQ(Count(lines, {"MediaSeek"}), 0u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaPlay\"", "\"position\":200"}), 1u);
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{20, 80, 20}));
}

// --- Buttons ---

TEST_F(MoviePlayer, pauseThenStart_continuesFromThePausedPosition) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 400\nMovieForm.LMDMMButton2Click\n"
                          "MovieForm.Timer1Timer\nMovieForm.LMDMMButton4Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStop\"", "\"position\":400"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaPlay\"", "\"position\":400", "playing"}), 1u);
  EXPECT_EQ(BarPositions(lines), std::vector<int>{});  // the paused timer did not tick
  EXPECT_TRUE(TimerOn(lines));
}

TEST_F(MoviePlayer, keys_pauseAndPlayStepAndClose) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 500\nMovieForm.FormKeyDown space\n"
                          "MovieForm.FormKeyDown right\nMovieForm.FormKeyDown space\n"
                          "MovieForm.FormKeyDown left\nMovieForm.FormKeyDown escape\n");
  // Space paused at 500, the step played on, Space paused again at 600.
  EXPECT_GE(Count(lines, {"\"call\":\"MediaStop\"", "\"position\":500"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStop\"", "\"position\":600"}), 1u);
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{60, 50}));
  EXPECT_EQ(Count(lines, {"\"call\":\"CloseWindow\"", "MovieForm"}), 1u);
}

TEST_F(MoviePlayer, stopThenStart_playsFromTheBeginning) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 400\nMovieForm.LMDMMButton3Click\n"
                          "MovieForm.LMDMMButton4Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaRewind\"", "\"position\":0"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaPlay\"", "\"position\":0", "playing"}), 1u);
}

TEST_F(MoviePlayer, forwardAndBack_stepATenthAndPlayOnWithTheBar) {
  const auto lines = Play(1000,
                          "MovieForm.MediaSetPosition 500\nMovieForm.LMDMMButton6Click\n"
                          "MovieForm.LMDMMButton1Click\nMovieForm.LMDMMButton1Click\n");
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{60, 50, 40}));
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaPlay\""}), 3u);
}

TEST_F(MoviePlayer, forwardAtTheEnd_startsAgainFromTheBeginning) {
  const auto lines = Play(1000, "MovieForm.MediaFinish\nMovieForm.LMDMMButton6Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStep\"", "\"position\":100"}), 1u);
  EXPECT_EQ(BarPositions(lines), (std::vector<int>{10}));
}

TEST_F(MoviePlayer, closeButton_stopsTheFilmAndTheTimer) {
  const auto lines =
      Play(1000, "MovieForm.MediaSetPosition 300\nMovieForm.LMDMMButton5Click\nButton7Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"CloseWindow\"", "MovieForm"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStop\"", "\"position\":300"}), 1u);
  EXPECT_FALSE(TimerOn(lines));
  EXPECT_EQ(Count(lines, {"\"call\":\"HideWindow\"", "MovieForm"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "/Data/919.htm"}), 1u);
}

TEST_F(MoviePlayer, panelResize_centresTheDisplayArea) {
  const auto lines = Play(1000, "MovieForm.Panel2Resize 801 600\nMovieForm.Panel2Resize 300 200\n");
  EXPECT_EQ(
      Count(lines, {"\"call\":\"MoveControl\"", "MovieForm.Panel3", "\"left\":225", "\"top\":150"}),
      1u);
  // Smaller than the display: the division rounds toward zero.
  EXPECT_EQ(Count(lines, {"\"call\":\"MoveControl\"", "\"left\":-25", "\"top\":-50"}), 1u);
}

}  // namespace
}  // namespace velmora::test
