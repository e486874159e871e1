// The case-folding page search: found exactly where a plain search of the
// folded texts finds the word, wherever in a long page the word stands.
#include "navigation/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velmora::navigation {
namespace {

bool Naive(const std::string& word, const std::string& text) {
  return FoldIso(text).find(FoldIso(word)) != std::string::npos;
}

TEST(FoldedNeedle, capitalsOfBothAlphabets_matchSmallLetters) {
  EXPECT_TRUE(FoldedNeedle("STORCZYK").FoundIn("o storczykach"));
  // "\xA6" is the ISO-8859-2 capital of "\xB6" (s with acute).
  EXPECT_TRUE(FoldedNeedle("\xB6wierk").FoundIn("\xA6WIERK pospolity"));
  EXPECT_FALSE(FoldedNeedle("\xB6wierk").FoundIn("swierk"));
  EXPECT_TRUE(FoldedNeedle("ab").FoundIn("xAB"));
  EXPECT_FALSE(FoldedNeedle("abc").FoundIn("ab"));
  EXPECT_TRUE(FoldedNeedle("").FoundIn(""));
}

TEST(FoldedNeedle, wordAtEveryPlaceOfLongPage_agreesWithPlainSearch) {
  std::mt19937 random(7);
  const std::string alphabet = "abcdeABCDE \xB1\xA1\xB6\xA6";
  for (const std::string word : {"ab", "aBc",
                                 "\xB1"
                                 "bA",
                                 "storczyk",
                                 "d\xA6"
                                 "e\xB1"}) {
    for (std::size_t length : {1u, 31u, 32u, 33u, 63u, 64u, 65u, 200u}) {
      for (std::size_t at = 0; at <= length; at += 7) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        text.insert(at, random() % 2 ? word : FoldIso(word));
        EXPECT_TRUE(FoldedNeedle(word).FoundIn(text)) << word << " at " << at;
        text.erase(at, word.size());
        EXPECT_EQ(FoldedNeedle(word).FoundIn(text), Naive(word, text)) << word << " in " << text;
      }
    }
  }
}

}  // namespace
}  // namespace velmora::navigation
