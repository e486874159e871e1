#include "cli/check/records.h"

#include "tables/menu_definition.h"
#include "tables/table.h"

namespace velmora::cli::check {

std::vector<Record> SplitRecords(std::string_view bytes) {
  const std::vector<std::string_view> lines = tables::FileLines(bytes);
  std::vector<Record> records;
  for (std::size_t line = 0; line < lines.size();) {
    Record record{static_cast<int>(line) + 1, std::string(lines[line]), lines[line].size()};
    ++line;
    if (line < lines.size() && !lines[line].empty() && lines[line].front() == '$') {
      record.text.append(lines[line].substr(1));
      ++line;
    }
    records.push_back(std::move(record));
  }
  return records;
}

int CellCount(const std::string& record) {
  // The viewer's own reader decides; an empty record is one empty cell.
  tables::Table row("row", 0);
  tables::ReadCsvText(row, record);
  return row.ColumnCount() > 0 ? row.ColumnCount() : 1;
}

int UnclosedQuoteColumn(std::string_view rest) {
  for (int column = 1;; ++column) {
    const bool quoted = !rest.empty() && rest.front() == '"';
    if (quoted) rest.remove_prefix(1);
    const std::size_t end = rest.find(quoted ? '"' : ';');
    if (end == std::string_view::npos) return quoted ? column : 0;
    const std::size_t next = quoted ? end + 2 : end + 1;
    rest.remove_prefix(next < rest.size() ? next : rest.size());
  }
}

}  // namespace velmora::cli::check
