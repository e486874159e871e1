// Page signatures kept on file between searches: a later search finds what
// the first one found with the signatures read back from the file, and a
// file that is gone, cut short, damaged or left by another run only makes
// pages be read again, never hides one.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "navigation/page_index.h"
#include "navigation/page_scan.h"
#include "navigation/text_search.h"
#include "tests/support/fake_platform.h"

namespace velmora::navigation {
namespace {

constexpr const char* kData = "/disc/Data/";
constexpr const char* kWork = "/tmp/VNQETMP/";
constexpr int kPages = 120;

// The fake file system, listing the pages of a directory, counting page
// reads and writes, and remembering the last file it was asked to map.
class PagesFileSystem : public test::FakeFileSystem {
 public:
  PagesFileSystem() { readsFromAnyThread = true; }

  std::vector<platform::DirEntry> List(const std::string& pattern) override {
    const std::string dir = pattern.substr(0, pattern.rfind('/') + 1);
    std::vector<platform::DirEntry> entries;
    for (const auto& [path, bytes] : files) {
      if (path.starts_with(dir) && path.ends_with(".htm") &&
          path.find('/', dir.size()) == std::string::npos) {
        entries.push_back({path.substr(dir.size()), false, true});
      }
    }
    return entries;
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    if (path.ends_with(".htm")) ++pageReads;
    return FakeFileSystem::ReadFile(path);
  }
  std::shared_ptr<const platform::FileBytes> MapFile(const std::string& path) override {
    std::shared_ptr<const platform::FileBytes> bytes = FakeFileSystem::MapFile(path);
    lastMapped = bytes;
    if (bytes) ++maps;
    return bytes;
  }
  bool WriteFile(const std::string& path, const std::string& bytes) override {
    ++writes;
    return FakeFileSystem::WriteFile(path, bytes);
  }

  std::atomic<int> pageReads{0};
  int writes = 0;
  int maps = 0;
  std::weak_ptr<const platform::FileBytes> lastMapped;
};

// Pages of random words; one in five holds "storczyk", some "żubr".
void MakePages(PagesFileSystem& files, unsigned seed, bool withWords) {
  std::mt19937 random(seed);
  const std::string letters = "abcdefghijklmnoprstuwyz \xB1\xB6\xBF";
  for (int page = 0; page < kPages; ++page) {
    std::string text = "<title>temat: Strona " + std::to_string(page) + "</title>";
    for (int i = 0; i < 4000; ++i) text += letters[random() % letters.size()];
    if (withWords && page % 5 == 0) text += " Storczyk ";
    if (withWords && page % 9 == 0) text += " \xBFubr ";
    files.files[kData + std::to_string(page) + ".htm"] = text;
  }
}

class KeptSignatures : public ::testing::Test {
 protected:
  void SetUp() override { MakePages(files, 7, true); }

  // One search as the program runs it; the names of the pages found.
  static std::vector<std::string> Search(PageIndex& index, PagesFileSystem& files,
                                         const std::string& word,
                                         const std::string& workDir = kWork) {
    std::vector<std::string> found;
    const std::shared_ptr<PageListing> listing = index.Listing(files, kData);
    const std::unique_ptr<SearchSignatures> signatures =
        index.OpenSignatures(files, *listing, workDir);
    {
      PageScan scan(listing, files, {word}, *signatures);
      for (std::size_t i = 0; i < scan.Count(); ++i) {
        if (scan.Take(i).outcome == ScannedPage::Outcome::WithWord) found.push_back(scan.Name(i));
      }
    }
    index.KeepSignatures(files, *signatures, workDir);
    return found;
  }
  std::vector<std::string> Search(const std::string& word) { return Search(index, files, word); }

  // What reading every page finds, in the listing's order.
  std::vector<std::string> Expected(const std::string& word) {
    std::vector<std::string> found;
    for (const std::string& name : index.Listing(files, kData)->names) {
      if (FoldedNeedle(word).FoundIn(files.files.at(kData + name))) found.push_back(name);
    }
    return found;
  }

  std::string& KeptFile() { return files.files.at(index.SignatureFile(kWork)); }

  PagesFileSystem files;
  PageIndex index;
};

TEST_F(KeptSignatures, laterSearches_findWhatReadingEveryPageFinds_fromTheFile) {
  const std::vector<std::string> expected = Expected("storczyk");
  ASSERT_EQ(expected.size(), kPages / 5u);
  EXPECT_EQ(Search("storczyk"), expected);
  EXPECT_EQ(files.pageReads, kPages);
  EXPECT_EQ(files.writes, 1);

  // The file lies in the working directory under the name the clean-up
  // looks for; nothing else was written.
  const std::string file = index.SignatureFile(kWork);
  EXPECT_TRUE(file.starts_with(std::string(kWork) + "$$pages-")) << file;
  EXPECT_TRUE(file.ends_with(".sig")) << file;
  EXPECT_EQ(file.find('/', std::string(kWork).size()), std::string::npos);
  EXPECT_EQ(files.files.size(), kPages + 1u);
  EXPECT_GT(KeptFile().size(), 64u * kPages);

  // Later searches read the file back, pass over most pages, write nothing,
  // and hold the file's bytes no longer than the search.
  for (const std::string word : {"storczyk", "STORCZYK", "\xBFubr", "szarotka alpejska", "yz"}) {
    files.pageReads = 0;
    const int maps = files.maps;
    EXPECT_EQ(Search(word), Expected(word)) << word;
    EXPECT_EQ(files.maps, maps + 1) << word;
    EXPECT_TRUE(files.lastMapped.expired()) << word;
    if (std::string(word).size() >= 3) {
      EXPECT_LT(files.pageReads, kPages / 3) << word;
    }
  }
  EXPECT_EQ(files.writes, 1);
}

TEST_F(KeptSignatures, goneShortOrDamagedFile_onlyMakesPagesBeRead_andIsWrittenAnew) {
  Search("storczyk");
  const std::string sound = KeptFile();
  const std::vector<std::string> expected = Expected("storczyk");

  // The signatures of another run over pages of the same names without the
  // word: taken on trust they would rule out every page.
  PagesFileSystem otherFiles;
  MakePages(otherFiles, 8, false);
  PageIndex otherIndex;
  Search(otherIndex, otherFiles, "storczyk");
  const std::string foreign = otherFiles.files.at(otherIndex.SignatureFile(kWork));

  std::mt19937 random(1);
  const std::vector<std::pair<std::string, std::function<void()>>> damages = {
      {"deleted", [&] { files.files.erase(index.SignatureFile(kWork)); }},
      {"empty", [&] { KeptFile().clear(); }},
      {"header only", [&] { KeptFile().resize(24); }},
      {"cut in half", [&] { KeptFile().resize(sound.size() / 2); }},
      {"cut by a byte", [&] { KeptFile().pop_back(); }},
      {"bits zeroed",
       [&] { std::fill(KeptFile().begin() + 24 + 16 * kPages, KeptFile().end(), '\0'); }},
      {"all zeroed", [&] { std::fill(KeptFile().begin(), KeptFile().end(), '\0'); }},
      {"noise",
       [&] {
         for (char& c : KeptFile()) c = static_cast<char>(random());
       }},
      {"another run's", [&] { KeptFile() = foreign; }},
      {"grown", [&] { KeptFile() += std::string(5000, '\xFF'); }},
  };
  for (const auto& [what, damage] : damages) {
    KeptFile() = sound;
    damage();
    EXPECT_EQ(Search("storczyk"), expected) << what;
    // Written anew: the next search passes over pages again.
    files.pageReads = 0;
    EXPECT_EQ(Search("storczyk"), expected) << what;
    EXPECT_LT(files.pageReads, kPages / 3) << what;
  }

  // Single bytes changed anywhere: never a page missed.
  for (int round = 0; round < 200; ++round) {
    KeptFile() = sound;
    KeptFile()[random() % sound.size()] ^= static_cast<char>(1 + random() % 255);
    ASSERT_EQ(Search("storczyk"), expected) << "round " << round;
  }
}

TEST_F(KeptSignatures, withoutAWorkingDirectory_nothingIsWritten_andEveryPageIsRead) {
  for (int round = 0; round < 2; ++round) {
    files.pageReads = 0;
    EXPECT_EQ(Search(index, files, "storczyk", ""), Expected("storczyk"));
    EXPECT_EQ(files.pageReads, kPages);
  }
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(files.files.size(), static_cast<std::size_t>(kPages));
}

}  // namespace
}  // namespace velmora::navigation
