// The disc's Windows programs on a system with or without wine: without it
// the start-up and closing programs are skipped quietly (a line in the log,
// one notice per disc), and an animation link says once that it needs wine.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/texts.h"
#include "navigation/link_texts.h"
#include "platform/codepage.h"
#include "replay_test.h"

namespace velmora::test {
namespace {

const std::string kWindowsProgram("MZ\x90\0\3\0", 6);

std::string Utf8(const char* win1250) { return platform::Win1250ToUtf8(win1250); }

class WindowsPrograms : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    for (const char* name : {"Anim/start.exe", "Anim/fin.exe", "Anim/ptaki.exe"}) {
      WriteFile(disc / name, kWindowsProgram);
      MakeExecutable(disc / name);
    }
  }

  // Start-up, two animation links, then the close button.
  std::vector<std::string> Visit() {
    Run("MainWebBrowserBeforeNavigate2 http://db?animptaki\n"
        "MainWebBrowserBeforeNavigate2 http://db?animptaki\n"
        "LMDSpeedButton30Click\n");
    return all;
  }
};

TEST_F(WindowsPrograms, withoutWine_skipsStartAndCloseQuietlyAndTellsOnce) {
  // A chosen wine that is no program: no wine at all.
  ScopedEnv noWine("VELMORA_WINE", disc / "no-wine");
  const auto lines = Visit();

  EXPECT_EQ(Count(lines, {"LaunchProgram"}), 0u);
  EXPECT_EQ(Count(lines, {"StartProgram"}), 0u);
  EXPECT_EQ(Count(lines, {"MessageBox", Utf8(app::texts::kLaunchFailed)}), 0u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Log\"", "/Anim/start.exe", "wine"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Log\"", "/Anim/fin.exe", "wine"}), 1u);
  // The disc's notice at start-up, the links' once in the run: two boxes.
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\""}), 2u);
  EXPECT_EQ(Count(lines, {"MessageBox", Utf8(app::texts::kWineWouldPlay), "information"}), 1u);
  EXPECT_EQ(Count(lines, {"FirstNotice", "\"disc\":\"" + disc.path() + "/\""}), 1u);
  EXPECT_EQ(Count(lines,
                  {"MessageBox", Utf8(navigation::link_texts::kAnimationNeedsWine), "information"}),
            1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Terminate\""}), 1u);
}

TEST_F(WindowsPrograms, withWine_runsThemWithoutNotice) {
  ScopedEnv wine("VELMORA_WINE", std::string("/bin/true"));
  const auto lines = Visit();
  EXPECT_EQ(Count(lines, {"LaunchProgram", "/Anim/start.exe", "\"started\":true"}), 1u);
  EXPECT_EQ(Count(lines, {"LaunchProgram", "/Anim/fin.exe", "\"started\":true"}), 1u);
  EXPECT_EQ(Count(lines, {"StartProgram", "/Anim/ptaki.exe"}), 2u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\""}), 0u);
  EXPECT_EQ(Count(lines, {"\"call\":\"Log\""}), 0u);
}

TEST_F(WindowsPrograms, missingProgramWithoutWine_stillGetsTheLaunchError) {
  ScopedEnv noWine("VELMORA_WINE", disc / "no-wine");
  std::filesystem::remove(disc / "Anim/start.exe");
  Run("");
  EXPECT_EQ(Count(all, {"MessageBox", Utf8(app::texts::kLaunchFailed), "\"caption\":\"Error\""}),
            1u);
  EXPECT_EQ(Count(all, {"MessageBox", Utf8(app::texts::kWineWouldPlay)}), 0u);
}

}  // namespace
}  // namespace velmora::test
