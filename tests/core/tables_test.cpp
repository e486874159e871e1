// The table file reader: line ends, continuation lines, quoted fields, the
// cells a record splits into, the counts, and the catalogue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/catalogue.h"
#include "tables/table.h"

using velmora::tables::DeclaredColumnsFor;
using velmora::tables::ReadCsvText;
using velmora::tables::Table;

namespace {

Table Read(const std::string& bytes, int declaredColumns = 1) {
  Table table("SG_Test", declaredColumns);
  ReadCsvText(table, bytes);
  return table;
}

// The cells of a row up to the table's column count.
std::vector<std::string> Row(const Table& table, int row) {
  std::vector<std::string> cells;
  for (int column = 0; column < table.ColumnCount(); ++column) {
    cells.emplace_back(table.Cell(column, row));
  }
  return cells;
}

using Cells = std::vector<std::string>;

// Row splitting. With one declared column, the column count after reading a
// single record is the number of cells that record split into.

TEST(RowSplitting, doubleSeparator_givesEmptyMiddleCell) {
  const Table table = Read("a;;b\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"a", "", "b"}));
}

TEST(RowSplitting, trailingSeparator_givesExtraEmptyCell) {
  const Table table = Read("a;b;\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"a", "b", ""}));
}

TEST(RowSplitting, nSeparators_giveNPlusOneCells) { EXPECT_EQ(Read(";;;;").ColumnCount(), 5); }

TEST(RowSplitting, quotedFieldMayHoldSeparators) {
  const Table table = Read("x;\"p;q\";y\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"x", "p;q", "y"}));
}

TEST(RowSplitting, recordEndingInClosingQuote_givesExtraEmptyCell) {
  const Table table = Read("x;\"p;q\"\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"x", "p;q", ""}));
}

TEST(RowSplitting, emptyQuotedField_givesEmptyCell) {
  const Table table = Read("\"\";z\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"", "z"}));
}

TEST(RowSplitting, unterminatedQuote_takesRestOfRecordAndEndsRow) {
  const Table table = Read("x;\"p;q\r\nnext\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"x", "p;q"}));
  EXPECT_EQ(table.Cell(0, 1), "next");
}

TEST(RowSplitting, loneOpeningQuote_givesOneEmptyCell) {
  const Table table = Read("\"\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{""}));
}

TEST(RowSplitting, closingQuote_dropsTheOneCharacterAfterIt) {
  // "ab"c;d: the c goes with the closing quote, leaving ";d".
  const Table table = Read("\"ab\"c;d\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"ab", "", "d"}));
}

TEST(RowSplitting, quoteInsideUnquotedField_isText) {
  const Table table = Read("a\"b;c\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"a\"b", "c"}));
}

TEST(RowSplitting, cellsAreStoredByteForByte) {
  const Table table = Read(" a ; \xB1\xB6\xBC ;\t\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{" a ", " \xB1\xB6\xBC ", "\t"}));
}

TEST(RowSplitting, nulAndBinaryBytes_stayInCells) {
  const std::string bytes("a\0b;\xFF\x01\x80", 7);
  const Table table = Read(bytes);
  EXPECT_EQ(table.Cell(0, 0), std::string("a\0b", 3));
  EXPECT_EQ(table.Cell(1, 0), "\xFF\x01\x80");
}

// Lines and rows.

TEST(Lines, emptyLine_givesOneEmptyCell) {
  const Table table = Read("a\r\n\r\nb\r\n");
  EXPECT_EQ(table.Cell(0, 0), "a");
  EXPECT_EQ(table.Cell(0, 1), "");
  EXPECT_EQ(table.Cell(0, 2), "b");
  EXPECT_EQ(table.ColumnCount(), 1);
}

TEST(Lines, oneFinalLineEnd_addsNoRow_butAFurtherEmptyLineDoes) {
  const std::string eightRows = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8";
  EXPECT_EQ(Read(eightRows).RowCount(), 8);
  EXPECT_EQ(Read(eightRows + "\r\n").RowCount(), 8);
  EXPECT_EQ(Read(eightRows + "\r\n\r\n").RowCount(), 9);
}

TEST(Lines, loneCrAndLoneLf_alsoEndLines) {
  const Table table = Read("a\rb\nc\r\nd\n\re");
  EXPECT_EQ(table.Cell(0, 0), "a");
  EXPECT_EQ(table.Cell(0, 1), "b");
  EXPECT_EQ(table.Cell(0, 2), "c");
  EXPECT_EQ(table.Cell(0, 3), "d");
  EXPECT_EQ(table.Cell(0, 4), "");  // LF then CR: two line ends
  EXPECT_EQ(table.Cell(0, 5), "e");
}

TEST(Lines, manyLoneCrLines_beforeAnLf_areEachALine) {
  // Line ends of an old file: only CR, then CR LF and LF again.
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += std::to_string(i) + "\r";
  bytes += "last\r\nafter\nend";
  const Table table = Read(bytes);
  EXPECT_EQ(table.RowCount(), 2003);
  EXPECT_EQ(table.Cell(0, 0), "0");
  EXPECT_EQ(table.Cell(0, 1999), "1999");
  EXPECT_EQ(table.Cell(0, 2000), "last");
  EXPECT_EQ(table.Cell(0, 2001), "after");
  EXPECT_EQ(table.Cell(0, 2002), "end");
}

TEST(Lines, linesLongerThan4096_areReadWhole) {
  const std::string longCell(10000, 'x');
  const Table table = Read("k;" + longCell + "\r\nnext\r\n");
  EXPECT_EQ(table.Cell(1, 0), longCell);
  EXPECT_EQ(table.Cell(0, 1), "next");
}

// Continuation lines.

TEST(Continuation, dollarLine_isAppendedToLastField) {
  const Table table = Read("rec;ab\r\n$tail\r\nnext\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"rec", "abtail"}));
  EXPECT_EQ(table.Cell(0, 1), "next");
}

TEST(Continuation, secondDollarLine_isRecordOfItsOwn) {
  const Table table = Read("rec;ab\r\n$tail\r\n$more;m\r\nnext\r\n");
  EXPECT_EQ(table.Cell(1, 0), "abtail");
  EXPECT_EQ(table.Cell(0, 1), "$more");
  EXPECT_EQ(table.Cell(1, 1), "m");
  EXPECT_EQ(table.Cell(0, 2), "next");
}

TEST(Continuation, isJoinedBeforeSplitting) {
  // The quote opened on the record line closes on the continuation line.
  const Table table = Read("x;\"p\r\n$;q\";y\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"x", "p;q", "y"}));
}

TEST(Continuation, firstLineStartingWithDollar_isARecord) {
  const Table table = Read("$a\r\nb\r\n");
  EXPECT_EQ(table.Cell(0, 0), "$a");
  EXPECT_EQ(table.Cell(0, 1), "b");
}

TEST(Continuation, bareDollarLine_isConsumedAddingNothing) {
  const Table table = Read("a\r\n$\r\nb\r\n");
  EXPECT_EQ(table.Cell(0, 0), "a");
  EXPECT_EQ(table.Cell(0, 1), "b");
}

TEST(Continuation, cellsEitherSideOfTheJoin_keepTheirBytes) {
  // Cells before, across, at and after the join; then the same table copied
  // and written to, which must not disturb the joined record's cells.
  Table table =
      Read("a;bb;\"c\r\n$;c\";d;e\r\nh;i\r\n$;j;k\r\np;q\r\n$r;s\r\nl;\"m\r\n$n\"\r\nlast\r\n");
  EXPECT_EQ(Row(table, 0), (Cells{"a", "bb", "c;c", "d", "e"}));
  EXPECT_EQ(Row(table, 1), (Cells{"h", "i", "j", "k", ""}));
  EXPECT_EQ(Row(table, 2), (Cells{"p", "qr", "s", "", ""}));
  EXPECT_EQ(Row(table, 3), (Cells{"l", "mn", "", "", ""}));
  EXPECT_EQ(table.Cell(0, 4), "last");
  Table copy = table;
  copy.SetCell(1, 0, "written");
  EXPECT_EQ(Row(copy, 0), (Cells{"a", "written", "c;c", "d", "e"}));
  EXPECT_EQ(Row(copy, 2), Row(table, 2));
  EXPECT_EQ(table.Cell(1, 0), "bb");
}

TEST(Continuation, recordOfTwice4096Characters_fits) {
  const std::string half(4096, 'h');
  const Table table = Read(half + "\r\n$" + half + "\r\n");
  EXPECT_EQ(table.Cell(0, 0), half + half);
}

// Counts.

TEST(Counts, threeLines_giveRowCountSevenWithEmptyRows) {
  const Table table = Read("a\r\nb\r\nc\r\n");
  EXPECT_EQ(table.RowCount(), 7);
  EXPECT_EQ(table.Cell(0, 2), "c");
  for (int row = 3; row < 7; ++row) EXPECT_EQ(table.Cell(0, row), "");
}

TEST(Counts, emptyFile_keepsSevenRowsAndDeclaredColumns) {
  const Table table = Read("", 6);
  EXPECT_EQ(table.RowCount(), 7);
  EXPECT_EQ(table.ColumnCount(), 6);
}

TEST(Counts, wideRow_raisesColumnCountAboveDeclared) {
  std::string row = "k";
  for (int i = 1; i < 20; ++i) row += ";c" + std::to_string(i);
  const Table table = Read("short\r\n" + row + "\r\n", 18);
  EXPECT_EQ(table.ColumnCount(), 20);
  EXPECT_EQ(table.Cell(19, 1), "c19");
}

TEST(Counts, narrowRows_neverShrinkColumnCount) {
  EXPECT_EQ(Read("a;b\r\nc\r\n", 18).ColumnCount(), 18);
}

TEST(Counts, cellsOutsideTheCounts_readEmpty) {
  const Table table = Read("a;b\r\n");
  EXPECT_EQ(table.Cell(5, 0), "");
  EXPECT_EQ(table.Cell(0, 100), "");
  EXPECT_EQ(table.Cell(-1, 0), "");
  EXPECT_EQ(table.Cell(0, -1), "");
}

// Large input must read in linear time: quadratic splitting of these would
// not finish within the test's time limit.
TEST(Performance, manySeparatorsAndLines_readQuickly) {
  const Table wide = Read(std::string(300000, ';'));
  EXPECT_EQ(wide.ColumnCount(), 300001);

  std::string quoted;
  for (int i = 0; i < 100000; ++i) quoted += "\"a;b\";";
  EXPECT_EQ(Read(quoted).ColumnCount(), 100001);

  std::string tall;
  for (int i = 0; i < 200000; ++i) tall += "k;v\r\n$w\r\n";
  const Table rows = Read(tall);
  EXPECT_EQ(rows.RowCount(), 200000);
  EXPECT_EQ(rows.Cell(1, 199999), "vw");
}

// The catalogue.

TEST(Catalogue, declaredColumns_byFileNameIgnoringCase) {
  EXPECT_EQ(DeclaredColumnsFor("RP.CSV"), 18);
  EXPECT_EQ(DeclaredColumnsFor("pk.csv"), 33);
  EXPECT_EQ(DeclaredColumnsFor("Ochk.Csv"), 16);
  EXPECT_EQ(DeclaredColumnsFor("SLIDE.CSV"), 2);
  EXPECT_EQ(DeclaredColumnsFor("biotop.csv"), 7);
}

TEST(Catalogue, otherNames_declareOneColumn) {
  EXPECT_EQ(DeclaredColumnsFor("MENU.CSV"), 1);
  EXPECT_EQ(DeclaredColumnsFor("RP.CSV.bak"), 1);
  EXPECT_EQ(DeclaredColumnsFor(""), 1);
}

}  // namespace
