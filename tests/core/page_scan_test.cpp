// Passing over pages that cannot hold the searched word: a signature never
// rules out a page that holds the word, and a scan on worker threads finds
// exactly what a plain search of every page finds, in directory order.
#include "navigation/page_scan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "navigation/page_index.h"
#include "navigation/page_signature.h"
#include "navigation/text_search.h"
#include "platform/native_file_system.h"
#include "test_support.h"

namespace velmora::navigation {
namespace {

using test::TempDir;

std::string RandomText(std::mt19937& random, std::size_t length) {
  // Letters of both cases, Polish letters of both cases, markup.
  const std::string alphabet = "abcdefghijklmnoprstuwyzABCDEZ \xB1\xA1\xB6\xA6\xBF\xAF<>/=\r\n";
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
  return text;
}

TEST(PageSignature, neverRulesOutAWordThePageHolds) {
  std::mt19937 random(11);
  for (int page = 0; page < 200; ++page) {
    const std::string text = RandomText(random, 1 + random() % 40000);
    const PageSignature signature = PageSignature::Of(text);
    for (int probe = 0; probe < 50; ++probe) {
      const std::size_t length = 1 + random() % 12;
      const std::size_t at = random() % text.size();
      std::string word = text.substr(at, length);
      // The word typed in other letter case.
      if (random() % 2) word = FoldIso(word);
      ASSERT_TRUE(signature.MayContain(WordGrams(word))) << "page " << page << " word " << word;
    }
  }
}

TEST(PageSignature, rulesOutMostAbsentWords_andNeverShortOnes) {
  const std::string page = "<html><body>temat: Bory sosnowe i \xB6wierkowe</body></html>";
  const PageSignature signature = PageSignature::Of(page);
  EXPECT_TRUE(signature.MayContain(WordGrams("SOSNOWE")));
  EXPECT_TRUE(signature.MayContain(WordGrams("\xA6WIERK")));
  EXPECT_FALSE(signature.MayContain(WordGrams("storczyk")));
  EXPECT_FALSE(signature.MayContain(WordGrams("swierk")));  // plain s is another letter
  // Under three letters nothing can be ruled out.
  EXPECT_TRUE(signature.MayContain(WordGrams("qx")));
  EXPECT_TRUE(signature.MayContain(WordGrams("")));
  // An empty page holds no word of three letters; an unknown signature says maybe.
  EXPECT_FALSE(PageSignature::Of("").MayContain(WordGrams("abc")));
  EXPECT_TRUE(PageSignature().MayContain(WordGrams("abc")));

  // A long page of few letters gets a small signature that still rules out
  // nearly every word it lacks.
  std::string few;
  std::mt19937 random(3);
  for (int i = 0; i < 100000; ++i) few += "abcdefgh "[random() % 9];
  const PageSignature small = PageSignature::Of(few);
  EXPECT_LE(small.Bytes(), 1024u);
  int passed = 0;
  for (int i = 0; i < 1000; ++i)
    passed += small.MayContain(WordGrams("a" + std::to_string(i) + "b"));
  EXPECT_LT(passed, 100);
}

// Counts the pages read, from any thread (not the signature file).
class CountingFileSystem : public platform::NativeFileSystem {
 public:
  CountingFileSystem() : platform::NativeFileSystem("/tmp/") {}
  std::optional<std::string> ReadFile(const std::string& path) override {
    if (path.ends_with(".htm")) ++reads;
    return platform::NativeFileSystem::ReadFile(path);
  }
  std::atomic<int> reads{0};
};

class Scan : public ::testing::Test {
 protected:
  // Pages named so that their listing order is not their creation order.
  void MakePages(int count) {
    std::mt19937 random(5);
    for (int i = count - 1; i >= 0; --i) {
      std::string text = RandomText(random, 3000 + random() % 3000);
      if (i % 7 == 0) text.insert(random() % text.size(), i % 2 ? "Storczyk" : "\xA3\xA5KA");
      const std::string name = (i % 3 ? "P" : "p") + std::to_string(1000 + i) + ".htm";
      test::WriteFile(dir / name, text);
      texts.push_back(text);
      names.push_back(name);
    }
  }

  // Which listed pages hold any of the words, by a plain search of each.
  std::vector<std::string> Expected(PageListing& listing, const std::vector<std::string>& words) {
    std::vector<std::string> found;
    for (const std::string& name : listing.names) {
      const std::string text = test::ReadFile(dir / name);
      for (const std::string& word : words) {
        if (FoldedNeedle(word).FoundIn(text)) {
          found.push_back(name);
          break;
        }
      }
    }
    return found;
  }

  // One search as the program runs it: the signatures an earlier one kept,
  // the scan, the signatures kept for the next.
  std::vector<std::string> Found(PageIndex& index, const std::vector<std::string>& words) {
    std::vector<std::string> found;
    const std::shared_ptr<PageListing> listing = index.Listing(files, dir.path() + "/");
    const std::unique_ptr<SearchSignatures> signatures =
        index.OpenSignatures(files, *listing, WorkDir());
    {
      PageScan scan(listing, files, words, *signatures);
      for (std::size_t i = 0; i < scan.Count(); ++i) {
        const ScannedPage page = scan.Take(i);
        if (page.outcome == ScannedPage::Outcome::WithWord) {
          EXPECT_EQ(page.bytes, test::ReadFile(dir / scan.Name(i)));
          found.push_back(scan.Name(i));
        }
      }
    }
    index.KeepSignatures(files, *signatures, WorkDir());
    return found;
  }

  std::string WorkDir() const { return work.path() + "/"; }

  TempDir dir;
  TempDir work;
  CountingFileSystem files;
  std::vector<std::string> texts, names;
};

TEST_F(Scan, findsWhatAPlainSearchFinds_inListingOrder_searchAfterSearch) {
  MakePages(300);
  PageIndex index;
  PageListing& listing = *index.Listing(files, dir.path() + "/");
  ASSERT_EQ(listing.names.size(), 300u);
  EXPECT_EQ(listing.names[0], "p1000.htm");
  EXPECT_EQ(listing.names[1], "P1001.htm");

  const std::vector<std::string> words{"storczyk"};
  const std::vector<std::string> expected = Expected(listing, words);
  ASSERT_GT(expected.size(), 10u);
  EXPECT_EQ(Found(index, words), expected);
  EXPECT_EQ(files.reads, 300);

  // The second search reads only pages that may hold the word.
  files.reads = 0;
  EXPECT_EQ(Found(index, words), expected);
  EXPECT_LT(files.reads, 100);

  // Either of two spellings; a word shorter than three letters reads every page.
  const std::vector<std::string> two{"\xB3\xB1ka", "STORCZ"};
  EXPECT_EQ(Found(index, two), Expected(listing, two));
  files.reads = 0;
  const std::vector<std::string> shortWord{"zy"};
  EXPECT_EQ(Found(index, shortWord), Expected(listing, shortWord));
  EXPECT_EQ(files.reads, 300);
}

TEST_F(Scan, unreadablePage_isReportedAndTriedAgainNextTime) {
  MakePages(40);
  PageIndex index;
  std::shared_ptr<PageListing> listing = index.Listing(files, dir.path() + "/");
  const std::string gone = listing->names[17];
  std::filesystem::remove(dir / gone);
  SearchSignatures signatures(listing->key, listing->names.size());
  {
    PageScan scan(listing, files, {"storczyk"}, signatures);
    for (std::size_t i = 0; i < scan.Count(); ++i) {
      const ScannedPage page = scan.Take(i);
      EXPECT_EQ(page.outcome == ScannedPage::Outcome::Unreadable, i == 17) << i;
    }
  }
  index.KeepSignatures(files, signatures, WorkDir());
  test::WriteFile(dir / gone, "o storczykach");
  std::unique_ptr<SearchSignatures> kept = index.OpenSignatures(files, *listing, WorkDir());
  PageScan again(index.Listing(files, dir.path() + "/"), files, {"storczyk"}, *kept);
  EXPECT_EQ(again.Take(17).outcome, ScannedPage::Outcome::WithWord);
}

TEST_F(Scan, leftUnfinished_stopsItsWorkers) {
  MakePages(200);
  PageIndex index;
  for (int round = 0; round < 5; ++round) {
    const std::shared_ptr<PageListing> listing = index.Listing(files, dir.path() + "/");
    SearchSignatures signatures(listing->key, listing->names.size());
    PageScan scan(listing, files, {"storczyk"}, signatures);
    scan.Take(round);
  }
  // The listing of another directory does not disturb a scan of the first.
  const std::shared_ptr<PageListing> listing = index.Listing(files, dir.path() + "/");
  SearchSignatures signatures(listing->key, listing->names.size());
  PageScan scan(listing, files, {"storczyk"}, signatures);
  TempDir other;
  index.Listing(files, other.path() + "/");
  for (std::size_t i = 0; i < scan.Count(); ++i) scan.Take(i);
  EXPECT_EQ(scan.Count(), 200u);
}

}  // namespace
}  // namespace velmora::navigation
