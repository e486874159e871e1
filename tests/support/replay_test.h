#pragma once
// Tests that drive the program through `velmora-cli replay`: a disc and a
// temporary-files path of their own (the test's SetUp fills the disc), a
// script replayed after start-up, and the trace it leaves.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "test_support.h"

namespace velmora::test {

class ReplayTest : public ::testing::Test {
 protected:
  // Trace lines from the script on; `before` is replayed ahead of them.
  std::vector<std::string> Run(const std::string& script, const std::string& before = {}) {
    const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
                                    before + kTraceMarker + script);
    EXPECT_EQ(result.status, 0) << result.out;
    all = result.lines;
    return LinesAfterMarker(result.lines);
  }

  // How many lines contain every one of the fragments.
  static std::size_t Count(const std::vector<std::string>& lines,
                           const std::vector<std::string>& fragments) {
    return Grep(lines, fragments).size();
  }

  TempDir disc;
  TempDir temp;
  // The whole trace of the last run, start-up included.
  std::vector<std::string> all;
};

}  // namespace velmora::test
