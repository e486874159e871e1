// velmora-cli install from a disc image, made here from the demo disc with
// xorriso or genisoimage: plain ISO 9660 level 1 (upper-case 8.3 names),
// Joliet, and Joliet with Rock Ridge. The whole disc is installed without
// mounting, the settings name the copy for both roots, and uninstalling
// leaves nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// The image maker: xorriso in its mkisofs mode, else genisoimage. Empty
// when neither is installed.
std::vector<std::string> ImageMaker() {
  if (const std::string xorriso = FindTool("xorriso"); !xorriso.empty()) {
    return {xorriso, "-as", "mkisofs", "-quiet"};
  }
  if (const std::string genisoimage = FindTool("genisoimage"); !genisoimage.empty()) {
    return {genisoimage, "-quiet"};
  }
  return {};
}

bool MakeImage(const std::vector<std::string>& options, const std::string& image) {
  std::vector<std::string> command = ImageMaker();
  const bool xorriso = command.front().ends_with("xorriso");
  // xorriso adds Rock Ridge names unless told not to; genisoimage only when asked.
  const bool rockRidge = std::find(options.begin(), options.end(), "-R") != options.end();
  if (xorriso && !rockRidge) command.push_back("--norock");
  command.insert(command.end(), options.begin(), options.end());
  command.insert(command.end(), {"-o", image, VELMORA_SAMPLE_CONTENT});
  return RunQuietly(command);
}

class CliInstallImage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ImageMaker().empty()) GTEST_SKIP() << "neither xorriso nor genisoimage is installed";
    fs::create_directories(home());
  }
  std::string home() const { return dir_ / "home"; }
  std::string settings() const { return home() + "/.config/Kestrava/VNQE.conf"; }
  std::string installed() const { return home() + "/.local/share/velmora/disc"; }
  CliResult Run(const std::vector<std::string>& args) {
    return RunCliInHome(dir_.path(), home(), args);
  }

  TempDir dir_;
};

TEST_F(CliInstallImage, plainLevelOneImage_installsTheWholeDiscInCapitals) {
  const std::string image = dir_ / "PLYTA.ISO";
  ASSERT_TRUE(MakeImage({"-iso-level", "1"}, image));
  const CliResult install = Run({"install", "--disc", image});
  ASSERT_EQ(install.status, 0) << install.err;
  EXPECT_EQ(ReadFile(settings()),
            "[General]\ncdPath=" + installed() + "/\ninstPath=" + installed() + "/\n");
  for (const char* file : {"ANIM/START.EXE", "ANIM/FIN.EXE", "ANIM/BOBRY.AVI", "MAP/MP_RP108.GIF",
                           "DATA/799.HTM", "DB/RP.CSV", "MAKIETY/RP.HTM", "FOTO/F0201.JPG"}) {
    EXPECT_TRUE(Exists(installed() + "/" + file)) << file;
  }
  // 8.3 names of capitals, digits and "_": longer ones are cut, as on such a disc.
  EXPECT_TRUE(Exists(installed() + "/DATA/RAMY_SPI.HTM"));
  EXPECT_EQ(ReadFile(installed() + "/DB/RP.CSV"),
            ReadFile(std::string(VELMORA_SAMPLE_CONTENT) + "/DB/RP.CSV"));

  EXPECT_EQ(Run({"install", "--uninstall"}).status, 0);
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

TEST_F(CliInstallImage, jolietImage_keepsTheNamesAndChecksAsTheDiscDoes) {
  const std::string image = dir_ / "plyta.iso";
  ASSERT_TRUE(MakeImage({"-J", "-joliet-long"}, image));
  const CliResult install = Run({"install", "--disc", image});
  ASSERT_EQ(install.status, 0) << install.err;
  EXPECT_NE(install.out.find("from " + image), std::string::npos) << install.out;
  for (const char* file : {"Anim/start.exe", "Anim/dawny.avi", "Map/ml-rp108.jpg",
                           "Data/ramy_spis.htm", "Data/pics/laka.bmp", "DB/DRZEWO1.CSV"}) {
    EXPECT_TRUE(Exists(installed() + "/" + file)) << file;
  }
  // The copy holds the same faults as the disc, no more.
  const CliResult check = Run({"check", "--settings", settings(), "--json"});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.lines.size(), 5u) << check.out;

  // Again: the installation is replaced, not refused.
  ASSERT_EQ(Run({"install", "--disc", image}).status, 0);
  EXPECT_EQ(Run({"install", "--uninstall"}).status, 0);
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

TEST_F(CliInstallImage, rockRidgeImage_keepsTheProgramsRunnable) {
  const std::string image = dir_ / "plyta-rr.iso";
  ASSERT_TRUE(MakeImage({"-J", "-R"}, image));
  ASSERT_EQ(Run({"install", "--disc", image}).status, 0);
  const CliResult replay = Run({"replay", "--settings", settings()});
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(Grep(replay.lines, {"\"MessageBox\""}), std::vector<std::string>{});
  EXPECT_EQ(
      Grep(replay.lines, {"\"LaunchProgram\"", installed() + "/Anim/start.exe", "\"started\":true"})
          .size(),
      1u)
      << replay.out;
  // The execute bits the image records, and only they.
  for (const char* program : {"start.exe", "fin.exe", "krazenie.exe"}) {
    const fs::perms perms = fs::status(installed() + "/Anim/" + program).permissions();
    EXPECT_EQ(perms & fs::perms::owner_exec, fs::perms::owner_exec) << program;
  }
  EXPECT_EQ(fs::status(installed() + "/Anim/bobry.avi").permissions() & fs::perms::owner_exec,
            fs::perms::none);
  EXPECT_EQ(Run({"install", "--uninstall"}).status, 0);
}

TEST_F(CliInstallImage, fileThatIsNoImage_isRefusedAndNothingIsWritten) {
  WriteFile(dir_ / "broken.iso", std::string(70000, 'x'));
  const CliResult refused = Run({"install", "--disc", dir_ / "broken.iso"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("cannot read the disc image"), std::string::npos) << refused.err;
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

}  // namespace
}  // namespace velmora::test
