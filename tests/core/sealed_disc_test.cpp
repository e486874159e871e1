// A disc whose files are links leading out of it: what they lead to is never
// read, copied, started or played, and the program behaves as if the file
// were missing. Links that stay inside the disc keep working.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "app/texts.h"
#include "navigation/dictionary.h"
#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"
#include "tests/support/fake_platform.h"
#include "windows/media_texts.h"

namespace velmora::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSecret = "the user's secret";

class SealedDisc : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Write("outside/secret.txt", kSecret);
    tree.Write("outside/private.avi", kSecret);
  }

  // Replaces the entry by a link to target.
  void Link(const std::string& entry, const std::string& target) {
    fs::remove_all(tree.Path(entry));
    fs::create_directories(tree.Path(entry).parent_path());
    fs::create_symlink(target, tree.Path(entry));
  }

  // Starts a viewer on the tree, as the main window's start-up does.
  void Start() {
    files = std::make_unique<platform::NativeFileSystem>(tree.TempPath());
    fake = std::make_unique<test::FakePlatform>(*files);
    fake->settings.key = platform::ContentKey{tree.ContentRoot(), tree.ContentRoot()};
    form = std::make_unique<TMainForm>(fake->platform);
  }

  void Click(const std::string& address) {
    bool cancel = false;
    fake->browsers["MainWebBrowser"].events.BeforeNavigate2(address, cancel);
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const test::RecordedMessage& message : fake->ui.messages) texts.push_back(message.text);
    return texts;
  }

  // Whether any file below the working directory holds the secret.
  bool SecretInWorkingDirectory() const {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(tree.Path("tmp"), ec), end; !ec && it != end;
         it.increment(ec)) {
      if (it->is_regular_file() &&
          tree.Read(it->path().lexically_relative(tree.Root()).string()).find(kSecret) !=
              std::string::npos) {
        return true;
      }
    }
    return false;
  }

  test::ContentTree tree;
  std::unique_ptr<platform::NativeFileSystem> files;
  std::unique_ptr<test::FakePlatform> fake;
  std::unique_ptr<TMainForm> form;
};

TEST_F(SealedDisc, supportFilesLinkedOut_areNotCopied_thoseLinkedInsideAre) {
  Link("cd/Makiety/econet_fr.html", tree.Path("outside/secret.txt").string());
  Link("cd/Data/lock.vnq", "../../outside/secret.txt");
  Link("cd/Data/pics", tree.Path("outside").string());  // pk.jpg and pn.jpg through a directory
  tree.Write("cd/Style/real.css", "inside the disc");
  Link("cd/Data/styledb.css", "../Style/real.css");
  Start();
  EXPECT_TRUE(form->OwnsWorkingDirectory());
  for (const char* name : {"econet_fr.html", "lock.vnq", "pk.jpg", "pn.jpg"}) {
    EXPECT_FALSE(tree.Exists(std::string("tmp/VNQETMP/") + name)) << name;
  }
  EXPECT_EQ(tree.Read("tmp/VNQETMP/styledb.css"), "inside the disc");
  EXPECT_EQ(tree.Read("tmp/VNQETMP/f.jpg"), "template f.jpg");
  EXPECT_FALSE(SecretInWorkingDirectory());
  EXPECT_EQ(Messages(), std::vector<std::string>{});  // as missing files: silently
}

TEST_F(SealedDisc, templateLinkedOut_isAMissingTemplate_oneLinkedInsideIsUsed) {
  tree.Write("cd/DB/RP.CSV", "1;Las;Opis\r\n2;Bor;Opis\r\n");
  Link("cd/Makiety/rp.html", "../../outside/secret.txt");
  Start();
  Click("http://db?rp1");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], "Brak pliku: " + tree.ContentRoot() + "Makiety/rp.html");
  EXPECT_FALSE(SecretInWorkingDirectory());

  tree.Write("cd/Makiety/Real/rp.html", "<title>temat: @kol2@</title>");
  Link("cd/Makiety/rp.html", "Real/rp.html");
  Click("http://db?rp2");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_NE(tree.Read("tmp/VNQETMP/$$RP_2.html").find("temat: Bor"), std::string::npos);
}

TEST_F(SealedDisc, definitionFileLinkedOut_readsAsMissingDefinition) {
  tree.Write("cd/DB/DICT.CSV", "las;Las;<--file-->\r\nbor;Bor;<--file-->\r\n");
  Link("cd/DB/las.dic", tree.Path("outside/secret.txt").string());
  tree.Write("cd/Slownik/bor.txt", "gesty las");
  Link("cd/DB/bor.dic", "../Slownik/bor.txt");
  Start();
  const std::string las = form->LookupDefinition(navigation::DefinitionKind::Dictionary, "las");
  EXPECT_EQ(las.find(kSecret), std::string::npos) << las;
  EXPECT_NE(las.find(navigation::kDefinitionMissing), std::string::npos) << las;
  EXPECT_NE(form->LookupDefinition(navigation::DefinitionKind::Dictionary, "bor").find("gesty las"),
            std::string::npos);
}

TEST_F(SealedDisc, namesLeadingOutThroughDotsOrLetterCase_readAsMissing) {
  tree.Write("cd/DB/RP.CSV", "1;Las;Opis\r\n");
  Link("cd/Makiety/Inne", tree.Path("outside").string());
  Start();
  const std::string root = tree.ContentRoot();
  for (const std::string& path :
       {root + "Data/../../outside/secret.txt", root + "MAKIETY/INNE/SECRET.TXT",
        root + "makiety/Inne/secret.txt"}) {
    EXPECT_FALSE(files->FileExists(path)) << path;
    EXPECT_EQ(files->ReadFile(path), std::nullopt) << path;
    EXPECT_EQ(files->MapFile(path), nullptr) << path;
    EXPECT_FALSE(files->CopyFile(path, tree.TempPath() + "VNQETMP/copy.txt")) << path;
  }
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/copy.txt"));
  // The disc's own files, in any case, still read.
  EXPECT_NE(files->ReadFile(root + "db/rp.csv"), std::nullopt);
  ASSERT_NE(files->MapFile(root + "DB/RP.CSV"), nullptr);
}

TEST_F(SealedDisc, animationDirectoryLinkedOut_nothingStartsOrPlays) {
  for (const char* name : {"start.exe", "fin.exe", "krazenie.exe", "las.avi"}) {
    tree.Write(std::string("outside/anim/") + name, "");
  }
  Link("cd/Anim", tree.Path("outside/anim").string());
  Start();
  form->FormShow();
  Click("http://db?animkrazenie");
  form->ShowMovie("las");
  form->FormClose();
  EXPECT_EQ(fake->processes.started, std::vector<std::string>{});
  EXPECT_EQ(fake->shell.started, std::vector<std::string>{});
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{texts::kLaunchFailed, "Brak pliku:\r\n krazenie",
                                      "Brak pliku:\n " + tree.ContentRoot() + "Anim/las.avi",
                                      texts::kLaunchFailed}));
}

TEST_F(SealedDisc, filmsOnlyFromTheAnimationDirectory_linksInsideTheDiscKept) {
  tree.Write("cd/Data/inne.avi", "a film of another directory");
  // The animation directory a link to another directory of the disc, the
  // film a link within it.
  fs::rename(tree.Path("cd/Anim"), tree.Path("cd/Media"));
  Link("cd/Anim", "Media");
  tree.Write("cd/Media/Filmy/las.avi", "film");
  Link("cd/Media/las.avi", "Filmy/las.avi");
  Start();
  form->FormShow();
  form->ShowMovie("../../outside/private");
  form->ShowMovie("../Data/inne");
  const std::string anim = tree.ContentRoot() + "Anim/";
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"Brak pliku:\n " + anim + "../../outside/private.avi",
                                      "Brak pliku:\n " + anim + "../Data/inne.avi"}));
  // The film inside the disc reaches the player (one that plays nothing).
  form->ShowMovie("las");
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[2], windows::media_texts::kMovieCannotPlay + anim + "las.avi");
  EXPECT_EQ(fake->processes.started,
            std::vector<std::string>{tree.ContentRoot() + "Media/start.exe"});
}

}  // namespace
}  // namespace velmora::app
