#include "tables/column_accessor.h"

#include "platform/codepage.h"

namespace velmora::tables {
namespace {

// Windows-1250 texts of the accessor's messages.
constexpr const char* kBadColumnText = "Dane(nrKol) = ";
constexpr const char* kBadColumnCaption = "Error";
constexpr const char* kKeyColumnCaption = "Error - za du\xBFy index do kolum.";

}  // namespace

bool ColumnAccessor::ArgumentsValid(const Table& table, int nrKol, int keyColumn) {
  if (nrKol <= 0) {
    ui_.MessageBox(kBadColumnText + std::to_string(nrKol), kBadColumnCaption, platform::Icon::Stop);
    return false;
  }
  // A key column equal to the column count passes and simply matches empty cells.
  if (keyColumn < 0 || keyColumn > table.ColumnCount()) {
    ui_.MessageBox(
        "Tablica " + table.Name() + " posiada " + std::to_string(table.ColumnCount()) + " kolumn.",
        kKeyColumnCaption, platform::Icon::Stop);
    return false;
  }
  return true;
}

std::string ColumnAccessor::Dane(const Table& table, const std::string& key, int nrKol,
                                 int keyColumn) {
  if (!ArgumentsValid(table, nrKol, keyColumn)) return {};
  const int row = table.FindRow(keyColumn, key);
  return row < 0 ? std::string() : std::string(table.Cell(nrKol - 1, row));
}

std::string ColumnAccessor::Dane(const Table& table, const std::string& word, int nrKol,
                                 int keyColumn, int& row) {
  if (!ArgumentsValid(table, nrKol, keyColumn)) return {};
  const std::string lowerWord = platform::LowerWin1250(word);
  if (row < 0) row = 0;  // rows before the first do not exist
  for (; row < table.RowCount(); ++row) {
    const std::string candidate =
        platform::LowerWin1250(platform::IsoToWin1250(std::string(table.Cell(keyColumn, row))));
    if (candidate.find(lowerWord) != std::string::npos) {
      return std::string(table.Cell(nrKol - 1, row));
    }
  }
  return {};
}

}  // namespace velmora::tables
