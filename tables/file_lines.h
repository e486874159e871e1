#pragma once
// Splitting a text file into lines, as every reader of the disc's files does.

#include <string_view>
#include <vector>

namespace velmora::tables {

// The lines of a text file: CR LF, a lone CR or a lone LF ends a line, and a
// line end after the last line adds no empty line. Lines are read whole,
// whatever their length.
std::vector<std::string_view> FileLines(std::string_view bytes);

}  // namespace velmora::tables
