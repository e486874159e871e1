#pragma once
// One semicolon table held in memory: a grid of 8-bit text cells addressed
// by column and row from 0. Cells never written read as empty text, also
// outside the counts. A table may be filled by a read still running on
// another thread: its first use waits for the read and takes its contents.

#include <cstdint>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velmora::tables {

class Table {
 public:
  static constexpr int kMinimumRows = 7;

  Table(std::string name, int declaredColumns);
  // A copy shares the texts of the original (they never change); cells
  // written later go to each table's own.
  Table(const Table& other);
  Table& operator=(const Table& other);
  Table(Table&&) noexcept;
  Table& operator=(Table&&) noexcept;
  ~Table();

  const std::string& Name() const { return name_; }
  int ColumnCount() const {
    Settle();
    return columnCount_;
  }
  int RowCount() const {
    Settle();
    return rowCount_;
  }

  // Valid as long as the table: writing a cell leaves the old text alone.
  std::string_view Cell(int column, int row) const;
  // How many cells the row holds: every cell from this column on reads as
  // empty. Loops over a row's cells stop here rather than at the column
  // count, which one wide row raises for every row.
  int RowWidth(int row) const;
  // Grows the column count and row count to cover the cell.
  void SetCell(int column, int row, std::string_view value);
  // Keeps the bytes as text of the table and returns them where they stay
  // for the table's life: cells may then be views into them (SetRowViews),
  // which saves a copy of every cell of a table file.
  std::string_view KeepText(std::string bytes);
  // The same with bytes held elsewhere (normally a mapped file), kept alive
  // by the table and its copies.
  std::string_view KeepText(std::shared_ptr<const platform::FileBytes> bytes);
  // Lets the pages of the first text go from memory until they are read
  // again (see FileBytes::Release): called after a pass over the whole file
  // and after each page made of the table. Cells stay valid. A table still
  // being read is left alone: this never waits and never throws.
  void ReleaseText() const;
  // The row's cells at once, as views inside text kept with KeepText.
  void SetRowViews(int row, const std::vector<std::string_view>& keptCells);
  // The row's cells are the record's fields split at every ";" (one more
  // than it has). Only where the record lies is kept; a cell is found when
  // it is read. False, and nothing changed, unless the record is a whole
  // line of the first text kept with KeepText and has at most
  // kMaxRecordCells cells.
  bool SetRecordRow(int row, std::string_view keptRecord);
  // A cell of a record row is found by walking the separators before it:
  // wider records keep their cells, so that reading each cell of a row
  // stays linear in the row's length. So do records of kMaxRecordLength
  // bytes or more.
  static constexpr std::size_t kMaxRecordCells = 40;
  static constexpr std::size_t kMaxRecordLength = std::size_t{1} << 25;
  // Column count grows to at least this, never shrinks.
  void GrowColumns(int columns);
  void GrowRows(int rows);
  // Room for this many stored rows and cells, before a table is read in.
  void Reserve(std::size_t rows, std::size_t cells);

  // The first row (below the row count) whose cell in the column equals the
  // key exactly, or -1. An empty key finds the first empty cell.
  int FindRow(int column, std::string_view key) const;
  // The rows whose cell in the column contains the text, in row order.
  std::vector<int> RowsContaining(int column, std::string_view text) const;
  // Build now what the first FindRow or RowsContaining on the column would,
  // so that the first lookup after the program has been idle is as quick as
  // the ones after it.
  void PrepareFindRow(int column) const {
    Settle();
    if (column >= 0) IndexOf(column);
  }
  void PrepareRowsContaining(int column) const {
    Settle();
    if (column >= 0) TextOf(column);
  }

  // The table's contents are the table the future gives; until it is taken
  // (at the first use) the table must not be touched elsewhere. The first
  // use calls `beforeWaiting` before it waits for them.
  void AwaitContents(std::future<Table> contents, std::function<void()> beforeWaiting = {});
  // Whether a use would find the contents there, without waiting (a failed
  // read counts: its error is there to be thrown).
  bool ContentsArrived() const;

 private:
  struct Pending;
  // Takes the contents of a pending read; an error of the read is thrown
  // here, at the use.
  void Settle() const {
    if (pending_) const_cast<Table*>(this)->TakePending();
  }
  void TakePending();

  // Built on first use and dropped whenever a cell is written: lookups by
  // key stay O(1) on tables of many thousand rows.
  // Open addressing over row numbers (row + 1; 0 is a free place), four
  // bytes a place and at least two places a row.
  struct ColumnIndex {
    std::vector<std::uint32_t> places;
    std::size_t mask = 0;
  };
  // The column's cells of the stored rows back to back, with where each begins.
  struct ColumnText {
    std::string text;
    std::vector<std::size_t> starts;
  };
  // Copies and moves start without them: the indexes point into the cells.
  struct Caches {
    std::map<int, ColumnIndex> indexes;
    std::map<int, ColumnText> texts;
    Caches() = default;
    Caches(const Caches&) {}
    Caches& operator=(const Caches&) {
      Clear();
      return *this;
    }
    void Clear() {
      indexes.clear();
      texts.clear();
    }
  };
  const ColumnIndex& IndexOf(int column) const;
  // The place holding the row of the key, or the free place it would take.
  std::size_t PlaceOf(const ColumnIndex& index, int column, std::string_view key) const;
  const ColumnText& TextOf(int column) const;
  int StoredRows() const;

  std::string name_;
  int columnCount_;
  int rowCount_ = kMinimumRows;
  void Place(int column, int row, std::string_view value);
  void CellsWritten(int columns, int row);

  // A cell: a place in the table's first text (normally its file's bytes),
  // or, with the length kAside, the index of a view in aside_. Eight bytes a
  // cell instead of a view's sixteen: the large tables have a million.
  struct CellRef {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  static constexpr std::uint32_t kAside = UINT32_MAX;
  // Where a row's cells lie in cells_. A row holds only the cells its record
  // had; a row that grows moves to the end. A record row (count with
  // kRecord set) has no cells there: begin is where its record starts in
  // the first text, count holds its length and cell count, and its cells are
  // found by their separators within it, which saves eight bytes a cell for
  // the plain records of the large tables. Searches never leave the record,
  // whatever the text holds by the time it is read again.
  struct RowRef {
    std::uint32_t begin = 0;
    std::uint32_t count = 0;
  };
  static constexpr std::uint32_t kRecord = 0x80000000u;
  static constexpr std::uint32_t kRecordCellBits = 6;
  static constexpr std::uint32_t kRecordCells = (1u << kRecordCellBits) - 1;
  static_assert(kMaxRecordCells <= kRecordCells);
  static_assert(kMaxRecordLength << kRecordCellBits == kRecord);
  static std::uint32_t CellCount(RowRef row) {
    return (row.count & kRecord) ? row.count & kRecordCells : row.count;
  }
  static std::size_t RecordLength(RowRef row) { return (row.count & ~kRecord) >> kRecordCellBits; }
  std::string_view CellOf(RowRef row, std::uint32_t index) const;
  // Gives a record row cells of its own in cells_, so that one can be written.
  void OwnCells(RowRef& row);
  CellRef Ref(std::string_view kept);
  std::string_view View(CellRef cell) const;

  std::vector<RowRef> rows_;
  std::vector<CellRef> cells_;
  std::vector<std::string_view> aside_;
  // Texts whose bytes never move (a file's bytes, or a string of its own on
  // the heap, so moving the table moves no byte either); cells are views
  // into them. Shared with copies.
  std::vector<std::shared_ptr<const platform::FileBytes>> texts_;
  std::string_view base_;
  mutable Caches caches_;
  std::unique_ptr<Pending> pending_;
};

// Fills the table from the bytes of a table file by the reader's rules:
// continuation lines starting with "$", quoted fields, CR LF / CR / LF line
// ends, one trailing empty line ignored.
void ReadCsvText(Table& table, std::string bytes);
// The same, the table keeping the bytes where they are; null reads as an
// empty file. The bytes are released once split.
void ReadCsvText(Table& table, std::shared_ptr<const platform::FileBytes> bytes);

}  // namespace velmora::tables
