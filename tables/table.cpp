#include "tables/table.h"

#include <algorithm>
#include <functional>

namespace velmora::tables {

namespace {
const std::string kEmpty;
}

Table::Table(std::string name, int declaredColumns)
    : name_(std::move(name)), columnCount_(declaredColumns) {}

const std::string& Table::Cell(int column, int row) const {
  if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
  const auto& cells = rows_[row];
  return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

void Table::SetCell(int column, int row, std::string value) {
  if (row < 0 || column < 0) return;
  if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1);
  auto& cells = rows_[row];
  // A row is filled cell by cell: room for all its columns at once.
  if (cells.empty()) cells.reserve(std::max(columnCount_, column + 1));
  if (column >= static_cast<int>(cells.size())) cells.resize(column + 1);
  cells[column] = std::move(value);
  caches_.Clear();
  GrowColumns(column + 1);
  GrowRows(row + 1);
}

void Table::ReserveRows(int rows) {
  if (rows > 0) rows_.reserve(static_cast<std::size_t>(rows));
}

void Table::GrowColumns(int columns) {
  if (columns > columnCount_) columnCount_ = columns;
}

void Table::GrowRows(int rows) {
  if (rows > rowCount_) rowCount_ = rows;
}

int Table::StoredRows() const { return std::min(static_cast<int>(rows_.size()), rowCount_); }

const Table::ColumnIndex& Table::IndexOf(int column) const {
  const auto found = caches_.indexes.find(column);
  if (found != caches_.indexes.end()) return found->second;
  ColumnIndex& index = caches_.indexes[column];
  const int rows = StoredRows();
  index.firstRow.reserve(static_cast<std::size_t>(rows));
  // emplace keeps the earlier row of equal keys: the first row wins.
  for (int row = 0; row < rows; ++row) index.firstRow.emplace(Cell(column, row), row);
  return index;
}

int Table::FindRow(int column, std::string_view key) const {
  if (column < 0) return -1;
  const ColumnIndex& index = IndexOf(column);
  const auto found = index.firstRow.find(key);
  if (found != index.firstRow.end()) return found->second;
  // Rows past the stored ones read as empty.
  if (key.empty() && StoredRows() < rowCount_) return StoredRows();
  return -1;
}

const Table::ColumnText& Table::TextOf(int column) const {
  const auto found = caches_.texts.find(column);
  if (found != caches_.texts.end()) return found->second;
  ColumnText& joined = caches_.texts[column];
  const int rows = StoredRows();
  joined.starts.reserve(static_cast<std::size_t>(rows) + 1);
  for (int row = 0; row < rows; ++row) {
    joined.starts.push_back(joined.text.size());
    joined.text += Cell(column, row);
  }
  joined.starts.push_back(joined.text.size());
  return joined;
}

std::vector<int> Table::RowsContaining(int column, std::string_view text) const {
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
