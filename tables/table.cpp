#include "tables/table.h"

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
  if (column >= static_cast<int>(cells.size())) cells.resize(column + 1);
  cells[column] = std::move(value);
  GrowColumns(column + 1);
  GrowRows(row + 1);
}

void Table::GrowColumns(int columns) {
  if (columns > columnCount_) columnCount_ = columns;
}

void Table::GrowRows(int rows) {
  if (rows > rowCount_) rowCount_ = rows;
}

}  // namespace velmora::tables
