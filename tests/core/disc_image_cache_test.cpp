// Opening a disc image through the user's cache: unpacked once with the
// execute bits Rock Ridge records (and no other bit), reused while the
// image stays the same, made again when it changes or the copy is not
// whole, never kept half-written; and the discs found mounted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "disc/disc_place.h"
#include "disc/image_cache.h"
#include "disc/limited_child.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using disc::OpenedImage;
using disc::UnpackFailure;

// Sets the umask for the length of a test.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

class DiscImageCache : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindTool("xorriso").empty()) GTEST_SKIP() << "xorriso is not installed";
  }
  // A Rock Ridge image of tree, as a file manager's users make them.
  bool MakeImage(const std::string& tree, const std::string& image) {
    return RunQuietly(
        {FindTool("xorriso"), "-as", "mkisofs", "-quiet", "-J", "-R", "-o", image, tree});
  }
  std::string SampleImage() {
    const std::string image = dir_ / "plyta.iso";
    EXPECT_TRUE(MakeImage(VELMORA_SAMPLE_CONTENT, image));
    return image;
  }
  OpenedImage Open(const std::string& image, int* unpacked = nullptr) {
    return disc::OpenImageThroughCache(image, cache(), [unpacked] {
      if (unpacked) ++*unpacked;
    });
  }
  std::string cache() const { return dir_ / "cache"; }
  // What the cache holds of an image: all but its directory and lock file.
  std::vector<std::string> CacheTree() {
    std::vector<std::string> names;
    for (const std::string& name : TreeOf(cache())) {
      if (name.find('/') != std::string::npos && !name.ends_with("/lock")) names.push_back(name);
    }
    return names;
  }

  TempDir dir_;
};

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST_F(DiscImageCache, keepsOnlyTheExecuteBits_andTheUmask) {
  MakeMinimalDisc(dir_ / "tree");
  WriteFile(dir_ / "tree/Anim/setid.exe", "#!/bin/sh\n");
  WriteFile(dir_ / "tree/Anim/group.exe", "#!/bin/sh\n");
  ASSERT_EQ(::chmod((dir_ / "tree/Anim/start.exe").c_str(), 0755), 0);
  ASSERT_EQ(::chmod((dir_ / "tree/Anim/setid.exe").c_str(), 07777), 0);
  ASSERT_EQ(::chmod((dir_ / "tree/Anim/group.exe").c_str(), 0610), 0);
  ASSERT_EQ(::chmod((dir_ / "tree/DB/RP.CSV").c_str(), 0666), 0);
  ASSERT_TRUE(MakeImage(dir_ / "tree", dir_ / "tree.iso"));
  const ScopedUmask mask(027);
  const OpenedImage opened = Open(dir_ / "tree.iso");
  ASSERT_FALSE(opened.failure) << opened.failure->message;
  EXPECT_EQ(ModeOf(opened.folder / "Anim/start.exe"), 0750u);
  EXPECT_EQ(ModeOf(opened.folder / "Anim/setid.exe"), 0750u);
  EXPECT_EQ(ModeOf(opened.folder / "Anim/group.exe"), 0650u);
  EXPECT_EQ(ModeOf(opened.folder / "DB/RP.CSV"), 0640u);
}

TEST_F(DiscImageCache, secondOpen_reusesTheCopy_untilTheImageChanges) {
  const std::string image = SampleImage();
  int unpacked = 0;
  const OpenedImage first = Open(image, &unpacked);
  ASSERT_FALSE(first.failure) << first.failure->message;
  EXPECT_FALSE(first.reused);
  EXPECT_EQ(ReadFile(first.folder / "DB/RP.CSV"),
            ReadFile(std::string(VELMORA_SAMPLE_CONTENT) + "/DB/RP.CSV"));
  // A mark of our own in the copy tells it was not made again.
  WriteFile(first.folder / "mark", "");

  const OpenedImage second = Open(image, &unpacked);
  ASSERT_FALSE(second.failure);
  EXPECT_TRUE(second.reused);
  EXPECT_EQ(second.folder, first.folder);
  EXPECT_TRUE(Exists(second.folder / "mark"));
  EXPECT_EQ(unpacked, 1);

  // Another image under the same name: a new copy.
  MakeMinimalDisc(dir_ / "small");
  ASSERT_TRUE(MakeImage(dir_ / "small", image));
  const OpenedImage third = Open(image, &unpacked);
  ASSERT_FALSE(third.failure) << third.failure->message;
  EXPECT_FALSE(third.reused);
  EXPECT_FALSE(Exists(third.folder / "mark"));
  EXPECT_FALSE(Exists(third.folder / "Anim/bobry.avi"));
  EXPECT_EQ(unpacked, 2);
}

TEST_F(DiscImageCache, copyWithoutItsMarker_isMadeAgain) {
  const std::string image = SampleImage();
  const OpenedImage first = Open(image);
  ASSERT_FALSE(first.failure);
  // As a run ended half-way leaves it: files, and no marker; or a copy
  // still being written.
  fs::remove(first.folder.parent_path() / "complete");
  fs::remove(first.folder / "DB/RP.CSV");
  fs::create_directories(first.folder.parent_path() / "unpacking/Anim");
  const OpenedImage second = Open(image);
  ASSERT_FALSE(second.failure);
  EXPECT_FALSE(second.reused);
  EXPECT_TRUE(Exists(second.folder / "DB/RP.CSV"));
  EXPECT_FALSE(Exists(second.folder.parent_path() / "unpacking"));
}

TEST_F(DiscImageCache, damagedImages_failAndLeaveNoCopy) {
  const std::string image = SampleImage();
  // Cut short after the directories: the files' data is missing.
  const std::uintmax_t size = fs::file_size(image);
  fs::copy_file(image, dir_ / "short.iso");
  fs::resize_file(dir_ / "short.iso", size / 3);
  WriteFile(dir_ / "text.iso", std::string(70000, 'x'));
  for (const std::string& damaged : {dir_ / "short.iso", dir_ / "text.iso", dir_ / "missing.iso"}) {
    const OpenedImage opened = Open(damaged);
    ASSERT_TRUE(opened.failure) << damaged;
    EXPECT_EQ(opened.failure->kind, UnpackFailure::Kind::kUnreadable) << damaged;
    EXPECT_TRUE(opened.folder.empty());
  }
  EXPECT_EQ(CacheTree(), std::vector<std::string>{});
  // The whole image still opens afterwards.
  EXPECT_FALSE(Open(image).failure);
}

TEST_F(DiscImageCache, imageOfSomethingElse_isNoDisc) {
  WriteFile(dir_ / "tree/notes.txt", "nothing of a disc\n");
  ASSERT_TRUE(MakeImage(dir_ / "tree", dir_ / "notes.iso"));
  const OpenedImage opened = Open(dir_ / "notes.iso");
  ASSERT_TRUE(opened.failure);
  EXPECT_EQ(opened.failure->kind, UnpackFailure::Kind::kNotDisc);
  EXPECT_EQ(CacheTree(), std::vector<std::string>{});
}

// The reading child's time is its processor time: one that computes without
// end is stopped, one that waits (a slow drive, a busy machine) is not.
TEST(LimitedChild, spinningWorkIsStopped_waitingWorkIsNot) {
  using disc::ChildOutcome;
  using namespace std::chrono_literals;
  const disc::ChildLimits oneSecond{64u << 20, 1000ms};
  const ChildOutcome spun = disc::RunLimited(
      [](std::string&) -> std::optional<std::string> {
        volatile unsigned long turns = 0;
        for (;;) turns = turns + 1;
      },
      oneSecond);
  EXPECT_EQ(spun.ending, ChildOutcome::Ending::kOutOfTime);

  const ChildOutcome waited = disc::RunLimited(
      [](std::string&) -> std::optional<std::string> {
        ::usleep(1'500'000);
        return "read";
      },
      oneSecond);
  EXPECT_EQ(waited.ending, ChildOutcome::Ending::kDone);
  EXPECT_EQ(waited.text, "read");

  const ChildOutcome failed = disc::RunLimited(
      [](std::string& error) -> std::optional<std::string> {
        error = "cannot write x";
        return std::nullopt;
      },
      oneSecond);
  EXPECT_EQ(failed.ending, ChildOutcome::Ending::kFailed);
  EXPECT_EQ(failed.text, "cannot write x");
}

TEST(DiscPlace, mountedDiscs_areFoundByTheirFilesInAnyLetterCase) {
  TempDir dir;
  MakeMinimalDisc(dir / "media/VELMORA");
  // A plain ISO 9660 disc mounted shows capitals.
  WriteFile(dir / "media/ALT/DB/RP.CSV", "x\n");
  WriteFile(dir / "media/ALT/ANIM/START.EXE", "x\n");
  WriteFile(dir / "media/OTHER/DB/RP.CSV", "x\n");  // no start-up program
  WriteFile(dir / "media/USB/readme.txt", "x\n");
  WriteFile(dir / "run/Data/DB/RP.CSV", "x\n");
  WriteFile(dir / "run/Data/Anim/start.exe", "x\n");
  const std::vector<fs::path> found =
      disc::MountedDiscs({dir / "media", dir / "missing", dir / "run"});
  EXPECT_EQ(found,
            (std::vector<fs::path>{dir / "media/ALT", dir / "media/VELMORA", dir / "run/Data"}));
  EXPECT_TRUE(disc::HoldsTables(dir / "media/OTHER"));
  EXPECT_FALSE(disc::LooksLikeDisc(dir / "media/OTHER"));

  const ScopedEnv roots("VELMORA_MEDIA_ROOTS", dir / "media" + ":" + dir / "run");
  EXPECT_EQ(disc::MediaRoots(), (std::vector<fs::path>{dir / "media", dir / "run"}));
}

}  // namespace
}  // namespace velmora::test
