#include "tables/table.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace velmora::tables {

Table::Table(std::string name, int declaredColumns)
    : name_(std::move(name)), columnCount_(declaredColumns) {}

struct Table::Pending {
  std::future<Table> contents;
  std::function<void()> beforeWaiting;
};

Table::Table(const Table& other) : Table(other.name_, 0) { *this = other; }

Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&&) noexcept = default;
Table::~Table() = default;

void Table::AwaitContents(std::future<Table> contents, std::function<void()> beforeWaiting) {
  pending_ = std::make_unique<Pending>(Pending{std::move(contents), std::move(beforeWaiting)});
}

bool Table::ContentsArrived() const {
  return !pending_ ||
         pending_->contents.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void Table::TakePending() {
  const std::unique_ptr<Pending> pending = std::move(pending_);
  if (pending->beforeWaiting) pending->beforeWaiting();
  *this = pending->contents.get();
}

Table& Table::operator=(const Table& other) {
  if (this == &other) return *this;
  other.Settle();
  pending_.reset();  // overwritten anyway
  name_ = other.name_;
  columnCount_ = other.columnCount_;
  rowCount_ = other.rowCount_;
  caches_.Clear();
  // The texts never change: the copy's cells are views into the same ones,
  // which it keeps alive as long as it needs them.
  texts_ = other.texts_;
  base_ = other.base_;
  rows_ = other.rows_;
  cells_ = other.cells_;
  aside_ = other.aside_;
  return *this;
}

Table::CellRef Table::Ref(std::string_view kept) {
  if (kept.empty()) return {};
  const auto begin = reinterpret_cast<std::uintptr_t>(base_.data());
  const auto at = reinterpret_cast<std::uintptr_t>(kept.data());
  if (!base_.empty() && base_.size() < kAside && at >= begin &&
      at - begin + kept.size() <= base_.size()) {
    return {static_cast<std::uint32_t>(at - begin), static_cast<std::uint32_t>(kept.size())};
  }
  aside_.push_back(kept);
  return {static_cast<std::uint32_t>(aside_.size() - 1), kAside};
}

std::string_view Table::View(CellRef cell) const {
  if (cell.length == kAside) return aside_[cell.offset];
  return {base_.data() + cell.offset, cell.length};
}

std::string_view Table::Cell(int column, int row) const {
  Settle();
  if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size())) return {};
  const RowRef cells = rows_[static_cast<std::size_t>(row)];
  return static_cast<std::uint32_t>(column) < CellCount(cells)
             ? CellOf(cells, static_cast<std::uint32_t>(column))
             : std::string_view();
}

int Table::RowWidth(int row) const {
  Settle();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return 0;
  return static_cast<int>(CellCount(rows_[static_cast<std::size_t>(row)]));
}

std::string_view Table::CellOf(RowRef row, std::uint32_t index) const {
  if (!(row.count & kRecord)) return View(cells_[row.begin + index]);
  // Every cell but the last ends at a separator; the last at the record's
  // end. A separator missing (the file changed under a mapping) ends the
  // cell at the record's end and leaves the cells after it empty.
  const char* from = base_.data() + row.begin;
  const char* const end = from + RecordLength(row);
  for (std::uint32_t i = 0; i < index; ++i) {
    const void* separator = std::memchr(from, ';', static_cast<std::size_t>(end - from));
    if (!separator) return {};
    from = static_cast<const char*>(separator) + 1;
  }
  const char* to = end;
  if (index + 1 < CellCount(row)) {
    const void* separator = std::memchr(from, ';', static_cast<std::size_t>(end - from));
    if (separator) to = static_cast<const char*>(separator);
  }
  return {from, static_cast<std::size_t>(to - from)};
}

void Table::OwnCells(RowRef& row) {
  if (!(row.count & kRecord)) return;
  const auto begin = static_cast<std::uint32_t>(cells_.size());
  for (std::uint32_t i = 0; i < CellCount(row); ++i) cells_.push_back(Ref(CellOf(row, i)));
  row = {begin, CellCount(row)};
}

std::string_view Table::KeepText(std::string bytes) {
  return KeepText(std::make_shared<platform::HeapFileBytes>(std::move(bytes)));
}

std::string_view Table::KeepText(std::shared_ptr<const platform::FileBytes> bytes) {
  Settle();
  if (!bytes) bytes = std::make_shared<platform::HeapFileBytes>(std::string());
  texts_.push_back(std::move(bytes));
  const std::string_view kept = texts_.back()->View();
  if (texts_.size() == 1) base_ = kept;
  return kept;
}

void Table::ReleaseText() const {
  if (!pending_ && !texts_.empty()) texts_.front()->Release();
}

void Table::SetCell(int column, int row, std::string_view value) {
  Settle();
  if (row < 0 || column < 0) return;
  Place(column, row, value.empty() ? std::string_view() : KeepText(std::string(value)));
}

void Table::SetRowViews(int row, const std::vector<std::string_view>& keptCells) {
  Settle();
  if (row < 0) return;
  if (row >= static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(row) + 1);
  // Exactly as many as the record had.
  rows_[static_cast<std::size_t>(row)] = {static_cast<std::uint32_t>(cells_.size()),
                                          static_cast<std::uint32_t>(keptCells.size())};
  for (const std::string_view cell : keptCells) cells_.push_back(Ref(cell));
  CellsWritten(static_cast<int>(keptCells.size()), row);
}

bool Table::SetRecordRow(int row, std::string_view keptRecord) {
  Settle();
  if (row < 0) return false;
  const auto begin = reinterpret_cast<std::uintptr_t>(base_.data());
  const auto at = reinterpret_cast<std::uintptr_t>(keptRecord.data());
  if (base_.empty() || at < begin || at - begin + keptRecord.size() > base_.size()) return false;
  // The last cell is found by the line end after it.
  const std::size_t after = at - begin + keptRecord.size();
  if (after < base_.size() && base_[after] != '\r' && base_[after] != '\n') return false;
  const auto separators =
      static_cast<std::size_t>(std::count(keptRecord.begin(), keptRecord.end(), ';'));
  if (at - begin >= kRecord || separators + 1 > kMaxRecordCells ||
      keptRecord.size() >= kMaxRecordLength) {
    return false;
  }
  if (row >= static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(row) + 1);
  const auto cells = static_cast<std::uint32_t>(separators + 1);
  const auto length = static_cast<std::uint32_t>(keptRecord.size());
  rows_[static_cast<std::size_t>(row)] = {static_cast<std::uint32_t>(at - begin),
                                          kRecord | length << kRecordCellBits | cells};
  CellsWritten(static_cast<int>(cells), row);
  return true;
}

void Table::Place(int column, int row, std::string_view value) {
  if (row >= static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(row) + 1);
  RowRef& cells = rows_[static_cast<std::size_t>(row)];
  OwnCells(cells);
  const auto wanted = static_cast<std::uint32_t>(column) + 1;
  if (wanted > cells.count && cells.begin + cells.count == cells_.size()) {
    // Already the last row there: widened where it is, so that a row
    // written cell after cell is not copied for every cell.
    cells_.resize(cells.begin + wanted);
    cells.count = wanted;
  } else if (wanted > cells.count) {
    // The row moves to the end, widened; its old place is left unused.
    const auto begin = static_cast<std::uint32_t>(cells_.size());
    for (std::uint32_t i = 0; i < cells.count; ++i) cells_.push_back(cells_[cells.begin + i]);
    cells_.resize(begin + wanted);
    cells = {begin, wanted};
  }
  cells_[cells.begin + static_cast<std::uint32_t>(column)] = Ref(value);
  CellsWritten(column + 1, row);
}

void Table::CellsWritten(int columns, int row) {
  caches_.Clear();
  GrowColumns(columns);
  GrowRows(row + 1);
}

void Table::Reserve(std::size_t rows, std::size_t cells) {
  Settle();
  rows_.reserve(rows);
  cells_.reserve(cells);
}

void Table::GrowColumns(int columns) {
  Settle();
  if (columns > columnCount_) columnCount_ = columns;
}

void Table::GrowRows(int rows) {
  Settle();
  if (rows > rowCount_) rowCount_ = rows;
}

int Table::StoredRows() const { return std::min(static_cast<int>(rows_.size()), rowCount_); }

const Table::ColumnIndex& Table::IndexOf(int column) const {
  const auto found = caches_.indexes.find(column);
  if (found != caches_.indexes.end()) return found->second;
  ColumnIndex& index = caches_.indexes[column];
  const int rows = StoredRows();
  std::size_t size = 8;
  while (size < 2 * static_cast<std::size_t>(rows)) size *= 2;
  index.places.assign(size, 0);
  index.mask = size - 1;
  // Rows in order, an equal key already there stays: the first row wins.
  for (int row = 0; row < rows; ++row) {
    std::uint32_t& place = index.places[PlaceOf(index, column, Cell(column, row))];
    if (place == 0) place = static_cast<std::uint32_t>(row) + 1;
  }
  ReleaseText();  // the pass read every record; lookups read few of them again
  return index;
}

std::size_t Table::PlaceOf(const ColumnIndex& index, int column, std::string_view key) const {
  std::size_t place = std::hash<std::string_view>{}(key)&index.mask;
  while (index.places[place] != 0 &&
         Cell(column, static_cast<int>(index.places[place] - 1)) != key) {
    place = (place + 1) & index.mask;
  }
  return place;
}

int Table::FindRow(int column, std::string_view key) const {
  Settle();
  if (column < 0) return -1;
  const ColumnIndex& index = IndexOf(column);
  const std::uint32_t place = index.places[PlaceOf(index, column, key)];
  if (place != 0) return static_cast<int>(place - 1);
  // Rows past the stored ones read as empty.
  if (key.empty() && StoredRows() < rowCount_) return StoredRows();
  return -1;
}

const Table::ColumnText& Table::TextOf(int column) const {
  const auto found = caches_.texts.find(column);
  if (found != caches_.texts.end()) return found->second;
  ColumnText& joined = caches_.texts[column];
  const int rows = StoredRows();
  // Sized once: growing by doubling would leave up to half of it unused.
  std::size_t size = 0;
  for (int row = 0; row < rows; ++row) size += Cell(column, row).size();
  joined.text.reserve(size);
  joined.starts.reserve(static_cast<std::size_t>(rows) + 1);
  for (int row = 0; row < rows; ++row) {
    joined.starts.push_back(joined.text.size());
    joined.text += Cell(column, row);
  }
  joined.starts.push_back(joined.text.size());
  ReleaseText();  // searches read the joined copy, not the file's text
  return joined;
}

std::vector<int> Table::RowsContaining(int column, std::string_view text) const {
  Settle();
  std::vector<int> rows;
  if (column < 0) return rows;
  if (text.empty()) {
    for (int row = 0; row < rowCount_; ++row) rows.push_back(row);
    return rows;
  }
  // One search over the joined cells; a hit that runs across the end of a
  // cell is no hit, the search goes on from the next position.
  const ColumnText& joined = TextOf(column);
  const std::boyer_moore_horspool_searcher searcher(text.begin(), text.end());
  auto from = joined.text.begin();
  while (true) {
    const auto hit = std::search(from, joined.text.end(), searcher);
    if (hit == joined.text.end()) break;
    const std::size_t at = static_cast<std::size_t>(hit - joined.text.begin());
    const auto next = std::upper_bound(joined.starts.begin(), joined.starts.end(), at);
    const int row = static_cast<int>(next - joined.starts.begin()) - 1;
    if (at + text.size() <= *next) {
      rows.push_back(row);
      from = joined.text.begin() + static_cast<std::ptrdiff_t>(*next);
    } else {
      from = hit + 1;
    }
  }
  return rows;
}

}  // namespace velmora::tables
