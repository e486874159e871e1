#pragma once
// One semicolon table held in memory: a grid of 8-bit text cells addressed
// by column and row from 0. Cells never written read as empty text, also
// outside the counts.

#include <string>
#include <vector>

namespace velmora::tables {

class Table {
 public:
  static constexpr int kMinimumRows = 7;

  Table(std::string name, int declaredColumns);

  const std::string& Name() const { return name_; }
  int ColumnCount() const { return columnCount_; }
  int RowCount() const { return rowCount_; }

  const std::string& Cell(int column, int row) const;
  // Grows the column count and row count to cover the cell.
  void SetCell(int column, int row, std::string value);
  // Column count grows to at least this, never shrinks.
  void GrowColumns(int columns);
  void GrowRows(int rows);

 private:
  std::string name_;
  int columnCount_;
  int rowCount_ = kMinimumRows;
  std::vector<std::vector<std::string>> rows_;  // rows_[row][column]
};

// Fills the table from the bytes of a table file by the reader's rules:
// continuation lines starting with "$", quoted fields, CR LF / CR / LF line
// ends, one trailing empty line ignored.
void ReadCsvText(Table& table, const std::string& bytes);

}  // namespace velmora::tables
