// The slide show as the replay tool shows it: stepping through a set, the
// automatic advance with and without repeat, the bar's hint and ticks, the
// description strip, the delay, the music and sets with no usable slide.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "replay_test.h"

namespace velmora::test {
namespace {

class SlideShow : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    std::string slides = "trzy;0001;0002;0003\r\njeden;0001\r\npusty;0099;;\r\n";
    slides += "luka;0001;;0002;0098;0003\r\n";
    std::string dwanascie = "dwanascie";
    std::string dwadziescia = "dwadziescia";
    for (int i = 0; i < 25; ++i) {
      const std::string name = "1" + std::string(i < 10 ? "00" : "0") + std::to_string(i);
      WriteFile(disc / ("Foto/f" + name + ".jpg"), "jpg");
      if (i < 12) dwanascie += ";" + name;
      dwadziescia += ";" + name;
    }
    slides += dwanascie + "\r\n" + dwadziescia + "\r\n";
    WriteFile(disc / "DB/SLIDE.CSV", slides);
    for (const char* name : {"0001", "0002", "0003"}) {
      WriteFile(disc / (std::string("Foto/f") + name + ".jpg"), "jpg");
    }
    // Key; prefix; year; references; caption; photographer; place.
    WriteFile(disc / "DB/FOTO.CSV",
              "0001;f;1999;rp1;Wodospad;Nowak;Tatry\r\n"
              "0002;f;2000;rp1;;Nowak;Bieszczady\r\n"
              "0003;f;2001;rp1;Jezioro;Nowak;\r\n");
    WriteFile(disc / "Makiety/slide.html", "<img src=\"m.jpg\"><!--@opis@-->m.jpg");
    WriteFile(disc / "Makiety/opis.html", "<b><!--@opis@--></b><!--@opis@-->");
    WriteFile(disc / "Anim/kev1.wav", "RIFF");
  }

  // The bar hints in order, as "k z n".
  static std::vector<std::string> Hints(const std::vector<std::string>& lines) {
    std::vector<std::string> hints;
    for (const std::string& line : Grep(lines, {"\"call\":\"SetHint\"", "LMDTrackBarSlajdow"})) {
      const std::size_t colon = line.rfind(": ");
      hints.push_back(line.substr(colon + 2, line.rfind('"') - colon - 2));
    }
    return hints;
  }

  std::string WorkFile(const std::vector<std::string>& lines, const std::string& name) {
    const auto writes = Grep(lines, {"\"call\":\"WriteFile\"", name});
    if (writes.empty()) return {};
    const std::size_t start = writes.back().find("\"path\":\"") + 8;
    return ReadFile(writes.back().substr(start, writes.back().find('"', start) - start));
  }
};

// --- Stepping ---

TEST_F(SlideShow, link_showsFirstSlideThenOpensTheWindowModally) {
  const auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3"}));
  EXPECT_EQ(Count(lines, {"\"call\":\"SetRange\"", "LMDTrackBarSlajdow", "\"min\":1,\"max\":3"}),
            1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"ShowModal\"", "SlideForm"}), 1u);
  // Only the first "m.jpg" is the picture; the description is an italic blank.
  EXPECT_EQ(WorkFile(lines, "$$slide.html"),
            "<img src=\"" + disc.path() + "/Foto/f0001.jpg\"><i> </i>m.jpg");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "SlideForm.SlideWebBrowser", "$$slide.html"}),
            1u);
}

TEST_F(SlideShow, nextOnLastSlide_showsFirst) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.ToolButton4Click\n"
          "SlideForm.ToolButton4Click\nSlideForm.ToolButton4Click\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "3 z 3", "1 z 3"}));
  EXPECT_NE(WorkFile(lines, "$$slide.html").find("f0001.jpg"), std::string::npos);
}

TEST_F(SlideShow, previousOnFirstSlide_showsLastThenSteppingBackContinues) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.ToolButton3Click\n"
          "SlideForm.ToolButton3Click\nSlideForm.ToolButton4Click\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "3 z 3", "2 z 3", "3 z 3"}));
  EXPECT_NE(WorkFile(lines, "$$slide.html").find("f0003.jpg"), std::string::npos);
}

TEST_F(SlideShow, singleSlide_nextAndPreviousShowItAgain) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?ssjeden\nSlideForm.ToolButton4Click\n"
          "SlideForm.ToolButton3Click\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 1", "1 z 1", "1 z 1"}));
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "SlideForm.SlideWebBrowser"}), 3u);
}

TEST_F(SlideShow, barClick_showsTheSlideUnderTheBarAndNextGoesOnFromIt) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.LMDTrackBarSlajdowClick 3\n"
          "SlideForm.ToolButton4Click\nSlideForm.LMDTrackBarSlajdowClick 9\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "3 z 3", "1 z 3", "3 z 3"}));
}

TEST_F(SlideShow, rowWithGaps_showsOnlyItsUsableSlidesInOrder) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?ssluka\nSlideForm.ToolButton4Click\n"
          "SlideForm.ToolButton4Click\nSlideForm.ToolButton4Click\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "3 z 3", "1 z 3"}));
  // Every page shows a picture that exists: never an empty or missing one.
  EXPECT_EQ(Count(lines, {"\"call\":\"WriteFile\"", "$$slide.html"}), 4u);
  const auto descriptions = Grep(lines, {"\"call\":\"WriteFile\"", "$$opis.html"});
  ASSERT_EQ(descriptions.size(), 4u);
  EXPECT_NE(WorkFile(lines, "$$slide.html").find("f0001.jpg"), std::string::npos);
}

// --- Automatic advance ---

TEST_F(SlideShow, advanceWithoutRepeat_stopsPausedOnFirstSlideAfterTheLast) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.Timer1Timer\n"
          "SlideForm.Timer1Timer\nSlideForm.Timer1Timer\nSlideForm.Timer1Timer\n");
  // The fourth tick finds the timer off and does nothing.
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "3 z 3", "1 z 3"}));
  const auto timer = Grep(lines, {"\"call\":\"SetTimer\"", "SlideForm.Timer1\""});
  ASSERT_FALSE(timer.empty());
  EXPECT_NE(timer.back().find("\"enabled\":false"), std::string::npos);
  const auto start = Grep(lines, {"\"call\":\"SetEnabled\"", "SlideForm.LMDMMButton4"});
  const auto pause = Grep(lines, {"\"call\":\"SetEnabled\"", "SlideForm.LMDMMButton2"});
  EXPECT_NE(start.back().find("\"value\":true"), std::string::npos);
  EXPECT_NE(pause.back().find("\"value\":false"), std::string::npos);
  EXPECT_EQ(Count(lines, {"\"call\":\"Freeze\"", "\"value\":1000"}), 1u);
}

TEST_F(SlideShow, advanceWithRepeat_continuesWithFirstSlide) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.CheckBox1Click 1\n"
          "SlideForm.Timer1Timer\nSlideForm.Timer1Timer\nSlideForm.Timer1Timer\n"
          "SlideForm.Timer1Timer\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "3 z 3", "1 z 3", "2 z 3"}));
  const auto timer = Grep(lines, {"\"call\":\"SetTimer\"", "SlideForm.Timer1\""});
  EXPECT_NE(timer.back().find("\"enabled\":true"), std::string::npos);
  EXPECT_EQ(Count(lines, {"\"call\":\"Freeze\""}), 0u);
}

TEST_F(SlideShow, pauseAndStart_switchTheAdvanceAndTheButtons) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.ToolButton2Click\n"
          "SlideForm.Timer1Timer\nSlideForm.ToolButton4Click\nSlideForm.ToolButton1Click\n"
          "SlideForm.Timer1Timer\n");
  // Paused: the tick does nothing, while next still works.
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "3 z 3"}));
  const auto start = Grep(lines, {"\"call\":\"SetEnabled\"", "SlideForm.LMDMMButton4"});
  ASSERT_EQ(start.size(), 3u);
  EXPECT_NE(start[1].find("true"), std::string::npos);
  EXPECT_NE(start[2].find("false"), std::string::npos);
}

TEST_F(SlideShow, keys_doWhatTheirButtonsDo) {
  // Space pauses the running advance and starts it again; the arrows step.
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.FormKeyDown space\n"
          "SlideForm.Timer1Timer\nSlideForm.FormKeyDown right\nSlideForm.FormKeyDown left\n"
          "SlideForm.FormKeyDown left\nSlideForm.FormKeyDown space\nSlideForm.FormKeyDown x\n"
          "SlideForm.FormKeyDown escape\n");
  EXPECT_EQ(Hints(lines), (std::vector<std::string>{"1 z 3", "2 z 3", "1 z 3", "3 z 3"}));
  const auto start = Grep(lines, {"\"call\":\"SetEnabled\"", "SlideForm.LMDMMButton4"});
  ASSERT_EQ(start.size(), 3u);
  EXPECT_NE(start[1].find("true"), std::string::npos);
  EXPECT_NE(start[2].find("false"), std::string::npos);
  EXPECT_EQ(Count(lines, {"\"call\":\"CloseWindow\"", "SlideForm"}), 1u);
}

TEST_F(SlideShow, delayChange_appliesAtOnceWithinThreeToSixtySeconds) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.LMDSpinEditCzasuChange 10\n"
          "SlideForm.LMDSpinEditCzasuChange 100\nSlideForm.LMDSpinEditCzasuChange 1\n");
  const auto timer = Grep(lines, {"\"call\":\"SetTimer\"", "SlideForm.Timer1\""});
  ASSERT_GE(timer.size(), 3u);
  EXPECT_NE(timer[0].find("\"interval\":3000"), std::string::npos);
  const std::size_t n = timer.size();
  EXPECT_NE(timer[n - 3].find("\"enabled\":true,\"interval\":10000"), std::string::npos);
  EXPECT_NE(timer[n - 2].find("\"interval\":60000"), std::string::npos);
  EXPECT_NE(timer[n - 1].find("\"interval\":3000"), std::string::npos);
}

// --- Bar ticks ---

TEST_F(SlideShow, tickSpacing_isSlideCountDivTwelve) {
  const auto few = Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\n");
  EXPECT_EQ(Count(few, {"\"call\":\"SetTickFrequency\"", "\"value\":0"}), 1u);
  const auto twelve = Run("MainWebBrowserBeforeNavigate2 http://db?ssdwanascie\n");
  EXPECT_EQ(Count(twelve, {"\"call\":\"SetTickFrequency\"", "\"value\":1"}), 1u);
  const auto many = Run("MainWebBrowserBeforeNavigate2 http://db?ssdwadziescia\n");
  EXPECT_EQ(Count(many, {"\"call\":\"SetTickFrequency\"", "\"value\":2"}), 1u);
  EXPECT_EQ(Hints(many).back(), "1 z 25");
}

// --- Description strip ---

TEST_F(SlideShow, description_joinsCaptionAndPlaceOnlyWhenCaptionIsThere) {
  auto lines = Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\n");
  // Only the first placeholder of the strip is replaced.
  EXPECT_EQ(WorkFile(lines, "$$opis.html"), "<b>Wodospad - Tatry</b><!--@opis@-->");
  lines = Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.ToolButton4Click\n");
  EXPECT_EQ(WorkFile(lines, "$$opis.html"), "<b>Bieszczady</b><!--@opis@-->");
  lines = Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.ToolButton3Click\n");
  EXPECT_EQ(WorkFile(lines, "$$opis.html"), "<b>Jezioro - </b><!--@opis@-->");
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "SlideForm.OpisWebBrowser", "$$opis.html"}), 2u);
}

// --- Sets without slides ---

TEST_F(SlideShow, setWithoutUsableSlide_reportsItAndOpensNoWindow) {
  for (const char* key : {"pusty", "nieznany"}) {
    const auto lines = Run(std::string("MainWebBrowserBeforeNavigate2 http://db?ss") + key + "\n");
    EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"",
                            std::string("Nie zdefiniowano poprawnie slajdu: ") + key,
                            "\"caption\":\"SLIDE DEBUG\"", "\"icon\":\"error\""}),
              1u)
        << key;
    EXPECT_EQ(Count(lines, {"ShowModal"}), 0u);
    EXPECT_EQ(Count(lines, {"SlideForm.SlideWebBrowser"}), 0u);
  }
}

// --- Music and closing ---

TEST_F(SlideShow, music_startsWithTheShowLoopsAndFollowsItsSwitch) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.MediaFinish\n"
          "SlideForm.Timer2Timer\nSlideForm.CheckBox2Click 0\nSlideForm.Timer2Timer\n"
          "SlideForm.CheckBox2Click 1\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaOpen\"", disc.path() + "/Anim/kev1.wav", "\"ok\":true"}),
            2u);  // at show, and again when it had ended
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaRewind\"", "SlideForm.MediaPlayer1"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaPlay\"", "SlideForm.MediaPlayer1"}), 3u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStop\"", "SlideForm.MediaPlayer1"}), 1u);
}

TEST_F(SlideShow, missingMusic_showGoesOnSilently) {
  std::filesystem::remove(disc / "Anim/kev1.wav");
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.Timer2Timer\n"
          "SlideForm.ToolButton4Click\n");
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaOpen\"", "\"ok\":false"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\""}), 0u);
  EXPECT_EQ(Hints(lines).back(), "2 z 3");
}

TEST_F(SlideShow, closeButton_stopsTimersAndMusicAndGivesTheMainWindowBack) {
  const auto lines =
      Run("MainWebBrowserBeforeNavigate2 http://db?sstrzy\nSlideForm.LMDMMButton5Click\n"
          "LMDSpeedButton5Click\n");
  const auto close = Grep(lines, {"\"call\":\"CloseWindow\"", "SlideForm"});
  ASSERT_EQ(close.size(), 1u);
  for (const char* timer : {"SlideForm.Timer1\"", "SlideForm.Timer2\""}) {
    const auto changes = Grep(lines, {"\"call\":\"SetTimer\"", timer});
    ASSERT_FALSE(changes.empty());
    EXPECT_NE(changes.back().find("\"enabled\":false"), std::string::npos) << timer;
  }
  EXPECT_EQ(Count(lines, {"\"call\":\"MediaStop\"", "SlideForm.MediaPlayer1"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"HideWindow\"", "SlideForm"}), 1u);
  // The next line is the main window's again.
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", "/Data/658.htm"}), 1u);
}

}  // namespace
}  // namespace velmora::test
