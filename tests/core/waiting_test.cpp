// Waiting while the message queue runs: the pause and waiting for a program.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/main_form.h"
#include "recording/recording_platform.h"
#include "test_support.h"

namespace velmora::test {
namespace {

class Waiting : public ::testing::Test {
 protected:
  Waiting() {
    MakeMinimalDisc(disc.path());
    std::filesystem::current_path(disc.path());
  }

  TempDir disc;
  TempDir temp;
  std::ostringstream trace;
  recording::RecordingPlatform recording{trace, {temp.path(), std::nullopt}};
};

TEST_F(Waiting, pauseOf200ms_returnsOnlyAfterMoreThan200ms) {
  app::TMainForm form(recording.platform());
  const std::uint32_t start = recording.clock().TickCount();
  form.PauseWithMessages(200);
  EXPECT_GE(recording.clock().TickCount() - start, 201u);
}

TEST_F(Waiting, waitWithoutHandle_returnsAtOnceLeavingCursorAndWindow) {
  app::TMainForm form(recording.platform());
  trace.str("");
  form.WaitForProgram(std::nullopt);
  EXPECT_EQ(trace.str(), "");
}

}  // namespace
}  // namespace velmora::test
