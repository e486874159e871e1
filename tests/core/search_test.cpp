// The full-text search: what is found, how the results page is built, the
// wait window's progress, and input that arrives during a search.

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace velmora::test {
namespace {

class Search : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    std::filesystem::remove(disc / "Data/799.htm");
    WriteFile(disc / "Makiety/search.html",
              "<html><title>@title@</title><body><!--@opis@--></body></html>");
  }

  void Page(const std::string& name, const std::string& title, const std::string& text) {
    WriteFile(disc / ("Data/" + name),
              "<html><head><title>" + title + "</title></head><body>" + text + "</body></html>");
  }

  CliResult Replay(const std::string& script) {
    return RunCli({"replay", "--content", disc.path(), "--temp", temp.path()}, script);
  }

  std::string ResultsPage() { return ReadFile(temp / "VNQETMP/$$search.html"); }

  std::string Item(const std::string& name, const std::string& topic) {
    return "<LI><B><A HREF=\"" + disc.path() + "/Data/" + name + "\">" + topic +
           "</A></B><br><br>\r\n";
  }

  TempDir disc;
  TempDir temp;
};

// --- The word ---

TEST_F(Search, oneCharacter_givesTheMessageAndNothingElse) {
  const CliResult result = Replay("set Szukaj a\nButton22Click\n");
  EXPECT_EQ(Grep(result.lines,
                 {"\"call\":\"MessageBox\"", "\"text\":\"Nie wprowadzono tekstu do wyszukiwania.\"",
                  "\"caption\":\"Informacja\"", "\"icon\":\"information\""})
                .size(),
            1u)
      << result.out;
  EXPECT_EQ(Grep(result.lines, {"SetCursor", "hourglass"}).size(), 1u);  // start-up only
  EXPECT_EQ(Grep(result.lines, {"CzekajForm"}).size(), 0u);
  EXPECT_FALSE(Exists(temp / "VNQETMP/$$search.html"));
}

TEST_F(Search, twoCharacters_areSearched) {
  Page("1.htm", "temat: Ab", "ab");
  const CliResult result = Replay("set Szukaj ab\nButton22Click\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Ab")), std::string::npos) << result.out;
}

TEST_F(Search, enterInSearchBox_startsTheSearch) {
  Page("1.htm", "temat: Bory", "bory");
  Replay("set Szukaj bory\nSzukajKeyPress enter\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Bory")), std::string::npos);
}

TEST_F(Search, upperCaseWord_findsLowerCasePageText) {
  Page("1.htm", "temat: Lasy", "W lasach rosn\xB1 buki.");
  Replay("set Szukaj BUKI\nButton22Click\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Lasy")), std::string::npos);
}

TEST_F(Search, wordWithPolishLetterOfOtherCodePage_findsIsoByte) {
  // Typed "świerk" arrives as Windows-1250; the page has the ISO byte 0xB6.
  Page("1.htm", "temat: Drzewa", "\xB6wierk pospolity");
  Replay("set Szukaj \xC5\x9Bwierk\nButton22Click\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Drzewa")), std::string::npos);
}

TEST_F(Search, wordWithTwoDifferingLetters_isConvertedAtBothPlaces) {
  Page("1.htm", "temat: Mapy", "\xB1\xB1 x");  // ąą in ISO-8859-2
  Replay("set Szukaj \xC4\x85\xC4\x85\nButton22Click\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Mapy")), std::string::npos);
}

// --- Pages and the results page ---

TEST_F(Search, pageWithWordButNoTopic_isNotListed) {
  Page("1.htm", "Bez tematu", "torfowisko");
  Replay("set Szukaj torf\nButton22Click\n");
  EXPECT_EQ(ResultsPage().find("<LI>"), std::string::npos);
}

TEST_F(Search, topicIsTextAfterMarkerUpToNextClosingTag) {
  Page("1.htm", "Velmora - temat: Bagna i torfowiska", "torf");
  Replay("set Szukaj torf\nButton22Click\n");
  EXPECT_NE(ResultsPage().find(Item("1.htm", "Bagna i torfowiska")), std::string::npos);
}

TEST_F(Search, twoPages_listedInDirectoryOrderEachFollowedByTwoBreaks) {
  Page("b.htm", "temat: Drugi", "wydma");
  Page("A.htm", "temat: Pierwszy", "wydma");
  Page("c.htm", "temat: Bez", "nic");
  Replay("set Szukaj wydma\nButton22Click\n");
  const std::string page = ResultsPage();
  const std::size_t first = page.find(Item("A.htm", "Pierwszy"));
  const std::size_t second = page.find(Item("b.htm", "Drugi"));
  ASSERT_NE(first, std::string::npos) << page;
  ASSERT_NE(second, std::string::npos) << page;
  EXPECT_LT(first, second);
  EXPECT_EQ(page.find("Bez"), std::string::npos);
  EXPECT_EQ(page.find("<!--@opis@-->"), std::string::npos);
  EXPECT_NE(page.find("<title>Velmora</title>"), std::string::npos);
}

TEST_F(Search, headerRepeatsWordAndIsWrittenInIso) {
  Page("1.htm", "temat: X", "ab");
  Replay("set Szukaj ab\nButton22Click\n");
  const std::string page = ResultsPage();
  EXPECT_NE(page.find("<h3>Rezultaty wyszukiwania s\xB3owa: <u><font color=#000000> ab </u>"),
            std::string::npos);
  EXPECT_NE(page.find("Je\xB6li has\xB3o"), std::string::npos);  // ś as the ISO byte
}

TEST_F(Search, wordHoldingMarkup_isShownAsTyped) {
  Page("1.htm", "temat: X", "ab");
  Replay("set Szukaj <i>ab</i> &lt;b&gt; \"@title@\" http://db?path\nButton22Click\n");
  const std::string page = ResultsPage();
  EXPECT_NE(page.find("<font color=#000000> &#60;i&#62;ab&#60;/i&#62; &#38;lt;b&#38;gt; "
                      "&#34;&#64;title&#64;&#34; http://db&#63;path </u>"),
            std::string::npos)
      << page;
  EXPECT_EQ(page.find("<i>ab"), std::string::npos);
}

TEST_F(Search, sameWordTwice_writesTheSameFileAgain) {
  Page("1.htm", "temat: X", "ab");
  const CliResult result = Replay("set Szukaj ab\nButton22Click\nButton22Click\n");
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"WriteFile\"", "$$search.html", "\"ok\":true"}).size(),
            2u);
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"Navigate\"", "MainWebBrowser", "$$search.html"}).size(),
            2u);
}

// --- The wait window ---

TEST_F(Search, sixPages_advanceTheBarOnceSevenTwice) {
  for (int i = 0; i < 6; ++i) Page(std::to_string(i) + ".htm", "temat: X", "x");
  CliResult result = Replay("set Szukaj zz\nButton22Click\n");
  EXPECT_EQ(Grep(result.lines, {"SetProgress", "\"value\":1"}).size(), 1u) << result.out;
  EXPECT_EQ(Grep(result.lines, {"SetProgress", "\"value\":2"}).size(), 0u);
  Page("6.htm", "temat: X", "x");
  result = Replay("set Szukaj zz\nButton22Click\n");
  EXPECT_EQ(Grep(result.lines, {"SetProgress", "\"value\":2"}).size(), 1u);
}

TEST_F(Search, waitWindowShownThenHiddenAndCursorRestored) {
  Page("1.htm", "temat: X", "ab");
  const CliResult result = Replay("set Szukaj ab\nButton22Click\n");
  std::vector<std::string> order;
  for (const std::string& line : result.lines) {
    if (line.find("CzekajForm\"") != std::string::npos ||
        line.find("\"SetCursor\"") != std::string::npos) {
      order.push_back(line);
    }
  }
  // Start-up's wait for the animation, then the search.
  ASSERT_EQ(order.size(), 6u) << result.out;
  EXPECT_NE(order[2].find("hourglass"), std::string::npos);
  EXPECT_NE(order[3].find("\"ShowWindow\""), std::string::npos);
  EXPECT_NE(order[4].find("\"HideWindow\""), std::string::npos);
  EXPECT_NE(order[5].find("default"), std::string::npos);
  // The pointer goes onto the bottom button bar, under the "^" button: the
  // bar's top (767 on the 1280 x 800 screen) plus 10.
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"SetCursorPosition\"", "\"y\":777"}).size(), 1u)
      << result.out;
}

// --- Input during a search ---

TEST_F(Search, linkClickedDuringSearch_waitsAndIsShownAfterTheResults) {
  Page("1.htm", "temat: X", "ab");
  Page("2.htm", "temat: Y", "cd");
  const CliResult result = Replay("set Szukaj ab\nButton22Click\n> MainWebBrowserBeforeNavigate2 " +
                                  disc.path() + "/Data/2.htm\n");
  ASSERT_EQ(result.status, 0) << result.out;
  // The results page is whole, and the clicked page follows it.
  EXPECT_NE(ResultsPage().find(Item("1.htm", "X")), std::string::npos);
  std::vector<std::string> navigations =
      Grep(result.lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\""});
  ASSERT_GE(navigations.size(), 2u);
  EXPECT_NE(navigations[navigations.size() - 2].find("$$search.html"), std::string::npos);
  EXPECT_NE(navigations.back().find("/Data/2.htm"), std::string::npos);
}

TEST_F(Search, searchButtonPressedDuringSearch_isDropped) {
  Page("1.htm", "temat: X", "ab");
  const CliResult result = Replay("set Szukaj ab\nButton22Click\n> Button22Click\n");
  EXPECT_EQ(Grep(result.lines, {"\"call\":\"WriteFile\"", "$$search.html"}).size(), 1u);
  EXPECT_NE(ResultsPage().find(Item("1.htm", "X")), std::string::npos);
}

// --- Dictionary and biotope passes ---

TEST_F(Search, headingContainingWord_isListedOnceWithItsDefinition) {
  WriteFile(disc / "DB/DICT.CSV",
            "las;Las;zbiorowisko drzew\r\nlasek;Lasek;maly las\r\nbor;Bor;las iglasty\r\n");
  Replay("set Szukaj LAS\nButton22Click\n");
  const std::string page = ResultsPage();
  EXPECT_NE(page.find("<b>Las</b>zbiorowisko drzew<br><br>\r\n"), std::string::npos) << page;
  EXPECT_NE(page.find("<b>Lasek</b>maly las<br><br>\r\n"), std::string::npos);
  // "bor" has the word only in its definition, not in its heading.
  EXPECT_EQ(page.find("<b>Bor</b>"), std::string::npos);
  EXPECT_LT(page.find("<b>Las</b>"), page.find("<b>Lasek</b>"));
}

TEST_F(Search, matchInNextToLastRow_endsThePass) {
  // Seven rows: a match in row 5 ends the pass before row 6 is looked at.
  WriteFile(disc / "DB/DICT.CSV",
            "a;x;-\r\nb;x;-\r\nc;x;-\r\nd;x;-\r\ne;x;-\r\nf;wydma;pierwsza\r\n"
            "g;wydma;druga\r\n");
  Replay("set Szukaj wydma\nButton22Click\n");
  const std::string page = ResultsPage();
  EXPECT_NE(page.find("pierwsza"), std::string::npos) << page;
  EXPECT_EQ(page.find("druga"), std::string::npos);
}

TEST_F(Search, escapedItalicTagInDefinition_becomesReal) {
  // Quoted: the entities' semicolons would split the field.
  WriteFile(disc / "DB/BIOTOP.CSV", "wrz;wrzosowisko;\"&lt;i&gt;Calluna&lt;/i&gt;\"\r\n");
  Replay("set Szukaj wrzos\nButton22Click\n");
  EXPECT_NE(ResultsPage().find("<i><i>Calluna</i></i>"), std::string::npos) << ResultsPage();
}

// --- velmora-cli search ---

TEST_F(Search, cliSearch_listsPagesWithTopicsAsUtf8) {
  Page("1.htm", "temat: \xA3\xB1ki", "\xB3\xB1ka");  // Łąki / łąka in ISO-8859-2
  const CliResult result =
      RunCli({"search", "\xC5\x82\xC4\x85ka", "--content", disc.path()});  // łąka
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("\"topic\":\"\xC5\x81\xC4\x85ki\""), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("/Data/1.htm"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
