// velmora-cli's help run as a program: the general usage and every
// command's own help go to standard output with status 0, name the
// command's options, and do nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace velmora::test {
namespace {

struct CommandOptions {
  std::string command;
  std::vector<std::string> options;
};

const std::vector<CommandOptions> kCommands = {
    {"table", {"FILE", "--columns N"}},
    {"search", {"WORD", "--content DIR"}},
    {"replay", {"--content DIR", "--temp DIR", "--settings FILE", "SCRIPT"}},
    {"check", {"--content DIR", "--settings FILE", "--json", "--quiet"}},
    {"install", {"--disc DIR|IMAGE", "--to DIR", "--force", "--uninstall", "--quiet"}},
};

TEST(CliHelp, everyCommandsHelp_goesToStandardOutputWithItsOptionsAndStatusZero) {
  for (const CommandOptions& command : kCommands) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{command.command, "--help"},
          std::vector<std::string>{command.command, "-h"},
          std::vector<std::string>{"help", command.command},
          // Asked for among other arguments, help wins and nothing runs.
          std::vector<std::string>{command.command, "--content", "/nonexistent", "--help"}}) {
      const CliResult result = RunCli(args);
      const std::string shown = args[0] + " " + args[1];
      EXPECT_EQ(result.status, 0) << shown << result.err;
      EXPECT_EQ(result.err, "") << shown;
      EXPECT_EQ(result.out.rfind("usage: velmora-cli " + command.command + " ", 0), 0u) << shown;
      for (const std::string& option : command.options) {
        EXPECT_NE(result.out.find(option), std::string::npos) << shown << ": " << option;
      }
      EXPECT_NE(result.out.find("--help"), std::string::npos) << shown;
    }
  }
}

TEST(CliHelp, generalUsage_namesEveryCommandAndDiscImages) {
  for (const char* flag : {"--help", "-h", "help"}) {
    const CliResult result = RunCli({std::string(flag)});
    EXPECT_EQ(result.status, 0) << flag;
    EXPECT_EQ(result.err, "") << flag;
    for (const CommandOptions& command : kCommands) {
      EXPECT_NE(result.out.find("velmora-cli " + command.command + " "), std::string::npos)
          << flag << ": " << command.command;
    }
    EXPECT_NE(result.out.find("install --disc DIR|IMAGE"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("COMMAND --help"), std::string::npos) << result.out;
  }
}

TEST(CliHelp, wrongUsage_stillFailsWithTheUsageOnStandardError) {
  const CliResult none = RunCli({});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("install --disc DIR|IMAGE"), std::string::npos) << none.err;

  const CliResult unknown = RunCli({"bogus", "--help"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown command bogus"), std::string::npos) << unknown.err;

  const CliResult install = RunCli({"install", "--bogus"});
  EXPECT_EQ(install.status, 2);
  EXPECT_NE(install.err.find("unexpected argument: --bogus"), std::string::npos) << install.err;
  EXPECT_NE(install.err.find("usage: velmora-cli install --disc DIR|IMAGE"), std::string::npos)
      << install.err;
}

}  // namespace
}  // namespace velmora::test
