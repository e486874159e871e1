// Generated file names and the save-and-show step, on a real directory.
#include "pages/generated_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"
#include "tests/support/fake_platform.h"

namespace velmora::pages {
namespace {

namespace fs = std::filesystem;

// Writes can be made to fail, as on a full disk.
class FlakyFiles : public platform::NativeFileSystem {
 public:
  bool WriteFile(const std::string& path, const std::string& bytes) override {
    return !failWrites && NativeFileSystem::WriteFile(path, bytes);
  }
  bool failWrites = false;
};

std::set<std::string> AllFiles(const fs::path& root) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    files.insert(fs::relative(entry.path(), root).string());
  }
  return files;
}

class SaveAndShowTest : public ::testing::Test {
 protected:
  SaveAndShowTest() {
    fs::create_directories(tree.Path("tmp/VNQETMP"));
    workDir = tree.TempPath() + "VNQETMP/";
    buffer.SetText("<html>page</html>");
  }

  test::ContentTree tree;
  FlakyFiles files;
  PageBuffer buffer{files};
  test::FakeUi ui;
  test::FakeBrowser browser;
  std::string workDir;
};

// --- names

TEST(GeneratedFileName, ordinaryKeys_keepTheirExactName) {
  EXPECT_EQ(GeneratedFileName("title"), "$$title.html");
  EXPECT_EQ(GeneratedFileName("RP_", "12a"), "$$RP_12a.html");
  EXPECT_EQ(GeneratedFileName("OChK_", "Dolina Baryczy-2.1"), "$$OChK_Dolina Baryczy-2.1.html");
  // Polish letters in Windows-1250: "Łódź", and a word with '&'; '#' and '%'
  // are escaped, since an address would read them differently.
  EXPECT_EQ(GeneratedFileName("dict", "\xA3\xF3\x64\x9F"), "$$dict\xA3\xF3\x64\x9F.html");
  EXPECT_EQ(GeneratedFileName("dict", "a%20b&c#d"), "$$dicta%2520b&c%23d.html");
}

TEST(GeneratedFileName, hostileKeys_cannotNameAnotherDirectory) {
  EXPECT_EQ(GeneratedFileName("RP_", "../../etc/passwd"), "$$RP_..%2F..%2Fetc%2Fpasswd.html");
  EXPECT_EQ(GeneratedFileName("RP_", "..\\..\\x"), "$$RP_..%5C..%5Cx.html");
  EXPECT_EQ(GeneratedFileName("PK_", "C:x"), "$$PK_C%3Ax.html");
  EXPECT_EQ(GeneratedFileName("RP_", std::string("a\0b", 3)), "$$RP_a%00b.html");
  EXPECT_EQ(GeneratedFileName("RP_", "\r\n*?\"<>|"), "$$RP_%0D%0A%2A%3F%22%3C%3E%7C.html");
  EXPECT_EQ(GeneratedFileName("RP_", ".."), "$$RP_...html");
  // An address would cut the name at "#" and read "%41" as "A".
  EXPECT_EQ(GeneratedFileName("RP_", "a#b"), "$$RP_a%23b.html");
  EXPECT_EQ(GeneratedFileName("RP_", "%41"), "$$RP_%2541.html");
  EXPECT_NE(GeneratedFileName("RP_", "%41"), GeneratedFileName("RP_", "A"));
}

// --- save and show

TEST_F(SaveAndShowTest, writtenPage_isShownByItsFullPath) {
  EXPECT_TRUE(
      SaveAndShow(buffer, workDir, "$$RP_7.html", browser, "Make Dynamic Error", files, ui));
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$RP_7.html"), "<html>page</html>");
  ASSERT_EQ(browser.navigations.size(), 1u);
  EXPECT_EQ(browser.navigations[0], workDir + "$$RP_7.html");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveAndShowTest, sameKeyTwice_overwritesAndTwoKeysLeaveTwoFiles) {
  SaveAndShow(buffer, workDir, "$$RP_1.html", browser, "c", files, ui);
  buffer.SetText("second");
  SaveAndShow(buffer, workDir, "$$RP_1.html", browser, "c", files, ui);
  SaveAndShow(buffer, workDir, "$$RP_2.html", browser, "c", files, ui);
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$RP_1.html"), "second");
  EXPECT_EQ(AllFiles(tree.Path("tmp/VNQETMP")),
            (std::set<std::string>{"$$RP_1.html", "$$RP_2.html"}));
}

TEST_F(SaveAndShowTest, failedWriteWithoutOlderFile_reportsBrakPlikuAndStays) {
  files.failWrites = true;
  EXPECT_FALSE(
      SaveAndShow(buffer, workDir, "$$RP_9.html", browser, "Make Dynamic Error", files, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Brak pliku: " + workDir + "$$RP_9.html");
  EXPECT_EQ(ui.messages[0].caption, "Make Dynamic Error");
  EXPECT_EQ(ui.messages[0].icon, platform::Icon::Stop);
  EXPECT_TRUE(browser.navigations.empty());
}

TEST_F(SaveAndShowTest, failedWriteWithOlderFile_showsTheOlderPage) {
  tree.Write("tmp/VNQETMP/$$menu.html", "older");
  files.failWrites = true;
  EXPECT_TRUE(SaveAndShow(buffer, workDir, "$$menu.html", browser, "Duza mapa", files, ui));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$menu.html"), "older");
  EXPECT_EQ(browser.navigations.size(), 1u);
}

TEST_F(SaveAndShowTest, hostileKeys_writeOnlyInsideTheWorkingDirectory) {
  const std::set<std::string> before = AllFiles(tree.Root());
  const std::string keys[] = {"../../x",   "../tmp2",    "/etc/x",
                              "..\\..\\y", "C:\\z",      std::string("n\0m", 3),
                              "..",        "sub/../../q"};
  for (const std::string& key : keys) {
    SaveAndShow(buffer, workDir, GeneratedFileName("RP_", key), browser, "c", files, ui);
  }
  EXPECT_TRUE(ui.messages.empty());
  for (const std::string& file : AllFiles(tree.Root())) {
    if (before.count(file)) continue;
    EXPECT_EQ(fs::path(file).parent_path(), fs::path("tmp/VNQETMP")) << file;
  }
  EXPECT_EQ(AllFiles(tree.Path("tmp/VNQETMP")).size(), std::size(keys));
}

TEST_F(SaveAndShowTest, plantedLinkUnderAGeneratedName_isNotWrittenThrough) {
  tree.Write("outside/victim.txt", "precious");
  fs::create_symlink(tree.Path("outside/victim.txt"), tree.Path("tmp/VNQETMP/$$RP_1.html"));
  SaveAndShow(buffer, workDir, "$$RP_1.html", browser, "c", files, ui);
  EXPECT_EQ(tree.Read("outside/victim.txt"), "precious");
}

}  // namespace
}  // namespace velmora::pages
