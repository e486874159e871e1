// The semicolon table reader on arbitrary bytes, then every cell read back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tables/table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const int declared = size > 0 ? data[0] % 40 : 1;
  velmora::tables::Table table("SG_Fuzz", declared);
  velmora::tables::ReadCsvText(table, bytes);
  // Each row's own cells and one past them: every row up to the column count
  // would be quadratic in the harness itself for one wide row among many.
  std::size_t total = 0;
  for (int row = -1; row <= table.RowCount(); ++row) {
    const int width = table.RowWidth(row);
    if (width > table.ColumnCount()) __builtin_trap();
    for (int column = -1; column <= width; ++column) total += table.Cell(column, row).size();
    if (!table.Cell(width, row).empty() || !table.Cell(table.ColumnCount(), row).empty()) {
      __builtin_trap();  // nothing lies past a row's own cells
    }
  }
  if (total > bytes.size()) __builtin_trap();  // cells hold no more than the file
  return 0;
}
