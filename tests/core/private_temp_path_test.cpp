// The temporary-files path is per-user and private: the session's runtime
// directory when it is private, else a 0700 directory of our own under the
// shared temporary directory, never one somebody else could have planted.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"
#include "tests/support/test_support.h"

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

using velmora::test::ScopedEnv;

class PrivateTempPath : public ::testing::Test {
 protected:
  PrivateTempPath()
      : shared_((tree.Path("shared")).string()),
        tmpdir("TMPDIR", shared_),
        ownDir(tree.Path("shared") / ("velmora-" + std::to_string(::geteuid()))) {
    fs::create_directories(tree.Path("shared"));
    fs::permissions(tree.Path("shared"), fs::perms::all | fs::perms::sticky_bit);
  }

  static unsigned Mode(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
  }

  test::ContentTree tree;
  std::string shared_;
  ScopedEnv tmpdir;
  fs::path ownDir;
  NativeFileSystem files;

  // Something not ours under our name: a fresh private directory for this
  // run instead, the same one on every call, gone with the file system.
  void ExpectFreshPrivateDirectory() {
    std::optional<NativeFileSystem> run;
    run.emplace();
    const std::string fresh = run->TempPath();
    ASSERT_FALSE(fresh.empty());
    EXPECT_NE(fresh, "/");
    EXPECT_NE(fresh, ownDir.string() + "/");
    EXPECT_EQ(fs::path(fresh).parent_path().parent_path(), fs::path(shared_));
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(fresh)));
    EXPECT_EQ(Mode(fresh), 0700u);
    EXPECT_EQ(run->TempPath(), fresh);
    ASSERT_TRUE(run->WriteFile(fresh + "page.html", "x"));
    run.reset();
    EXPECT_FALSE(fs::exists(fs::symlink_status(fresh)));
  }
};

TEST_F(PrivateTempPath, privateRuntimeDirectory_isUsed) {
  fs::create_directories(tree.Path("run"));
  fs::permissions(tree.Path("run"), fs::perms::owner_all, fs::perm_options::replace);
  ScopedEnv runtime("XDG_RUNTIME_DIR", tree.Path("run").string());
  EXPECT_EQ(files.TempPath(), tree.Path("run").string() + "/");
}

TEST_F(PrivateTempPath, openRuntimeDirectory_givesOwnPrivateDirectoryUnderTemp) {
  fs::create_directories(tree.Path("run"));
  fs::permissions(tree.Path("run"), fs::perms::all, fs::perm_options::replace);
  ScopedEnv runtime("XDG_RUNTIME_DIR", tree.Path("run").string());
  EXPECT_EQ(files.TempPath(), ownDir.string() + "/");
  EXPECT_EQ(Mode(ownDir), 0700u);
}

TEST_F(PrivateTempPath, noRuntimeDirectory_createsOwnPrivateDirectory) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  EXPECT_EQ(files.TempPath(), ownDir.string() + "/");
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(ownDir)));
  EXPECT_EQ(Mode(ownDir), 0700u);
  EXPECT_EQ(files.TempPath(), ownDir.string() + "/");  // found again next time
}

TEST_F(PrivateTempPath, ownDirectoryLeftOpen_isClosedAgain) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  fs::create_directories(ownDir);
  fs::permissions(ownDir, fs::perms::all, fs::perm_options::replace);
  EXPECT_EQ(files.TempPath(), ownDir.string() + "/");
  EXPECT_EQ(Mode(ownDir), 0700u);
}

TEST_F(PrivateTempPath, plantedLinkUnderOurName_givesAFreshPrivateDirectory) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  fs::create_directories(tree.Path("elsewhere"));
  fs::permissions(tree.Path("elsewhere"), fs::perms::owner_all, fs::perm_options::replace);
  fs::create_directory_symlink(tree.Path("elsewhere"), ownDir);
  ExpectFreshPrivateDirectory();
  EXPECT_TRUE(fs::is_empty(tree.Path("elsewhere")));
}

TEST_F(PrivateTempPath, plantedFileUnderOurName_givesAFreshPrivateDirectory) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  tree.Write("shared/velmora-" + std::to_string(::geteuid()), "");
  ExpectFreshPrivateDirectory();
}

TEST_F(PrivateTempPath, directoryOfAnotherUserUnderOurName_givesAFreshPrivateDirectory) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a directory to another user";
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  fs::create_directories(ownDir);
  fs::permissions(ownDir, fs::perms::owner_all, fs::perm_options::replace);
  ASSERT_EQ(::chown(ownDir.c_str(), 65534, 65534), 0);
  ExpectFreshPrivateDirectory();
}

TEST_F(PrivateTempPath, givenPath_isTakenAsItIs) {
  NativeFileSystem given(tree.Path("given").string());
  EXPECT_EQ(given.TempPath(), tree.Path("given").string() + "/");
}

}  // namespace
}  // namespace velmora::platform
