// Rows of many cells: every cell of a wide record reads back right, loops
// over a row stop at that row's own cells, and start-up's slide fix-up and
// the slide show look only at the cells a row has. The sizes are such that
// walking a row's separators for each of its cells would not finish.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tables/table.h"
#include "tests/support/fake_platform.h"

using velmora::tables::ReadCsvText;
using velmora::tables::Table;
namespace tables = velmora::tables;

namespace {

std::string CellName(int i) { return "c" + std::to_string(i); }

// One record of `cells` cells c0;c1;...
std::string WideRecord(int cells) {
  std::string record;
  for (int i = 0; i < cells; ++i) record += (i ? ";" : "") + CellName(i);
  return record;
}

TEST(WideRows, everyCellOfAWideRecord_readsBackInConstantTimeEach) {
  constexpr int kCells = 200000;
  Table table("SG_Wide", 2);
  ReadCsvText(table, "k;v\r\n" + WideRecord(kCells) + "\r\nlast;x\r\n");
  ASSERT_EQ(table.RowWidth(1), kCells);
  EXPECT_EQ(table.ColumnCount(), kCells);
  for (int i = 0; i < kCells; ++i) ASSERT_EQ(table.Cell(i, 1), CellName(i)) << i;
  EXPECT_EQ(table.Cell(kCells, 1), "");
  // The narrow rows around it keep their own width.
  EXPECT_EQ(table.RowWidth(0), 2);
  EXPECT_EQ(table.Cell(1, 2), "x");
  EXPECT_EQ(table.RowWidth(5), 0);  // a padding row
  EXPECT_EQ(table.RowWidth(-1), 0);
  EXPECT_EQ(table.FindRow(0, "last"), 2);

  // A copy holds the same cells.
  const Table copy = table;
  EXPECT_EQ(copy.Cell(kCells - 1, 1), CellName(kCells - 1));
  EXPECT_EQ(copy.RowWidth(1), kCells);
}

TEST(WideRows, recordsEitherSideOfTheKeptWidth_splitAlike) {
  for (const int cells : {1, 39, 40, 41, 42, 1000}) {
    Table table("SG_Wide", 1);
    // A last cell ending the file without a line end, and one before a CR.
    ReadCsvText(table, WideRecord(cells) + "\r\n" + WideRecord(cells));
    for (const int row : {0, 1}) {
      ASSERT_EQ(table.RowWidth(row), cells);
      for (int i = 0; i < cells; ++i) ASSERT_EQ(table.Cell(i, row), CellName(i)) << cells;
    }
  }
}

TEST(WideRows, aRowWrittenCellAfterCell_keepsEveryCell) {
  Table table("SG_Written", 1);
  constexpr int kCells = 100000;
  for (int i = 0; i < kCells; ++i) table.SetCell(i, 3, CellName(i));
  // A second row grown the same way moves past the first; both stay whole.
  for (int i = 0; i < 100; ++i) table.SetCell(i, 4, "r" + CellName(i));
  table.SetCell(kCells, 3, "end");
  EXPECT_EQ(table.RowWidth(3), kCells + 1);
  for (int i = 0; i < kCells; ++i) ASSERT_EQ(table.Cell(i, 3), CellName(i));
  EXPECT_EQ(table.Cell(kCells, 3), "end");
  EXPECT_EQ(table.Cell(99, 4), "rc99");
  EXPECT_EQ(table.ColumnCount(), kCells + 1);
}

// Start-up with one wide slide set among many narrow ones.
class WideSlideTable : public ::testing::Test {
 protected:
  void SetUp() override { velmora::test::AddMinimalDisc(fake_.files); }

  velmora::test::FakePlatform fake_;
};

TEST_F(WideSlideTable, startUp_testsOnlyTheCellsEachRowHas) {
  constexpr int kWide = 50000;
  constexpr int kNarrowRows = 5000;
  std::string slides = "wide;" + WideRecord(kWide) + "\r\n";
  for (int row = 0; row < kNarrowRows; ++row) slides += "s" + std::to_string(row) + ";p\r\n";
  fake_.files.files["/disc/DB/SLIDE.CSV"] = slides;
  fake_.files.files["/disc/Foto/fc7.jpg"] = "";
  fake_.files.files["/disc/Foto/mp.jpg"] = "";

  const int before = fake_.files.existenceTests;
  velmora::app::TMainForm form(fake_.platform);
  const int tests = fake_.files.existenceTests - before;
  // At most an "f" and an "m" name for each cell there is, and a few files
  // of the start-up itself: not a test for every column of every row.
  EXPECT_LE(tests, 2 * (kWide + kNarrowRows) + 100);
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(8, 0), "fc7");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(1, 1), "mp");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(1, kNarrowRows), "mp");
  EXPECT_EQ(form.CatalogueTable(tables::kSlideTable).Cell(2, 1), "");

  // The show of a narrow set looks at its own slide only.
  fake_.files.files["/disc/Foto/mp.jpg"] = "";
  const int beforeShow = fake_.files.existenceTests;
  form.ShowSlideShow("s17");
  EXPECT_EQ(form.SlideForm().SlideCount(), 1);
  EXPECT_LE(fake_.files.existenceTests - beforeShow, 2);
}

}  // namespace
