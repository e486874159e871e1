// The table file reader: physical lines, "$" continuation lines and the
// splitting of one record into the cells of a row.
#include <algorithm>
#include <string_view>
#include <vector>

#include "tables/file_lines.h"
#include "tables/table.h"

namespace velmora::tables {
namespace {

// A field opening with a double quote runs to the next double quote; the
// closing quote and the one character after it (normally the separator) are
// dropped. Without a closing quote the field takes the rest of the record.
// A record ending in ";" or in a closing quote therefore ends with one more
// empty cell, and an empty record gives one empty cell.
void SplitRecord(Table& table, int row, std::string_view rest) {
  // Reused from record to record: the row then takes exactly its cells.
  thread_local std::vector<std::string_view> cells;
  cells.clear();
  for (;;) {
    const bool quoted = !rest.empty() && rest.front() == '"';
    if (quoted) rest.remove_prefix(1);
    const std::size_t end = rest.find(quoted ? '"' : ';');
    if (end == std::string_view::npos) {
      cells.push_back(rest);
      table.SetRowViews(row, cells);
      if (cells.capacity() > 1024) cells = {};  // not kept after a very wide record
      return;
    }
    cells.push_back(rest.substr(0, end));
    const std::size_t next = quoted ? end + 2 : end + 1;
    rest.remove_prefix(next < rest.size() ? next : rest.size());
  }
}

}  // namespace

void ReadCsvText(Table& table, std::string bytes) {
  // The cells are views into the file's bytes, kept by the table.
  const std::string_view text = table.KeepText(std::move(bytes));
  const std::vector<std::string_view> lines = FileLines(text);
  // Every separator may open a cell, every line a record: no cell storage
  // grows by doubling on the way.
  table.Reserve(lines.size(),
                lines.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), ';')));
  int row = 0;
  for (std::size_t line = 0; line < lines.size(); ++row) {
    std::string_view record = lines[line++];
    // At most one continuation line is joined; a second "$" line is a record.
    if (line < lines.size() && !lines[line].empty() && lines[line].front() == '$') {
      std::string joined(record);
      joined.append(lines[line].substr(1));
      record = table.KeepText(std::move(joined));
      ++line;
    }
    SplitRecord(table, row, record);
    table.GrowRows(row + 1);
  }
}

}  // namespace velmora::tables
