// Results of the full-text search that carry the results page's own marker
// ("<!--@opis@-->"): each result is listed once and the page stays small,
// rather than every result copying itself into all later insertion points.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace velmora::test {
namespace {

constexpr const char* kMarker = "<!--@opis@-->";

class SearchResultsMarker : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    std::filesystem::remove(disc / "Data/799.htm");
    WriteFile(disc / "Makiety/search.html",
              std::string("<html><title>@title@</title><body>") + kMarker + "</body></html>");
  }

  std::string Search(const std::string& word) {
    const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
                                    "set Szukaj " + word + "\nButton22Click\n");
    EXPECT_EQ(result.status, 0) << result.err;
    return ReadFile(temp / "VNQETMP/$$search.html");
  }

  static std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
      ++count;
    }
    return count;
  }

  TempDir disc;
  TempDir temp;
};

TEST_F(SearchResultsMarker, dictionaryEntriesHoldingTheMarker_areEachListedOnce) {
  std::string dictionary;
  for (int entry = 0; entry < 40; ++entry) {
    dictionary += "k" + std::to_string(entry) + ";ala Haslo" + std::to_string(entry) + ";opis " +
                  kMarker + " dalej" + kMarker + "\r\n";
  }
  WriteFile(disc / "DB/DICT.CSV", dictionary);
  const std::string page = Search("ala");
  // The table's last row is not reached by the dictionary pass.
  EXPECT_EQ(Count(page, "<b>ala Haslo"), 39u);
  EXPECT_EQ(Count(page, "<b>ala Haslo7</b>opis  dalej"), 1u);
  EXPECT_EQ(Count(page, kMarker), 0u);
  EXPECT_LT(page.size(), 20000u);
}

TEST_F(SearchResultsMarker, pageTopicsAndTheWordHoldingTheMarker_areEachListedOnce) {
  for (int page = 0; page < 40; ++page) {
    WriteFile(disc / ("Data/" + std::to_string(page) + ".htm"),
              "<html><title>temat: Strona" + std::to_string(page) + kMarker + "</title><body>x" +
                  kMarker + "y</body></html>");
  }
  const std::string page = Search(std::string("x") + kMarker + "y");
  EXPECT_EQ(Count(page, ".htm\">Strona"), 40u);
  EXPECT_EQ(Count(page, "Strona12</A>"), 1u);
  EXPECT_EQ(Count(page, "<u><font color=#000000> x&#60;!--&#64;opis&#64;--&#62;y </u>"), 1u);
  EXPECT_EQ(Count(page, kMarker), 0u);
  EXPECT_LT(page.size(), 20000u);
}

}  // namespace
}  // namespace velmora::test
