// velmora-cli's progress line: its text and time left from counts, the
// pace of redrawing on a fake clock, and, run as a program, that it shows
// on a terminal only and never with --quiet or into a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "check_disc.h"
#include "cli/progress.h"
#include "test_support.h"

namespace velmora::test {
namespace {

using cli::FormatProgress;
using cli::ProgressCounts;
using cli::ProgressLine;
using std::chrono::milliseconds;
using std::chrono::seconds;
using std::chrono::steady_clock;

constexpr std::uint64_t kMiB = 1024 * 1024;

// Line text and time left
TEST(CliProgressLine, text_countsFilesAndBytesAndEstimatesTheTimeLeftFromTheBytes) {
  // A quarter of the bytes in 10 s: 30 s left, whatever the files say.
  EXPECT_EQ(FormatProgress("install", "files", {90, 100, 25 * kMiB, 100 * kMiB}, seconds(10)),
            "install: 90/100 files, 25.0/100.0 MiB, about 30 s left");
  EXPECT_EQ(FormatProgress("install", "files", {1, 3, 5 * kMiB / 2, 650 * kMiB}, seconds(20)),
            "install: 1/3 files, 2.5/650.0 MiB, about 1 h 26 min left");
  EXPECT_EQ(FormatProgress("install", "files", {1, 2, kMiB, 2 * kMiB}, seconds(125)),
            "install: 1/2 files, 1.0/2.0 MiB, about 2 min 05 s left");
  // Without bytes the items give the pace.
  EXPECT_EQ(FormatProgress("check", "pages", {1, 4, 0, 0}, seconds(2)),
            "check: 1/4 pages, about 6 s left");
}

TEST(CliProgressLine, text_leavesOutTheTimeLeftWhenThePaceSaysNothing) {
  // Nothing done yet, too early to tell, or done: no estimate, no division by 0.
  EXPECT_EQ(FormatProgress("install", "files", {0, 10, 0, kMiB}, seconds(5)),
            "install: 0/10 files, 0.0/1.0 MiB");
  EXPECT_EQ(FormatProgress("install", "files", {5, 10, kMiB / 2, kMiB}, milliseconds(999)),
            "install: 5/10 files, 0.5/1.0 MiB");
  EXPECT_EQ(FormatProgress("install", "files", {10, 10, kMiB, kMiB}, seconds(5)),
            "install: 10/10 files, 1.0/1.0 MiB");
  EXPECT_EQ(FormatProgress("install", "files", {0, 0, 0, 0}, seconds(5)), "install: 0/0 files");
}

// Redrawing
class FakeClock {
 public:
  steady_clock::time_point now = steady_clock::time_point() + seconds(100);
  ProgressLine::Clock clock() {
    return [this] { return now; };
  }
};

TEST(CliProgressLine, redraw_waitsForTheIntervalAndOverwritesTheLineInPlace) {
  FakeClock time;
  std::ostringstream out;
  {
    ProgressLine line(&out, "install", "files", time.clock());
    // Quick work shows nothing.
    line.Update({1, 3, 0, 0});
    EXPECT_EQ(out.str(), "");
    time.now += ProgressLine::kInterval;
    line.Update({12, 13, 0, 0});
    EXPECT_EQ(out.str(), "\rinstall: 12/13 files");
    // Too soon after the last redraw.
    time.now += ProgressLine::kInterval / 2;
    line.Update({13, 13, 0, 0});
    EXPECT_EQ(out.str(), "\rinstall: 12/13 files");
    // A shorter line blanks what is left of the longer one.
    line.Show("x");
    EXPECT_EQ(out.str(), "\rinstall: 12/13 files\rinstall: x" + std::string(10, ' '));
    out.str("");
  }
  // Going, it wipes the line for what is written next (the rest is blank).
  EXPECT_EQ(out.str(), "\r" + std::string(10, ' ') + "\r");
}

TEST(CliProgressLine, withoutAStream_nothingIsDrawnOrCleared) {
  FakeClock time;
  ProgressLine line(nullptr, "install", "files", time.clock());
  time.now += seconds(5);
  line.Update({1, 2, 0, 0});
  line.Show("step");
  line.Clear();
  SUCCEED();
}

// Run as a program: standard error a terminal, a pipe, and --quiet.
struct TerminalRun {
  int status = -1;
  std::string terminal;  // what the terminal on standard error received
};

TerminalRun RunWithTerminalStderr(const std::vector<std::string>& args) {
  TerminalRun run;
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return run;
  const std::string slaveName = ::ptsname(master);
  const pid_t child = ::fork();
  if (child == 0) {
    const int slave = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);
    const int null = ::open("/dev/null", O_RDWR);
    if (slave < 0 || null < 0) ::_exit(127);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(slave, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(VELMORA_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(VELMORA_CLI, argv.data());
    ::_exit(127);
  }
  // Read until the child's end closes the terminal (EIO), so it never
  // blocks on a full one.
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n > 0) {
      run.terminal.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(master);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(CliProgress, check_showsItsStepsOnATerminalOnlyAndNeverWithQuiet) {
  TempDir disc;
  MakeCleanCheckDisc(disc.path());

  const TerminalRun shown = RunWithTerminalStderr({"check", "--content", disc.path()});
  EXPECT_EQ(shown.status, 0);
  ASSERT_FALSE(shown.terminal.empty());
  EXPECT_NE(shown.terminal.find("\rcheck: links (5/6)"), std::string::npos) << shown.terminal;
  // The line is wiped at the end.
  EXPECT_EQ(shown.terminal.back(), '\r') << shown.terminal;

  const TerminalRun quiet = RunWithTerminalStderr({"check", "--content", disc.path(), "--quiet"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.terminal, "");

  const CliResult piped = RunCli({"check", "--content", disc.path()});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, "No problems found.\n");
  EXPECT_EQ(piped.err, "");
}

TEST(CliProgress, install_intoAPipeOrWithQuiet_writesNothingButTheResult) {
  TempDir dir;
  const std::string disc = dir / "disc";
  const std::string home = dir / "home";
  MakeMinimalDisc(disc);
  for (const bool quiet : {false, true}) {
    std::vector<std::string> args{"install", "--disc", disc, "--to", dir / "to", "--force"};
    if (quiet) args.push_back("--quiet");
    const CliResult result = RunCliInHome(dir.path(), home, args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "") << quiet;
    EXPECT_EQ(result.out.find('\r'), std::string::npos) << result.out;
    EXPECT_EQ(result.out.rfind("Installed ", 0), 0u) << result.out;
  }
}

}  // namespace
}  // namespace velmora::test
