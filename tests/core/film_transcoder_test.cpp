// The film transcoder with stand-ins for gst-launch-1.0: a film it cannot
// make leaves no file behind, and one that never ends is stopped.

#include "cli/export/film_transcoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using cli::exporting::FilmTranscoder;

std::string StandIn(const TempDir& dir, const std::string& script) {
  const std::string program = dir / "gst-launch-1.0";
  WriteFile(program, "#!/bin/sh\n" + script);
  MakeExecutable(program);
  return program;
}

const std::string kFilm = std::string(VELMORA_SAMPLE_CONTENT) + "/Anim/bobry.avi";

TEST(FilmTranscoder, madeFilm_isTheWebmTheProgramWrote) {
  TempDir dir;
  FilmTranscoder films(dir / "films",
                       StandIn(dir, "printf '\\032\\105\\337\\243webm' > out.webm\n"));
  std::string error;
  const auto made = films.Transcode(kFilm, "bobry", error);
  ASSERT_TRUE(made) << error;
  EXPECT_EQ(*made, fs::path(dir / "films/bobry.webm"));
  EXPECT_EQ(ReadFile(*made), "\x1A\x45\xDF\xA3webm");
}

TEST(FilmTranscoder, failureOrOutputThatIsNoWebm_leavesNothing) {
  for (const std::string& script :
       {std::string("echo partial > out.webm; exit 1\n"), std::string("echo text > out.webm\n")}) {
    TempDir dir;
    FilmTranscoder films(dir / "films", StandIn(dir, script));
    std::string error;
    EXPECT_FALSE(films.Transcode(kFilm, "bobry", error)) << script;
    EXPECT_EQ(error, "przekodowanie się nie udało");
    EXPECT_TRUE(fs::is_empty(dir / "films")) << script;
  }
}

TEST(FilmTranscoder, programThatNeverEnds_isStoppedAtTheLimit) {
  TempDir dir;
  FilmTranscoder films(dir / "films", StandIn(dir, "echo x > out.webm; exec sleep 600\n"),
                       std::chrono::milliseconds(300));
  std::string error;
  EXPECT_FALSE(films.Transcode(kFilm, "bobry", error));
  EXPECT_EQ(error, "przekodowanie trwało zbyt długo");
  EXPECT_TRUE(fs::is_empty(dir / "films"));
}

TEST(FilmTranscoder, missingProgram_isAFailure) {
  TempDir dir;
  FilmTranscoder films(dir / "films", dir / "no-such-program");
  std::string error;
  EXPECT_FALSE(films.Transcode(kFilm, "bobry", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace velmora::test
