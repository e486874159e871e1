#pragma once
// The column accessor Dane: a cell of a table by key, columns counted from
// 1. Wrong arguments are reported to the user and give an empty cell.

#include <string>

#include "platform/ui.h"
#include "tables/table.h"

namespace velmora::tables {

class ColumnAccessor {
 public:
  explicit ColumnAccessor(platform::Ui& ui) : ui_(ui) {}

  // Exact form: the cell in column nrKol - 1 of the first row whose key
  // column equals the key.
  std::string Dane(const Table& table, const std::string& key, int nrKol, int keyColumn);
  // Search form: from row on, the first row whose key column contains the
  // word ignoring case; row is left on that row (or the row count).
  std::string Dane(const Table& table, const std::string& word, int nrKol, int keyColumn, int& row);

 private:
  // Reports a non-positive nrKol or a key column outside the table.
  bool ArgumentsValid(const Table& table, int nrKol, int keyColumn);

  platform::Ui& ui_;
};

}  // namespace velmora::tables
