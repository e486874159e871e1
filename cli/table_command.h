#pragma once
// velmora-cli table FILE [--columns N]: prints how the viewer reads a table
// file, as one JSON object {"columnCount":C,"rowCount":R,"rows":[...]} with
// every row padded to C cells and the cells converted from ISO-8859-2 to
// UTF-8. N defaults to the declared column count of a catalogue file name
// (compared without regard to case), 1 for any other name.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// args are the arguments after "table". Returns the exit status: 0 done,
// 1 the file could not be read, 2 wrong usage.
int RunTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
