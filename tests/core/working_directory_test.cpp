// The working directory on a real temporary directory: start-up copies the
// support files in, closing the main window takes out only what the program
// put there.
#include "app/working_directory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/main_form.h"
#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"
#include "tests/support/fake_platform.h"

namespace velmora::app {
namespace {

namespace fs = std::filesystem;

const char* const kSupportNames[] = {"f.jpg",      "arrow.gif", "wstecz.gif",  "econet_fr.html",
                                     "blankb.htm", "lock.vnq",  "styledb.css", "bgr.jpg",
                                     "pk.jpg",     "pn.jpg"};

// One running viewer: its own file system object (and so its own locks) and
// fakes for everything else.
struct Viewer {
  explicit Viewer(const test::ContentTree& tree) : files(tree.TempPath()), fake(files) {
    fake.settings.key = platform::ContentKey{tree.ContentRoot(), tree.ContentRoot()};
    form = std::make_unique<TMainForm>(fake.platform);
  }

  platform::NativeFileSystem files;
  test::FakePlatform fake;
  std::unique_ptr<TMainForm> form;
};

class WorkingDirectoryTest : public ::testing::Test {
 protected:
  test::ContentTree tree;
};

// --- start-up

TEST_F(WorkingDirectoryTest, startup_createsOwnDirectoryWithTheTenSupportFiles) {
  Viewer viewer(tree);
  EXPECT_TRUE(viewer.form->OwnsWorkingDirectory());
  EXPECT_EQ(viewer.form->Paths().workDir, tree.TempPath() + "VNQETMP/");
  for (const char* name : kSupportNames) {
    EXPECT_TRUE(tree.Exists(std::string("tmp/VNQETMP/") + name)) << name;
  }
  EXPECT_EQ(tree.Read("tmp/VNQETMP/pk.jpg"), "data pics/pk.jpg");
  EXPECT_EQ(tree.Read("tmp/VNQETMP/econet_fr.html"), "template econet_fr.html");
  EXPECT_TRUE(viewer.fake.ui.messages.empty());
}

TEST_F(WorkingDirectoryTest, startup_missingSourceIsSkippedSilently) {
  fs::remove(tree.Path("cd/Data/pics/pn.jpg"));
  Viewer viewer(tree);
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/pn.jpg"));
  EXPECT_TRUE(tree.Exists("tmp/VNQETMP/pk.jpg"));
  EXPECT_TRUE(viewer.fake.ui.messages.empty());
  viewer.form->FormClose();  // deleting the missing copy fails silently
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

TEST_F(WorkingDirectoryTest, startup_showsLoadingWindowUntilConstructionEnds) {
  platform::NativeFileSystem files(tree.TempPath());
  test::FakePlatform fake(files);
  fake.settings.key = platform::ContentKey{tree.ContentRoot(), tree.ContentRoot()};
  bool shownBeforeWorkDir = false;
  fake.ui.onShowWindow = [&](const std::string& window) {
    if (window == "LoadingForm") shownBeforeWorkDir = !tree.Exists("tmp/VNQETMP");
  };
  int pumpsWhileShown = 0;
  fake.ui.onProcessMessages = [&] { pumpsWhileShown += fake.ui.visible["LoadingForm"] ? 1 : 0; };
  TMainForm form(fake.platform);
  EXPECT_TRUE(shownBeforeWorkDir);
  EXPECT_EQ(fake.ui.windowsShown, std::vector<std::string>{"LoadingForm"});
  EXPECT_EQ(fake.ui.windowsHidden, std::vector<std::string>{"LoadingForm"});
  EXPECT_GE(pumpsWhileShown, 10);  // once after showing, once per table
  EXPECT_FALSE(fake.ui.visible["LoadingForm"]);
}

TEST_F(WorkingDirectoryTest, contentMissing_showsNoLoadingWindowAndCreatesNothing) {
  fs::remove(tree.Path("cd/Anim/start.exe"));
  Viewer viewer(tree);
  EXPECT_TRUE(viewer.form->ContentMissing());
  EXPECT_TRUE(viewer.fake.ui.windowsShown.empty());
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

// --- shut-down of an own directory

TEST_F(WorkingDirectoryTest, formClose_emptiesAndRemovesOwnDirectoryThenRunsFin) {
  Viewer viewer(tree);
  tree.Write("tmp/VNQETMP/$$RP_1.html", "page");
  tree.Write("tmp/VNQETMP/no-extension", "x");
  viewer.form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
  EXPECT_TRUE(tree.Exists("tmp"));
  const auto& ui = viewer.fake.ui;
  EXPECT_EQ(ui.colors.at("MainForm"), 0x000000u);
  EXPECT_FALSE(ui.visible.at("Panel1"));
  EXPECT_FALSE(ui.visible.at("Panel2"));
  EXPECT_FALSE(ui.visible.at("Panel3"));
  ASSERT_FALSE(viewer.fake.processes.started.empty());
  EXPECT_EQ(viewer.fake.processes.started.back(), tree.ContentRoot() + "Anim/fin.exe");
  EXPECT_EQ(viewer.fake.processes.closed.size(), 1u);  // waited for and closed
  EXPECT_TRUE(ui.enabled.at("MainForm"));
}

TEST_F(WorkingDirectoryTest, formClose_finMissingReportsLaunchErrorAfterCleanUp) {
  Viewer viewer(tree);
  viewer.fake.processes.missing[tree.ContentRoot() + "Anim/fin.exe"] = true;
  viewer.form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
  ASSERT_EQ(viewer.fake.ui.messages.size(), 1u);
  EXPECT_EQ(viewer.fake.ui.messages[0].caption, "Error");
}

TEST_F(WorkingDirectoryTest, formClose_deletesReadOnlySupportFile) {
  Viewer viewer(tree);
  fs::permissions(tree.Path("tmp/VNQETMP/bgr.jpg"), fs::perms::owner_read);
  viewer.form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

TEST_F(WorkingDirectoryTest, formClose_leavesSubdirectoryAndSoTheDirectory) {
  Viewer viewer(tree);
  tree.Write("tmp/VNQETMP/sub/inner.txt", "kept");
  viewer.form->FormClose();
  EXPECT_TRUE(tree.Exists("tmp/VNQETMP/sub/inner.txt"));
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/f.jpg"));
}

TEST_F(WorkingDirectoryTest, formClose_neitherFollowsNorRemovesPlantedLinks) {
  Viewer viewer(tree);
  tree.Write("outside/victim.html", "precious");
  tree.Write("outside/dir/file.txt", "precious too");
  fs::create_symlink(tree.Path("outside/victim.html"), tree.Path("tmp/VNQETMP/$$RP_x.html"));
  fs::create_directory_symlink(tree.Path("outside/dir"), tree.Path("tmp/VNQETMP/linkdir"));
  viewer.form->FormClose();
  EXPECT_EQ(tree.Read("outside/victim.html"), "precious");
  EXPECT_EQ(tree.Read("outside/dir/file.txt"), "precious too");
  EXPECT_TRUE(tree.Exists("tmp/VNQETMP/$$RP_x.html"));  // not a plain file: left alone
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/f.jpg"));
}

TEST_F(WorkingDirectoryTest, startup_doesNotCopyThroughPlantedLinks) {
  tree.Write("outside/victim.jpg", "precious");
  fs::create_directories(tree.Path("tmp/VNQETMP"));
  fs::create_symlink(tree.Path("outside/victim.jpg"), tree.Path("tmp/VNQETMP/f.jpg"));
  Viewer viewer(tree);
  EXPECT_TRUE(viewer.form->OwnsWorkingDirectory());
  EXPECT_EQ(tree.Read("outside/victim.jpg"), "precious");
}

// --- what a viewer ended without its shut-down left behind

TEST_F(WorkingDirectoryTest, leftByAKilledViewer_isEmptiedAtTheNextStartAsShutDownWould) {
  tree.Write("outside/victim.html", "precious");
  tree.Write("tmp/VNQETMP/$$RP_1.html", "old page");
  tree.Write("tmp/VNQETMP/no-extension", "x");
  tree.Write("tmp/VNQETMP/f.jpg", "an old copy");
  tree.Write("tmp/VNQETMP/sub/inner.txt", "kept");
  fs::permissions(tree.Path("tmp/VNQETMP/f.jpg"), fs::perms::owner_read);
  fs::create_symlink(tree.Path("outside/victim.html"), tree.Path("tmp/VNQETMP/$$link.html"));
  Viewer viewer(tree);
  EXPECT_TRUE(viewer.form->OwnsWorkingDirectory());
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/$$RP_1.html"));
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP/no-extension"));
  EXPECT_EQ(tree.Read("tmp/VNQETMP/f.jpg"), "template f.jpg");
  EXPECT_EQ(tree.Read("tmp/VNQETMP/sub/inner.txt"), "kept");
  EXPECT_TRUE(fs::is_symlink(tree.Path("tmp/VNQETMP/$$link.html")));
  EXPECT_EQ(tree.Read("outside/victim.html"), "precious");
}

TEST_F(WorkingDirectoryTest, leftInASharedDirectory_onlyWhatShutDownTakesGoes) {
  tree.Write("tmp/VNQETMP", "blocker");
  tree.Write("tmp/$$RP_1.html", "old page");
  tree.Write("tmp/$$pages-1.sig", "old signatures");
  for (const char* other : {"other.txt", "$$notes.txt", "F.JPG.bak"}) {
    tree.Write(std::string("tmp/") + other, "foreign");
  }
  Viewer viewer(tree);
  EXPECT_FALSE(viewer.form->OwnsWorkingDirectory());
  EXPECT_FALSE(tree.Exists("tmp/$$RP_1.html"));
  EXPECT_FALSE(tree.Exists("tmp/$$pages-1.sig"));
  for (const char* other : {"other.txt", "$$notes.txt", "F.JPG.bak"}) {
    EXPECT_EQ(tree.Read(std::string("tmp/") + other), "foreign") << other;
  }
}

TEST_F(WorkingDirectoryTest, secondViewersStart_leavesTheFirstOnesPages) {
  Viewer first(tree);
  tree.Write("tmp/VNQETMP/$$RP_first.html", "first's page");
  Viewer second(tree);
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$RP_first.html"), "first's page");
}

// --- a directory that is not the program's own

TEST_F(WorkingDirectoryTest, cannotCreate_fallsBackAndRemovesOnlyOwnFiles) {
  tree.Write("tmp/VNQETMP", "a plain file blocks the directory");
  Viewer viewer(tree);
  EXPECT_FALSE(viewer.form->OwnsWorkingDirectory());
  EXPECT_EQ(viewer.form->Paths().workDir, tree.TempPath());
  EXPECT_TRUE(tree.Exists("tmp/styledb.css"));

  for (const char* other : {"$$x.htm", "other.txt", "$$notes.txt", "x$$a.html", "F.JPG.bak"}) {
    tree.Write(std::string("tmp/") + other, "foreign");
  }
  tree.Write("tmp/$$RP_1.html", "page");
  tree.Write("tmp/$$menu.html", "page");
  tree.Write("tmp/keep/$$inner.html", "in a sub-directory");
  viewer.form->FormClose();

  EXPECT_FALSE(tree.Exists("tmp/$$RP_1.html"));
  EXPECT_FALSE(tree.Exists("tmp/$$menu.html"));
  for (const char* name : kSupportNames) EXPECT_FALSE(tree.Exists(std::string("tmp/") + name));
  for (const char* other : {"$$x.htm", "other.txt", "$$notes.txt", "x$$a.html", "F.JPG.bak"}) {
    EXPECT_EQ(tree.Read(std::string("tmp/") + other), "foreign") << other;
  }
  EXPECT_EQ(tree.Read("tmp/VNQETMP"), "a plain file blocks the directory");
  EXPECT_TRUE(tree.Exists("tmp/keep/$$inner.html"));
  EXPECT_TRUE(tree.Exists("tmp"));
}

TEST_F(WorkingDirectoryTest, pagesMayLoadAllOfAnOwnDirectoryButOnlyOwnFilesOfASharedOne) {
  {
    Viewer own(tree);
    ASSERT_TRUE(own.form->OwnsWorkingDirectory());
    EXPECT_EQ(own.fake.browsers.allowedDirectories,
              (std::vector<std::string>{tree.ContentRoot(), tree.ContentRoot(),
                                        own.form->Paths().workDir}));
    EXPECT_TRUE(own.fake.browsers.allowedFilesIn.empty());
    own.form->FormClose();
  }
  tree.Write("tmp/VNQETMP", "blocker");
  Viewer shared(tree);
  ASSERT_FALSE(shared.form->OwnsWorkingDirectory());
  EXPECT_EQ(shared.fake.browsers.allowedDirectories,
            (std::vector<std::string>{tree.ContentRoot(), tree.ContentRoot()}));
  std::vector<std::string> names{"$$*"};
  for (const char* name : kSupportNames) names.emplace_back(name);
  EXPECT_EQ(shared.fake.browsers.allowedFilesIn,
            (std::map<std::string, std::vector<std::string>>{{tree.TempPath(), names}}));
}

TEST_F(WorkingDirectoryTest, fallback_leavesPlantedLinksAndTheirTargets) {
  tree.Write("tmp/VNQETMP", "blocker");
  tree.Write("outside/victim.css", "precious");
  fs::create_symlink(tree.Path("outside/victim.css"), tree.Path("tmp/styledb.css"));
  fs::create_symlink(tree.Path("outside/victim.css"), tree.Path("tmp/$$evil.html"));
  Viewer viewer(tree);
  viewer.form->FormClose();
  EXPECT_EQ(tree.Read("outside/victim.css"), "precious");
  EXPECT_TRUE(fs::is_symlink(tree.Path("tmp/styledb.css")));
  EXPECT_TRUE(fs::is_symlink(tree.Path("tmp/$$evil.html")));
}

TEST_F(WorkingDirectoryTest, linkedWorkingDirectory_isNotUsed) {
  tree.Write("outside/keep.txt", "precious");
  fs::create_directory_symlink(tree.Path("outside"), tree.Path("tmp/VNQETMP"));
  Viewer viewer(tree);
  EXPECT_FALSE(viewer.form->OwnsWorkingDirectory());
  EXPECT_EQ(viewer.form->Paths().workDir, tree.TempPath());
  EXPECT_FALSE(tree.Exists("outside/f.jpg"));
  viewer.form->FormClose();
  EXPECT_EQ(tree.Read("outside/keep.txt"), "precious");
  EXPECT_TRUE(fs::is_symlink(tree.Path("tmp/VNQETMP")));
}

TEST_F(WorkingDirectoryTest, foreignWorkingDirectory_isNotUsed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a directory to another user";
  fs::create_directories(tree.Path("tmp/VNQETMP"));
  tree.Write("tmp/VNQETMP/theirs.txt", "foreign");
  ASSERT_EQ(::chown(tree.Path("tmp/VNQETMP").c_str(), 65534, 65534), 0);
  Viewer viewer(tree);
  EXPECT_FALSE(viewer.form->OwnsWorkingDirectory());
  viewer.form->FormClose();
  EXPECT_EQ(tree.Read("tmp/VNQETMP/theirs.txt"), "foreign");
}

TEST_F(WorkingDirectoryTest, neverPrepared_removesNothing) {
  tree.Write("cwd/$$a.html", "x");
  const fs::path previous = fs::current_path();
  fs::current_path(tree.Path("cwd"));
  platform::NativeFileSystem files(tree.TempPath());
  CleanWorkingDirectory(files, "", true);
  CleanWorkingDirectory(files, "", false);
  fs::current_path(previous);
  EXPECT_TRUE(tree.Exists("cwd/$$a.html"));
}

// --- two viewers of the same user

TEST_F(WorkingDirectoryTest, secondViewersShutDown_leavesTheFirstOnesPages) {
  auto first = std::make_unique<Viewer>(tree);
  auto second = std::make_unique<Viewer>(tree);
  EXPECT_EQ(first->form->Paths().workDir, second->form->Paths().workDir);
  tree.Write("tmp/VNQETMP/$$RP_first.html", "first's page");

  second->form->FormClose();
  second.reset();
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$RP_first.html"), "first's page");
  EXPECT_TRUE(tree.Exists("tmp/VNQETMP/styledb.css"));

  first->form->FormClose();  // the last one out cleans up
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

TEST_F(WorkingDirectoryTest, firstViewersShutDown_leavesTheSecondOnesPages) {
  auto first = std::make_unique<Viewer>(tree);
  auto second = std::make_unique<Viewer>(tree);  // finds the directory in use
  tree.Write("tmp/VNQETMP/$$RP_second.html", "second's page");

  first->form->FormClose();
  EXPECT_EQ(tree.Read("tmp/VNQETMP/$$RP_second.html"), "second's page");
  EXPECT_TRUE(tree.Exists("tmp/VNQETMP.lock"));

  second->form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

TEST_F(WorkingDirectoryTest, lastViewersShutDown_removesTheLockFile) {
  for (const bool ownDirectory : {true, false}) {
    SCOPED_TRACE(ownDirectory);
    if (!ownDirectory) tree.Write("tmp/VNQETMP", "blocker");
    auto first = std::make_unique<Viewer>(tree);
    auto second = std::make_unique<Viewer>(tree);
    second->form->FormClose();
    EXPECT_TRUE(tree.Exists("tmp/VNQETMP.lock"));
    first->form->FormClose();
    EXPECT_FALSE(tree.Exists("tmp/VNQETMP.lock"));
  }
}

TEST_F(WorkingDirectoryTest, plantedLinkAsLockFile_isLeftAloneAndSoAreThePages) {
  tree.Write("outside/victim", "precious");
  fs::create_directories(tree.Path("tmp"));
  fs::create_symlink(tree.Path("outside/victim"), tree.Path("tmp/VNQETMP.lock"));
  Viewer viewer(tree);
  viewer.form->FormClose();
  EXPECT_TRUE(fs::is_symlink(tree.Path("tmp/VNQETMP.lock")));
  EXPECT_EQ(tree.Read("outside/victim"), "precious");
}

// Whether some process waits in /proc/locks for a lock on the file.
bool LockAwaited(const fs::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return false;
  std::ifstream locks("/proc/locks");
  const std::string inode = ":" + std::to_string(st.st_ino) + " ";
  for (std::string line; std::getline(locks, line);) {
    if (line.find("->") != std::string::npos && line.find(inode) != std::string::npos) return true;
  }
  return false;
}

TEST_F(WorkingDirectoryTest, lockWaitedForWhileTheLastViewerRemovesIt_isTakenOnTheNewFile) {
  const std::string lockFile = tree.TempPath() + "VNQETMP.lock";
  fs::create_directories(tree.Path("tmp"));
  platform::NativeFileSystem last(tree.TempPath());
  ASSERT_TRUE(last.TryLockExclusive(lockFile));

  platform::NativeFileSystem starting(tree.TempPath());
  bool locked = false;
  std::thread start([&] { locked = starting.LockShared(lockFile); });
  while (!LockAwaited(tree.Path("tmp/VNQETMP.lock"))) std::this_thread::yield();
  last.UnlockAndRemove(lockFile);
  start.join();

  ASSERT_TRUE(locked);
  // A third viewer sees the starting one.
  platform::NativeFileSystem third(tree.TempPath());
  EXPECT_FALSE(third.TryLockExclusive(lockFile));
}

TEST_F(WorkingDirectoryTest, viewerEndedWithoutShutDown_doesNotBlockTheCleanUp) {
  auto crashed = std::make_unique<Viewer>(tree);
  crashed.reset();  // its locks go with it, as with a process that died
  Viewer viewer(tree);
  viewer.form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

// --- the search's page signatures, kept on file between searches

// A page to search and the results template.
void AddSearchablePage(const test::ContentTree& tree) {
  tree.Write("cd/Makiety/search.html", "<html><body><!--@opis@--></body></html>");
  tree.Write("cd/Data/1.htm", "<title>temat: Storczyki</title>O storczykach");
}

// The names in the directory that the search's signature files have.
std::vector<std::string> SignatureFiles(const fs::path& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("$$pages-") && name.ends_with(".sig")) names.push_back(name);
  }
  return names;
}

TEST_F(WorkingDirectoryTest, searchSignatures_lieInOwnDirectory_oneFilePerViewer_goWithIt) {
  AddSearchablePage(tree);
  auto first = std::make_unique<Viewer>(tree);
  auto second = std::make_unique<Viewer>(tree);
  first->form->MakeSearchPage("storczyk");
  second->form->MakeSearchPage("storczyk");
  first->form->MakeSearchPage("storczyk");
  ASSERT_EQ(first->form->LastSearch().pages.size(), 1u);
  // Viewers sharing the directory never write each other's file.
  EXPECT_EQ(SignatureFiles(tree.Path("tmp/VNQETMP")).size(), 2u);
  EXPECT_TRUE(SignatureFiles(tree.Path("tmp")).empty());

  second->form->FormClose();
  second.reset();
  EXPECT_EQ(SignatureFiles(tree.Path("tmp/VNQETMP")).size(), 2u);  // the first one still runs
  first->form->FormClose();
  EXPECT_FALSE(tree.Exists("tmp/VNQETMP"));
}

TEST_F(WorkingDirectoryTest, searchSignatures_inSharedDirectory_areRemovedAndNothingElse) {
  AddSearchablePage(tree);
  tree.Write("tmp/VNQETMP", "blocker");
  for (const char* other : {"pages-1.sig", "$$pages-1.txt", "$$pages.sig.bak"}) {
    tree.Write(std::string("tmp/") + other, "foreign");
  }
  Viewer viewer(tree);
  viewer.form->MakeSearchPage("storczyk");
  ASSERT_EQ(viewer.form->LastSearch().pages.size(), 1u);
  EXPECT_EQ(SignatureFiles(tree.Path("tmp")).size(), 1u);

  viewer.form->FormClose();
  EXPECT_TRUE(SignatureFiles(tree.Path("tmp")).empty());
  for (const char* other : {"pages-1.sig", "$$pages-1.txt", "$$pages.sig.bak"}) {
    EXPECT_EQ(tree.Read(std::string("tmp/") + other), "foreign") << other;
  }
}

// --- no temporary-files path

// The system offers no private temporary path, and the root cannot be written.
class NoTempPath : public platform::NativeFileSystem {
 public:
  std::string TempPath() override { return {}; }
  bool CreateDirectories(const std::string& path) override {
    created.push_back(path);
    return false;
  }
  bool CopyFile(const std::string&, const std::string& to) override {
    copiedTo.push_back(to);
    return false;
  }
  std::vector<std::string> created, copiedTo;
};

TEST(WorkingDirectoryFallback, noTempPath_triesTheRootAndFallsBackToIt) {
  NoTempPath files;
  tables::ContentPaths paths;
  paths.installRoot = "/content/";
  paths.DeriveDirectories();
  EXPECT_FALSE(PrepareWorkingDirectory(files, paths));
  EXPECT_EQ(files.created, std::vector<std::string>{"/VNQETMP/"});
  EXPECT_EQ(paths.workDir, "/");
  ASSERT_EQ(files.copiedTo.size(), 10u);
  EXPECT_EQ(files.copiedTo.front(), "/f.jpg");
  EXPECT_EQ(files.copiedTo.back(), "/pn.jpg");
}

}  // namespace
}  // namespace velmora::app
