// Starting the disc's programs here: a Windows program (beginning with "MZ")
// runs through the system's wine, or cannot be started; anything else runs
// as it is. And `velmora-cli check`'s hint when wine is missing.
#include "platform/program_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "check_disc.h"
#include "test_support.h"

namespace velmora::test {
namespace {

using platform::CommandFor;
using platform::FindInDirectories;
using platform::IsWindowsProgram;

void WriteExecutable(const std::string& path, const std::string& bytes) {
  WriteFile(path, bytes);
  ::chmod(path.c_str(), 0755);
}

TEST(ProgramCommand, windowsProgram_isTheFileBeginningWithMZ) {
  TempDir dir;
  WriteFile(dir / "start.exe", std::string("MZ\x90\0\3\0", 6));
  WriteFile(dir / "script.exe", "#!/bin/sh\nexit 0\n");
  WriteFile(dir / "short.exe", "M");
  WriteFile(dir / "lower.exe", "mz");
  EXPECT_TRUE(IsWindowsProgram(dir / "start.exe"));
  EXPECT_FALSE(IsWindowsProgram(dir / "script.exe"));
  EXPECT_FALSE(IsWindowsProgram(dir / "short.exe"));
  EXPECT_FALSE(IsWindowsProgram(dir / "lower.exe"));
  EXPECT_FALSE(IsWindowsProgram(dir / "missing.exe"));
  EXPECT_FALSE(IsWindowsProgram(dir.path()));
}

TEST(ProgramCommand, findInDirectories_takesTheFirstExecutableFile_neverFromARelativeOne) {
  TempDir dir;
  WriteFile(dir / "plain/wine", "not executable");
  std::filesystem::create_directories(dir / "folder/wine");
  WriteExecutable(dir / "first/wine", "#!/bin/sh\n");
  WriteExecutable(dir / "second/wine", "#!/bin/sh\n");
  const std::vector<std::string> directories = {dir / "plain", dir / "folder", dir / "first",
                                                dir / "second"};
  EXPECT_EQ(FindInDirectories("wine", directories), dir / "first/wine");
  EXPECT_EQ(FindInDirectories("nothing", directories), std::nullopt);
  EXPECT_EQ(FindInDirectories("first/wine", {dir.path()}), std::nullopt);
  EXPECT_EQ(FindInDirectories("", directories), std::nullopt);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir / "first");
  EXPECT_EQ(FindInDirectories("wine", {"", ".", "../second"}), std::nullopt);
  std::filesystem::current_path(previous);
}

// The viewer started in the disc's directory, with "." and the disc on PATH:
// the disc's own "wine" is not taken for the system's.
TEST(ProgramCommand, windowsProgram_neverRunsThroughTheDiscsOwnWine) {
  TempDir disc;
  WriteFile(disc / "Anim/start.exe", "MZ");
  WriteExecutable(disc / "wine", "#!/bin/sh\n");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(disc.path());
  ScopedEnv chosen(platform::kWineVariable, std::nullopt);
  for (const std::string& path :
       {std::string(".:/usr/bin"), std::string(":/usr/bin"), disc.path() + ":/usr/bin"}) {
    ScopedEnv searched("PATH", path);
    const auto command = CommandFor(disc / "Anim/start.exe");
    if (!command) continue;  // no wine on this system
    EXPECT_EQ(command->program.front(), '/') << path;
    EXPECT_FALSE(command->program.starts_with(disc.path())) << path;
  }
  std::filesystem::current_path(previous);
}

TEST(ProgramCommand, windowsProgramRunsThroughWine_orNotAtAll_nativeRunsAsItIs) {
  TempDir dir;
  WriteFile(dir / "Anim/start.exe", "MZ");
  WriteExecutable(dir / "Anim/fin.exe", "#!/bin/sh\nexit 0\n");
  WriteExecutable(dir / "bin/wine", "#!/bin/sh\n");

  {
    ScopedEnv wine(platform::kWineVariable, dir / "bin/wine");
    const auto windows = CommandFor(dir / "Anim/start.exe");
    ASSERT_TRUE(windows.has_value());
    EXPECT_EQ(windows->program, dir / "bin/wine");
    EXPECT_EQ(windows->arguments, std::vector<std::string>{dir / "Anim/start.exe"});
  }
  // A wine that is not there, or named relative to the current directory, is none.
  for (const std::string& chosen : {dir / "nowhere/wine", std::string("bin/wine")}) {
    ScopedEnv wine(platform::kWineVariable, chosen);
    EXPECT_EQ(CommandFor(dir / "Anim/start.exe"), std::nullopt) << chosen;
    const auto native = CommandFor(dir / "Anim/fin.exe");
    ASSERT_TRUE(native.has_value());
    EXPECT_EQ(native->program, dir / "Anim/fin.exe");
    EXPECT_TRUE(native->arguments.empty());
  }
}

TEST(ProgramCommand, check_hintsAtWindowsProgramsOnlyWhenWineIsMissing) {
  TempDir disc;
  MakeCleanCheckDisc(disc.path());
  WriteFile(disc / "Anim/start.exe", "MZ\x90");
  WriteFile(disc / "Anim/lodowiec.exe", "MZ\x90");
  TempDir bin;
  {
    ScopedEnv wine(platform::kWineVariable, bin / "wine");
    const CliResult text = RunCli({"check", "--content", disc.path()});
    EXPECT_EQ(text.status, 0) << text.out << text.err;
    EXPECT_EQ(Grep(text.lines, {"hint: Anim/", "is a Windows program", "wine"}).size(), 2u)
        << text.out;
    EXPECT_EQ(text.lines.back(), "No problems found.");
    const CliResult json = RunCli({"check", "--content", disc.path(), "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, "");
    EXPECT_NE(json.err.find("hint: Anim/start.exe"), std::string::npos);
  }
  WriteExecutable(bin / "wine", "#!/bin/sh\n");
  ScopedEnv wine(platform::kWineVariable, bin / "wine");
  const CliResult withWine = RunCli({"check", "--content", disc.path()});
  EXPECT_EQ(withWine.status, 0);
  EXPECT_EQ(withWine.out, "No problems found.\n");
}

}  // namespace
}  // namespace velmora::test
