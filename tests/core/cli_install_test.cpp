// velmora-cli install run as a program in a temporary home: from a
// read-only disc with upper-case names, the viewer then starts from any
// directory; refusing to overwrite; uninstalling leaves nothing behind;
// links planted in the disc or the target, foreign or open targets and
// control characters in names never make it touch anything outside.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "small_filesystem.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> TreeOf(const fs::path& root) {
  std::vector<std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    entries.push_back(entry.path().lexically_relative(root).string());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

class CliInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(home());
    fs::create_directories(elsewhere());
  }
  std::string home() const { return dir_ / "home"; }
  std::string elsewhere() const { return dir_ / "elsewhere"; }
  std::string settings() const { return home() + "/.config/Kestrava/VNQE.conf"; }
  std::string installed() const { return home() + "/.local/share/velmora/disc"; }
  CliResult Run(const std::vector<std::string>& args) {
    return RunCliInHome(elsewhere(), home(), args);
  }

  TempDir dir_;
};

TEST_F(CliInstall, readOnlyUpperCaseDisc_installsAndTheViewerStartsFromAnyDirectory) {
  const std::string disc = dir_ / "CDROM";
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, disc);
  const std::vector<std::string> discBefore = TreeOf(disc);

  const CliResult install = Run({"install", "--disc", disc});
  ASSERT_EQ(install.status, 0) << install.err;
  EXPECT_EQ(ReadFile(settings()),
            "[General]\ncdPath=" + disc + "/\ninstPath=" + installed() + "/\n");
  EXPECT_TRUE(Exists(installed() + "/DATA/799.HTM"));
  EXPECT_TRUE(Exists(installed() + "/MAKIETY/MENU_START.HTM"));
  EXPECT_FALSE(Exists(installed() + "/ANIM"));  // read from the disc
  EXPECT_EQ(TreeOf(disc), discBefore);

  // No --content: the settings lead the viewer to the disc and the copy.
  const CliResult replay = Run({"replay", "--settings", settings()});
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(Grep(replay.lines, {"\"MessageBox\""}), std::vector<std::string>{});
  // The program is started under its real name, in the disc's letter case.
  EXPECT_EQ(Grep(replay.lines, {"\"LaunchProgram\"", disc + "/ANIM/START.EXE", "\"started\":true"})
                .size(),
            1u);
  EXPECT_EQ(Grep(replay.lines, {"\"event\":\"BeforeNavigate2\"", "\"MainWebBrowser\"",
                                installed() + "/Data/799.htm", "\"cancel\":false"})
                .size(),
            1u)
      << replay.out;

  // The installed disc checks as the original does.
  const CliResult check = Run({"check", "--settings", settings(), "--json"});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.lines.size(), 5u) << check.out;

  const CliResult uninstall = Run({"install", "--uninstall"});
  EXPECT_EQ(uninstall.status, 0) << uninstall.err;
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
  EXPECT_EQ(TreeOf(disc), discBefore);
}

TEST_F(CliInstall, anotherInstallation_isReplacedOnlyWithForce) {
  const std::string first = dir_ / "first";
  const std::string second = dir_ / "second";
  MakeMinimalDisc(first);
  MakeMinimalDisc(second);
  WriteFile(first + "/Foto/only_first.jpg", "x");
  ASSERT_EQ(Run({"install", "--disc", first}).status, 0);
  // The same disc again refreshes the installation.
  EXPECT_EQ(Run({"install", "--disc", first}).status, 0);

  const CliResult refused = Run({"install", "--disc", second});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("--force"), std::string::npos);
  EXPECT_NE(ReadFile(settings()).find(first), std::string::npos);

  ASSERT_EQ(Run({"install", "--disc", second, "--force"}).status, 0);
  EXPECT_NE(ReadFile(settings()).find(second), std::string::npos);
  EXPECT_FALSE(Exists(installed() + "/Foto/only_first.jpg"));
  EXPECT_EQ(Run({"install", "--uninstall"}).status, 0);
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

TEST_F(CliInstall, foreignFilesAndSettings_areNeitherOverwrittenNorRemoved) {
  const std::string disc = dir_ / "disc";
  const std::string target = dir_ / "target";
  MakeMinimalDisc(disc);
  WriteFile(target + "/notes.txt", "mine");
  WriteFile(target + "/Data/799.htm", "my own page");
  EXPECT_EQ(Run({"install", "--disc", disc, "--to", target}).status, 1);
  EXPECT_FALSE(Exists(settings()));

  const CliResult forced = Run({"install", "--disc", disc, "--to", target, "--force"});
  ASSERT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(Run({"install", "--uninstall", "--to", target}).status, 0);
  EXPECT_EQ(TreeOf(target), (std::vector<std::string>{"Data", "Data/799.htm", "notes.txt"}));
  EXPECT_EQ(ReadFile(target + "/notes.txt"), "mine");

  // Settings that name another installation stay unless forced.
  WriteFile(settings(), "[General]\ncdPath=/elsewhere/\ninstPath=/elsewhere/\n");
  EXPECT_EQ(Run({"install", "--disc", disc}).status, 1);
  EXPECT_EQ(ReadFile(settings()), "[General]\ncdPath=/elsewhere/\ninstPath=/elsewhere/\n");
  ASSERT_EQ(Run({"install", "--disc", disc, "--force"}).status, 0);
  // Changed by hand since: uninstalling leaves them.
  WriteFile(settings(), "[General]\ncdPath=/changed/\n");
  EXPECT_EQ(Run({"install", "--uninstall"}).status, 0);
  EXPECT_TRUE(Exists(settings()));
}

// --- Links, owners and names ---

// Lists a tree before and after, so that a test shows what changed in it.
class TreeWatch {
 public:
  explicit TreeWatch(std::string root) : root_(std::move(root)), before_(TreeOf(root_)) {}
  std::vector<std::string> Before() const { return before_; }
  std::vector<std::string> Now() const { return TreeOf(root_); }

 private:
  std::string root_;
  std::vector<std::string> before_;
};

TEST_F(CliInstall, uninstall_neverDeletesThroughALinkedDirectoryInAListedPath) {
  const std::string disc = dir_ / "disc";
  const std::string target = dir_ / "target";
  const std::string outside = dir_ / "outside";
  MakeMinimalDisc(disc);
  ASSERT_EQ(Run({"install", "--disc", disc, "--to", target}).status, 0);
  // Someone swaps an installed directory for a link to files of the same names.
  WriteFile(outside + "/799.htm", "not the viewer's");
  fs::remove_all(target + "/Data");
  fs::create_directory_symlink(outside, target + "/Data");
  const TreeWatch watch(outside);

  EXPECT_EQ(Run({"install", "--uninstall", "--to", target}).status, 0);
  EXPECT_EQ(watch.Now(), watch.Before());
  EXPECT_EQ(ReadFile(outside + "/799.htm"), "not the viewer's");
}

TEST_F(CliInstall, uninstall_byAPlantedRecord_removesNothingOutsideTheTarget) {
  const std::string disc = dir_ / "disc";
  const std::string target = dir_ / "target";
  const std::string outside = dir_ / "outside";
  MakeMinimalDisc(disc);
  ASSERT_EQ(Run({"install", "--disc", disc, "--to", target}).status, 0);
  // Settings of the same text elsewhere, and an empty directory above them.
  WriteFile(outside + "/Kestrava/VNQE.conf", ReadFile(settings()));
  fs::create_directories(outside + "/empty");
  WriteFile(target + "/.velmora-install",
            "velmora-install 1\ndisc=" + disc + "\nsettings=" + outside +
                "/Kestrava/VNQE.conf\ntarget-created=0\nparent=" + outside +
                "/Kestrava\nparent=" + outside + "/empty\nfile=Data/799.htm\nfile=Data/gone.htm\n");
  const TreeWatch watch(outside);

  const CliResult uninstall = Run({"install", "--uninstall", "--to", target});
  EXPECT_EQ(uninstall.status, 0) << uninstall.err;
  EXPECT_NE(uninstall.out.find("Removed 1 files"), std::string::npos) << uninstall.out;
  EXPECT_NE(uninstall.out.find("Left alone: 1 listed files"), std::string::npos) << uninstall.out;
  EXPECT_EQ(watch.Now(), watch.Before());
}

TEST_F(CliInstall, install_neverWritesThroughALinkPlantedInTheTarget) {
  const std::string disc = dir_ / "disc";
  const std::string target = dir_ / "target";
  const std::string outside = dir_ / "outside";
  MakeMinimalDisc(disc);
  ASSERT_EQ(Run({"install", "--disc", disc, "--to", target}).status, 0);
  fs::remove_all(target + "/Data");
  fs::create_directories(outside);
  fs::create_directory_symlink(outside, target + "/Data");
  const TreeWatch watch(outside);

  // The same disc again needs no --force; neither run writes through the link.
  const CliResult again = Run({"install", "--disc", disc, "--to", target});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("cannot"), std::string::npos) << again.err;
  EXPECT_EQ(Run({"install", "--disc", disc, "--to", target, "--force"}).status, 1);
  EXPECT_EQ(watch.Now(), watch.Before());
  EXPECT_EQ(watch.Now(), std::vector<std::string>{});
}

TEST_F(CliInstall, disc_withLinkedTopDirectoryOrLinkedFiles_copiesNothingFromElsewhere) {
  const std::string disc = dir_ / "disc";
  const std::string secrets = dir_ / "secrets";
  MakeMinimalDisc(disc);
  WriteFile(secrets + "/key.txt", "secret");
  // A file that is a link is not the disc's own: it is not copied.
  fs::create_symlink(secrets + "/key.txt", disc + "/Data/key.htm");
  const TreeWatch homeWatch(home());
  const CliResult withFileLink = Run({"install", "--disc", disc});
  ASSERT_EQ(withFileLink.status, 0) << withFileLink.err;
  EXPECT_TRUE(Exists(installed() + "/Data/799.htm"));
  EXPECT_FALSE(Exists(installed() + "/Data/key.htm"));
  ASSERT_EQ(Run({"install", "--uninstall"}).status, 0);
  EXPECT_EQ(homeWatch.Now(), homeWatch.Before());

  // A top directory that is a link is refused with a message, before anything is written.
  fs::remove_all(disc + "/Foto");
  fs::create_directory_symlink(secrets, disc + "/Foto");
  const CliResult refused = Run({"install", "--disc", disc});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Foto is a link"), std::string::npos) << refused.err;
  EXPECT_EQ(homeWatch.Now(), homeWatch.Before());
}

TEST_F(CliInstall, targetOpenToOthersOrOfAnotherUser_isRefused) {
  const std::string disc = dir_ / "disc";
  const std::string target = dir_ / "target";
  MakeMinimalDisc(disc);
  fs::create_directories(target);
  ASSERT_EQ(::chmod(target.c_str(), 0777), 0);
  const TreeWatch watch(target);
  const CliResult open = Run({"install", "--disc", disc, "--to", target, "--force"});
  EXPECT_EQ(open.status, 1);
  EXPECT_NE(open.err.find("writable by group or others"), std::string::npos) << open.err;
  EXPECT_EQ(watch.Now(), watch.Before());

  // Installed, then opened to others: uninstalling removes nothing.
  ASSERT_EQ(::chmod(target.c_str(), 0755), 0);
  ASSERT_EQ(Run({"install", "--disc", disc, "--to", target, "--force"}).status, 0);
  ASSERT_EQ(::chmod(target.c_str(), 0775), 0);
  const TreeWatch installed(target);
  EXPECT_EQ(Run({"install", "--uninstall", "--to", target}).status, 1);
  EXPECT_EQ(installed.Now(), installed.Before());

  if (::geteuid() == 0) {
    // Only root can hand a directory to another user.
    ASSERT_EQ(::chmod(target.c_str(), 0755), 0);
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    const CliResult foreign = Run({"install", "--uninstall", "--to", target});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_NE(foreign.err.find("belongs to another user"), std::string::npos) << foreign.err;
    EXPECT_EQ(installed.Now(), installed.Before());
  }
}

TEST_F(CliInstall, controlCharactersInPaths_areRefused) {
  const std::string disc = dir_ / "disc";
  MakeMinimalDisc(disc);
  const TreeWatch homeWatch(home());
  // The manifest and the settings hold one value a line.
  const CliResult newline = Run({"install", "--disc", disc + "\ncdPath=/x/"});
  EXPECT_EQ(newline.status, 2);
  EXPECT_NE(newline.err.find("control character"), std::string::npos);
  EXPECT_EQ(Run({"install", "--disc", disc, "--to", dir_ / "t\x1b[2J"}).status, 2);

  WriteFile(disc + "/Foto/a\nb.jpg", "x");
  const CliResult name = Run({"install", "--disc", disc});
  EXPECT_EQ(name.status, 1);
  EXPECT_NE(name.err.find("control character"), std::string::npos) << name.err;
  EXPECT_EQ(homeWatch.Now(), homeWatch.Before());
  EXPECT_FALSE(Exists(settings()));
}

TEST_F(CliInstall, badArguments_areRefused) {
  EXPECT_EQ(Run({"install"}).status, 2);
  EXPECT_EQ(Run({"install", "--disc"}).status, 2);
  EXPECT_EQ(Run({"install", "--uninstall", "--disc", "x"}).status, 2);
  EXPECT_EQ(Run({"install", "--disc", dir_ / "nothing"}).status, 1);
  TempDir notADisc;
  WriteFile(notADisc / "Data/799.htm", "x");
  EXPECT_EQ(Run({"install", "--disc", notADisc.path()}).status, 1);
  EXPECT_EQ(Run({"install", "--uninstall"}).status, 1);  // nothing installed
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

// --- A full disk ---

TEST_F(CliInstall, reinstallOnAFullDisk_saysSoAndKeepsTheEarlierCopyAndSettings) {
  const std::string small = dir_ / "small";
  const SmallFilesystem filesystem(small, "size=1m,nr_inodes=48");
  if (!filesystem.mounted()) GTEST_SKIP() << "mounting a small filesystem needs root";
  const std::string target = small + "/disc";
  const std::string first = dir_ / "first";
  MakeMinimalDisc(first);
  ASSERT_EQ(Run({"install", "--disc", first, "--to", target}).status, 0);
  const TreeWatch copy(target);
  const std::string settingsBefore = ReadFile(settings());

  // Room for the files' bytes but not for their number: the disk fills on the way.
  const std::string many = dir_ / "many";
  MakeMinimalDisc(many);
  for (int i = 0; i < 40; ++i) WriteFile(many + "/Data/" + std::to_string(i) + ".htm", "x");
  const CliResult full = Run({"install", "--disc", many, "--to", target, "--force"});
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("no space left on the device"), std::string::npos) << full.err;
  EXPECT_EQ(copy.Now(), copy.Before());
  EXPECT_EQ(ReadFile(settings()), settingsBefore);
  const auto beside = [&] {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(small)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  };
  EXPECT_EQ(beside(), std::vector<std::string>{"disc"}) << "no half copy beside it";

  // More bytes than are free: refused before anything is written.
  const std::string big = dir_ / "big";
  MakeMinimalDisc(big);
  WriteFile(big + "/Foto/big.jpg", std::string(2 << 20, 'x'));
  const CliResult refused = Run({"install", "--disc", big, "--to", target, "--force"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("not enough free space in " + small), std::string::npos)
      << refused.err;
  EXPECT_EQ(copy.Now(), copy.Before());
  EXPECT_EQ(ReadFile(settings()), settingsBefore);

  // The earlier copy still works and goes whole.
  const CliResult check = Run({"check", "--settings", settings()});
  EXPECT_EQ(check.err, "");
  EXPECT_EQ(Run({"install", "--uninstall", "--to", target}).status, 0);
  EXPECT_EQ(TreeOf(small), std::vector<std::string>{});
}

}  // namespace
}  // namespace velmora::test
