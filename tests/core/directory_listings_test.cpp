// Names looked up without regard to case: one listing per directory for the
// whole run however many names are looked up, kept current with the
// program's own writes and deletions; and the native file system using it.
#include "platform/directory_listings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "test_support.h"

namespace velmora::test {
namespace {

using platform::DirectoryListings;

// Directories in memory; every listing read is counted per directory.
class CountingDirectories {
 public:
  DirectoryListings listings{
      [this](const std::string& dir) -> std::optional<std::vector<std::string>> {
        ++listed[dir];
        const auto found = entries.find(dir);
        if (found == entries.end()) return std::nullopt;
        return found->second;
      },
      [](std::string_view name) { return platform::LowerAscii(std::string(name)); }};
  std::map<std::string, std::vector<std::string>> entries;
  std::map<std::string, int> listed;
};

TEST(DirectoryListings, manyLookups_readEachDirectoryOnce) {
  CountingDirectories dirs;
  for (int i = 0; i < 10000; ++i) dirs.entries["/foto"].push_back("F" + std::to_string(i) + ".JPG");
  dirs.entries["/data"] = {"799.htm"};
  for (int i = 0; i < 100000; ++i) {
    ASSERT_FALSE(dirs.listings.Find("/foto", "m" + std::to_string(i) + ".jpg"));
    if (i % 10 == 0) {
      ASSERT_EQ(dirs.listings.Find("/foto", "f" + std::to_string(i % 10000) + ".jpg"),
                "F" + std::to_string(i % 10000) + ".JPG");
    }
  }
  EXPECT_EQ(dirs.listings.Find("/data", "799.HTM"), "799.htm");
  EXPECT_FALSE(dirs.listings.Find("/missing", "x"));
  EXPECT_FALSE(dirs.listings.Find("/missing", "y"));
  EXPECT_EQ(dirs.listed, (std::map<std::string, int>{{"/foto", 1}, {"/data", 1}, {"/missing", 1}}));
  EXPECT_EQ(dirs.listings.ListingsRead(), 3);
}

TEST(DirectoryListings, namesSpeltAlike_theFirstListedIsFound) {
  CountingDirectories dirs;
  dirs.entries["/d"] = {"Page.htm", "PAGE.HTM", "other"};
  EXPECT_EQ(dirs.listings.Find("/d", "page.htm"), "Page.htm");
  // Removing the one found brings the other to light: read again.
  dirs.entries["/d"] = {"PAGE.HTM", "other"};
  dirs.listings.Removed("/d", "Page.htm");
  EXPECT_EQ(dirs.listings.Find("/d", "page.htm"), "PAGE.HTM");
  EXPECT_EQ(dirs.listed["/d"], 2);
}

TEST(DirectoryListings, ownWritesAndDeletions_keepTheListingCurrentWithoutReadingAgain) {
  CountingDirectories dirs;
  dirs.entries["/work"] = {"a.html"};
  EXPECT_FALSE(dirs.listings.Find("/work", "$$RP_1.HTML"));
  for (int i = 0; i < 1000; ++i)
    dirs.listings.Added("/work", "$$rp_" + std::to_string(i) + ".html");
  EXPECT_EQ(dirs.listings.Find("/work", "$$RP_1.HTML"), "$$rp_1.html");
  EXPECT_EQ(dirs.listings.Find("/work", "$$RP_999.HTML"), "$$rp_999.html");
  dirs.listings.Removed("/work", "$$rp_1.html");
  dirs.listings.Removed("/work", "A.HTML");  // not the name there: it stays
  EXPECT_FALSE(dirs.listings.Find("/work", "$$rp_1.html"));
  EXPECT_EQ(dirs.listings.Find("/work", "a.HTML"), "a.html");
  // Added again after its removal.
  dirs.listings.Added("/work", "$$RP_1.html");
  EXPECT_EQ(dirs.listings.Find("/work", "$$rp_1.html"), "$$RP_1.html");
  EXPECT_EQ(dirs.listed["/work"], 1);

  // A directory missing when first looked in, made later.
  EXPECT_FALSE(dirs.listings.Find("/work/sub", "x"));
  dirs.entries["/work/sub"] = {"X"};
  dirs.listings.Added("/work/sub", "X");
  EXPECT_EQ(dirs.listings.Find("/work/sub", "x"), "X");
  // Forgetting a directory forgets those below it, not its neighbours.
  dirs.listings.Forget("/work");
  EXPECT_EQ(dirs.listings.Find("/work/sub", "x"), "X");
  EXPECT_EQ(dirs.listed["/work/sub"], 3);
}

// The native file system: the same through the real directories.
TEST(NativeListings, missingNames_listTheirDirectoryOnceAndWritesAreSeen) {
  TempDir dir;
  for (int i = 0; i < 300; ++i) WriteFile(dir / ("Foto/F" + std::to_string(i) + ".JPG"), "");
  platform::NativeFileSystem files;
  for (int i = 0; i < 3000; ++i) {
    ASSERT_FALSE(files.FileExists(dir / ("Foto/m" + std::to_string(i) + ".jpg")));
  }
  EXPECT_TRUE(files.FileExists(dir / "foto/f7.jpg"));
  EXPECT_EQ(files.ResolvePath(dir / "Foto/f299.jpg"), dir / "Foto/F299.JPG");
  // Foto/; "foto", which cannot be listed; and the root, where "foto" is found.
  EXPECT_EQ(files.DirectoryListingsRead(), 3);

  // Written and deleted through the file system: seen at once.
  ASSERT_TRUE(files.WriteFile(dir / "Foto/New.jpg", "n"));
  EXPECT_TRUE(files.FileExists(dir / "foto/NEW.JPG"));
  EXPECT_EQ(files.ReadFile(dir / "FOTO/new.jpg"), "n");
  ASSERT_TRUE(files.DeleteFile(dir / "Foto/NEW.jpg"));
  EXPECT_FALSE(files.FileExists(dir / "Foto/new.jpg"));
  ASSERT_TRUE(files.CopyFile(dir / "Foto/f1.jpg", dir / "Foto/Copy.jpg"));
  EXPECT_TRUE(files.FileExists(dir / "Foto/COPY.JPG"));
  // A directory looked in while missing, then made.
  EXPECT_FALSE(files.FileExists(dir / "Work/sub/A.htm"));
  ASSERT_TRUE(files.CreateDirectories(dir / "Work/Sub"));
  ASSERT_TRUE(files.WriteFile(dir / "Work/Sub/a.htm", "a"));
  EXPECT_TRUE(files.FileExists(dir / "work/sub/A.HTM"));
  ASSERT_TRUE(files.DeleteFile(dir / "Work/Sub/a.htm"));
  ASSERT_TRUE(files.RemoveDirectory(dir / "work/sub"));
  EXPECT_FALSE(files.FileExists(dir / "Work/SUB/a.htm"));

  // Whatever was written, once a directory has been looked in, more lookups
  // read no listing again.
  EXPECT_FALSE(files.FileExists(dir / "work/first.htm"));
  const int read = files.DirectoryListingsRead();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_FALSE(files.FileExists(dir / ("Foto/x" + std::to_string(i) + ".jpg")));
    ASSERT_FALSE(files.FileExists(dir / ("work/X" + std::to_string(i) + ".htm")));
  }
  EXPECT_TRUE(files.FileExists(dir / "FOTO/f5.JPG"));
  EXPECT_EQ(files.DirectoryListingsRead(), read);
}

}  // namespace
}  // namespace velmora::test
