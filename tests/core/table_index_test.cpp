// Lookups by key and by contained text on a table, which keep an index:
// the results must be those of a scan from the first row, also after cells
// are written and when the table is copied.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/table.h"

namespace velmora::tables {
namespace {

Table Read(const std::string& bytes, int columns = 2) {
  Table table("T", columns);
  ReadCsvText(table, bytes);
  return table;
}

TEST(TableFindRow, equalKeys_firstRowWins_inAnyColumn) {
  const Table table = Read("a;1\r\nb;2\r\nb;3\r\nB;2\r\n");
  EXPECT_EQ(table.FindRow(0, "b"), 1);
  EXPECT_EQ(table.FindRow(0, "B"), 3);
  EXPECT_EQ(table.FindRow(1, "2"), 1);
  EXPECT_EQ(table.FindRow(0, "c"), -1);
  EXPECT_EQ(table.FindRow(0, "b "), -1);
}

TEST(TableFindRow, emptyKey_findsFirstEmptyCellAlsoPastStoredRows) {
  EXPECT_EQ(Read("a;1\r\n;2\r\n;3\r\n").FindRow(0, ""), 1);
  // Rows 2 to 6 exist only through the minimum row count and read empty.
  EXPECT_EQ(Read("a;1\r\nb;2\r\n").FindRow(0, ""), 2);
  // A column no row reaches is empty in row 0.
  EXPECT_EQ(Read("a;1\r\n").FindRow(5, ""), 0);
  std::string full;
  for (int row = 0; row < 8; ++row) full += "k" + std::to_string(row) + ";v\r\n";
  EXPECT_EQ(Read(full).FindRow(0, ""), -1);
}

TEST(TableFindRow, writtenCells_areFoundUnderTheirNewText) {
  Table table = Read("x;1\r\ny;2\r\nx;3\r\n");
  ASSERT_EQ(table.FindRow(0, "x"), 0);
  table.SetCell(0, 0, "fx");
  EXPECT_EQ(table.FindRow(0, "x"), 2);
  EXPECT_EQ(table.FindRow(0, "fx"), 0);
  table.SetCell(0, 9, "late");
  EXPECT_EQ(table.FindRow(0, "late"), 9);
  EXPECT_EQ(table.FindRow(0, ""), 3);
}

TEST(TableFindRow, copy_keepsAnswering_whenOriginalChanges) {
  Table original = Read("a;1\r\nb;2\r\n");
  ASSERT_EQ(original.FindRow(0, "b"), 1);
  const Table copy = original;
  original.SetCell(0, 1, "c");
  EXPECT_EQ(copy.FindRow(0, "b"), 1);
  EXPECT_EQ(original.FindRow(0, "b"), -1);
}

TEST(TableCells, readCellsStayValid_whenCellsAreWrittenOrTheTableMoves) {
  Table table = Read("alpha;beta\r\n$gamma\r\n");
  const std::string_view alpha = table.Cell(0, 0);
  const std::string_view joined = table.Cell(1, 0);
  EXPECT_EQ(joined, "betagamma");
  table.SetCell(0, 0, "written");
  table.SetCell(5, 40, "far");
  const Table moved = std::move(table);
  EXPECT_EQ(alpha, "alpha");
  EXPECT_EQ(joined, "betagamma");
  EXPECT_EQ(moved.Cell(0, 0), "written");
  EXPECT_EQ(moved.Cell(5, 40), "far");
  EXPECT_EQ(moved.Cell(4, 40), "");
  EXPECT_EQ(moved.ColumnCount(), 6);
}

TEST(TableCells, oneVeryWideRecord_amongManyRows_costsOnlyItsOwnCells) {
  // Rows keep only the cells their record had: a single record of 200,000
  // fields must not give every other row room for as many.
  std::string bytes(200000, ';');
  bytes += "\r\n";
  for (int i = 0; i < 100000; ++i) bytes += "k" + std::to_string(i) + ";v\r\n";
  const Table table = Read(bytes);
  EXPECT_EQ(table.ColumnCount(), 200001);
  EXPECT_EQ(table.RowCount(), 100001);
  EXPECT_EQ(table.Cell(0, 100000), "k99999");
  EXPECT_EQ(table.Cell(1, 100000), "v");
  EXPECT_EQ(table.Cell(199999, 100000), "");
  EXPECT_EQ(table.FindRow(0, "k5"), 6);
}

TEST(TableCells, rowWidenedByAWrite_keepsItsCells_andLeavesItsNeighboursAlone) {
  Table table = Read("a0;b0\r\na1;\"b;1\"\r\na2\r\n$x\r\n");
  table.SetCell(3, 1, "d1");
  table.SetCell(1, 2, "b2");
  table.SetCell(4, 1, "e1");
  const std::vector<std::vector<std::string>> expected{
      {"a0", "b0", "", "", ""}, {"a1", "b;1", "", "d1", "e1"}, {"a2x", "b2", "", "", ""}};
  for (const Table& each : {table, Table(table)}) {
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(each.Cell(column, row), expected[row][column]) << row << "/" << column;
      }
    }
    EXPECT_EQ(each.FindRow(3, "d1"), 1);
  }
  // A table made of written cells only.
  Table written("SG_Test", 1);
  for (int row = 0; row < 50; ++row) written.SetCell(row % 7, row, "w" + std::to_string(row));
  for (int row = 0; row < 50; ++row)
    EXPECT_EQ(written.Cell(row % 7, row), "w" + std::to_string(row));
  EXPECT_EQ(written.Cell(0, 1), "");
}

// Plain records keep no cells: each is found from the separators when read,
// and must read as the split rules give, whatever ends the line.
TEST(TableCells, plainRecords_readAsSplit_atEveryLineEnd_andWhenWritten) {
  Table table = Read("a;bb;\rc\n;;d\r\n\r\n x ;\"q;1\";z\nlast;cell", 3);
  const std::vector<std::vector<std::string>> expected{{"a", "bb", ""},     {"c", "", ""},
                                                       {"", "", "d"},       {"", "", ""},
                                                       {" x ", "q;1", "z"}, {"last", "cell", ""}};
  for (const Table& each : {table, Table(table)}) {
    for (int row = 0; row < 6; ++row) {
      for (int column = 0; column < 4; ++column) {
        const std::string want = column < 3 ? expected[row][column] : "";
        EXPECT_EQ(each.Cell(column, row), want) << row << "/" << column;
      }
    }
    EXPECT_EQ(each.FindRow(2, "d"), 2);
    EXPECT_EQ(each.RowsContaining(1, "cel"), std::vector<int>{5});
  }
  table.SetCell(1, 0, "B");
  table.SetCell(3, 2, "D");
  EXPECT_EQ(table.Cell(0, 0), "a");
  EXPECT_EQ(table.Cell(1, 0), "B");
  EXPECT_EQ(table.Cell(2, 0), "");
  EXPECT_EQ(table.Cell(2, 2), "d");
  EXPECT_EQ(table.Cell(3, 2), "D");
  EXPECT_EQ(table.FindRow(1, "bb"), -1);

  // Only a whole line of the first text can be a record row.
  Table direct("T", 1);
  const std::string_view first = direct.KeepText("k;v1;w\r\nrest");
  const std::string_view second = direct.KeepText("s;t");
  EXPECT_FALSE(direct.SetRecordRow(0, first.substr(0, 4)));
  EXPECT_FALSE(direct.SetRecordRow(0, second));
  EXPECT_EQ(direct.ColumnCount(), 1);
  EXPECT_TRUE(direct.SetRecordRow(0, first.substr(0, 6)));
  EXPECT_TRUE(direct.SetRecordRow(1, first.substr(8)));
  EXPECT_EQ(direct.Cell(2, 0), "w");
  EXPECT_EQ(direct.Cell(0, 1), "rest");
  EXPECT_EQ(direct.ColumnCount(), 3);
}

TEST(TableRowsContaining, rowsInOrder_eachOnce_noMatchAcrossCells) {
  const Table table = Read("1;rp12 pk3 \r\n2;ab\r\n3;cd\r\n4;rp1 rp1\r\n5;\r\n6;xrp1\r\n");
  EXPECT_EQ(table.RowsContaining(1, "rp1"), (std::vector<int>{0, 3, 5}));
  EXPECT_EQ(table.RowsContaining(1, "bc"), std::vector<int>{});
  EXPECT_EQ(table.RowsContaining(1, "abcd"), std::vector<int>{});
  EXPECT_EQ(table.RowsContaining(1, "cd"), std::vector<int>{2});
  EXPECT_EQ(table.RowsContaining(7, "a"), std::vector<int>{});
}

TEST(TableRowsContaining, writtenCell_isSearchedWithItsNewText) {
  Table table = Read("1;pk3\r\n2;rp5\r\n");
  ASSERT_EQ(table.RowsContaining(1, "rp5"), std::vector<int>{1});
  table.SetCell(1, 0, "rp5 ");
  EXPECT_EQ(table.RowsContaining(1, "rp5"), (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace velmora::tables
