// Results added in front of a marker: the page is the one the general
// replacement rule gives, whatever the texts and however many are added.
#include "pages/marker_insertions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fake_platform.h"
#include "pages/replacement.h"

namespace velmora::pages {
namespace {

class Insertions : public ::testing::Test {
 protected:
  // Adds every text both ways and compares the pages after each.
  void Check(const std::string& page, const std::string& marker,
             const std::vector<std::string>& texts) {
    PageBuffer fast(files), general(files);
    fast.SetText(page);
    general.SetText(page);
    MarkerInsertions insertions(fast, marker);
    for (const std::string& text : texts) {
      insertions.InsertBefore(text);
      ReplaceAllIn(general, marker, text + marker);
      ASSERT_EQ(fast.Text(), general.Text()) << "after " << text;
    }
  }

  test::FakeFileSystem files;
};

TEST_F(Insertions, markerOnceTwiceOrNever) {
  Check("<ul><!--@opis@--></ul>", "<!--@opis@-->", {"<li>a", "<li>b", "<li>c"});
  Check("<!--@opis@-->|<!--@opis@-->", "<!--@opis@-->", {"x", "yy", ""});
  Check("no marker here", "<!--@opis@-->", {"x"});
}

TEST_F(Insertions, textsThatSpellTheMarkerWithThePage) {
  // The page before the marker and the start of a text make a new marker,
  // which later additions must treat as one; a text bringing whole markers.
  Check("head <!--@op<!--@opis@--> tail", "<!--@opis@-->",
        {"is@--> first", "second", "<!--@opis@-->third", "fourth"});
  // A marker whose end equals its start.
  Check("abXab", "abXab", {"Xab", "ab", "X"});
}

TEST_F(Insertions, pageChangedBetweenAdditions_isSearchedAgain) {
  PageBuffer page(files);
  page.SetText("a<!--@opis@-->b");
  MarkerInsertions insertions(page, "<!--@opis@-->");
  insertions.InsertBefore("1");
  page.Replace(0, 1, "longer start ");
  insertions.InsertBefore("2");
  EXPECT_EQ(page.Text(), "longer start 12<!--@opis@-->b");
}

TEST_F(Insertions, randomPagesAndTexts_agreeWithTheGeneralRule) {
  std::mt19937 random(9);
  const std::string pieces[] = {"<!--@opis@-->", "<!--@op", "is@-->", "<", "-->", "x", "@"};
  auto randomText = [&](int parts) {
    std::string text;
    for (int i = 0; i < parts; ++i) text += pieces[random() % std::size(pieces)];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> texts;
    for (int i = 0; i < 8; ++i) texts.push_back(randomText(random() % 4));
    Check(randomText(6), "<!--@opis@-->", texts);
  }
}

}  // namespace
}  // namespace velmora::pages
