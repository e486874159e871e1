// The page buffer and the replacement rule every page kind relies on.
#include "pages/page_buffer.h"

#include <gtest/gtest.h>

#include "pages/replacement.h"
#include "platform/native_file_system.h"
#include "tests/support/content_tree_workdir.h"

namespace velmora::pages {
namespace {

class ReplacementRule : public ::testing::Test {
 protected:
  std::string Expand(const std::string& text, const std::string& placeholder,
                     const std::string& value) {
    buffer.SetText(text);
    ReplaceAllIn(buffer, placeholder, value);
    return buffer.Text();
  }

  platform::NativeFileSystem files;
  PageBuffer buffer{files};
};

// --- which occurrences are replaced

TEST_F(ReplacementRule, everyOccurrence_isReplacedLeftToRight) {
  EXPECT_EQ(Expand("<a>@title@</a>@title@<b>@title@", "@title@", "X"), "<a>X</a>X<b>X");
}

TEST_F(ReplacementRule, adjacentOccurrences_areAllReplaced) {
  EXPECT_EQ(Expand("@k@@k@@k@", "@k@", "1"), "111");
}

TEST_F(ReplacementRule, valueContainingThePlaceholder_isInsertedOnce) {
  EXPECT_EQ(Expand("[<!--@opis@-->] [<!--@opis@-->]", "<!--@opis@-->", "a <!--@opis@--> b"),
            "[a <!--@opis@--> b] [a <!--@opis@--> b]");
}

TEST_F(ReplacementRule, kol1_neverMatchesInsideKol10) {
  EXPECT_EQ(Expand("<td>@kol10@</td><td>@kol11@</td>", "@kol1@", "one"),
            "<td>@kol10@</td><td>@kol11@</td>");
  EXPECT_EQ(Expand("@kol10@ @kol1@", "@kol1@", "one"), "@kol10@ one");
}

TEST_F(ReplacementRule, placeholderInOtherLetterCase_staysInPage) {
  EXPECT_EQ(Expand("<!--@OPIS@--> <!--@opis@-->", "<!--@opis@-->", "x"), "<!--@OPIS@--> x");
}

TEST_F(ReplacementRule, occurrencesDoNotOverlap) { EXPECT_EQ(Expand("aaa", "aa", "b"), "ba"); }

TEST_F(ReplacementRule, missingPlaceholder_leavesBufferUnchanged) {
  EXPECT_EQ(Expand("<html>plain</html>", "@foto@", "x"), "<html>plain</html>");
}

TEST_F(ReplacementRule, emptyValue_deletesThePlaceholder) {
  EXPECT_EQ(Expand("a<!--@back@-->b<!--@back@-->", "<!--@back@-->", ""), "ab");
}

TEST_F(ReplacementRule, emptyPlaceholder_changesNothingAndEnds) {
  EXPECT_EQ(Expand("abc", "", "x"), "abc");
}

// --- the buffer changing size under the rule

TEST_F(ReplacementRule, growingBuffer_stillReachesOccurrencesAtTheEnd) {
  const std::string longValue(5000, 'v');
  std::string text;
  for (int i = 0; i < 50; ++i) text += "<p>@kol3@</p>";
  const std::string expanded = Expand(text, "@kol3@", longValue);
  EXPECT_EQ(expanded.size(), 50 * (7 + longValue.size()));
  EXPECT_EQ(expanded.find("@kol3@"), std::string::npos);
  EXPECT_EQ(expanded.substr(expanded.size() - 4), "</p>");
}

TEST_F(ReplacementRule, shrinkingBuffer_replacesEveryOccurrence) {
  EXPECT_EQ(Expand("http://db?path1 http://db?path2 http://db?path", "http://db?path", "/d/"),
            "/d/1 /d/2 /d/");
}

// A page of nothing but placeholders: each replacement must not move the
// rest of the page (a million bytes moved for each of them would not end).
TEST_F(ReplacementRule, pageOfManyPlaceholders_isReplacedWhole) {
  std::string page;
  for (int i = 0; i < 200000; ++i) page += "@kol1@;";
  const std::string result = Expand(page, "@kol1@", "ab");
  EXPECT_EQ(result.size(), 200000u * 3);
  EXPECT_EQ(result.substr(0, 9), "ab;ab;ab;");
  EXPECT_EQ(result.find('@'), std::string::npos);
}

// A long field in a template full of its placeholder: the page stops
// growing at the limit, the placeholders past it go without their value,
// and the next field cannot grow it further either.
TEST_F(ReplacementRule, longValueInManyPlaceholders_growsThePageOnlyToTheLimit) {
  const std::string field(1 << 20, 'v');
  std::string page;
  for (int i = 0; i < 40; ++i) page += "<p>@kol1@ @kol2@</p>";
  buffer.SetText(page);
  ReplaceAllIn(buffer, "@kol1@", field);
  ReplaceAllIn(buffer, "@kol2@", field);
  const std::string& result = buffer.Text();
  EXPECT_LE(result.size(), kLargestGrownPage);
  EXPECT_GT(result.size(), kLargestGrownPage - field.size());
  EXPECT_EQ(result.find('@'), std::string::npos);
  EXPECT_EQ(result.substr(0, 3 + field.size() + 1), "<p>" + field + " ");
  EXPECT_EQ(result.substr(result.size() - 8), "<p> </p>");
  // A page read larger than the limit keeps what it has and does not grow.
  const std::string large(kLargestGrownPage + 10, 'x');
  EXPECT_EQ(Expand(large + "@k@", "@k@", "value"), large);
  EXPECT_EQ(Expand(large + "@k@", "@k@", ""), large);
}

// Rows of an empty value: the page as taking out one row at a time (the
// first placeholder each time, from the last "<TR" before it to the first
// "</TR>" after it) leaves it.
std::string RowsRemovedOneByOne(PageBuffer& buffer, const std::string& page,
                                const std::string& placeholder) {
  buffer.SetText(page);
  for (std::size_t at; (at = buffer.Find(placeholder, 0, true)) != PageBuffer::npos;) {
    const std::size_t rowStart = at == 0 ? PageBuffer::npos : buffer.Text().rfind("<TR", at - 1);
    const std::size_t rowEnd = buffer.Find("</TR>", at, true);
    if (rowStart == PageBuffer::npos || rowEnd == PageBuffer::npos) {
      buffer.Replace(at, placeholder.size(), "");
    } else {
      buffer.Replace(rowStart, rowEnd - rowStart, " ");
    }
  }
  return buffer.Text();
}

TEST_F(ReplacementRule, rowsOfAPlaceholder_goAsIfTakenOutOneByOne) {
  const std::string pages[] = {
      "<TABLE><TR><TD>a</TD><TD>@k@</TD></TR><TR><TD>@k@</TD></TR><TR>b</TR></TABLE>",
      "@k@ no row @k@<TR>x</TR>",
      "<TR>x @k@ y @k@ z</TR> @k@",
      "<TR>one<TR>two @k@</TR>three @k@</TR>",
      "<TR>without end @k@ and @k@",
      "<tr>lower @k@</tr> <TR>upper @k@</TR>",
      "@k@@k@<TR>@k@</TR></TR>",
  };
  PageBuffer reference{files};
  for (const std::string& page : pages) {
    buffer.SetText(page);
    RemoveRowsOf(buffer, "@k@");
    EXPECT_EQ(buffer.Text(), RowsRemovedOneByOne(reference, page, "@k@")) << page;
  }

  // Many rows: each goes without moving the rest of the page.
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "<TR><TD>@kol3@</TD></TR>\r\n";
  buffer.SetText(many + "<TR>@kol3@ without end");
  RemoveRowsOf(buffer, "@kol3@");
  std::string expected;
  for (int i = 0; i < 100000; ++i) expected += " </TR>\r\n";
  EXPECT_EQ(buffer.Text(), expected + "<TR> without end");
}

TEST_F(ReplacementRule, bytesOutsideAscii_passUnchanged) {
  EXPECT_EQ(Expand("\xA1\xB3\xF3\xBF @kol2@ \xB6", "@kol2@", "\xA3\xF3\xBC"),
            "\xA1\xB3\xF3\xBF \xA3\xF3\xBC \xB6");
}

// --- find, replace and read

TEST_F(ReplacementRule, find_caseSensitiveOrFoldingOnlyAToZ) {
  buffer.SetText("Ab \xA5 ab \xB9");  // Windows-1250 capital and small a-ogonek
  EXPECT_EQ(buffer.Find("ab", 0, true), 5u);
  EXPECT_EQ(buffer.Find("ab", 0, false), 0u);
  EXPECT_EQ(buffer.Find("AB", 1, false), 5u);
  EXPECT_EQ(buffer.Find("\xB9", 0, false), 8u);  // not folded onto the capital
  EXPECT_EQ(buffer.Find("x", 0, false), PageBuffer::npos);
  EXPECT_EQ(buffer.Find("a", 100, true), PageBuffer::npos);
}

TEST_F(ReplacementRule, replaceAndRead_cutRangesAtTheEnd) {
  buffer.SetText("0123456789");
  buffer.Replace(2, 3, "ab");
  EXPECT_EQ(buffer.Text(), "01ab56789");
  EXPECT_EQ(buffer.Length(), 9u);
  buffer.Replace(7, 100, "!");
  EXPECT_EQ(buffer.Text(), "01ab567!");
  EXPECT_EQ(buffer.Read(6, 100), "7!");
  EXPECT_EQ(buffer.Read(50, 2), "");
}

// --- load and save

TEST(PageBufferFiles, load_replacesTextAndFailedLoadKeepsIt) {
  test::ContentTree tree;
  tree.Write("t.html", "new\r\ntext");
  platform::NativeFileSystem files;
  PageBuffer buffer(files);
  buffer.SetText("old");
  EXPECT_TRUE(buffer.LoadFromFile(tree.Path("t.html").string()));
  EXPECT_EQ(buffer.Text(), "new\r\ntext");
  EXPECT_FALSE(buffer.LoadFromFile(tree.Path("missing.html").string()));
  EXPECT_EQ(buffer.Text(), "new\r\ntext");
}

TEST(PageBufferFiles, save_writesEveryLineEndAsCrLfWithoutDoubling) {
  test::ContentTree tree;
  platform::NativeFileSystem files;
  PageBuffer buffer(files);
  buffer.SetText("a\nb\r\nc\rd\n\n\xB3\r\n");
  ASSERT_TRUE(buffer.SaveToFile(tree.Path("out.html").string()));
  EXPECT_EQ(tree.Read("out.html"), "a\r\nb\r\nc\r\nd\r\n\r\n\xB3\r\n");
  EXPECT_EQ(buffer.Text(), "a\nb\r\nc\rd\n\n\xB3\r\n");  // the buffer itself is unchanged
}

}  // namespace
}  // namespace velmora::pages
