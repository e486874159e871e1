// The table file reader: physical lines, "$" continuation lines and the
// splitting of one record into the cells of a row.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tables/file_lines.h"
#include "tables/table.h"

namespace velmora::tables {
namespace {

// A field opening with a double quote runs to the next double quote; the
// closing quote and the one character after it (normally the separator) are
// dropped. Without a closing quote the field takes the rest of the record.
// A record ending in ";" or in a closing quote therefore ends with one more
// empty cell, and an empty record gives one empty cell. The cells are views
// into the record.
void SplitRecord(std::string_view rest, std::vector<std::string_view>& cells) {
  cells.clear();
  for (;;) {
    const bool quoted = !rest.empty() && rest.front() == '"';
    if (quoted) rest.remove_prefix(1);
    const std::size_t end = rest.find(quoted ? '"' : ';');
    if (end == std::string_view::npos) {
      cells.push_back(rest);
      return;
    }
    cells.push_back(rest.substr(0, end));
    const std::size_t next = quoted ? end + 2 : end + 1;
    rest.remove_prefix(next < rest.size() ? next : rest.size());
  }
}

// Whether the next line continues this one. At most one continuation line
// is joined; a second "$" line is a record.
bool IsContinued(const std::vector<std::string_view>& lines, std::size_t line) {
  return line + 1 < lines.size() && !lines[line + 1].empty() && lines[line + 1].front() == '$';
}

// Whether the record holds a double quote; one without splits at every
// separator.
bool IsQuoted(std::string_view record) { return record.find('"') != std::string_view::npos; }

// A cell of a record joined from a line and its continuation, moved back
// into the file's text where it lies within one of the two lines: only a
// cell running across the join needs bytes of its own.
std::string_view InFileText(Table& table, std::string_view cell, std::string_view joined,
                            std::string_view line, std::string_view continuation) {
  if (cell.empty()) return {};
  const auto at = static_cast<std::size_t>(cell.data() - joined.data());
  if (at + cell.size() <= line.size()) return line.substr(at, cell.size());
  if (at >= line.size()) return continuation.substr(at - line.size(), cell.size());
  return table.KeepText(std::string(cell));
}

// Fills the table from the file's bytes, kept by the table: the cells are
// views into them.
void SplitText(Table& table, std::string_view text) {
  const std::vector<std::string_view> lines = FileLines(text);
  // Every line may be a record. Only records joined from two lines or
  // holding a quote store cells (plain ones are split when read): few
  // enough to let their storage grow as it goes.
  table.Reserve(lines.size(), 0);
  // Reused from record to record: a row then takes exactly its cells.
  thread_local std::vector<std::string_view> cells;
  int row = 0;
  for (std::size_t line = 0; line < lines.size(); ++row) {
    const std::string_view record = lines[line++];
    if (IsContinued(lines, line - 1)) {
      const std::string_view continuation = lines[line++].substr(1);
      thread_local std::string joined;
      joined.assign(record);
      joined.append(continuation);
      SplitRecord(joined, cells);
      for (std::string_view& cell : cells)
        cell = InFileText(table, cell, joined, record, continuation);
      table.SetRowViews(row, cells);
      if (joined.capacity() > 65536) joined = {};  // not kept after a very long record
    } else if (IsQuoted(record) || !table.SetRecordRow(row, record)) {
      SplitRecord(record, cells);
      table.SetRowViews(row, cells);
    }
    if (cells.capacity() > 1024) cells = {};  // not kept after a very wide record
    table.GrowRows(row + 1);
  }
}

}  // namespace

void ReadCsvText(Table& table, std::string bytes) {
  ReadCsvText(table, std::make_shared<platform::HeapFileBytes>(std::move(bytes)));
}

void ReadCsvText(Table& table, std::shared_ptr<const platform::FileBytes> bytes) {
  SplitText(table, table.KeepText(std::move(bytes)));
  // Every page of the file was read; the cells read later bring back theirs.
  table.ReleaseText();
}

}  // namespace velmora::tables
