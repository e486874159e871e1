#pragma once
// The records of a table file as the table reader forms them, with the line
// each begins on: a line starting with "$" is joined to the record before it
// (at most one per record).

#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli::check {

struct Record {
  int line = 0;                     // 1-based line of the record's first line
  std::string text;                 // the record, continuation joined
  std::size_t firstLineLength = 0;  // offsets from here on lie on the next line
};

std::vector<Record> SplitRecords(std::string_view bytes);

// How many cells the table reader makes of the record.
int CellCount(const std::string& record);
// The 1-based column whose opening double quote is never closed, or 0.
int UnclosedQuoteColumn(std::string_view record);

}  // namespace velmora::cli::check
